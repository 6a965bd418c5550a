#pragma once
// The one place that opens the database. The program has one connection, named "DB", owned by
// the login window (KULLANICI_GIRISI_PENCERE->DB) and reachable as QSqlDatabase::database("DB").
//
// The two kinds the settings store names:
// - "SQL Veritabanı": SQL Server over ODBC (FreeTDS's driver, registered as "FreeTDS", on
//   Linux; the system's "SQL Server" driver on Windows). Server as the user types it: "host",
//   "host,port" or "host\instance". A short login time-out lets a closed port fail quickly.
// - "Access Veritabanı": the file that "Data" names. A SQLite file (our embedded default) opens
//   through QSQLITE, never creating a missing file; a Jet/ACE file opens through the Access
//   ODBC driver where the system has one (Windows) and fails with a plain Turkish text
//   elsewhere.
// Any other kind leaves the connection as it is: at start that is the design-time setting (SQL
// Server with nothing set), whose open fails.
//
// The driver behind "DB" follows the kind, so opening may replace the connection: pass the
// handle you keep (the login window's DB) and it is updated in place. Queries made on the old
// handle stop working; make them again after an open.

#include "Errors.h"

#include <QSqlDatabase>
#include <QString>

class QSqlQuery;
class QSqlError;
class QSqlTableModel;

inline const QString ConnectionName = QStringLiteral("DB");
inline const QString SqlServerKind = QStringLiteral("SQL Veritabanı");
inline const QString AccessKind = QStringLiteral("Access Veritabanı");

struct ConnectionSettings {
    QString kind; // SqlServerKind, AccessKind, or anything else
    QString server;
    QString user;
    QString password;
    QString data; // SQL Server: database name; Access: full path of the file
};

namespace Database {

// Creates the connection "DB" with its design-time setting (SQL Server, nothing set, not
// open), or returns it when it exists already.
QSqlDatabase connection();

// Applies settings to db (replacing the connection when its driver must change) and opens it.
// On failure returns false with the database layer's text in *errorText, which the callers
// show after "Veritabanı bağlantısı sağlanamadı. " and CR LF.
bool openDatabase(QSqlDatabase &db, const ConnectionSettings &settings, QString *errorText);

// The text a failing statement or open reports: the database's and the driver's message.
QString errorText(const QSqlError &error);

// Statement helpers that end the command with DatabaseError (shown by the general error
// handler) carrying the driver's text.
void execOrThrow(QSqlQuery &query);
void execOrThrow(QSqlQuery &query, const QString &sql);
void selectOrThrow(QSqlTableModel &model);
void submitOrThrow(QSqlTableModel &model);

// sql quoted as a SQL string literal: enclosed in single quotes, each single quote doubled.
QString quoted(const QString &text);

} // namespace Database
