#include "Database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlTableModel>
#include <QUrl>

namespace {

const QString OdbcDriver = QStringLiteral("QODBC");
const QString SqliteDriver = QStringLiteral("QSQLITE");

#ifdef Q_OS_WIN
const QString SqlServerOdbcDriver = QStringLiteral("SQL Server");
#else
const QString SqlServerOdbcDriver = QStringLiteral("FreeTDS");
#endif
const QString AccessOdbcDriver = QStringLiteral("Microsoft Access Driver (*.mdb, *.accdb)");

// Closed ports and unknown hosts must not keep the window blocked for long.
const QString OdbcOptions = QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=10;SQL_ATTR_CONNECTION_TIMEOUT=10");

// A value inside an ODBC connection string: braced when it holds a character that would end or
// open an attribute, with a closing brace doubled, so a password cannot add attributes.
QString odbcValue(const QString &value)
{
    if (!value.contains(QLatin1Char(';')) && !value.contains(QLatin1Char('{'))
        && !value.contains(QLatin1Char('}')) && !value.contains(QLatin1Char('='))
        && value.trimmed() == value)
        return value;
    QString braced = value;
    braced.replace(QStringLiteral("}"), QStringLiteral("}}"));
    return QLatin1Char('{') + braced + QLatin1Char('}');
}

QString sqlServerConnectionString(const ConnectionSettings &settings)
{
    QString server = settings.server.trimmed();
    QString port;
#ifndef Q_OS_WIN
    // FreeTDS wants the port apart; "host\instance" is resolved by the driver itself.
    if (const int comma = server.indexOf(QLatin1Char(',')); comma >= 0) {
        port = server.mid(comma + 1).trimmed();
        server = server.left(comma).trimmed();
    } else if (!server.contains(QLatin1Char('\\')) && !server.isEmpty()) {
        port = QStringLiteral("1433");
    }
#endif
    QStringList parts{QStringLiteral("DRIVER={%1}").arg(SqlServerOdbcDriver),
                      QStringLiteral("SERVER=") + odbcValue(server)};
    if (!port.isEmpty())
        parts << QStringLiteral("PORT=") + odbcValue(port);
    parts << QStringLiteral("DATABASE=") + odbcValue(settings.data)
          << QStringLiteral("UID=") + odbcValue(settings.user)
          << QStringLiteral("PWD=") + odbcValue(settings.password);
#ifndef Q_OS_WIN
    parts << QStringLiteral("TDS_Version=7.4") << QStringLiteral("ClientCharset=UTF-8");
#endif
    return parts.join(QLatin1Char(';'));
}

// Gives db the wanted driver; the connection is replaced under the same name when it has
// another one, since a QSqlDatabase keeps its driver for life.
void useDriver(QSqlDatabase &db, const QString &driver)
{
    if (db.isValid() && db.driverName() == driver) {
        db.close();
        return;
    }
    const QString name = db.connectionName().isEmpty() ? ConnectionName : db.connectionName();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(name);
    db = QSqlDatabase::addDatabase(driver, name);
}

enum class FileKind { Missing, Unreadable, Sqlite, Jet, Unknown };

FileKind fileKind(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return FileKind::Missing;
    if (!info.isFile())
        return FileKind::Unknown;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileKind::Unreadable;
    const QByteArray head = file.read(32);
    if (head.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return FileKind::Sqlite;
    const QByteArray signature = head.mid(4, 15);
    if (signature == "Standard Jet DB" || signature == "Standard ACE DB")
        return FileKind::Jet;
    return FileKind::Unknown;
}

bool fail(QString *errorText, const QString &text)
{
    if (errorText)
        *errorText = text;
    return false;
}

bool openAccessFile(QSqlDatabase &db, const QString &path, QString *errorText)
{
    const QString shown = QDir::toNativeSeparators(path);
    switch (fileKind(path)) {
    case FileKind::Missing:
        db.close();
        return fail(errorText, QStringLiteral("Veritabanı dosyası bulunamadı: %1").arg(shown));
    case FileKind::Unreadable:
        db.close();
        return fail(errorText, QStringLiteral("Veritabanı dosyası okunamadı: %1").arg(shown));
    case FileKind::Unknown:
        db.close();
        return fail(errorText,
                    QStringLiteral("Dosya tanınan bir veritabanı değil (SQLite ya da Access "
                                   "dosyası bekleniyor): %1")
                        .arg(shown));
    case FileKind::Sqlite:
        useDriver(db, SqliteDriver);
        // mode=rw: SQLite would otherwise create a file that vanished since the check.
        db.setDatabaseName(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath())
                               .toString(QUrl::FullyEncoded)
                           + QStringLiteral("?mode=rw"));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
        return true;
    case FileKind::Jet:
#ifdef Q_OS_WIN
        useDriver(db, OdbcDriver);
        db.setDatabaseName(QStringLiteral("DRIVER={%1};DBQ=%2")
                               .arg(AccessOdbcDriver, odbcValue(shown)));
        db.setConnectOptions(OdbcOptions);
        return true;
#else
        db.close();
        return fail(errorText,
                    QStringLiteral("Access (Jet/ACE) veritabanı dosyaları bu sistemde "
                                   "açılamıyor: sistemde Access veritabanı sürücüsü yok. "
                                   "Dosya: %1")
                        .arg(shown));
#endif
    }
    return false;
}

} // namespace

