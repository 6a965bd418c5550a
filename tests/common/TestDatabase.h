#pragma once
// A real SQLite database in a temporary folder, made by korva-db's own code, with the settings
// store pointed at the same folder and (optionally) the Access kind and the file stored in it,
// as a first run after "Ayarlar" would leave them.
//
//     TestDatabase db;                        // demo rows; settings store redirected
//     QVERIFY2(db.isValid(), qPrintable(db.errorText()));
//     QSqlDatabase DB = db.open();            // the connection "DB", open on the file
//
// The demo rows are those of `korva-db create --demo` (KorvaDb.h names the passwords).
// The destructor closes and removes the connection "DB".

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

class TestDatabase {
public:
    enum class Content { SchemaOnly, Demo };
    enum class Settings { StoreAccessKind, LeaveEmpty };

    explicit TestDatabase(Content content = Content::Demo,
                          Settings settings = Settings::StoreAccessKind);
    ~TestDatabase();
    TestDatabase(const TestDatabase &) = delete;
    TestDatabase &operator=(const TestDatabase &) = delete;

    bool isValid() const { return m_valid; }
    QString errorText() const { return m_error; }
    QString path() const { return m_path; }
    QString folder() const { return m_dir.path(); }

    // Opens the connection "DB" on the file through the program's own opening code.
    QSqlDatabase open();

    // Runs a statement on the connection "DB" (opened if needed); QFAIL-style failures throw
    // DatabaseError with the driver's text.
    void exec(const QString &sql);
    // The first column of the first row, or an invalid QVariant.
    QVariant scalar(const QString &sql);
    int count(const QString &table);
    // The rows of a one-column query, as text.
    QStringList column(const QString &sql);

private:
    QTemporaryDir m_dir;
    QString m_path;
    QString m_error;
    bool m_valid = false;
};
