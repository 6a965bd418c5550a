#include "KorvaApplication.h"

#include "MessageBoxes.h"

KorvaApplication::KorvaApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool KorvaApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        GeneralErrorHandler::show(error);
    } catch (...) {
        GeneralErrorHandler::showUnknown();
    }
    return false;
}

namespace GeneralErrorHandler {

void show(const std::exception &error)
{
    MessageBoxes::current().showMessage(QString::fromStdString(error.what()));
}

void showUnknown() { MessageBoxes::current().showMessage(QStringLiteral("Beklenmeyen bir hata oluştu.")); }

} // namespace GeneralErrorHandler
