#pragma once
// The shared output window: the program-wide, time-stamped record of what the windows ask the
// service and what it answers. Its memo receives every window's Log line (common/Log.h).

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

class TSORGULAMA_PENCERESI : public QDialog {
    Q_OBJECT
public:
    explicit TSORGULAMA_PENCERESI(QWidget *parent = nullptr);
    ~TSORGULAMA_PENCERESI() override;

    QPlainTextEdit *MemoDOKUM;
    QPushButton *Button1;

public slots:
    void Button1Click();
};

extern TSORGULAMA_PENCERESI *SORGULAMA_PENCERESI;
