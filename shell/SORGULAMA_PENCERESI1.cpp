#include "SORGULAMA_PENCERESI1.h"

#include "KeyPreview.h"
#include "Log.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TSORGULAMA_PENCERESI *SORGULAMA_PENCERESI = nullptr;

TSORGULAMA_PENCERESI::TSORGULAMA_PENCERESI(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SORGULAMA_PENCERESI"));
    setWindowTitle(QStringLiteral("Sorgu"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    KeyPreview::install(this);

    MemoDOKUM = new QPlainTextEdit(this);
    MemoDOKUM->setObjectName(QStringLiteral("MemoDOKUM"));
    MemoDOKUM->setReadOnly(true);
    MemoDOKUM->setLineWrapMode(QPlainTextEdit::NoWrap);
    MemoDOKUM->setFixedSize(760, 420);
    QFont mono = MemoDOKUM->font();
    mono.setFamily(QStringLiteral("Monospace"));
    mono.setStyleHint(QFont::TypeWriter);
    MemoDOKUM->setFont(mono);

    Button1 = new QPushButton(QStringLiteral("Kapat"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(MemoDOKUM);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Button1, &QPushButton::clicked, this, &TSORGULAMA_PENCERESI::Button1Click);
    OutputLog::setMemo(MemoDOKUM);
}

TSORGULAMA_PENCERESI::~TSORGULAMA_PENCERESI()
{
    if (OutputLog::memo() == MemoDOKUM)
        OutputLog::setMemo(nullptr);
}

void TSORGULAMA_PENCERESI::Button1Click() { close(); }
