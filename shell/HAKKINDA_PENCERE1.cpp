#include "HAKKINDA_PENCERE1.h"

#include "KeyPreview.h"

#include <QDesktopServices>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

THAKKINDA_PENCERE *HAKKINDA_PENCERE = nullptr;

const QString THAKKINDA_PENCERE::WebAddress = QStringLiteral("www.korvanet.example");
const QString THAKKINDA_PENCERE::MailAddress = QStringLiteral("destek@korvanet.example");

namespace {

QLabel *boldLabel(const QString &text, QWidget *parent, const char *name = nullptr)
{
    auto *label = new QLabel(text, parent);
    if (name)
        label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLabel *linkLabel(const QString &text, QWidget *parent, const char *name)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: blue;"));
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

} // namespace

QUrl THAKKINDA_PENCERE::webUrl() { return QUrl(QStringLiteral("https://") + WebAddress); }

QUrl THAKKINDA_PENCERE::mailUrl() { return QUrl(QStringLiteral("mailto:") + MailAddress); }

THAKKINDA_PENCERE::THAKKINDA_PENCERE(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HAKKINDA_PENCERE"));
    setWindowTitle(QStringLiteral("Hakkında"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    KeyPreview::install(this);

    pnlBASLIK = boldLabel(QStringLiteral("Korvanet Yazılım ve Bilişim Hizmetleri tarafından geliştirilmiştir."), this,
                          "pnlBASLIK");
    pnlBASLIK->setAlignment(Qt::AlignCenter);
    pnlBASLIK->setFrameShape(QFrame::StyledPanel);
    pnlBASLIK->setMargin(8);

    img1 = new QLabel(this);
    img1->setObjectName(QStringLiteral("img1"));
    img1->setAlignment(Qt::AlignCenter);
    img1->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(64, 64));

    lbl17 = boldLabel(QStringLiteral("KORVA (Korvanet)"), this, "lbl17");
    lbl17->setAlignment(Qt::AlignCenter);
    QFont titleFont = lbl17->font();
    titleFont.setPointSize(titleFont.pointSize() + 4);
    lbl17->setFont(titleFont);

    Label2 = linkLabel(WebAddress, this, "Label2");
    Label1 = linkLabel(MailAddress, this, "Label1");
    Label2->installEventFilter(this);
    Label1->installEventFilter(this);

    auto *contacts = new QGridLayout;
    const std::pair<QString, QWidget *> rows[] = {
        {QStringLiteral("GSM"), new QLabel(QStringLiteral("0 (555) 000 00 00"), this)},
        {QStringLiteral("Telefon"), new QLabel(QStringLiteral("0 (312) 000 00 00"), this)},
        {QStringLiteral("Telefon"), new QLabel(QStringLiteral("0 (312) 000 00 01"), this)},
        {QStringLiteral("Adres"), new QLabel(QStringLiteral("Örnek Mah. Lojistik Cad. No: 1 Çankaya / ANKARA"), this)},
        {QStringLiteral("Web"), Label2},
        {QStringLiteral("E-mail"), Label1},
    };
    int row = 0;
    for (const auto &[caption, value] : rows) {
        contacts->addWidget(boldLabel(caption, this), row, 0);
        contacts->addWidget(boldLabel(QStringLiteral(":"), this), row, 1);
        contacts->addWidget(value, row, 2);
        ++row;
    }

    lblVERSION = boldLabel(QStringLiteral("Versiyon 2.0"), this, "lblVERSION");
    lblVERSION->setAlignment(Qt::AlignCenter);

    SPED_BTN_MUSTERI_DUZENLE = new QPushButton(QStringLiteral("Pencereyi Kapat"), this);
    SPED_BTN_MUSTERI_DUZENLE->setObjectName(QStringLiteral("SPED_BTN_MUSTERI_DUZENLE"));
    SPED_BTN_MUSTERI_DUZENLE->setFlat(true);
    SPED_BTN_MUSTERI_DUZENLE->setAutoDefault(false);
    SPED_BTN_MUSTERI_DUZENLE->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    QFont buttonFont = SPED_BTN_MUSTERI_DUZENLE->font();
    buttonFont.setBold(true);
    SPED_BTN_MUSTERI_DUZENLE->setFont(buttonFont);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pnlBASLIK);
    layout->addWidget(img1);
    layout->addWidget(lbl17);
    layout->addLayout(contacts);
    layout->addWidget(lblVERSION);
    layout->addWidget(SPED_BTN_MUSTERI_DUZENLE, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(SPED_BTN_MUSTERI_DUZENLE, &QPushButton::clicked, this, &THAKKINDA_PENCERE::SPED_BTN_MUSTERI_DUZENLEClick);
}

bool THAKKINDA_PENCERE::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == Label2)
            Label2Click();
        else if (watched == Label1)
            Label1Click();
    }
    return QDialog::eventFilter(watched, event);
}

void THAKKINDA_PENCERE::Label2Click() { QDesktopServices::openUrl(webUrl()); }

void THAKKINDA_PENCERE::Label1Click() { QDesktopServices::openUrl(mailUrl()); }

void THAKKINDA_PENCERE::SPED_BTN_MUSTERI_DUZENLEClick() { close(); }
