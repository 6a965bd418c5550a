#include "BILDIRIM_LISTESI_PENCERE1.h"

#include "BILDIRIM_DETAYI_PENCERE1.h"
#include "KeyPreview.h"
#include "PickerWindow.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>

TBILDIRIM_LISTESI_PENCERE *BILDIRIM_LISTESI_PENCERE = nullptr;

TBILDIRIM_LISTESI_PENCERE::TBILDIRIM_LISTESI_PENCERE(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("BILDIRIM_LISTESI_PENCERE"));
    setWindowTitle(QStringLiteral("Bildirim Listesi"));

    VirtualTable1 = new MemoryTable({QStringLiteral("Alan1"), QStringLiteral("Alan2")}, 50, this);
    VirtualTable1->setObjectName(QStringLiteral("VirtualTable1"));
    VirtualTable1->setHeaderData(0, Qt::Horizontal, QStringLiteral("Durumu"));
    VirtualTable1->setHeaderData(1, Qt::Horizontal, QStringLiteral("Bildirim Numarası"));

    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setModel(VirtualTable1);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setSortingEnabled(false);
    DBGrid1->setCursor(Qt::PointingHandCursor);
    DBGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->setColumnWidth(0, 260);
    DBGrid1->verticalHeader()->hide();
    DBGrid1->setMinimumSize(480, 320);

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::StyledPanel);
    Edit1 = new QLineEdit(panel);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    QFont large = Edit1->font();
    large.setPointSize(16);
    large.setBold(true);
    Edit1->setFont(large);
    Button1 = new QPushButton(QStringLiteral("Detayı"), panel);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    Button1->setMinimumHeight(Edit1->sizeHint().height());
    auto *panelLayout = new QHBoxLayout(panel);
    panelLayout->addWidget(Edit1, 1);
    panelLayout->addWidget(Button1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(DBGrid1, 1);
    layout->addWidget(panel);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(DBGrid1, &QTableView::clicked, this, &TBILDIRIM_LISTESI_PENCERE::DBGrid1CellClick);
    connect(DBGrid1, &QTableView::doubleClicked, this, &TBILDIRIM_LISTESI_PENCERE::DBGrid1DblClick);
    connect(Button1, &QPushButton::clicked, this, &TBILDIRIM_LISTESI_PENCERE::Button1Click);
    KeyPreview::install(this);
}

TBILDIRIM_LISTESI_PENCERE::~TBILDIRIM_LISTESI_PENCERE()
{
    if (BILDIRIM_LISTESI_PENCERE == this)
        BILDIRIM_LISTESI_PENCERE = nullptr;
}

void TBILDIRIM_LISTESI_PENCERE::Doldur(const QList<uKorva::WS::TYukBildirimi> &liste)
{
    VirtualTable1->empty();
    for (const auto &bildirim : liste)
        VirtualTable1->appendValues({bildirim.Durum, QString::number(bildirim.KorvaBildirimReferansNo)});
    if (VirtualTable1->rowCount() > 0)
        DBGrid1->setCurrentIndex(VirtualTable1->index(0, 0));
}

QString TBILDIRIM_LISTESI_PENCERE::CurrentAlan2() const
{
    const QModelIndex current = DBGrid1->currentIndex();
    if (!current.isValid())
        return QString();
    return VirtualTable1->index(current.row(), 1).data().toString();
}

void TBILDIRIM_LISTESI_PENCERE::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TBILDIRIM_LISTESI_PENCERE::FormShow() { Edit1->clear(); }

void TBILDIRIM_LISTESI_PENCERE::DBGrid1CellClick() { Edit1->setText(CurrentAlan2()); }

void TBILDIRIM_LISTESI_PENCERE::DBGrid1DblClick() { Edit1->setText(CurrentAlan2()); }

void TBILDIRIM_LISTESI_PENCERE::Button1Click()
{
    TBILDIRIM_DETAYI_PENCERE *detay = BILDIRIM_DETAYI_PENCERE;
    detay->Memo1->clear();
    detay->edtBildirimNo->clear();
    detay->edtBildirimNo->setText(CurrentAlan2());
    detay->Button2->click();
    detay->show();
    detay->raise();
    detay->activateWindow();
}
