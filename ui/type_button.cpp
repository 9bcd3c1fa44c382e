#include "type_button.h"

#include <QButtonGroup>
#include <QKeyEvent>

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
    int step = 0;
    if (!(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        switch (event->key()) {
        case Qt::Key_Down:
        case Qt::Key_Right:
            step = 1;
            break;
        case Qt::Key_Up:
        case Qt::Key_Left:
            step = -1;
            break;
        default:
            break;
        }
    }
    const QList<QAbstractButton *> buttons = group() ? group()->buttons() : QList<QAbstractButton *>();
    if (step == 0 || buttons.size() < 2) {
        QRadioButton::keyPressEvent(event);
        return;
    }
    const qsizetype count = buttons.size();
    QAbstractButton *next = buttons.at((buttons.indexOf(this) + step + count) % count);
    next->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
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
    QAbstractButton *stop = buttons.value(0);
    for (QAbstractButton *button : buttons) {
        if (button->isChecked()) {
            stop = button;
            break;
        }
    }
    for (QAbstractButton *button : buttons)
        button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
}
