#pragma once
// The long-lived windows of the program, created once in a fixed order (the sign-in window
// first) and released together at the end. The global instance pointers do not own.

#include <QWidget>

void CreateForms();
// Releases the windows in reverse order of creation and clears their instance pointers.
void DestroyForms();

// Shows a working window beside the main window and brings it to the front; one already open
// keeps its content.
void ShowModeless(QWidget *window);
// Shows a dialog modally and returns when it closes (QDialog::exec for dialogs, a local loop
// for plain windows).
void ShowModal(QWidget *window);
