#include "Log.h"

#include <QPlainTextEdit>
#include <QPointer>

namespace OutputLog {

namespace {
QPointer<QPlainTextEdit> g_memo;
}

void setMemo(QPlainTextEdit *memo) { g_memo = memo; }

QPlainTextEdit *memo() { return g_memo; }

QString formatLine(const QString &text, const QDateTime &when)
{
    if (text.isEmpty())
        return QString();
    return when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz  ")) + text;
}

void writeLog(const QString &text)
{
    if (g_memo)
        g_memo->appendPlainText(formatLine(text, QDateTime::currentDateTime()));
}

} // namespace OutputLog
