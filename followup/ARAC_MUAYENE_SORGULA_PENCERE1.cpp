#include "ARAC_MUAYENE_SORGULA_PENCERE1.h"

#include "KeyPreview.h"
#include "Log.h"
#include "MessageBoxes.h"
#include "SorguSatirlari.h"
#include "uKorva_WS.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TARAC_MUAYENE_SORGULA_PENCERE *ARAC_MUAYENE_SORGULA_PENCERE = nullptr;

TARAC_MUAYENE_SORGULA_PENCERE::TARAC_MUAYENE_SORGULA_PENCERE(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("ARAC_MUAYENE_SORGULA_PENCERE"));
    setWindowTitle(QStringLiteral("Araç Muayene Sorgula"));

    edtPlaka1 = new QLineEdit(this);
    edtPlaka1->setObjectName(QStringLiteral("edtPlaka1"));
    edtPlaka1->setMinimumWidth(240);
    Button1 = new QPushButton(QStringLiteral("Sorgula"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);

    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(QStringLiteral("Araç Muayene Sorgula"), this);
    label->setBuddy(edtPlaka1);
    layout->addWidget(label);
    layout->addWidget(edtPlaka1);
    layout->addWidget(Button1, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Button1, &QPushButton::clicked, this, &TARAC_MUAYENE_SORGULA_PENCERE::Button1Click);
    KeyPreview::install(this);
}

TARAC_MUAYENE_SORGULA_PENCERE::~TARAC_MUAYENE_SORGULA_PENCERE()
{
    if (ARAC_MUAYENE_SORGULA_PENCERE == this)
        ARAC_MUAYENE_SORGULA_PENCERE = nullptr;
}

void TARAC_MUAYENE_SORGULA_PENCERE::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TARAC_MUAYENE_SORGULA_PENCERE::FormShow() { edtPlaka1->clear(); }

void TARAC_MUAYENE_SORGULA_PENCERE::Button1Click()
{
    Log(SorguSatirlari::calling(QStringLiteral("AracMuayeneSorgula")));
    QDate gecerlilik;
    if (uKorva::WS::AracMuayeneSorgula(edtPlaka1->text(), gecerlilik)) {
        const QString sonuc = SorguSatirlari::muayeneTarihi(gecerlilik);
        Log(sonuc);
        Log(SorguSatirlari::Ayirac);
        ShowMessage(sonuc);
    } else {
        const QString sonuc = SorguSatirlari::hata(uKorva::WS::LastError);
        Log(sonuc);
        ShowMessage(sonuc);
        Log(SorguSatirlari::Ayirac);
    }
}

void TARAC_MUAYENE_SORGULA_PENCERE::Log(const QString &text) { OutputLog::writeLog(text); }
