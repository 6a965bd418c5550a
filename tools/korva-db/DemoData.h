#pragma once
// The demonstration rows of `korva-db create --demo`, as plain data.

#include <QList>
#include <QString>
#include <QStringList>

namespace KorvaDb {

struct DemoRows {
    const char *table;
    QStringList columns;
    QList<QStringList> rows;
};

// Everything --demo adds, table by table: settings, users, firms, vehicles, districts of the
// 81 provinces, countries.
QList<DemoRows> demoRows();

// Turkish identity-number checksum: 11 digits, the first not 0, digit 10 and 11 as the
// population register computes them.
bool isValidTcNumber(const QString &number);

} // namespace KorvaDb
