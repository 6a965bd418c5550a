#pragma once
// The application object, with the general error handler: an error that escapes a command
// (a database error, a missing table or column, a text that is not a number) is shown in a
// message box and the program goes on.

#include <QApplication>

class KorvaApplication : public QApplication {
public:
    KorvaApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

// Runs a command; what escapes it is shown by the general error handler. For code paths that
// do not pass through an event (tests, timers driven by hand).
template <typename Command> void runGuarded(Command &&command);

namespace GeneralErrorHandler {
void show(const std::exception &error);
void showUnknown();
} // namespace GeneralErrorHandler

template <typename Command> void runGuarded(Command &&command)
{
    try {
        command();
    } catch (const std::exception &error) {
        GeneralErrorHandler::show(error);
    } catch (...) {
        GeneralErrorHandler::showUnknown();
    }
}