namespace Database {

QSqlDatabase connection()
{
    if (QSqlDatabase::contains(ConnectionName))
        return QSqlDatabase::database(ConnectionName, false);
    return QSqlDatabase::addDatabase(OdbcDriver, ConnectionName);
}

bool openDatabase(QSqlDatabase &db, const ConnectionSettings &settings, QString *errorText)
{
    if (!db.isValid())
        db = connection();
    if (settings.kind == SqlServerKind) {
        useDriver(db, OdbcDriver);
        db.setDatabaseName(sqlServerConnectionString(settings));
        db.setUserName(QString());
        db.setPassword(QString());
        db.setConnectOptions(OdbcOptions);
    } else if (settings.kind == AccessKind) {
        if (!openAccessFile(db, settings.data, errorText))
            return false;
    }
    if (db.isOpen())
        return true;
    if (!db.open())
        return fail(errorText, Database::errorText(db.lastError()));
    if (db.driverName() == SqliteDriver) {
        // SQLite opens lazily; a damaged file shows itself on the first read.
        QSqlQuery probe(db);
        if (!probe.exec(QStringLiteral("select count(*) from sqlite_master"))) {
            const QString text = Database::errorText(probe.lastError());
            probe = QSqlQuery();
            db.close();
            return fail(errorText, text);
        }
    }
    return true;
}

QString errorText(const QSqlError &error)
{
    const QString text = error.text().trimmed();
    return text.isEmpty() ? QStringLiteral("Bilinmeyen veritabanı hatası") : text;
}

void execOrThrow(QSqlQuery &query)
{
    if (!query.exec())
        throw DatabaseError(errorText(query.lastError()));
}

void execOrThrow(QSqlQuery &query, const QString &sql)
{
    if (!query.exec(sql))
        throw DatabaseError(errorText(query.lastError()));
}

void selectOrThrow(QSqlTableModel &model)
{
    if (!model.select())
        throw DatabaseError(errorText(model.lastError()));
}

void submitOrThrow(QSqlTableModel &model)
{
    if (!model.submitAll())
        throw DatabaseError(errorText(model.lastError()));
}

QString quoted(const QString &text)
{
    QString doubled = text;
    doubled.replace(QStringLiteral("'"), QStringLiteral("''"));
    return QLatin1Char('\'') + doubled + QLatin1Char('\'');
}

} // namespace Database
