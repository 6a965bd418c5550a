#pragma once
// Values as the operator reads them: the default locale's short date, its long time without a
// time zone, amounts and reals in plain decimal form without digit grouping.

#include "Amount.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTime>

namespace ScreenFormat {

QString shortDate(const QDate &date, const QLocale &locale = QLocale());
QString longTime(const QTime &time, const QLocale &locale = QLocale());
// The short date, a blank and the long time; the time is left out when it is exactly midnight.
QString dateTime(const QDateTime &value, const QLocale &locale = QLocale());
// At most four decimals, trailing zeros dropped: 1500, 12,5.
QString amount(const Amount &value, const QLocale &locale = QLocale());
// Shortest general form with at most fifteen significant digits: 0,25, 1000000, 1E15.
QString real(double value, const QLocale &locale = QLocale());

} // namespace ScreenFormat
