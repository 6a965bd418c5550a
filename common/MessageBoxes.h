#pragma once
// Every message box of the program goes through here, so that tests can record and answer them.

#include <QMessageBox>
#include <QString>
#include <memory>

class MessageBoxes {
public:
    enum class Icon { None, Information, Warning, Question, Error };

    virtual ~MessageBoxes() = default;
    // A plain box with the application's title and an OK button.
    virtual void showMessage(const QString &text) = 0;
    // Yes/No with caption and icon; true for Yes.
    virtual bool askYesNo(const QString &text, const QString &caption, Icon icon) = 0;

    // The implementation in force; the real boxes unless a test installed another.
    static MessageBoxes &current();
    // Takes ownership; nullptr puts the real boxes back.
    static void install(std::unique_ptr<MessageBoxes> boxes);
};

inline void ShowMessage(const QString &text) { MessageBoxes::current().showMessage(text); }
