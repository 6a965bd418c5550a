#include "ExchangeLog.h"

#include "korvaesya.h"

#include <QDir>
#include <QSaveFile>

namespace korvaesya::soap {

QByteArray withCrLfLines(const QByteArray &text)
{
    QByteArray out;
    out.reserve(text.size() + text.size() / 64 + 2);
    const char *p = text.constData();
    const char *end = p + text.size();
    while (p < end) {
        const char *lineEnd = p;
        while (lineEnd < end && *lineEnd != '\r' && *lineEnd != '\n')
            ++lineEnd;
        out.append(p, lineEnd - p);
        out.append("\r\n", 2);
        if (lineEnd < end && *lineEnd == '\r' && lineEnd + 1 < end && lineEnd[1] == '\n')
            ++lineEnd;
        p = lineEnd + 1;
    }
    return out;
}

void writeExchangeLog(const QString &folder, const QString &prefix, const QString &operation, const QByteArray &xml)
{
    if (!QDir().mkpath(folder))
        return;
    const QString path = QDir(folder).filePath(prefix + operation + QStringLiteral(".xml"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(withCrLfLines(xml)) < 0 || !file.commit())
        throw SoapCallError(QStringLiteral("\"%1\" dosyası oluşturulamadı. %2").arg(QDir::toNativeSeparators(path), file.errorString()));
}

} // namespace korvaesya::soap
