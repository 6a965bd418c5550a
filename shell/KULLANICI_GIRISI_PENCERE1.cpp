#include "KULLANICI_GIRISI_PENCERE1.h"

#include "ANA_SAYFA1.h"
#include "Database.h"
#include "HAKKINDA_PENCERE1.h"
#include "KORVA_Forms.h"
#include "KeyPreview.h"
#include "MessageBoxes.h"
#include "SettingsStore.h"
// include SQL_SUNUCU_AYARLARI1.h (settings)

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QHostInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TKULLANICI_GIRISI_PENCERE *KULLANICI_GIRISI_PENCERE = nullptr;

namespace {

const QString LoginIpPrefix = QStringLiteral("IP Adresiniz: ");
const QString MainIpPrefix = QStringLiteral("   IP Adresiniz:  ");

QUrl &echoUrl()
{
    static QUrl url(QStringLiteral("http://ipinfo.io/json"));
    return url;
}

// What the status bar's database panel says for each kind; other kinds fail to open first.
QString databasePanelText(const ConnectionSettings &settings)
{
    if (settings.kind == SqlServerKind)
        return QStringLiteral("Sunucu: ") + settings.server + QStringLiteral(" | Data: ") + settings.data;
    return QStringLiteral("Data: ") + settings.data;
}

} // namespace

QString GetLocalPCName() { return QHostInfo::localHostName(); }

QUrl TKULLANICI_GIRISI_PENCERE::ipEchoUrl() { return echoUrl(); }

void TKULLANICI_GIRISI_PENCERE::setIpEchoUrl(const QUrl &url) { echoUrl() = url; }

QString TKULLANICI_GIRISI_PENCERE::ipFromReply(const QByteArray &body)
{
    const QJsonDocument document = QJsonDocument::fromJson(body);
    if (document.isObject()) {
        const QJsonObject object = document.object();
        if (object.contains(QStringLiteral("ip")))
            return object.value(QStringLiteral("ip")).toVariant().toString();
    }
    return QString::fromUtf8(body);
}

