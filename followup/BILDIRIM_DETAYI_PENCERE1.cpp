#include "BILDIRIM_DETAYI_PENCERE1.h"

#include "DetayMetni.h"
#include "KeyPreview.h"
#include "Log.h"
#include "MessageBoxes.h"
#include "SorguSatirlari.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TBILDIRIM_DETAYI_PENCERE *BILDIRIM_DETAYI_PENCERE = nullptr;

TBILDIRIM_DETAYI_PENCERE::TBILDIRIM_DETAYI_PENCERE(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("BILDIRIM_DETAYI_PENCERE"));
    setWindowTitle(QStringLiteral("Bildirim Detayı"));

    edtBildirimNo = new QLineEdit(this);
    edtBildirimNo->setObjectName(QStringLiteral("edtBildirimNo"));
    Button2 = new QPushButton(QStringLiteral("Sorgula"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setAutoDefault(false);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setMinimumSize(560, 520);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);

    auto *input = new QVBoxLayout;
    auto *label = new QLabel(QStringLiteral("Bildirim No"), this);
    label->setBuddy(edtBildirimNo);
    input->addWidget(label);
    input->addWidget(edtBildirimNo);
    input->addWidget(Button2);
    input->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(input);
    layout->addWidget(Memo1, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Button2, &QPushButton::clicked, this, &TBILDIRIM_DETAYI_PENCERE::Button2Click);
    KeyPreview::install(this);
}

TBILDIRIM_DETAYI_PENCERE::~TBILDIRIM_DETAYI_PENCERE()
{
    if (BILDIRIM_DETAYI_PENCERE == this)
        BILDIRIM_DETAYI_PENCERE = nullptr;
}

void TBILDIRIM_DETAYI_PENCERE::Button2Click()
{
    Log(SorguSatirlari::calling(QStringLiteral("YukBildirimiDetayi")));
    const auto bildirimId = SorguSatirlari::bildirimId(edtBildirimNo->text());
    if (!bildirimId) {
        ShowMessage(QStringLiteral("Bildirim Id hatalı"));
        return;
    }
    for (const QString &line : DetayMetni::sorgula(*bildirimId))
        Memo1->appendPlainText(line);
}

void TBILDIRIM_DETAYI_PENCERE::Log(const QString &text) { OutputLog::writeLog(text); }
