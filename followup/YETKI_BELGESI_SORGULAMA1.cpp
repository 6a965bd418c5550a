#include "YETKI_BELGESI_SORGULAMA1.h"

#include "KeyPreview.h"
#include "Log.h"
#include "SorguSatirlari.h"
#include "uKorva_WS.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TYETKI_BELGESI_SORGULAMA *YETKI_BELGESI_SORGULAMA = nullptr;

TYETKI_BELGESI_SORGULAMA::TYETKI_BELGESI_SORGULAMA(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("YETKI_BELGESI_SORGULAMA"));
    setWindowTitle(QStringLiteral("Yetki Belgesi Sorgula"));

    edtPLAKA = new QLineEdit(this);
    edtPLAKA->setObjectName(QStringLiteral("edtPLAKA"));
    Button2 = new QPushButton(QStringLiteral("Sorgula"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setAutoDefault(false);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setMinimumSize(420, 300);

    auto *input = new QVBoxLayout;
    auto *label = new QLabel(QStringLiteral("Plaka Giriniz"), this);
    label->setBuddy(edtPLAKA);
    input->addWidget(label);
    input->addWidget(edtPLAKA);
    input->addWidget(Button2);
    input->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(input);
    layout->addWidget(Memo1, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Button2, &QPushButton::clicked, this, &TYETKI_BELGESI_SORGULAMA::Button1Click);
    KeyPreview::install(this);
}

TYETKI_BELGESI_SORGULAMA::~TYETKI_BELGESI_SORGULAMA()
{
    if (YETKI_BELGESI_SORGULAMA == this)
        YETKI_BELGESI_SORGULAMA = nullptr;
}

void TYETKI_BELGESI_SORGULAMA::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TYETKI_BELGESI_SORGULAMA::FormShow()
{
    Memo1->clear();
    edtPLAKA->clear();
}

void TYETKI_BELGESI_SORGULAMA::Button1Click()
{
    Log(SorguSatirlari::calling(QStringLiteral("YetkiBelgesiKontrol")));
    uKorva::WS::TYetkiBelgesi belge;
    const QStringList lines = uKorva::WS::YetkiBelgesiKontrol(edtPLAKA->text(), belge)
        ? SorguSatirlari::yetkiBelgesi(belge)
        : QStringList{SorguSatirlari::hata(uKorva::WS::LastError), SorguSatirlari::Ayirac};
    for (const QString &line : lines)
        Memo1->appendPlainText(line);
    for (const QString &line : lines)
        Log(line);
}

void TYETKI_BELGESI_SORGULAMA::Log(const QString &text) { OutputLog::writeLog(text); }
