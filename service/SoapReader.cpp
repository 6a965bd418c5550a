#include "SoapReader.h"

#include "korvaesya.h"

#include <pugixml.hpp>

#include <charconv>
#include <cstring>

namespace korvaesya::soap {

namespace {

constexpr const char *envelopeNamespace = "http://schemas.xmlsoap.org/soap/envelope/";
constexpr const char *instanceNamespace = "http://www.w3.org/2001/XMLSchema-instance";

std::string_view localName(const char *qualified)
{
    const char *colon = std::strchr(qualified, ':');
    return colon ? std::string_view(colon + 1) : std::string_view(qualified);
}

// pugixml leaves prefixes to us: find the xmlns declaration in scope for the prefix.
std::string_view namespaceOf(pugi::xml_node node, const char *qualified)
{
    const char *colon = std::strchr(qualified, ':');
    std::string attribute = colon ? "xmlns:" + std::string(qualified, colon) : std::string("xmlns");
    for (pugi::xml_node n = node; n; n = n.parent())
        if (pugi::xml_attribute a = n.attribute(attribute.c_str()))
            return a.value();
    return {};
}

bool isEnvelopeElement(pugi::xml_node node, std::string_view name)
{
    return node.type() == pugi::node_element && localName(node.name()) == name
           && namespaceOf(node, node.name()) == envelopeNamespace;
}

pugi::xml_node childByLocalName(pugi::xml_node parent, std::string_view name)
{
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling())
        if (child.type() == pugi::node_element && localName(child.name()) == name)
            return child;
    return {};
}

bool isNil(pugi::xml_node node)
{
    for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute()) {
        if (localName(a.name()) != "nil" || std::strncmp(a.name(), "xmlns", 5) == 0)
            continue;
        if (namespaceOf(node, a.name()) == instanceNamespace)
            return std::strcmp(a.value(), "true") == 0 || std::strcmp(a.value(), "1") == 0;
    }
    return false;
}

// The element's character data; usually one piece, several around comments or CDATA.
std::string_view textOf(pugi::xml_node node, std::string &joined)
{
    pugi::xml_node first = node.first_child();
    if (!first)
        return {};
    if (!first.next_sibling() && (first.type() == pugi::node_pcdata || first.type() == pugi::node_cdata))
        return first.value();
    joined.clear();
    for (pugi::xml_node n = first; n; n = n.next_sibling())
        if (n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata)
            joined += n.value();
    return joined;
}

QString toQString(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

template <class Number>
Number toNumber(std::string_view text, std::string_view element)
{
    while (!text.empty() && std::strchr(" \t\r\n", text.front()))
        text.remove_prefix(1);
    while (!text.empty() && std::strchr(" \t\r\n", text.back()))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    Number value{};
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        throw SoapCallError(QStringLiteral("Servis yanıtındaki '%1' öğesinin değeri sayı değil: '%2'")
                                .arg(toQString(element), toQString(text)));
    return value;
}

int base64Value(unsigned char c)
{
    static const auto table = [] {
        std::array<signed char, 256> t{};
        t.fill(-1);
        const char *alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
        for (int i = 0; i < 64; ++i)
            t[static_cast<unsigned char>(alphabet[i])] = static_cast<signed char>(i);
        return t;
    }();
    return table[c];
}

// Decodes straight from the parsed text into the result's bytes; white space is skipped.
QByteArray decodeBase64(std::string_view text, std::string_view element)
{
    QByteArray bytes(qsizetype(text.size() / 4 * 3 + 3), Qt::Uninitialized);
    char *out = bytes.data();
    quint32 accumulator = 0;
    int bits = 0;
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '=')
            break;
        const int v = base64Value(c);
        if (v < 0) {
            if (std::strchr(" \t\r\n", ch))
                continue;
            throw SoapCallError(
                QStringLiteral("Servis yanıtındaki '%1' öğesi geçerli Base64 değil").arg(toQString(element)));
        }
        accumulator = (accumulator << 6) | quint32(v);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            *out++ = char((accumulator >> bits) & 0xFF);
        }
    }
    bytes.truncate(out - bytes.data());
    return bytes;
}

