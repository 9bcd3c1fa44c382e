#include "announcer.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QWidget>

namespace {

// Qt has no widget that a screen reader takes for a notification, so the
// announcer is given an accessible face of its own: a child of its window
// without a place on the screen, whose name is the text.
class AnnouncementInterface : public QAccessibleObject
{
public:
    explicit AnnouncementInterface(Announcer *announcer)
        : QAccessibleObject(announcer)
    {
    }

    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(announcer()->window());
    }
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? announcer()->text() : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !announcer()->isShowing();
        state.readOnly = true;
        return state;
    }

private:
    Announcer *announcer() const { return static_cast<Announcer *>(object()); }
};

QAccessibleInterface *announcementFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String(Announcer::staticMetaObject.className()))
        return new AnnouncementInterface(static_cast<Announcer *>(object));
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget *window)
    : QObject(window)
{
}

QWidget *Announcer::window() const
{
    return static_cast<QWidget *>(parent());
}

void Announcer::announce(const QString &text)
{
    if (text.isEmpty() || !window()->isVisible())
        return;
    // A reader speaks a notification when it comes into view: take the last
    // one away first, so that the same text twice is heard twice.
    if (showing)
        tellScreenReader(false);
    if (text != current) {
        current = text;
        // A reader may keep the name it read last (Orca 48 does) until it is
        // told that the name changed.
        QAccessibleEvent nameChanged(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&nameChanged);
    }
    tellScreenReader(true);
}

void Announcer::tellScreenReader(bool show)
{
    showing = show;
    QAccessibleEvent event(this, show ? QAccessible::ObjectShow : QAccessible::ObjectHide);
    QAccessible::updateAccessibility(&event);
}

void installAnnouncements()
{
    QAccessible::installFactory(announcementFactory);
}
