#pragma once

#include <QWidget>

class QAbstractButton;

// On Wayland the program draws its window's title bar itself, and Qt's own
// has minimise and maximise boxes that a fixed window must not offer, and cuts
// a long title short. There the form is shown inside this window instead: a
// window without the compositor's or Qt's frame, which draws a thin frame and
// a title bar of its own with the icon, the whole title and a close box only.
// Dragging the title bar moves the window; nothing on it resizes, maximises or
// minimises the window.
//
// The window borrows its client: it takes the client's title and icon, shows
// it below the title bar at the client's fixed size, and gives it back, with
// no parent, when it is destroyed.
class TitleBarWindow : public QWidget
{
    Q_OBJECT

public:
    explicit TitleBarWindow(QWidget &client);
    ~TitleBarWindow() override;

    // Whether the platform leaves the title bar to the program.
    static bool isNeeded();

    // The frame's width on the left, right and bottom, and above the title bar.
    static constexpr int FrameWidth = 4;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QWidget &client;
    QWidget *titleBar = nullptr;
};