void readMembers(pugi::xml_node node, const TypeDescription &type, void *object);

void readElement(pugi::xml_node child, const ElementDescription &e, void *object)
{
    const bool nil = isNil(child);
    void *member = e.member(object);
    std::string joined;
    switch (e.kind) {
    case Kind::List:
        // A nil item is still an item: the callers read every item's members.
        readMembers(nil ? pugi::xml_node() : child, e.itemType(), e.append(member));
        return;
    case Kind::TextList:
        static_cast<QStringList *>(member)->append(nil ? QString() : toQString(textOf(child, joined)));
        return;
    default: break;
    }
    if (nil)
        return;
    switch (e.kind) {
    case Kind::Text: *static_cast<QString *>(member) = toQString(textOf(child, joined)); break;
    case Kind::Integer: *static_cast<int *>(member) = toNumber<int>(textOf(child, joined), e.name); break;
    case Kind::Long: *static_cast<qint64 *>(member) = toNumber<qint64>(textOf(child, joined), e.name); break;
    case Kind::Bytes: *static_cast<QByteArray *>(member) = decodeBase64(textOf(child, joined), e.name); break;
    case Kind::Structure: readMembers(child, e.itemType(), e.append(member)); break;
    default: break;
    }
    if (e.flag)
        *e.flag(object) = true;
}

void readMembers(pugi::xml_node node, const TypeDescription &type, void *object)
{
    if (!node)
        return;
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element)
            continue;
        const std::string_view name = localName(child.name());
        // An element without a member is dropped whole, whatever it contains.
        for (const ElementDescription &e : type.elements) {
            if (e.name == name) {
                readElement(child, e, object);
                break;
            }
        }
    }
}

} // namespace

void readReply(QByteArray &body, const ResultTarget &target)
{
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_buffer_inplace(
        body.data(), std::size_t(body.size()), pugi::parse_default | pugi::parse_doctype, pugi::encoding_utf8);
    if (!parsed)
        throw SoapCallError(QStringLiteral("Servisin yanıtı okunamadı: %1 (konum %2)")
                                .arg(QString::fromUtf8(parsed.description()))
                                .arg(parsed.offset));
    for (pugi::xml_node n = document.first_child(); n; n = n.next_sibling())
        if (n.type() == pugi::node_doctype)
            throw SoapCallError(QStringLiteral("Servisin yanıtı bir DTD içeriyor; böyle bir yanıt okunmaz"));

    const pugi::xml_node envelope = document.document_element();
    if (!isEnvelopeElement(envelope, "Envelope"))
        throw SoapCallError(QStringLiteral("Servisin yanıtı bir SOAP zarfı değil"));
    pugi::xml_node body_;
    for (pugi::xml_node n = envelope.first_child(); n; n = n.next_sibling())
        if (isEnvelopeElement(n, "Body"))
            body_ = n;
    if (!body_)
        throw SoapCallError(QStringLiteral("Servisin yanıtında SOAP gövdesi yok"));

    pugi::xml_node wrapper;
    for (pugi::xml_node n = body_.first_child(); n && !wrapper; n = n.next_sibling())
        if (n.type() == pugi::node_element)
            wrapper = n;
    if (wrapper && isEnvelopeElement(wrapper, "Fault")) {
        std::string joined;
        const pugi::xml_node faultString = childByLocalName(wrapper, "faultstring");
        throw SoapCallError(faultString ? toQString(textOf(faultString, joined))
                                        : QStringLiteral("Servis bir SOAP hatası döndürdü"));
    }
    const pugi::xml_node result = wrapper ? childByLocalName(wrapper, "return") : pugi::xml_node();
    if (!result)
        throw SoapCallError(QStringLiteral("Servisin yanıtında 'return' öğesi yok"));
    if (target.type) {
        readMembers(isNil(result) ? pugi::xml_node() : result, *target.type, target.object);
    } else {
        std::string joined;
        *target.text = toQString(textOf(result, joined));
    }
}

} // namespace korvaesya::soap
