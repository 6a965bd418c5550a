#pragma once
// The texts of dates, times and numbers exchanged with the service. Requests are written in
// fixed forms that do not follow the user's regional settings, except for the time separator;
// replies are read in the forms the service answers in. A reply text that does not convert
// raises ConversionError naming the text.

#include "Amount.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

namespace uKorva::WireFormat {

// The time separator of the default locale (QLocale()), ':' where its time format has none.
QChar timeSeparator();

// "05/01/2020"; an invalid date gives an empty text.
QString requestDate(const QDate &date);
// "09:05", with the regional time separator; an invalid time gives an empty text.
QString requestTime(const QTime &time);
// Shortest form with at most fifteen significant digits, "." separator: 0.25, 1000000, 1E15, 1E-6.
QString requestQuantity(double value);
// Shortest form with at most four decimals, "." separator: 1500, 12.5.
QString requestAmount(const Amount &amount);

// "25/01/2020" (day and month of one or two digits).
QDate replyDate(const QString &text);
// A reply date, optionally a blank and "14:30" or "14:30:15".
QDateTime replyDateTime(const QString &text);
// "14:30" or "14:30:15" with the regional time separator (':' is taken as well).
QTime replyTime(const QString &text);
// A decimal number with "." as separator.
double replyNumber(const QString &text);
Amount replyAmount(const QString &text);

} // namespace uKorva::WireFormat
