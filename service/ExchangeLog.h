#pragma once
// The exchange log: the latest request and reply of each operation as request_<operation>.xml
// and response_<operation>.xml, UTF-8 without byte-order mark, every line ending in CR LF.

#include <QByteArray>
#include <QString>

namespace korvaesya::soap {

// The text with its lines ended by CR LF, the last one too; CR, LF and CR LF all end a line.
QByteArray withCrLfLines(const QByteArray &text);

// Writes prefix + operation + ".xml" into folder. A folder that cannot be created is silently
// left without a log; a file that cannot be written throws SoapCallError.
void writeExchangeLog(const QString &folder, const QString &prefix, const QString &operation, const QByteArray &xml);

} // namespace korvaesya::soap
