#include "ANA_SAYFA1.h"

#include "DataQuery.h"
#include "Errors.h"
#include "HAKKINDA_PENCERE1.h"
#include "KORVA_Forms.h"
#include "KULLANICI_GIRISI_PENCERE1.h"
#include "KeyPreview.h"
#include "Log.h"
#include "MessageBoxes.h"
#include "SORGULAMA_PENCERESI1.h"
#include "SQL_SORGU_PENCERE1.h"
#include "uKorva_WS.h"
// include YUK_BILDIRIMI_PENCERE1.h (entry)
#include "BILDIRIM_DETAYI_PENCERE1.h"
// include BILDIRIM_RAPORU_PENCERE1.h (followup)
#include "BILDIRIM_RAPORU_FILTRE1.h"
#include "BELGE_IPTALI_PENCERE1.h"
#include "ARAC_MUAYENE_SORGULA_PENCERE1.h"
#include "YETKI_BELGESI_SORGULAMA1.h"
#include "MESLEKI_YETERLILIK_SORGULA_PENCERE1.h"
// include BAKANLIK_BILGILERI_PENCERE1.h (settings)
// include KULLANICI_HESAPLARI_PENCERE1.h (settings)

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QUrl>
#include <QVBoxLayout>

TANA_SAYFA *ANA_SAYFA = nullptr;

namespace {

const QString RefusedText = QStringLiteral("YETKİNİZ BULUNMAMAKTADIR.");

QPushButton *commandButton(QWidget *parent, const char *name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setMinimumSize(190, 56);
    QFont font = button->font();
    font.setBold(true);
    button->setFont(font);
    return button;
}

QAction *menuItem(QMenu *menu, const char *name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

bool IsAdminRight(const QString &yetki) { return yetki == QStringLiteral("Admin"); }

void LoadServiceSettings(DataQuery &ayarlar)
{
    if (!ayarlar.Active())
        ayarlar.Open();
    uKorva::WS::Username = ayarlar.FieldByName(QStringLiteral("KULLANICI_ADI"));
    uKorva::WS::Password = ayarlar.FieldByName(QStringLiteral("SIFRE"));
    uKorva::WS::XMLLog = true;
    uKorva::WS::XMLLogDir = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("XMLLog"));
    QDir().mkpath(uKorva::WS::XMLLogDir); // a folder that cannot be made is not reported
    uKorva::WS::Proxy.clear();
    uKorva::WS::URL = ayarlar.FieldByName(QStringLiteral("LINK"));
}

QString PetitionDocumentPath() { return QDir::current().filePath(QStringLiteral("KORVA-Dilekce.docx")); }

TANA_SAYFA::TANA_SAYFA(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("ANA_SAYFA"));
    setWindowTitle(QStringLiteral("KORVA (Korvanet)"));
    KeyPreview::install(this);

    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    setMenuBar(MainMenu1);

    Dosya1 = MainMenu1->addMenu(QStringLiteral("Dosya"));
    Dosya1->setObjectName(QStringLiteral("Dosya1"));
    IKI1 = menuItem(Dosya1, "IKI1", QStringLiteral("Çıkış"));

    Servisler1 = MainMenu1->addMenu(QStringLiteral("Servisler"));
    Servisler1->setObjectName(QStringLiteral("Servisler1"));
    YkBildirimi1 = menuItem(Servisler1, "YkBildirimi1", QStringLiteral("Yük Kaydı Bildir"));
    YkBildirimiDetay1 = menuItem(Servisler1, "YkBildirimiDetay1", QStringLiteral("Yük Bildirimi Detayı"));
    YkBildirimRaporu1 = menuItem(Servisler1, "YkBildirimRaporu1", QStringLiteral("Yük Bildirim Raporu"));
    YkBildirimiListesi1 = menuItem(Servisler1, "YkBildirimiListesi1", QStringLiteral("Yük Bildirimi Listesi"));
    YkBildirimiGncelle1 = menuItem(Servisler1, "YkBildirimiGncelle1", QStringLiteral("Yük Bildirimi Güncelle"));
    YkBildirimiptalEt1 = menuItem(Servisler1, "YkBildirimiptalEt1", QStringLiteral("Yük Bildirimi İptal Et"));
    Servisler1->addSeparator();
    AraMuayeneSorgula1 = menuItem(Servisler1, "AraMuayeneSorgula1", QStringLiteral("Araç Muayene Sorgula"));
    YetkiBelgesiKontrol1 = menuItem(Servisler1, "YetkiBelgesiKontrol1", QStringLiteral("Yetki Belgesi Kontrol"));
    MeslekiYeterlilikSorgula1 =
        menuItem(Servisler1, "MeslekiYeterlilikSorgula1", QStringLiteral("Mesleki Yeterlilik Sorgula"));
    ServisTest2 = menuItem(Servisler1, "ServisTest2", QStringLiteral("Servis Test"));

