#pragma once

#include <QObject>
#include <QSize>

class QWidget;

// Where Qt draws the title bar itself (on Wayland), it offers a maximise box
// that the window cannot refuse, and a compositor ends a client whose window
// does not fill the maximised size it has agreed to. There the window is
// given a minimum size only, takes the maximised size when the compositor
// sets it, and asks at once to be normal again, at its own size.
class FixedWindowGuard : public QObject
{
    Q_OBJECT

public:
    FixedWindowGuard(QWidget *window, QSize size);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void backToNormal();

    QWidget *window;
    QSize size;
};
