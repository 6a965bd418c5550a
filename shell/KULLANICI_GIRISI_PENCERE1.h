#pragma once
// The sign-in window. It is the application's main window: closing it ends the program. It
// owns, for the whole run, the one database connection and the two shared queries: the
// signed-in user's row and the settings row.

#include "DataQuery.h"

#include <QDialog>
#include <QSqlDatabase>
#include <QString>
#include <QUrl>

class QLabel;
class QLineEdit;
class QPushButton;
class QFrame;
class QNetworkAccessManager;
class QNetworkReply;

class TKULLANICI_GIRISI_PENCERE : public QDialog {
    Q_OBJECT
public:
    explicit TKULLANICI_GIRISI_PENCERE(QWidget *parent = nullptr);
    ~TKULLANICI_GIRISI_PENCERE() override;

    // Connection name "DB"; every data set of the program works on it.
    QSqlDatabase DB;
    // The signed-in user (column YETKI holds the right) and the first row of AYARLAR.
    DataQuery UniQueryKULLANICI;
    DataQuery UniQueryAYARLAR;

    QFrame *Panel1;
    QLabel *Label1;
    QLineEdit *EditSIFRE;
    QPushButton *Button1;
    QLabel *Label4;
    QLabel *LabelIP_BILGI;
    QPushButton *Button2;
    QPushButton *Button4;

    // The public IP-echo endpoint asked with GET on "/json"; tests point it at a local server.
    static QUrl ipEchoUrl();
    static void setIpEchoUrl(const QUrl &url);
    // How long the lookup may take before both labels keep the bare prefix.
    static constexpr int IpLookupTimeoutMs = 5000;

    // The address part of an echo reply: member "ip" of a JSON object, otherwise the body as
    // received.
    static QString ipFromReply(const QByteArray &body);

signals:
    // The window was closed (Escape, its close box, the main window's confirmed exit): the
    // program ends.
    void Closed();
    // The public address arrived (or the lookup gave up); both labels are set.
    void ipLookupFinished(const QString &ip);

public slots:
    void Button1Click();
    void Button2Click();
    void Button4Click();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormShow();
    void GetIP();
    void ipReplyArrived(QNetworkReply *reply);
    void setIpLabels(const QString &ip);

    QNetworkAccessManager *m_network;
    QNetworkReply *m_ipReply = nullptr;
};

// The computer's host name, for the status bar.
QString GetLocalPCName();

extern TKULLANICI_GIRISI_PENCERE *KULLANICI_GIRISI_PENCERE;
