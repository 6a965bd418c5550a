#include "KeyPreview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

KeyPreview::KeyPreview(QWidget *window, Handler handler)
    : QObject(window), m_window(window), m_handler(std::move(handler))
{
    qApp->installEventFilter(this);
}

KeyPreview *KeyPreview::install(QWidget *window, Handler handler)
{
    return new KeyPreview(window, std::move(handler)); // parented to the window
}

bool KeyPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !m_window || !watched->isWidgetType())
        return false;
    auto *target = static_cast<QWidget *>(watched);
    if (target->window() != m_window)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (m_handler && m_handler(key))
        return true;
    if (key->key() == Qt::Key_Escape) {
        m_window->close();
        return true;
    }
    return false;
}
