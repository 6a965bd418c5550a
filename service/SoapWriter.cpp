#include "SoapWriter.h"

#include "KorvaNamespace.h"

namespace korvaesya::soap {

namespace {

class Writer {
public:
    explicit Writer(WrittenRequest &out) : m_out(out), m_buffer(out.body) {}

    void raw(std::string_view text) { m_buffer.append(text.data(), qsizetype(text.size())); }

    void open(std::string_view name)
    {
        m_buffer.append('<');
        raw(name);
        m_buffer.append('>');
    }
    void close(std::string_view name)
    {
        m_buffer.append("</", 2);
        raw(name);
        m_buffer.append('>');
    }

    // UTF-16 to UTF-8 with the XML escapes, straight into the buffer.
    void text(const QString &value, bool secret)
    {
        const qsizetype start = m_buffer.size();
        const char16_t *p = reinterpret_cast<const char16_t *>(value.utf16());
        const char16_t *end = p + value.size();
        for (; p < end; ++p) {
            char32_t c = *p;
            switch (c) {
            case u'&': raw("&amp;"); continue;
            case u'<': raw("&lt;"); continue;
            case u'>': raw("&gt;"); continue;
            case u'\r': raw("&#13;"); continue; // a bare CR would be read back as LF
            default: break;
            }
            if (c < 0x80) {
                m_buffer.append(char(c));
                continue;
            }
            if (c >= 0xD800 && c < 0xDC00 && p + 1 < end && p[1] >= 0xDC00 && p[1] < 0xE000) {
                c = 0x10000 + ((c - 0xD800) << 10) + (p[1] - 0xDC00);
                ++p;
            } else if (c >= 0xD800 && c < 0xE000) {
                c = 0xFFFD; // a lone surrogate has no UTF-8 form
            }
            char bytes[4];
            int n;
            if (c < 0x800) {
                bytes[0] = char(0xC0 | (c >> 6));
                bytes[1] = char(0x80 | (c & 0x3F));
                n = 2;
            } else if (c < 0x10000) {
                bytes[0] = char(0xE0 | (c >> 12));
                bytes[1] = char(0x80 | ((c >> 6) & 0x3F));
                bytes[2] = char(0x80 | (c & 0x3F));
                n = 3;
            } else {
                bytes[0] = char(0xF0 | (c >> 18));
                bytes[1] = char(0x80 | ((c >> 12) & 0x3F));
                bytes[2] = char(0x80 | ((c >> 6) & 0x3F));
                bytes[3] = char(0x80 | (c & 0x3F));
                n = 4;
            }
            m_buffer.append(bytes, n);
        }
        if (secret)
            m_out.secrets.emplace_back(start, m_buffer.size() - start);
    }

    void number(qint64 value) { m_buffer.append(QByteArray::number(value)); }

    void scalar(std::string_view name, Kind kind, const void *value, bool secret)
    {
        open(name);
        switch (kind) {
        case Kind::Text: text(*static_cast<const QString *>(value), secret); break;
        case Kind::Integer: number(*static_cast<const int *>(value)); break;
        case Kind::Long: number(*static_cast<const qint64 *>(value)); break;
        case Kind::Bytes: m_buffer.append(static_cast<const QByteArray *>(value)->toBase64()); break;
        default: break;
        }
        close(name);
    }

    void structure(std::string_view name, const TypeDescription &type, const void *value)
    {
        open(name);
        if (value)
            members(type, value);
        close(name);
    }

    void members(const TypeDescription &type, const void *object)
    {
        for (const ElementDescription &e : type.elements) {
            if (!e.specified(object))
                continue;
            const void *member = e.constMember(object);
            switch (e.kind) {
            case Kind::Structure:
                structure(e.name, e.itemType(), e.count(member) ? e.item(member, 0) : nullptr);
                break;
            case Kind::List:
                for (std::size_t i = 0, n = e.count(member); i < n; ++i)
                    structure(e.name, e.itemType(), e.item(member, i));
                break;
            case Kind::TextList:
                for (const QString &s : *static_cast<const QStringList *>(member))
                    scalar(e.name, Kind::Text, &s, e.secret);
                break;
            default: scalar(e.name, e.kind, member, e.secret); break;
            }
        }
    }

private:
    WrittenRequest &m_out;
    QByteArray &m_buffer;
};

constexpr std::string_view envelopeStart =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
    "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body><k:";
constexpr std::string_view envelopeEnd = "</soap:Body></soap:Envelope>";

} // namespace

WrittenRequest writeRequest(Operation operation, std::initializer_list<Argument> arguments)
{
    const OperationDescription &op = describe(operation);
    WrittenRequest out;
    qsizetype estimate = 512;
    for (const Argument &a : arguments)
        if (a.kind == Kind::List)
            estimate += qsizetype(a.count(a.value)) * 1024;
    out.body.reserve(estimate);

    Writer w(out);
    w.raw(envelopeStart);
    w.raw(op.name);
    w.raw(" xmlns:k=\"");
    w.raw(korva::TargetNamespace);
    w.raw("\">");
    auto name = op.parameters.begin();
    for (const Argument &a : arguments) {
        Q_ASSERT(name != op.parameters.end());
        switch (a.kind) {
        case Kind::Structure: w.structure(*name, *a.type, a.value); break;
        case Kind::List:
            for (std::size_t i = 0, n = a.count(a.value); i < n; ++i)
                w.structure(*name, *a.type, a.item(a.value, i));
            break;
        default: w.scalar(*name, a.kind, a.value, false); break;
        }
        ++name;
    }
    w.raw("</k:");
    w.raw(op.name);
    w.raw(">");
    w.raw(envelopeEnd);
    return out;
}

QByteArray maskedForLog(const WrittenRequest &request)
{
    QByteArray masked;
    masked.reserve(request.body.size());
    qsizetype from = 0;
    for (const auto &[start, length] : request.secrets) {
        masked.append(request.body.constData() + from, start - from);
        masked.append("********");
        from = start + length;
    }
    masked.append(request.body.constData() + from, request.body.size() - from);
    return masked;
}

} // namespace korvaesya::soap
