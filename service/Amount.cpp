#include "Amount.h"

#include "Errors.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace {

using Wide = __int128;

// Divides a non-negative numerator by a positive divisor, halves to the even neighbour.
Wide divideHalfEven(Wide numerator, Wide divisor)
{
    Wide quotient = numerator / divisor;
    const Wide twiceRemainder = 2 * (numerator % divisor);
    if (twiceRemainder > divisor || (twiceRemainder == divisor && (quotient % 2) != 0))
        ++quotient;
    return quotient;
}

std::optional<Amount> fromWide(bool negative, Wide magnitude)
{
    const Wide limit = Wide(std::numeric_limits<qint64>::max());
    if (magnitude > limit)
        return std::nullopt;
    const qint64 units = qint64(magnitude);
    return Amount::fromTenThousandths(negative ? -units : units);
}

// Reads [sign] digits [point digits] with the given point and sign characters; at least one
// digit, nothing else. Decimals past the fourth round half to even.
std::optional<Amount> parse(const QString &text, QChar point, QChar minus, QChar plus)
{
    qsizetype pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == minus || text[pos] == plus)) {
        negative = text[pos] == minus;
        ++pos;
    }
    constexpr int KeptDecimals = 24;
    const Wide ceiling = Wide(std::numeric_limits<qint64>::max());
    Wide integer = 0;
    Wide fraction = 0;      // the kept decimals, as an integer
    Wide fractionScale = 1; // 10 to the number of kept decimals
    int keptDecimals = 0;
    bool sticky = false;    // a non-zero decimal past the kept ones
    int digits = 0;
    bool inFraction = false;
    for (; pos < text.size(); ++pos) {
        const QChar c = text[pos];
        if (c == point && !inFraction) {
            inFraction = true;
            continue;
        }
        if (c < u'0' || c > u'9')
            return std::nullopt;
        ++digits;
        const int digit = c.unicode() - u'0';
        if (!inFraction) {
            integer = integer * 10 + digit;
            if (integer > ceiling)
                return std::nullopt;
        } else if (keptDecimals < KeptDecimals) {
            fraction = fraction * 10 + digit;
            fractionScale *= 10;
            ++keptDecimals;
        } else if (digit != 0) {
            sticky = true;
        }
    }
    if (digits == 0)
        return std::nullopt;
    Wide units = integer * Amount::Scale;
    if (fractionScale <= Amount::Scale) {
        units += fraction * (Amount::Scale / fractionScale);
    } else {
        const Wide divisor = fractionScale / Amount::Scale;
        Wide quotient = fraction / divisor;
        const Wide twiceRemainder = 2 * (fraction % divisor);
        if (twiceRemainder > divisor || (twiceRemainder == divisor && (sticky || quotient % 2 != 0)))
            ++quotient;
        units += quotient;
    }
    return fromWide(negative, units);
}

QString render(qint64 units, QChar point, const QString &minus)
{
    const bool negative = units < 0;
    // Through unsigned so that the smallest qint64 has a magnitude too.
    const quint64 magnitude = negative ? quint64(0) - quint64(units) : quint64(units);
    QString text = QString::number(magnitude / Amount::Scale);
    quint64 decimals = magnitude % Amount::Scale;
    if (decimals != 0) {
        QString fraction = QString::number(decimals).rightJustified(4, u'0');
        while (fraction.endsWith(u'0'))
            fraction.chop(1);
        text += point + fraction;
    }
    return negative ? minus + text : text;
}

} // namespace

std::optional<Amount> Amount::fromWire(const QString &text)
{
    return parse(text, u'.', u'-', u'+');
}

std::optional<Amount> Amount::fromLocale(const QString &text, const QLocale &locale)
{
    const QString negative = locale.negativeSign();
    const QString positive = locale.positiveSign();
    return parse(text.trimmed(), locale.decimalPoint().at(0),
                 negative.size() == 1 ? negative.at(0) : QChar(u'-'),
                 positive.size() == 1 ? positive.at(0) : QChar(u'+'));
}

Amount Amount::fromDouble(double value)
{
    if (!std::isfinite(value))
        throw ConversionError(QStringLiteral("'%1' geçerli bir tutar değil").arg(value));
    // value is mantissa * 2^exponent exactly, with an integral mantissa of at most 53 bits;
    // the product with 10000 then fits a 128-bit integer and the rounding is exact.
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent);
    const Wide mantissa = Wide(std::ldexp(fraction, 53));
    exponent -= 53;
    Wide units = 0;
    if (exponent >= 0) {
        if (exponent > 20) // 2^53 * 2^20 * 10000 is already past qint64
            throw ConversionError(QStringLiteral("'%1' geçerli bir tutar değil").arg(value));
        units = (mantissa * Scale) << exponent;
    } else if (exponent > -100) {
        units = divideHalfEven(mantissa * Scale, Wide(1) << -exponent);
    } // smaller values are below half a ten-thousandth: zero
    const auto amount = fromWide(value < 0, units);
    if (!amount)
        throw ConversionError(QStringLiteral("'%1' geçerli bir tutar değil").arg(value));
    return *amount;
}

QString Amount::toWire() const
{
    return render(m_units, u'.', QStringLiteral("-"));
}

QString Amount::toLocale(const QLocale &locale) const
{
    return render(m_units, locale.decimalPoint().at(0), locale.negativeSign());
}

Amount Amount::multipliedBy(const Amount &other) const
{
    const Wide product = Wide(m_units) * Wide(other.m_units);
    const bool negative = product < 0;
    const auto amount = fromWide(negative, divideHalfEven(negative ? -product : product, Scale));
    if (!amount)
        throw ConversionError(QStringLiteral("'%1' ile '%2' çarpımı tutar sınırlarını aşıyor")
                                  .arg(toWire(), other.toWire()));
    return *amount;
}
