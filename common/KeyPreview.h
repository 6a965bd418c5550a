#pragma once
// Every window takes key strokes before its controls, and Escape closes it.

#include <QObject>
#include <QPointer>
#include <functional>

class QKeyEvent;
class QWidget;

class KeyPreview : public QObject {
public:
    // handler sees every key press aimed at window or its children before they do; it returns
    // true when it consumed the key. Escape closes the window unless the handler consumed it.
    using Handler = std::function<bool(QKeyEvent *)>;

    static KeyPreview *install(QWidget *window, Handler handler = {});

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    KeyPreview(QWidget *window, Handler handler);
    QPointer<QWidget> m_window;
    Handler m_handler;
};
