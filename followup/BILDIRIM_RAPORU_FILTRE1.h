#pragma once
// "Bildirim Raporu" query: which notifications one vehicle has on one day. Each successful
// query opens a fresh list window over this one.

#include <QDialog>

class QDateEdit;
class QLineEdit;
class QPushButton;

class TBILDIRIM_RAPORU_FILTRE : public QDialog {
    Q_OBJECT
public:
    explicit TBILDIRIM_RAPORU_FILTRE(QWidget *parent = nullptr);
    ~TBILDIRIM_RAPORU_FILTRE() override;

    QDateEdit *dtpTarih2;
    QLineEdit *EditPLAKA;
    QPushButton *Button1;

    void FormShow();
    void Button1Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Log(const QString &text);
};

extern TBILDIRIM_RAPORU_FILTRE *BILDIRIM_RAPORU_FILTRE;
