#include "fixed_window.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

FixedWindowGuard::FixedWindowGuard(QWidget *window, QSize size)
    : QObject(window)
    , window(window)
    , size(size)
{
    window->setFixedSize(size);
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window->installEventFilter(this);
}

bool FixedWindowGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window && (event->type() == QEvent::WindowStateChange || event->type() == QEvent::Resize))
        QMetaObject::invokeMethod(this, &FixedWindowGuard::backToNormal, Qt::QueuedConnection);
    return QObject::eventFilter(watched, event);
}

void FixedWindowGuard::backToNormal()
{
    if (window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
        window->windowHandle()->setWindowStates(Qt::WindowNoState);
        return;
    }
    if (window->size() != size && !(window->windowState() & Qt::WindowMinimized))
        window->resize(size);
}
