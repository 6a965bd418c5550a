#pragma once
// Case-insensitive comparison the Turkish way. Plain Unicode lower-casing turns "I" into "i"
// and "İ" into "i" with a combining dot, so "ist" would miss "İSTANBUL" and "ığd" would miss
// "IĞDIR"; folding maps I to ı and İ to i before lower-casing everything else.

#include <QString>

namespace TurkishText {

// The text in its folded form: equal folded texts differ only in letter case.
QString fold(const QString &text);

// Whether text begins with prefix, ignoring case the Turkish way.
bool startsWithIgnoringCase(const QString &text, const QString &prefix);

} // namespace TurkishText
