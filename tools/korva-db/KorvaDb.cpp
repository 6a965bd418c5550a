#include "KorvaDb.h"

#include "DemoData.h"
#include "Schema.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace KorvaDb {

namespace {

QString sqliteTable(const Table &table)
{
    QStringList columns{QStringLiteral("ID INTEGER PRIMARY KEY AUTOINCREMENT")};
    for (const Column &column : table.columns)
        columns << QStringLiteral("%1 TEXT").arg(QString::fromLatin1(column.name));
    return QStringLiteral("CREATE TABLE %1 (%2)")
        .arg(QString::fromLatin1(table.name), columns.join(QStringLiteral(", ")));
}

// Runs everything on one connection of its own, so that the program's "DB" is never touched.
class Creation {
public:
    explicit Creation(const QString &file)
        : m_name(QStringLiteral("korva-db-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(file);
    }
    ~Creation() { QSqlDatabase::removeDatabase(m_name); }

    bool run(bool demo, QString *error)
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        if (!db.open())
            return fail(error, db.lastError());
        bool ok = db.transaction();
        {
            QSqlQuery query(db);
            for (const Table &table : schema())
                ok = ok && exec(query, sqliteTable(table), error);
            if (ok && demo)
                for (const DemoRows &rows : demoRows())
                    ok = ok && insert(query, rows, error);
        }
        if (ok && !db.commit())
            ok = fail(error, db.lastError());
        if (!ok)
            db.rollback();
        db.close();
        return ok;
    }

private:
    static bool fail(QString *error, const QSqlError &sqlError)
    {
        if (error)
            *error = sqlError.text();
        return false;
    }

    static bool exec(QSqlQuery &query, const QString &sql, QString *error)
    {
        return query.exec(sql) || fail(error, query.lastError());
    }

    static bool insert(QSqlQuery &query, const DemoRows &rows, QString *error)
    {
        QStringList marks;
        for (qsizetype i = 0; i < rows.columns.size(); ++i)
            marks << QStringLiteral("?");
        const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(QString::fromLatin1(rows.table),
                                     rows.columns.join(QStringLiteral(", ")),
                                     marks.join(QStringLiteral(", ")));
        if (!query.prepare(sql))
            return fail(error, query.lastError());
        for (const QStringList &row : rows.rows) {
            for (qsizetype i = 0; i < row.size(); ++i)
                query.bindValue(int(i), row[i]);
            if (!query.exec())
                return fail(error, query.lastError());
        }
        return true;
    }

    QString m_name;
};

} // namespace

QStringList tableNames()
{
    QStringList names;
    for (const Table &table : schema())
        names << QString::fromLatin1(table.name);
    return names;
}

bool createDatabase(const QString &file, bool demo, QString *error)
{
    if (QFileInfo::exists(file)) {
        if (error)
            *error = QStringLiteral("%1 zaten var; var olan bir dosyanın üzerine yazılmaz.").arg(file);
        return false;
    }
    bool ok = false;
    {
        Creation creation(file);
        ok = creation.run(demo, error);
    }
    if (!ok)
        QFile::remove(file); // no half-made database is left behind
    return ok;
}

QString sqlServerScript()
{
    QStringList script{QStringLiteral("-- The tables of KORVA Otomasyonu on SQL Server.")};
    for (const Table &table : schema()) {
        QStringList columns{QStringLiteral("    ID INT IDENTITY(1,1) NOT NULL PRIMARY KEY")};
        for (const Column &column : table.columns)
            columns << QStringLiteral("    %1 NVARCHAR(%2) NULL")
                           .arg(QString::fromLatin1(column.name))
                           .arg(column.length);
        script << QStringLiteral("CREATE TABLE dbo.%1 (\n%2\n);\nGO")
                      .arg(QString::fromLatin1(table.name), columns.join(QStringLiteral(",\n")));
    }
    return script.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace KorvaDb
