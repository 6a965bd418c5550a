#include "TestDatabase.h"

#include "Database.h"
#include "KorvaDb.h"
#include "SettingsStore.h"

#include <QSqlError>
#include <QSqlQuery>

TestDatabase::TestDatabase(Content content, Settings settings)
{
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("no temporary folder: ") + m_dir.errorString();
        return;
    }
    m_path = m_dir.filePath(QStringLiteral("korva.db"));
    SettingsStore::setLocation(m_dir.filePath(QStringLiteral("config")));
    if (!KorvaDb::createDatabase(m_path, content == Content::Demo, &m_error))
        return;
    if (settings == Settings::StoreAccessKind) {
        SettingsStore::write(SettingsStore::KindValue, AccessKind);
        SettingsStore::write(SettingsStore::DataValue, m_path);
    }
    m_valid = true;
}

TestDatabase::~TestDatabase()
{
    if (QSqlDatabase::contains(ConnectionName)) {
        QSqlDatabase::database(ConnectionName, false).close();
        QSqlDatabase::removeDatabase(ConnectionName);
    }
}

QSqlDatabase TestDatabase::open()
{
    QSqlDatabase db = Database::connection();
    if (db.isOpen() && db.driverName() == QStringLiteral("QSQLITE"))
        db.close();
    QString error;
    if (!Database::openDatabase(db, {AccessKind, {}, {}, {}, m_path}, &error))
        m_error = error;
    return db;
}

void TestDatabase::exec(const QString &sql)
{
    QSqlDatabase db = QSqlDatabase::database(ConnectionName, false);
    if (!db.isOpen())
        db = open();
    QSqlQuery query(db);
    Database::execOrThrow(query, sql);
}

QVariant TestDatabase::scalar(const QString &sql)
{
    QSqlDatabase db = QSqlDatabase::database(ConnectionName, false);
    if (!db.isOpen())
        db = open();
    QSqlQuery query(db);
    Database::execOrThrow(query, sql);
    return query.next() ? query.value(0) : QVariant();
}

int TestDatabase::count(const QString &table)
{
    return scalar(QStringLiteral("select count(*) from ") + table).toInt();
}

QStringList TestDatabase::column(const QString &sql)
{
    QSqlDatabase db = QSqlDatabase::database(ConnectionName, false);
    if (!db.isOpen())
        db = open();
    QSqlQuery query(db);
    Database::execOrThrow(query, sql);
    QStringList values;
    while (query.next())
        values << query.value(0).toString();
    return values;
}
