#pragma once
// "Bildirim Listesi": the notifications one query found, status and number, in the service's
// order. Made anew for each successful query and destroyed when it closes.

#include "uKorva_WS.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class MemoryTable;
class QTableView;

class TBILDIRIM_LISTESI_PENCERE : public QDialog {
    Q_OBJECT
public:
    explicit TBILDIRIM_LISTESI_PENCERE(QWidget *parent = nullptr);
    ~TBILDIRIM_LISTESI_PENCERE() override;

    // Fields Alan1 (Durum) and Alan2 (the number in decimal), fifty characters each.
    MemoryTable *VirtualTable1;
    QTableView *DBGrid1;
    QLineEdit *Edit1;
    QPushButton *Button1;

    // Empties the table, appends one row per notification and makes the first row current.
    void Doldur(const QList<uKorva::WS::TYukBildirimi> &liste);
    // Alan2 of the current row; empty when the table has no rows.
    QString CurrentAlan2() const;

    void FormShow();
    void DBGrid1CellClick();
    void DBGrid1DblClick();
    void Button1Click();

protected:
    void showEvent(QShowEvent *event) override;
};

extern TBILDIRIM_LISTESI_PENCERE *BILDIRIM_LISTESI_PENCERE;
