#include "SQL_SORGU_PENCERE1.h"

#include "Database.h"
#include "Errors.h"
#include "KeyPreview.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTableView>
#include <QVBoxLayout>

TSQL_SORGUSU_PENCERE *SQL_SORGUSU_PENCERE = nullptr;

void RunSqlStatement(const QString &statement, QSqlQueryModel &model)
{
    model.clear();
    QSqlQuery query(QSqlDatabase::database(ConnectionName, false));
    if (!query.exec(statement))
        throw DatabaseError(query.lastError().text());
    if (query.isSelect()) {
        model.setQuery(std::move(query));
        // Read every row now, so the statement is released at once and no lock stays behind.
        while (model.canFetchMore())
            model.fetchMore();
    }
}

TSQL_SORGUSU_PENCERE::TSQL_SORGUSU_PENCERE(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SQL_SORGUSU_PENCERE"));
    setWindowTitle(QStringLiteral("SQL Sorgu"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);
    KeyPreview::install(this);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Button1 = new QPushButton(QStringLiteral("Çalıştır"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    Button1->setMinimumWidth(110);
    Button1->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);

    UniSQL_SORGU = new QSqlQueryModel(this);
    UniSQL_SORGU->setObjectName(QStringLiteral("UniSQL_SORGU"));
    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setModel(UniSQL_SORGU);
    DBGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);

    auto *top = new QHBoxLayout;
    top->addWidget(Memo1, 1);
    top->addWidget(Button1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 2);
    layout->addWidget(DBGrid1, 3);
    resize(820, 560);

    connect(Button1, &QPushButton::clicked, this, &TSQL_SORGUSU_PENCERE::Button1Click);
}

void TSQL_SORGUSU_PENCERE::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TSQL_SORGUSU_PENCERE::FormShow() { Memo1->clear(); }

void TSQL_SORGUSU_PENCERE::closeEvent(QCloseEvent *event)
{
    FormClose();
    QDialog::closeEvent(event);
}

// Escape and the close box both end here in a dialog.
void TSQL_SORGUSU_PENCERE::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TSQL_SORGUSU_PENCERE::FormClose() { UniSQL_SORGU->clear(); }

void TSQL_SORGUSU_PENCERE::Button1Click() { RunSqlStatement(Memo1->toPlainText(), *UniSQL_SORGU); }
