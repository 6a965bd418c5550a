#include "BELGE_IPTALI_PENCERE1.h"

#include "IPTAL_TURLERI_PENCERE1.h"
#include "KeyPreview.h"
#include "Log.h"
#include "MessageBoxes.h"
#include "SorguSatirlari.h"
#include "uKorva_WS.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

TBELGE_IPTALI_PENCERE *BELGE_IPTALI_PENCERE = nullptr;

namespace {

// A typed printable character other than a digit; editing and shortcut keys pass, so a pasted
// text can still hold anything.
bool isTypedNonDigit(const QKeyEvent *key)
{
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = key->text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return true;
    return false;
}

} // namespace

TBELGE_IPTALI_PENCERE::TBELGE_IPTALI_PENCERE(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("BELGE_IPTALI_PENCERE"));
    setWindowTitle(QStringLiteral("Belge İptali"));

    edtBildirimNo = new QLineEdit(QStringLiteral("0"), this);
    edtBildirimNo->setObjectName(QStringLiteral("edtBildirimNo"));
    edtBildirimNo->setMinimumWidth(220);
    edtIptalTurKodu = new QLineEdit(QStringLiteral("1"), this);
    edtIptalTurKodu->setObjectName(QStringLiteral("edtIptalTurKodu"));
    BitBtn5 = new QPushButton(QStringLiteral("+"), this);
    BitBtn5->setObjectName(QStringLiteral("BitBtn5"));
    BitBtn5->setAutoDefault(false);
    QFont large = BitBtn5->font();
    large.setPointSize(14);
    large.setBold(true);
    BitBtn5->setFont(large);
    BitBtn5->setFixedWidth(BitBtn5->sizeHint().height());
    Button1 = new QPushButton(QStringLiteral("Yük Bildirimi İptal Et"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);

    auto *code = new QHBoxLayout;
    code->addWidget(edtIptalTurKodu, 1);
    code->addWidget(BitBtn5);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Bildirim Id:"), edtBildirimNo);
    form->addRow(QStringLiteral("İptal Tür Kodu:"), code);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(Button1, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(BitBtn5, &QPushButton::clicked, this, &TBELGE_IPTALI_PENCERE::BitBtn5Click);
    connect(Button1, &QPushButton::clicked, this, &TBELGE_IPTALI_PENCERE::Button1Click);
    KeyPreview::install(this, [this](QKeyEvent *key) { return edtBildirimNo->hasFocus() && isTypedNonDigit(key); });
}

TBELGE_IPTALI_PENCERE::~TBELGE_IPTALI_PENCERE()
{
    if (BELGE_IPTALI_PENCERE == this)
        BELGE_IPTALI_PENCERE = nullptr;
}

void TBELGE_IPTALI_PENCERE::BitBtn5Click()
{
    Log(SorguSatirlari::calling(QStringLiteral("IptalTurleri")));
    QList<uKorva::WS::TYukBirimi> turler;
    if (!uKorva::WS::IptalTurleri(turler)) {
        Log(SorguSatirlari::hata(uKorva::WS::LastError));
        Log(SorguSatirlari::Ayirac);
        return;
    }
    for (const QString &line : SorguSatirlari::iptalTurleri(turler))
        Log(line);

    auto picker = std::make_unique<TIPTAL_TURLERI_PENCERE>(this);
    picker->VirtualTable1->empty();
    for (const auto &tur : turler)
        picker->appendRow(tur.Kodu, tur.Aciklama);
    picker->First();
    picker->edtGELEN_PENCERE->setText(QStringLiteral("BELGE_IPTAL_TURU"));
    picker->exec();
}

void TBELGE_IPTALI_PENCERE::Button1Click()
{
    Log(SorguSatirlari::calling(QStringLiteral("YukBildirimiIptalEt")));
    const auto bildirimId = SorguSatirlari::bildirimId(edtBildirimNo->text());
    if (!bildirimId) {
        ShowMessage(QStringLiteral("Bildirim Id hatalı"));
        return;
    }
    const QString iptalTurKodu = edtIptalTurKodu->text();
    const QString sonuc = uKorva::WS::YukBildirimiIptalEt(*bildirimId, iptalTurKodu)
        ? QStringLiteral("Yük Bildirimi İptal edildi: ") + QString::number(*bildirimId)
        : SorguSatirlari::hata(uKorva::WS::LastError);
    ShowMessage(sonuc);
    Log(sonuc);
    Log(SorguSatirlari::Ayirac);
}

void TBELGE_IPTALI_PENCERE::Log(const QString &text) { OutputLog::writeLog(text); }
