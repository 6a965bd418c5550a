#pragma once
// "Yetki Belgesi Sorgula": which authorisation certificate covers a vehicle of the firm. The
// answers pile up in the memo until the window is shown again.

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class TYETKI_BELGESI_SORGULAMA : public QDialog {
    Q_OBJECT
public:
    explicit TYETKI_BELGESI_SORGULAMA(QWidget *parent = nullptr);
    ~TYETKI_BELGESI_SORGULAMA() override;

    QLineEdit *edtPLAKA;
    QPushButton *Button2; // runs Button1Click
    QPlainTextEdit *Memo1;

    void FormShow();
    void Button1Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Log(const QString &text);
};

extern TYETKI_BELGESI_SORGULAMA *YETKI_BELGESI_SORGULAMA;
