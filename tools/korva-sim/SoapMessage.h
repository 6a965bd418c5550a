#pragma once
// Reading a SOAP 1.1 request strictly and writing replies and faults as text.

#include <QByteArray>
#include <QString>

#include <pugixml.hpp>

#include <stdexcept>
#include <vector>

// Ends a call with HTTP 500 and a SOAP fault; "Client" for a request at fault, "Server" otherwise.
class SoapFault : public std::runtime_error {
public:
    explicit SoapFault(const QString &text, bool clientFault = true)
        : std::runtime_error(text.toStdString()), clientFault(clientFault) {}
    bool clientFault;
};

// The body's operation element of a parsed request; parameters are unqualified children.
class SoapRequest {
public:
    // Throws SoapFault when the bytes are not a SOAP 1.1 envelope with one element in its body.
    explicit SoapRequest(const QByteArray &body);

    QString operationName() const { return operation_; }
    QString operationNamespace() const { return operationNamespace_; }

    // The child element with that name and no namespace; a missing one is a fault.
    pugi::xml_node parameter(const char *name) const { return child(operationNode_, name); }
    std::vector<pugi::xml_node> parameters(const char *name) const;

    static pugi::xml_node child(pugi::xml_node parent, const char *name);
    static pugi::xml_node optionalChild(pugi::xml_node parent, const char *name);
    static QString text(pugi::xml_node node);

private:
    pugi::xml_document document_;
    pugi::xml_node operationNode_;
    QString operation_;
    QString operationNamespace_;
};

// Writes <OPResponse><return>...</return></OPResponse> inside a SOAP envelope. The elements
// of the result are unqualified.
class SoapReplyWriter {
public:
    explicit SoapReplyWriter(const QString &operation);

    SoapReplyWriter &element(const QString &name, const QString &value);
    SoapReplyWriter &element(const QString &name, qint64 value) { return element(name, QString::number(value)); }
    SoapReplyWriter &begin(const QString &name);
    SoapReplyWriter &end();
    // servisTest answers with a plain text inside "return".
    SoapReplyWriter &returnText(const QString &value);

    QByteArray finish();

private:
    QString xml_;
    QString operation_;
    std::vector<QString> open_;
    bool returnWritten_ = false;
};

QByteArray soapFaultText(const SoapFault &fault);
QString xmlEscaped(const QString &text);
