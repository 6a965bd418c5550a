#pragma once
// Posts one SOAP request over HTTP(S) and waits for the reply in a local event loop that lets
// windows repaint but lets no user input in.

#include "korvaesya.h"

#include <QByteArray>

namespace korvaesya::soap {

struct HttpReply {
    int status = 0;
    QByteArray contentType;
    QByteArray body;
};

// Returns a reply that is to be read as SOAP (status below 300, or 500); every other outcome
// throws SoapCallError with the text the operations show.
HttpReply postSoapRequest(const ServiceSettings &settings, const QByteArray &soapAction, const QByteArray &body);

} // namespace korvaesya::soap
