#include "MESLEKI_YETERLILIK_SORGULA_PENCERE1.h"

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

TMESLEKI_YETERLILIK_SORGULA_PENCERE *MESLEKI_YETERLILIK_SORGULA_PENCERE = nullptr;

TMESLEKI_YETERLILIK_SORGULA_PENCERE::TMESLEKI_YETERLILIK_SORGULA_PENCERE(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("MESLEKI_YETERLILIK_SORGULA_PENCERE"));
    setWindowTitle(QStringLiteral("Mesleki Yeterlilik Sorgula"));

    edtSofor1TCNo = new QLineEdit(this);
    edtSofor1TCNo->setObjectName(QStringLiteral("edtSofor1TCNo"));
    edtSofor1TCNo->setMinimumWidth(240);
    Button1 = new QPushButton(QStringLiteral("Sorgula"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);

    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(QStringLiteral("TC No Giriniz"), this);
    label->setBuddy(edtSofor1TCNo);
    layout->addWidget(label);
    layout->addWidget(edtSofor1TCNo);
    layout->addWidget(Button1, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Button1, &QPushButton::clicked, this, &TMESLEKI_YETERLILIK_SORGULA_PENCERE::Button1Click);
    KeyPreview::install(this);
}

TMESLEKI_YETERLILIK_SORGULA_PENCERE::~TMESLEKI_YETERLILIK_SORGULA_PENCERE()
{
    if (MESLEKI_YETERLILIK_SORGULA_PENCERE == this)
        MESLEKI_YETERLILIK_SORGULA_PENCERE = nullptr;
}

void TMESLEKI_YETERLILIK_SORGULA_PENCERE::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TMESLEKI_YETERLILIK_SORGULA_PENCERE::FormShow() { edtSofor1TCNo->clear(); }

void TMESLEKI_YETERLILIK_SORGULA_PENCERE::Button1Click()
{
    Log(SorguSatirlari::calling(QStringLiteral("MeslekiYeterlilikSorgula")));
    QStringList belgeler;
    if (!uKorva::WS::MeslekiYeterlilikSorgula(edtSofor1TCNo->text(), belgeler)) {
        const QString sonuc = SorguSatirlari::hata(uKorva::WS::LastError);
        ShowMessage(sonuc);
        Log(sonuc);
        Log(SorguSatirlari::Ayirac);
        return;
    }
    Log(QStringLiteral("Belgeler:"));
    for (int sira = 0; sira < belgeler.size(); ++sira) {
        const QString belge = SorguSatirlari::belge(sira, belgeler.at(sira));
        ShowMessage(belge);
        Log(belge);
    }
    Log(SorguSatirlari::Ayirac);
}

void TMESLEKI_YETERLILIK_SORGULA_PENCERE::Log(const QString &text) { OutputLog::writeLog(text); }