    Ayarlar1 = MainMenu1->addMenu(QStringLiteral("Ayarlar"));
    Ayarlar1->setObjectName(QStringLiteral("Ayarlar1"));
    KantarBilgileri1 = menuItem(Ayarlar1, "KantarBilgileri1", QStringLiteral("Bakanlık KORVA Bilgileri"));
    KullancHesaplar1 = menuItem(Ayarlar1, "KullancHesaplar1", QStringLiteral("Kullanıcı Hesapları"));
    Ayarlar1->addSeparator();
    SQLSorgu1 = menuItem(Ayarlar1, "SQLSorgu1", QStringLiteral("SQL Sorgu"));

    Hakknda1 = MainMenu1->addAction(QStringLiteral("Hakkında"));
    Hakknda1->setObjectName(QStringLiteral("Hakknda1"));
    Bavuru1 = MainMenu1->addAction(QStringLiteral("Bildirim Başvuru"));
    Bavuru1->setObjectName(QStringLiteral("Bavuru1"));

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("ANA_SAYFA_ALAN"));
    auto *centralLayout = new QVBoxLayout(central);
    centralLayout->setContentsMargins(0, 0, 0, 0);

    Panel1 = new QFrame(central);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::StyledPanel);
    auto *panelLayout = new QHBoxLayout(Panel1);
    Button2 = commandButton(Panel1, "Button2", QStringLiteral("YÜK KAYDI BİLDİRİMİ"));
    Button3 = commandButton(Panel1, "Button3", QStringLiteral("YÜK BİLDİRİMİ DETAYI"));
    Button1 = commandButton(Panel1, "Button1", QStringLiteral("YÜK BİLDİRİMİ RAPORU"));
    ButtonKAPAT = commandButton(Panel1, "ButtonKAPAT", QStringLiteral("ÇIKIŞ"));
    LabelIP_BILGI = new QLabel(QStringLiteral("   IP Adresiniz:"), Panel1);
    LabelIP_BILGI->setObjectName(QStringLiteral("LabelIP_BILGI"));
    for (QWidget *widget : {static_cast<QWidget *>(Button2), static_cast<QWidget *>(Button3),
                            static_cast<QWidget *>(Button1), static_cast<QWidget *>(ButtonKAPAT),
                            static_cast<QWidget *>(LabelIP_BILGI)})
        panelLayout->addWidget(widget);
    panelLayout->addStretch();
    centralLayout->addWidget(Panel1);

    auto *logo = new QLabel(QStringLiteral("KORVA\nKorvanet"), central);
    logo->setObjectName(QStringLiteral("imgLOGO"));
    logo->setAlignment(Qt::AlignCenter);
    QFont logoFont = logo->font();
    logoFont.setPointSize(logoFont.pointSize() * 4);
    logoFont.setBold(true);
    logo->setFont(logoFont);
    centralLayout->addWidget(logo, 1);
    setCentralWidget(central);

    StatusBarDURUM_CUBUGU = new QStatusBar(this);
    StatusBarDURUM_CUBUGU->setObjectName(QStringLiteral("StatusBarDURUM_CUBUGU"));
    for (int panel = 0; panel < StatusPanelCount; ++panel) {
        auto *label = new QLabel(StatusBarDURUM_CUBUGU);
        label->setObjectName(QStringLiteral("StatusBarDURUM_CUBUGU_Panel%1").arg(panel));
        StatusBarDURUM_CUBUGU->addPermanentWidget(label, panel == 2 ? 2 : 1);
        m_panels[panel] = label;
    }
    setStatusBar(StatusBarDURUM_CUBUGU);

    const std::pair<QAction *, void (TANA_SAYFA::*)()> menuCommands[] = {
        {IKI1, &TANA_SAYFA::IKI1Click},
        {YkBildirimi1, &TANA_SAYFA::YkBildirimi1Click},
        {YkBildirimiDetay1, &TANA_SAYFA::YkBildirimiDetay1Click},
        {YkBildirimRaporu1, &TANA_SAYFA::YkBildirimRaporu1Click},
        {YkBildirimiListesi1, &TANA_SAYFA::YkBildirimiListesi1Click},
        {YkBildirimiGncelle1, &TANA_SAYFA::YkBildirimiGncelle1Click},
        {YkBildirimiptalEt1, &TANA_SAYFA::YkBildirimiptalEt1Click},
        {AraMuayeneSorgula1, &TANA_SAYFA::AraMuayeneSorgula1Click},
        {YetkiBelgesiKontrol1, &TANA_SAYFA::YetkiBelgesiKontrol1Click},
        {MeslekiYeterlilikSorgula1, &TANA_SAYFA::MeslekiYeterlilikSorgula1Click},
        {ServisTest2, &TANA_SAYFA::ServisTest2Click},
        {KantarBilgileri1, &TANA_SAYFA::KantarBilgileri1Click},
        {KullancHesaplar1, &TANA_SAYFA::KullancHesaplar1Click},
        {SQLSorgu1, &TANA_SAYFA::SQLSorgu1Click},
        {Hakknda1, &TANA_SAYFA::Hakknda1Click},
        {Bavuru1, &TANA_SAYFA::Bavuru1Click},
    };
    for (const auto &[action, handler] : menuCommands)
        connect(action, &QAction::triggered, this, handler);

    const std::pair<QPushButton *, void (TANA_SAYFA::*)()> buttonCommands[] = {
        {Button2, &TANA_SAYFA::YkBildirimi1Click},
        {Button3, &TANA_SAYFA::YkBildirimiDetay1Click},
        {Button1, &TANA_SAYFA::YkBildirimRaporu1Click},
        {ButtonKAPAT, &TANA_SAYFA::ButtonKAPATClick},
    };
    for (const auto &[button, handler] : buttonCommands)
        connect(button, &QPushButton::clicked, this, handler);
}

