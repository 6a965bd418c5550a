#pragma once
// What the service tests in a new notification: the trip as a whole, then each load.

#include "NotificationStore.h"

#include <QDateTime>
#include <QString>

struct CheckResult {
    int code = 0;
    QString message;
    bool ok() const { return code == 0; }
};

// The trip's elements (plaka1 ... firmaSeferNo) and the number of loads it carries.
CheckResult checkTrip(const Fields &trip, qsizetype loadCount);

// Tests one load of a good trip; on success it normalises the quantity and gives the
// loading moment.
CheckResult checkLoad(const Fields &trip, Fields &load, QDateTime *loadingMoment);

bool isValidIdentityNumber(const QString &number);
bool isValidPlate(const QString &plate);
QString normalisedQuantity(double value);
