#pragma once
// "Araç Muayene Sorgula": until when a vehicle's technical inspection is valid.

#include <QDialog>

class QLineEdit;
class QPushButton;

class TARAC_MUAYENE_SORGULA_PENCERE : public QDialog {
    Q_OBJECT
public:
    explicit TARAC_MUAYENE_SORGULA_PENCERE(QWidget *parent = nullptr);
    ~TARAC_MUAYENE_SORGULA_PENCERE() override;

    QLineEdit *edtPlaka1;
    QPushButton *Button1;

    void FormShow();
    void Button1Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Log(const QString &text);
};

extern TARAC_MUAYENE_SORGULA_PENCERE *ARAC_MUAYENE_SORGULA_PENCERE;
