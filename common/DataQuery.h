#pragma once
// A query on one connection whose SQL text is replaced before it is opened, like the shared
// queries of the login window. Open reads every returned row and releases the statement at
// once, so an open query never holds a lock on the database while the program works; the
// rows stay readable until Close or the next Open.

#include <QSqlDatabase>
#include <QSqlRecord>
#include <QString>
#include <QVariant>
#include <vector>

class DataQuery {
public:
    // The query works on the connection of that name as it is at each Open, so a connection
    // that was replaced (a change of driver) is followed.
    explicit DataQuery(const QString &connectionName = QStringLiteral("DB"));

    QString connectionName() const { return m_connectionName; }
    QSqlDatabase database() const;

    void setSQL(const QString &text) { m_sql = text; }
    QString SQL() const { return m_sql; }

    // Runs the SQL text; a statement the database refuses throws DatabaseError with its text.
    // The first returned row becomes the current one.
    void Open();
    void Close();
    bool Active() const { return m_active; }

    // No current row: closed, or opened on an empty result.
    bool IsEmpty() const { return m_rows.empty(); }
    int RecordCount() const { return int(m_rows.size()); }
    void First() { m_current = 0; }
    void Next() { ++m_current; }
    bool Eof() const { return m_current >= m_rows.size(); }

    // The current row's value of a column as text; a column the result lacks, or a read on a
    // closed query, throws DatabaseError. An empty result reads as empty text.
    QString FieldByName(const QString &column) const;
    QVariant ValueByName(const QString &column) const;
    const QSqlRecord &Fields() const { return m_columns; }

private:
    QString m_connectionName;
    QString m_sql;
    bool m_active = false;
    QSqlRecord m_columns;
    std::vector<QSqlRecord> m_rows;
    std::size_t m_current = 0;
};
