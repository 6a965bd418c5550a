#pragma once
// "Bildirim Detayı": everything the service holds about one notification, appended to the memo
// block after block. Its callers empty the memo and the number before showing it.

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class TBILDIRIM_DETAYI_PENCERE : public QDialog {
    Q_OBJECT
public:
    explicit TBILDIRIM_DETAYI_PENCERE(QWidget *parent = nullptr);
    ~TBILDIRIM_DETAYI_PENCERE() override;

    QLineEdit *edtBildirimNo;
    QPushButton *Button2;
    QPlainTextEdit *Memo1;

    void Button2Click();

private:
    void Log(const QString &text);
};

extern TBILDIRIM_DETAYI_PENCERE *BILDIRIM_DETAYI_PENCERE;
