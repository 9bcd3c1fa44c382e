#pragma once

#include <QObject>
#include <QString>

class QWidget;

// Tells a screen reader a short text at once, wherever the focus is: to the
// reader it is a notification of the window that shows with each new text.
// Nothing is drawn, and a window that is not shown announces nothing.
class Announcer : public QObject
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *window);

    void announce(const QString &text);

    QWidget *window() const;
    QString text() const { return current; }
    bool isShowing() const { return showing; }

private:
    void tellScreenReader(bool show);

    QString current;
    bool showing = false;
};

// Lets screen readers see every Announcer. Called once, after the
// application object exists.
void installAnnouncements();
