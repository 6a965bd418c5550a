#pragma once
// The notification report window: fetches a vehicle's notifications report of a day as a PDF,
// keeps it in the folder "BELGELER" beside the program and opens it in the desktop's viewer.

#include <QDialog>
#include <QString>
#include <functional>

class QDate;
class QDateEdit;
class QLineEdit;
class QLocale;
class QPushButton;
class QTimeEdit;
class QUrl;
class QWidget;

class TBILDIRIM_RAPORU_PENCERE : public QDialog {
    Q_OBJECT
public:
    explicit TBILDIRIM_RAPORU_PENCERE(QWidget *parent = nullptr);

    QLineEdit *edtPLAKA;
    QDateEdit *dtpTarih2;
    QTimeEdit *dtpSaat;
    QPushButton *Button2; // "Sorgula"

    // "34ABC123-15.01.2020 - Belge.pdf": the plate, "-", the date in the locale's short format.
    static QString reportFileName(const QString &plate, const QDate &date, const QLocale &locale);
    // Why a piece of a file name is refused (a path separator, "..", a control character or a
    // character Windows forbids), empty when it is safe.
    static QString unsafeNameReason(const QString &piece);

    // The folder that holds "BELGELER"; the program's folder unless a test redirects it.
    static void setProgramFolder(const QString &folder);
    static QString reportFolder();
    // Opens a saved report with the desktop's viewer; tests replace it so nothing is launched.
    using Opener = std::function<void(const QUrl &)>;
    static void setOpener(Opener opener); // an empty opener puts the desktop's back

public slots:
    void Button2Click();

private:
    void Log(const QString &text);
};

extern TBILDIRIM_RAPORU_PENCERE *BILDIRIM_RAPORU_PENCERE;
