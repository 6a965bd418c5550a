#include "DataQuery.h"

#include "Errors.h"

#include <QSqlError>
#include <QSqlQuery>

DataQuery::DataQuery(const QString &connectionName) : m_connectionName(connectionName) {}

QSqlDatabase DataQuery::database() const { return QSqlDatabase::database(m_connectionName, false); }

void DataQuery::Open()
{
    Close();
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.exec(m_sql))
        throw DatabaseError(query.lastError().text());
    m_columns = query.record();
    while (query.next())
        m_rows.push_back(query.record());
    m_active = true;
}

void DataQuery::Close()
{
    m_active = false;
    m_columns = QSqlRecord();
    m_rows.clear();
    m_current = 0;
}

QVariant DataQuery::ValueByName(const QString &column) const
{
    if (!m_active)
        throw DatabaseError(QStringLiteral("Sorgu açık değil: %1").arg(column));
    const int index = m_columns.indexOf(column);
    if (index < 0)
        throw DatabaseError(QStringLiteral("'%1' alanı bulunamadı.").arg(column));
    if (Eof())
        return {};
    return m_rows[m_current].value(index);
}

QString DataQuery::FieldByName(const QString &column) const { return ValueByName(column).toString(); }
