#include "TurkishText.h"

namespace TurkishText {

namespace {
constexpr char16_t capitalDotlessI = u'I';
constexpr char16_t capitalDottedI = u'\u0130';
constexpr char16_t smallDotlessI = u'\u0131';
constexpr char16_t combiningDotAbove = u'\u0307';
} // namespace

QString fold(const QString &text)
{
    QString folded;
    folded.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == capitalDotlessI) {
            // A capital I written with a separate combining dot is the dotted İ.
            if (i + 1 < text.size() && text.at(i + 1).unicode() == combiningDotAbove) {
                folded.append(u'i');
                ++i;
            } else {
                folded.append(QChar(smallDotlessI));
            }
        } else if (c == capitalDottedI) {
            folded.append(u'i');
        } else {
            folded.append(text.at(i));
        }
    }
    return folded.toLower();
}

bool startsWithIgnoringCase(const QString &text, const QString &prefix)
{
    return fold(text).startsWith(fold(prefix));
}

} // namespace TurkishText
