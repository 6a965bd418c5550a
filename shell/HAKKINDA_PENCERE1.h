#pragma once
// The About window: title, version and the maker's contact details, with links to the web site
// and the mail program.

#include <QDialog>
#include <QUrl>

class QFrame;
class QLabel;
class QPushButton;

class THAKKINDA_PENCERE : public QDialog {
    Q_OBJECT
public:
    explicit THAKKINDA_PENCERE(QWidget *parent = nullptr);

    QLabel *pnlBASLIK;
    QLabel *img1;
    QLabel *lbl17;
    QLabel *Label2; // web address
    QLabel *Label1; // e-mail address
    QLabel *lblVERSION;
    QPushButton *SPED_BTN_MUSTERI_DUZENLE;

    static const QString WebAddress;
    static const QString MailAddress;

    // Where the two links lead; the shell opens them, and their outcome is not examined.
    static QUrl webUrl();
    static QUrl mailUrl();

public slots:
    void Label2Click();
    void Label1Click();
    void SPED_BTN_MUSTERI_DUZENLEClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

extern THAKKINDA_PENCERE *HAKKINDA_PENCERE;
