#pragma once
// The send of a trip: the fixed order of tests before the service is called, the notification
// record built from the trip header and the load list, the call, and the lines and messages
// per load that follow it. The load notification window calls send() and then does its own
// closing steps (the report window, the clear step, the closing log line).

#include "uKorva_WS.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <functional>
#include <optional>

class YukListesi;

// The trip header as the window's edits read.
struct TripHeader {
    QString Plaka1;
    QString Plaka2;
    QString Kapasite;
    QString Sofor1;
    QString Sofor2;
    QString TasimaTuruKodu;
    QString FirmaSeferNo;
};

namespace YukGonderimi {

inline constexpr qint64 MaxLoadingAgeSeconds = 6 * 60 * 60;

// Seconds between a loading moment and now, both to the whole second, without sign; nullopt
// when the loading date is missing. A missing time counts as midnight.
std::optional<qint64> loadingAgeSeconds(const QDate &date, const QTime &time, const QDateTime &now);

// Walks the list from the first row to the last adding each row's kilograms; after each row
// writeTotal receives the running total as text. The cursor returns to the row it was on,
// unless a row has no kilogram figure: then the walk stops there, that row stays current, and
// the result is nullopt.
std::optional<Amount> kilogramTotal(YukListesi &list, const std::function<void(const QString &)> &writeTotal);

// Runs the tests before the service in their fixed order and returns the message of the first
// that fails, empty when all pass. Once the header passes, the list is put in loading order
// (latest first) and that order stays in force.
QString checkTrip(const TripHeader &header, YukListesi &list, const QDateTime &now,
                  const std::function<void(const QString &)> &writeTotal);

// One TYuk per row in the list's current order; KILO is not sent, a missing number is 0.
uKorva::WS::TYukBilgisi buildRecord(const TripHeader &header, const YukListesi &list);

using Operation = std::function<bool(const uKorva::WS::TYukBilgisi &, uKorva::WS::TYukKaydiSonuc &)>;

struct Outcome {
    bool reachedService = false; // the tests passed and the operation was called
    bool succeeded = false;
    uKorva::WS::TYukKaydiSonuc result;
};

// The tests, then the "Calling" line, the call, the result lines and one message per load
// result. Messages go through MessageBoxes, lines through OutputLog.
Outcome send(const TripHeader &header, YukListesi &list, const QDateTime &now,
             const std::function<void(const QString &)> &writeTotal,
             const Operation &operation = uKorva::WS::YeniYukKaydiBildir);

} // namespace YukGonderimi
