#include "MessageBoxes.h"

#include <QApplication>
#include <QWidget>

namespace {

class RealMessageBoxes : public MessageBoxes {
public:
    void showMessage(const QString &text) override
    {
        QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text,
                        QMessageBox::Ok, QApplication::activeWindow());
        box.exec();
    }

    bool askYesNo(const QString &text, const QString &caption, Icon icon) override
    {
        QMessageBox box(toQt(icon), caption, text, QMessageBox::Yes | QMessageBox::No,
                        QApplication::activeWindow());
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    }

private:
    static QMessageBox::Icon toQt(Icon icon)
    {
        switch (icon) {
        case Icon::Information: return QMessageBox::Information;
        case Icon::Warning: return QMessageBox::Warning;
        case Icon::Question: return QMessageBox::Question;
        case Icon::Error: return QMessageBox::Critical;
        case Icon::None: break;
        }
        return QMessageBox::NoIcon;
    }
};

std::unique_ptr<MessageBoxes> &installed()
{
    static std::unique_ptr<MessageBoxes> boxes = std::make_unique<RealMessageBoxes>();
    return boxes;
}

} // namespace

MessageBoxes &MessageBoxes::current() { return *installed(); }

void MessageBoxes::install(std::unique_ptr<MessageBoxes> boxes)
{
    installed() = boxes ? std::move(boxes) : std::make_unique<RealMessageBoxes>();
}
