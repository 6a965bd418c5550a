#pragma once
// "Mesleki Yeterlilik Sorgula": which professional competence certificates a driver holds, one
// message box per certificate.

#include <QDialog>

class QLineEdit;
class QPushButton;

class TMESLEKI_YETERLILIK_SORGULA_PENCERE : public QDialog {
    Q_OBJECT
public:
    explicit TMESLEKI_YETERLILIK_SORGULA_PENCERE(QWidget *parent = nullptr);
    ~TMESLEKI_YETERLILIK_SORGULA_PENCERE() override;

    QLineEdit *edtSofor1TCNo;
    QPushButton *Button1;

    void FormShow();
    void Button1Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Log(const QString &text);
};

extern TMESLEKI_YETERLILIK_SORGULA_PENCERE *MESLEKI_YETERLILIK_SORGULA_PENCERE;
