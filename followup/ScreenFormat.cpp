#include "ScreenFormat.h"

#include <QRegularExpression>

namespace ScreenFormat {

namespace {

// The locale's long format may carry the time zone ("HH:mm:ss t"); the screen never shows it.
QString longTimeFormat(const QLocale &locale)
{
    static const QRegularExpression zone(QStringLiteral("\\s*t+\\s*"));
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.replace(zone, QStringLiteral(" "));
    return format.trimmed();
}

QLocale ungrouped(const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return plain;
}

} // namespace

QString shortDate(const QDate &date, const QLocale &locale)
{
    return locale.toString(date, QLocale::ShortFormat);
}

QString longTime(const QTime &time, const QLocale &locale)
{
    return locale.toString(time, longTimeFormat(locale));
}

QString dateTime(const QDateTime &value, const QLocale &locale)
{
    if (!value.isValid())
        return QString();
    const QString date = shortDate(value.date(), locale);
    if (value.time() == QTime(0, 0))
        return date;
    return date + QLatin1Char(' ') + longTime(value.time(), locale);
}

QString amount(const Amount &value, const QLocale &locale) { return value.toLocale(locale); }

QString real(double value, const QLocale &locale)
{
    // The exponent is written bare, as in 1E15 and 1E-6, not 1E+15 and 1E-06.
    static const QRegularExpression exponent(QStringLiteral("[eE]\\+?(-?)0*(\\d)"));
    QString text = ungrouped(locale).toString(value, 'g', 15);
    text.replace(exponent, QStringLiteral("E\\1\\2"));
    return text;
}

} // namespace ScreenFormat
