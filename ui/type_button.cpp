#include "type_button.h"

#include "option_group.h"

#include <QButtonGroup>
#include <QKeyEvent>

#include <optional>

namespace optiongroup = quiz::optiongroup;

TypeButton::TypeButton(const QString &text, QWidget *parent)
    : QRadioButton(text, parent)
{
    // A click turns the button on without telling checkStateSet.
    connect(this, &QAbstractButton::toggled, this, &TypeButton::markGroupStop);
}

bool TypeButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

void TypeButton::keyPressEvent(QKeyEvent *event)
{
    std::optional<optiongroup::Key> key;
    if (!(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        switch (event->key()) {
        case Qt::Key_Down:
            key = optiongroup::Key::Down;
            break;
        case Qt::Key_Right:
            key = optiongroup::Key::Right;
            break;
        case Qt::Key_Up:
            key = optiongroup::Key::Up;
            break;
        case Qt::Key_Left:
            key = optiongroup::Key::Left;
            break;
        default:
            break;
        }
    }
    const QList<QAbstractButton *> buttons = group() ? group()->buttons() : QList<QAbstractButton *>();
    if (!key || buttons.size() < 2) {
        // Space stays Qt's own: it clicks the button as it is let go.
        QRadioButton::keyPressEvent(event);
        return;
    }
    const int count = static_cast<int>(buttons.size());
    const int to = optiongroup::buttonForKey(*key, static_cast<int>(buttons.indexOf(this)), count);
    QAbstractButton *next = buttons.at(to);
    const bool forwards = *key == optiongroup::Key::Down || *key == optiongroup::Key::Right;
    next->setFocus(forwards ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    if (!next->isChecked())
        next->click();
    event->accept();
}

void TypeButton::focusInEvent(QFocusEvent *event)
{
    // Qt makes the button that has the focus the group's stop.
    QRadioButton::focusInEvent(event);
    markGroupStop();
}

void TypeButton::checkStateSet()
{
    QRadioButton::checkStateSet();
    markGroupStop();
}

void TypeButton::markGroupStop() const
{
    if (!group())
        return;
    const QList<QAbstractButton *> buttons = group()->buttons();
    int on = -1;
    for (int i = 0; i < static_cast<int>(buttons.size()); ++i) {
        if (buttons.at(i)->isChecked())
            on = i;
    }
    const int stop = optiongroup::tabStop(on);
    for (int i = 0; i < static_cast<int>(buttons.size()); ++i)
        buttons.at(i)->setFocusPolicy(i == stop ? Qt::StrongFocus : Qt::ClickFocus);
}
