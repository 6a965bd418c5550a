#include "SoapMessage.h"

#include "KorvaNamespace.h"

namespace {

constexpr char EnvelopeNamespace[] = "http://schemas.xmlsoap.org/soap/envelope/";

QString localName(pugi::xml_node node)
{
    const QString name = QString::fromUtf8(node.name());
    const qsizetype colon = name.indexOf(':');
    return colon < 0 ? name : name.mid(colon + 1);
}

// Resolves the element's prefix (or the default namespace) through the xmlns attributes of
// the element and its ancestors.
QString namespaceOf(pugi::xml_node node)
{
    const QString name = QString::fromUtf8(node.name());
    const qsizetype colon = name.indexOf(':');
    const QByteArray attribute = colon < 0 ? QByteArray("xmlns") : "xmlns:" + name.left(colon).toUtf8();
    for (pugi::xml_node n = node; n && n.type() == pugi::node_element; n = n.parent())
        if (pugi::xml_attribute a = n.attribute(attribute.constData()))
            return QString::fromUtf8(a.value());
    return {};
}

pugi::xml_node onlyElementChild(pugi::xml_node parent)
{
    pugi::xml_node found;
    for (pugi::xml_node c = parent.first_child(); c; c = c.next_sibling()) {
        if (c.type() == pugi::node_element) {
            if (found)
                return {};
            found = c;
        }
    }
    return found;
}

bool isUnqualifiedNamed(pugi::xml_node node, const char *name)
{
    return node.type() == pugi::node_element && localName(node) == QLatin1String(name) && namespaceOf(node).isEmpty();
}

} // namespace

SoapRequest::SoapRequest(const QByteArray &body)
{
    const pugi::xml_parse_result parsed = document_.load_buffer(body.constData(), size_t(body.size()),
                                                                pugi::parse_default, pugi::encoding_utf8);
    if (!parsed)
        throw SoapFault(QStringLiteral("İstek XML olarak okunamadı: %1").arg(QString::fromUtf8(parsed.description())));
    const pugi::xml_node envelope = document_.document_element();
    if (localName(envelope) != QLatin1String("Envelope") || namespaceOf(envelope) != QLatin1String(EnvelopeNamespace))
        throw SoapFault(QStringLiteral("İstek bir SOAP 1.1 zarfı değil."));
    pugi::xml_node soapBody;
    for (pugi::xml_node c = envelope.first_child(); c; c = c.next_sibling())
        if (c.type() == pugi::node_element && localName(c) == QLatin1String("Body") && namespaceOf(c) == QLatin1String(EnvelopeNamespace))
            soapBody = c;
    if (!soapBody)
        throw SoapFault(QStringLiteral("SOAP zarfında Body bulunamadı."));
    operationNode_ = onlyElementChild(soapBody);
    if (!operationNode_)
        throw SoapFault(QStringLiteral("SOAP Body tek bir işlem elemanı taşımalıdır."));
    operation_ = localName(operationNode_);
    operationNamespace_ = namespaceOf(operationNode_);
}

std::vector<pugi::xml_node> SoapRequest::parameters(const char *name) const
{
    std::vector<pugi::xml_node> nodes;
    for (pugi::xml_node c = operationNode_.first_child(); c; c = c.next_sibling())
        if (isUnqualifiedNamed(c, name))
            nodes.push_back(c);
    return nodes;
}

pugi::xml_node SoapRequest::optionalChild(pugi::xml_node parent, const char *name)
{
    for (pugi::xml_node c = parent.first_child(); c; c = c.next_sibling())
        if (isUnqualifiedNamed(c, name))
            return c;
    return {};
}

pugi::xml_node SoapRequest::child(pugi::xml_node parent, const char *name)
{
    const pugi::xml_node found = optionalChild(parent, name);
    if (!found)
        throw SoapFault(QStringLiteral("Zorunlu eleman eksik: %1/%2").arg(localName(parent), QString::fromUtf8(name)));
    return found;
}

QString SoapRequest::text(pugi::xml_node node)
{
    QString value;
    for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling()) {
        if (c.type() == pugi::node_pcdata || c.type() == pugi::node_cdata)
            value += QString::fromUtf8(c.value());
        else if (c.type() == pugi::node_element)
            throw SoapFault(QStringLiteral("%1 elemanı metin beklerken alt eleman taşıyor.").arg(localName(node)));
    }
    return value;
}

QString xmlEscaped(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&': out += QLatin1String("&amp;"); break;
        case '<': out += QLatin1String("&lt;"); break;
        case '>': out += QLatin1String("&gt;"); break;
        case '"': out += QLatin1String("&quot;"); break;
        case '\r': out += QLatin1String("&#13;"); break;
        default: out += c;
        }
    }
    return out;
}

SoapReplyWriter::SoapReplyWriter(const QString &operation) : operation_(operation)
{
    xml_ = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
                          "<soap:Envelope xmlns:soap=\"%1\"><soap:Body><ns:%2Response xmlns:ns=\"%3\">")
               .arg(QLatin1String(EnvelopeNamespace), operation, QLatin1String(korva::TargetNamespace));
}

SoapReplyWriter &SoapReplyWriter::element(const QString &name, const QString &value)
{
    if (!returnWritten_)
        begin(QStringLiteral("return"));
    xml_ += QLatin1Char('<') + name + QLatin1Char('>') + xmlEscaped(value) + QLatin1String("</") + name + QLatin1Char('>');
    return *this;
}

SoapReplyWriter &SoapReplyWriter::begin(const QString &name)
{
    if (!returnWritten_ && name != QLatin1String("return"))
        begin(QStringLiteral("return"));
    returnWritten_ = true;
    xml_ += QLatin1Char('<') + name + QLatin1Char('>');
    open_.push_back(name);
    return *this;
}

SoapReplyWriter &SoapReplyWriter::end()
{
    xml_ += QLatin1String("</") + open_.back() + QLatin1Char('>');
    open_.pop_back();
    return *this;
}

SoapReplyWriter &SoapReplyWriter::returnText(const QString &value)
{
    returnWritten_ = true;
    xml_ += QLatin1String("<return>") + xmlEscaped(value) + QLatin1String("</return>");
    return *this;
}

QByteArray SoapReplyWriter::finish()
{
    while (!open_.empty())
        end();
    if (!returnWritten_)
        xml_ += QLatin1String("<return/>");
    xml_ += QStringLiteral("</ns:%1Response></soap:Body></soap:Envelope>").arg(operation_);
    return xml_.toUtf8();
}

QByteArray soapFaultText(const SoapFault &fault)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
                          "<soap:Envelope xmlns:soap=\"%1\"><soap:Body><soap:Fault>"
                          "<faultcode>soap:%2</faultcode><faultstring>%3</faultstring>"
                          "</soap:Fault></soap:Body></soap:Envelope>")
        .arg(QLatin1String(EnvelopeNamespace), fault.clientFault ? QStringLiteral("Client") : QStringLiteral("Server"),
             xmlEscaped(QString::fromStdString(fault.what())))
        .toUtf8();
}
