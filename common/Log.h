#pragma once
// The one writer of the program-wide log lines. Every window's own Log calls writeLog; the
// output window hands its memo over at construction.

#include <QDateTime>
#include <QString>

class QPlainTextEdit;

namespace OutputLog {

// The memo that receives the lines; nullptr drops them.
void setMemo(QPlainTextEdit *memo);
QPlainTextEdit *memo();

// "yyyy-mm-dd hh:nn:ss.zzz  " followed by text; an empty text is an empty line.
QString formatLine(const QString &text, const QDateTime &when);

// Appends one line to the memo, stamped with the current local time.
void writeLog(const QString &text);

} // namespace OutputLog