QString TANA_SAYFA::panelText(int panel) const { return m_panels.at(panel)->text(); }

void TANA_SAYFA::setPanelText(int panel, const QString &text) { m_panels.at(panel)->setText(text); }

void TANA_SAYFA::Log(const QString &Value) { OutputLog::writeLog(Value); }

bool TANA_SAYFA::CheckAdminRight()
{
    if (IsAdminRight(KULLANICI_GIRISI_PENCERE->UniQueryKULLANICI.FieldByName(QStringLiteral("YETKI"))))
        return true;
    ShowMessage(RefusedText);
    return false;
}

void TANA_SAYFA::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TANA_SAYFA::FormShow() { LoadServiceSettings(KULLANICI_GIRISI_PENCERE->UniQueryAYARLAR); }

void TANA_SAYFA::closeEvent(QCloseEvent *event)
{
    const bool confirmed = MessageBoxes::current().askYesNo(
        QStringLiteral("UYARI : Program Terk edilecek !\rOnaylıyor musunuz?"), QStringLiteral("Program Çıkışı"),
        MessageBoxes::Icon::Question);
    if (!confirmed) {
        event->ignore();
        return;
    }
    event->accept();
    if (KULLANICI_GIRISI_PENCERE)
        KULLANICI_GIRISI_PENCERE->close();
}

void TANA_SAYFA::IKI1Click() { close(); }

void TANA_SAYFA::ButtonKAPATClick() { close(); }

void TANA_SAYFA::YkBildirimi1Click()
{
    // opens YUK_BILDIRIMI_PENCERE (entry)
}

void TANA_SAYFA::YkBildirimiDetay1Click()
{
    BILDIRIM_DETAYI_PENCERE->Memo1->clear();
    BILDIRIM_DETAYI_PENCERE->edtBildirimNo->clear();
    ShowModeless(BILDIRIM_DETAYI_PENCERE);
}

void TANA_SAYFA::YkBildirimRaporu1Click()
{
    // opens BILDIRIM_RAPORU_PENCERE (entry)
}

void TANA_SAYFA::YkBildirimiListesi1Click()
{
    ShowModeless(BILDIRIM_RAPORU_FILTRE);
}

void TANA_SAYFA::YkBildirimiGncelle1Click()
{
    if (!CheckAdminRight())
        return;
    ShowMessage(QStringLiteral("Bağlantı kurulamadı..."));
}

void TANA_SAYFA::YkBildirimiptalEt1Click()
{
    if (!CheckAdminRight())
        return;
    ShowModeless(BELGE_IPTALI_PENCERE);
}

void TANA_SAYFA::AraMuayeneSorgula1Click()
{
    ShowModal(ARAC_MUAYENE_SORGULA_PENCERE);
}

void TANA_SAYFA::YetkiBelgesiKontrol1Click()
{
    ShowModeless(YETKI_BELGESI_SORGULAMA);
}

void TANA_SAYFA::MeslekiYeterlilikSorgula1Click()
{
    ShowModal(MESLEKI_YETERLILIK_SORGULA_PENCERE);
}

void TANA_SAYFA::ServisTest2Click()
{
    SORGULAMA_PENCERESI->setWindowTitle(QStringLiteral("Test Servisi Kontrol"));
    SORGULAMA_PENCERESI->MemoDOKUM->clear();
    Log(QStringLiteral("Calling \"ServisTest\"..."));
    Log(QStringLiteral("---------------"));
    QString reply;
    if (uKorva::WS::ServisTest(QStringLiteral("Deneme..."), reply)) {
        Log(QStringLiteral("Response: ") + reply);
        Log(QStringLiteral("---------------"));
        ShowModeless(SORGULAMA_PENCERESI);
    } else {
        Log(QStringLiteral("ERROR: ") + uKorva::WS::LastError);
        Log(QStringLiteral("---------------"));
    }
}

void TANA_SAYFA::KantarBilgileri1Click()
{
    if (!CheckAdminRight())
        return;
    // opens BAKANLIK_BILGILERI_PENCERE (settings)
}

void TANA_SAYFA::KullancHesaplar1Click()
{
    if (!CheckAdminRight())
        return;
    // opens KULLANICI_HESAPLARI_PENCERE (settings)
}

void TANA_SAYFA::SQLSorgu1Click()
{
    if (!CheckAdminRight())
        return;
    ShowModal(SQL_SORGUSU_PENCERE);
}

void TANA_SAYFA::Hakknda1Click() { ShowModal(HAKKINDA_PENCERE); }

void TANA_SAYFA::Bavuru1Click() { QDesktopServices::openUrl(QUrl::fromLocalFile(PetitionDocumentPath())); }
