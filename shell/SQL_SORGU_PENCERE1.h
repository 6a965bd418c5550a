#pragma once
// The SQL window: runs any statement an administrator types against the program's database
// and shows the rows it returns.

#include <QDialog>

class QPlainTextEdit;
class QPushButton;
class QSqlQueryModel;
class QTableView;

// Runs one statement on the connection "DB" exactly as typed. Rows of a statement that returns
// them go into model; any other statement is carried out and leaves model empty. A statement
// the database refuses throws DatabaseError with its text and leaves model empty.
void RunSqlStatement(const QString &statement, QSqlQueryModel &model);

class TSQL_SORGUSU_PENCERE : public QDialog {
    Q_OBJECT
public:
    explicit TSQL_SORGUSU_PENCERE(QWidget *parent = nullptr);

    QPlainTextEdit *Memo1;
    QPushButton *Button1;
    QTableView *DBGrid1;
    // The statement and the rows it returned; the grid shows them.
    QSqlQueryModel *UniSQL_SORGU;

public slots:
    void Button1Click();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void done(int result) override;

private:
    void FormShow();
    void FormClose();
};

extern TSQL_SORGUSU_PENCERE *SQL_SORGUSU_PENCERE;
