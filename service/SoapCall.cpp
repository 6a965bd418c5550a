#include "SoapCall.h"

#include "ExchangeLog.h"
#include "SoapTransport.h"

namespace korvaesya::soap {

void invoke(const ServiceSettings &settings, Operation operation, std::initializer_list<Argument> arguments,
            const ResultTarget &target)
{
    const QString name = QString::fromLatin1(describe(operation).name.data(), qsizetype(describe(operation).name.size()));
    const WrittenRequest request = writeRequest(operation, arguments);
    if (settings.xmlLog)
        writeExchangeLog(settings.xmlLogDir, QStringLiteral("request_"), name, maskedForLog(request));
    HttpReply reply = postSoapRequest(settings, soapActionHeader(operation), request.body);
    if (settings.xmlLog)
        writeExchangeLog(settings.xmlLogDir, QStringLiteral("response_"), name, reply.body);
    readReply(reply.body, target);
}

} // namespace korvaesya::soap
