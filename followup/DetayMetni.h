#pragma once
// The text of one notification's detail as the detail window's memo shows it: the header, one
// labelled line per field of the record in the record's order, and the separator.

#include "uKorva_WS.h"

#include <QLocale>
#include <QStringList>

namespace DetayMetni {

// "Yük Bildirimi Detayı:", forty-four lines "    <label>: <value>", "---------------".
QStringList satirlar(const uKorva::WS::TYukBildirimiDetayi &detay, const QLocale &locale = QLocale());

// The lines a detail query adds to the memo: the detail on success, the error and the separator
// on failure. A reply value that does not convert escapes as ConversionError.
QStringList sorgula(qint64 bildirimId);

} // namespace DetayMetni
