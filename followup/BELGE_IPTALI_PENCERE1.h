#pragma once
// "Belge İptali": cancels one notification at the service, with a type code typed or picked
// from the service's list. Both edits keep their texts for the whole run.

#include <QDialog>

class QLineEdit;
class QPushButton;

class TBELGE_IPTALI_PENCERE : public QDialog {
    Q_OBJECT
public:
    explicit TBELGE_IPTALI_PENCERE(QWidget *parent = nullptr);
    ~TBELGE_IPTALI_PENCERE() override;

    QLineEdit *edtBildirimNo;   // typed digits only
    QLineEdit *edtIptalTurKodu; // sent as it stands, also empty
    QPushButton *BitBtn5;
    QPushButton *Button1;

    void BitBtn5Click();
    void Button1Click();

private:
    void Log(const QString &text);
};

extern TBELGE_IPTALI_PENCERE *BELGE_IPTALI_PENCERE;
