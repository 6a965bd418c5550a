#pragma once
// Creation of the program's database: the six tables, optionally with demonstration data.
// The program itself never creates a database; korva-db and the test fixtures do.

#include <QString>
#include <QStringList>

namespace KorvaDb {

// The tables, in creation order.
QStringList tableNames();

// The demonstration sign-in passwords that --demo stores.
inline const QString DemoAdminPassword = QStringLiteral("admin123");
inline const QString DemoUserPassword = QStringLiteral("kullanici123");
// The demonstration service account and the local substitute service's test address.
inline const QString DemoServiceUser = QStringLiteral("999999");
inline const QString DemoServicePassword = QStringLiteral("482617demodemo");
inline const QString DemoServiceLink =
    QStringLiteral("http://127.0.0.1:8080/services/g2g/kdgm/test/korvaesya?wsdl");

// Makes a new SQLite database file with the schema (and the demonstration rows when demo).
// Refuses a file that exists already. On failure returns false with the reason in *error.
bool createDatabase(const QString &file, bool demo, QString *error);

// The T-SQL that creates the same schema on SQL Server (NVARCHAR text columns).
QString sqlServerScript();

} // namespace KorvaDb
