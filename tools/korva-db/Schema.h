#pragma once
// The six tables as data: both the SQLite schema and the SQL Server script are written from it.

#include <QList>
#include <QString>

namespace KorvaDb {

struct Column {
    const char *name;
    int length; // characters of text the column holds
};

struct Table {
    const char *name;
    QList<Column> columns; // besides the key column ID, which the program never shows
};

const QList<Table> &schema();

} // namespace KorvaDb
