#include "BILDIRIM_RAPORU_FILTRE1.h"

#include "BILDIRIM_LISTESI_PENCERE1.h"
#include "KeyPreview.h"
#include "Log.h"
#include "ScreenFormat.h"
#include "SorguSatirlari.h"
#include "uKorva_WS.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <memory>

TBILDIRIM_RAPORU_FILTRE *BILDIRIM_RAPORU_FILTRE = nullptr;

TBILDIRIM_RAPORU_FILTRE::TBILDIRIM_RAPORU_FILTRE(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("BILDIRIM_RAPORU_FILTRE"));
    setWindowTitle(QStringLiteral("Bildirim Raporu"));

    dtpTarih2 = new QDateEdit(this);
    dtpTarih2->setObjectName(QStringLiteral("dtpTarih2"));
    dtpTarih2->setCalendarPopup(true);
    dtpTarih2->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    EditPLAKA = new QLineEdit(this);
    EditPLAKA->setObjectName(QStringLiteral("EditPLAKA"));
    EditPLAKA->setMinimumWidth(200);
    Button1 = new QPushButton(QStringLiteral("Sorgula"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Tarih:"), dtpTarih2);
    form->addRow(QStringLiteral("Araç Plakası"), EditPLAKA);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(Button1, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Button1, &QPushButton::clicked, this, &TBILDIRIM_RAPORU_FILTRE::Button1Click);
    KeyPreview::install(this);
}

TBILDIRIM_RAPORU_FILTRE::~TBILDIRIM_RAPORU_FILTRE()
{
    if (BILDIRIM_RAPORU_FILTRE == this)
        BILDIRIM_RAPORU_FILTRE = nullptr;
}

void TBILDIRIM_RAPORU_FILTRE::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TBILDIRIM_RAPORU_FILTRE::FormShow()
{
    EditPLAKA->clear();
    dtpTarih2->setDate(QDate::currentDate());
}

void TBILDIRIM_RAPORU_FILTRE::Button1Click()
{
    const QString plaka = EditPLAKA->text();
    const QDate tarih = dtpTarih2->date();
    Log(SorguSatirlari::calling(QStringLiteral("YukBildirimiListesi")) + QStringLiteral(" Plaka: ") + plaka
        + QStringLiteral(", Tarih: ") + ScreenFormat::shortDate(tarih));

    QList<uKorva::WS::TYukBildirimi> liste;
    if (!uKorva::WS::YukBirimListesi(plaka, tarih, liste)) {
        Log(SorguSatirlari::hata(uKorva::WS::LastError));
        Log(SorguSatirlari::Ayirac);
        return;
    }
    for (const QString &line : SorguSatirlari::bildirimListesi(liste))
        Log(line);

    // Window-modal over this window: the list blocks the query, while the detail window that
    // its "Detayı" opens stays usable beside it.
    auto listeler = std::make_unique<TBILDIRIM_LISTESI_PENCERE>(this);
    listeler->setWindowModality(Qt::WindowModal);
    listeler->Doldur(liste);
    listeler->exec();
}

void TBILDIRIM_RAPORU_FILTRE::Log(const QString &text) { OutputLog::writeLog(text); }