TKULLANICI_GIRISI_PENCERE::TKULLANICI_GIRISI_PENCERE(QWidget *parent)
    : QDialog(parent), DB(Database::connection()), m_network(new QNetworkAccessManager(this))
{
    setObjectName(QStringLiteral("KULLANICI_GIRISI_PENCERE"));
    setWindowTitle(QStringLiteral("Kullanıcı Girişi | KORVA Otomasyonu (01.2020)"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    KeyPreview::install(this);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::StyledPanel);
    Label1 = new QLabel(QStringLiteral("Şifre"), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    EditSIFRE = new QLineEdit(Panel1);
    EditSIFRE->setObjectName(QStringLiteral("EditSIFRE"));
    EditSIFRE->setEchoMode(QLineEdit::Password);
    EditSIFRE->setMinimumWidth(180);
    Label1->setBuddy(EditSIFRE);
    Button1 = new QPushButton(QStringLiteral("Giriş"), Panel1);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    auto *panelLayout = new QHBoxLayout(Panel1);
    panelLayout->addWidget(Label1);
    panelLayout->addWidget(EditSIFRE, 1);
    panelLayout->addWidget(Button1);

    Label4 = new QLabel(QStringLiteral("Korvanet"), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    QFont titleFont = Label4->font();
    titleFont.setBold(true);
    titleFont.setPointSize(titleFont.pointSize() + 4);
    Label4->setFont(titleFont);
    LabelIP_BILGI = new QLabel(LoginIpPrefix, this);
    LabelIP_BILGI->setObjectName(QStringLiteral("LabelIP_BILGI"));
    LabelIP_BILGI->setMinimumWidth(LabelIP_BILGI->fontMetrics().horizontalAdvance(LoginIpPrefix + "000.000.000.000"));
    Button2 = new QPushButton(QStringLiteral("Hakkında"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setAutoDefault(false);
    Button4 = new QPushButton(QStringLiteral("Ayarlar"), this);
    Button4->setObjectName(QStringLiteral("Button4"));
    Button4->setAutoDefault(false);

    auto *bottom = new QHBoxLayout;
    auto *labels = new QVBoxLayout;
    labels->addWidget(Label4);
    labels->addWidget(LabelIP_BILGI);
    bottom->addLayout(labels, 1);
    bottom->addWidget(Button2);
    bottom->addWidget(Button4);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Panel1);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Button1, &QPushButton::clicked, this, &TKULLANICI_GIRISI_PENCERE::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TKULLANICI_GIRISI_PENCERE::Button2Click);
    connect(Button4, &QPushButton::clicked, this, &TKULLANICI_GIRISI_PENCERE::Button4Click);
}

TKULLANICI_GIRISI_PENCERE::~TKULLANICI_GIRISI_PENCERE()
{
    UniQueryKULLANICI.Close();
    UniQueryAYARLAR.Close();
}

void TKULLANICI_GIRISI_PENCERE::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TKULLANICI_GIRISI_PENCERE::closeEvent(QCloseEvent *event)
{
    QDialog::closeEvent(event);
    if (event->isAccepted())
        emit Closed();
}

void TKULLANICI_GIRISI_PENCERE::FormShow()
{
    setIpLabels(QString());
    GetIP();
}

// One asynchronous lookup with a time limit, so the window comes up at once and a machine
// without network never freezes; the answer fills both labels.
void TKULLANICI_GIRISI_PENCERE::GetIP()
{
    if (m_ipReply)
        return;
    QNetworkRequest request(ipEchoUrl());
    request.setTransferTimeout(IpLookupTimeoutMs);
    m_ipReply = m_network->get(request);
    QNetworkReply *reply = m_ipReply;
    connect(reply, &QNetworkReply::finished, this, [this, reply] { ipReplyArrived(reply); });
}

void TKULLANICI_GIRISI_PENCERE::ipReplyArrived(QNetworkReply *reply)
{
    reply->deleteLater();
    m_ipReply = nullptr;
    const QString ip = reply->error() == QNetworkReply::NoError ? ipFromReply(reply->readAll()) : QString();
    setIpLabels(ip);
    emit ipLookupFinished(ip);
}

void TKULLANICI_GIRISI_PENCERE::setIpLabels(const QString &ip)
{
    LabelIP_BILGI->setText(LoginIpPrefix + ip);
    if (ANA_SAYFA)
        ANA_SAYFA->LabelIP_BILGI->setText(MainIpPrefix + ip);
}

void TKULLANICI_GIRISI_PENCERE::Button1Click()
{
    if (EditSIFRE->text().isEmpty()) {
        ShowMessage(QStringLiteral("Lütfen şifrenizi giriniz."));
        return;
    }
    const ConnectionSettings settings = SettingsStore::connectionSettings();
    QString error;
    if (!Database::openDatabase(DB, settings, &error)) {
        ShowMessage(QStringLiteral("Veritabanı bağlantısı sağlanamadı. \r\n") + error);
        return;
    }
    const QString pc = GetLocalPCName();

    UniQueryAYARLAR.Close();
    UniQueryAYARLAR.setSQL(QStringLiteral("SELECT * from AYARLAR"));
    UniQueryAYARLAR.Open();
    const QString firmaUnvani = UniQueryAYARLAR.FieldByName(QStringLiteral("FIRMA_UNVANI"));

    ANA_SAYFA->setPanelText(0, QStringLiteral("Firma: ") + firmaUnvani);
    ANA_SAYFA->setPanelText(1, QStringLiteral("Versiyon: 2.0"));
    ANA_SAYFA->setPanelText(2, databasePanelText(settings));
    ANA_SAYFA->setPanelText(3, QStringLiteral("PC: ") + pc);

    UniQueryKULLANICI.Close();
    UniQueryKULLANICI.setSQL(QStringLiteral(" SELECT * from KULLANICILAR WHERE SIFRE=") + Database::quoted(EditSIFRE->text()));
    UniQueryKULLANICI.Open();
    if (UniQueryKULLANICI.IsEmpty()) {
        ShowMessage(QStringLiteral("Lütfen şifrenizi kontrol ediniz."));
        return;
    }

    ANA_SAYFA->showMaximized();
    hide();
}

void TKULLANICI_GIRISI_PENCERE::Button2Click() { ShowModal(HAKKINDA_PENCERE); }

void TKULLANICI_GIRISI_PENCERE::Button4Click()
{
    // opens SQL_SUNUCU_AYARLARI (settings)
}
