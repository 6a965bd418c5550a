#include "WireFormat.h"

#include "Errors.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace uKorva::WireFormat {

namespace {

[[noreturn]] void refuse(const QString &text, const char *what)
{
    throw ConversionError(QStringLiteral("'%1' geçerli bir %2 değil").arg(text, QString::fromUtf8(what)));
}

QString twoDigits(int value)
{
    return QString::number(value).rightJustified(2, u'0');
}

std::optional<QDate> matchDate(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{4})$"));
    const auto match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QDate date(match.captured(3).toInt(), match.captured(2).toInt(), match.captured(1).toInt());
    return date.isValid() ? std::optional(date) : std::nullopt;
}

// Hours and minutes, optional seconds, separated by any one of the given characters.
std::optional<QTime> matchTime(const QString &text, const QString &separators)
{
    const QString sep = QStringLiteral("[%1]").arg(QRegularExpression::escape(separators));
    const QRegularExpression pattern(QStringLiteral("^(\\d{1,2})%1(\\d{1,2})(?:%1(\\d{1,2}))?$").arg(sep));
    const auto match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QTime time(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
    return time.isValid() ? std::optional(time) : std::nullopt;
}

} // namespace

QChar timeSeparator()
{
    const QString format = QLocale().timeFormat(QLocale::ShortFormat);
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'') {
            quoted = !quoted;
            continue;
        }
        if (!quoted && !c.isLetter() && !c.isSpace())
            return c;
    }
    return u':';
}

QString requestDate(const QDate &date)
{
    if (!date.isValid())
        return {};
    return twoDigits(date.day()) + u'/' + twoDigits(date.month()) + u'/'
           + QString::number(date.year()).rightJustified(4, u'0');
}

QString requestTime(const QTime &time)
{
    if (!time.isValid())
        return {};
    return twoDigits(time.hour()) + timeSeparator() + twoDigits(time.minute());
}

QString requestQuantity(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (value == 0)
        return QStringLiteral("0");
    // Fifteen significant digits, correctly rounded: "d.dddddddddddddde±x".
    const QString scientific = QString::number(std::fabs(value), 'e', 14);
    const qsizetype e = scientific.indexOf(u'e');
    QString digits = scientific.left(1) + scientific.mid(2, e - 2);
    const int exponent = scientific.mid(e + 1).toInt();
    while (digits.size() > 1 && digits.endsWith(u'0'))
        digits.chop(1);

    QString text;
    if (exponent >= 15 || exponent < -5) {
        text = digits.left(1);
        if (digits.size() > 1)
            text += u'.' + digits.mid(1);
        text += u'E' + QString::number(exponent);
    } else if (exponent >= 0) {
        const qsizetype integerDigits = exponent + 1;
        text = digits.left(integerDigits).leftJustified(integerDigits, u'0');
        if (digits.size() > integerDigits)
            text += u'.' + digits.mid(integerDigits);
    } else {
        text = QStringLiteral("0.") + QString(-exponent - 1, u'0') + digits;
    }
    return value < 0 ? u'-' + text : text;
}

QString requestAmount(const Amount &amount)
{
    return amount.toWire();
}

QDate replyDate(const QString &text)
{
    if (const auto date = matchDate(text.trimmed()))
        return *date;
    refuse(text, "tarih");
}

QDateTime replyDateTime(const QString &text)
{
    const QString trimmed = text.trimmed();
    const qsizetype blank = trimmed.indexOf(u' ');
    const auto date = matchDate(blank < 0 ? trimmed : trimmed.left(blank));
    if (date && blank < 0)
        return QDateTime(*date, QTime(0, 0));
    if (date) {
        if (const auto time = matchTime(trimmed.mid(blank + 1).trimmed(), QStringLiteral(":")))
            return QDateTime(*date, *time);
    }
    refuse(text, "tarih ve saat");
}

QTime replyTime(const QString &text)
{
    if (const auto time = matchTime(text.trimmed(), QString(timeSeparator()) + u':'))
        return *time;
    refuse(text, "saat");
}

double replyNumber(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    const QString trimmed = text.trimmed();
    if (pattern.match(trimmed).hasMatch()) {
        bool ok = false;
        const double value = trimmed.toDouble(&ok);
        if (ok && std::isfinite(value))
            return value;
    }
    refuse(text, "sayı");
}

Amount replyAmount(const QString &text)
{
    if (const auto amount = Amount::fromWire(text.trimmed()))
        return *amount;
    refuse(text, "tutar");
}

} // namespace uKorva::WireFormat
