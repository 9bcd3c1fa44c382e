#include "river_list.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

// The keys that answer the framed row while nothing is selected.
bool answersFramedRow(const QKeyEvent *event)
{
    if (event->modifiers() & (Qt::AltModifier | Qt::MetaModifier))
        return false;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Space:
        return true;
    default:
        return false;
    }
}

bool isLeftButtonOnly(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton) || buttons == Qt::NoButton;
}

} // namespace

RiverList::RiverList(QWidget *parent)
    : QListView(parent)
{
    // A click takes the focus only with the left button: see mousePressEvent.
    setFocusPolicy(Qt::TabFocus);
}

void RiverList::keyboardSearch(const QString &search)
{
    // Qt's own search goes on from the current row and gathers the letters
    // typed in quick succession; here each letter answers the first name
    // that starts with it, wherever the frame stands.
    if (search.isEmpty() || !model())
        return;
    const QModelIndexList found = model()->match(model()->index(0, modelColumn(), rootIndex()), Qt::DisplayRole, search,
                                                 1, Qt::MatchStartsWith);
    if (!found.isEmpty())
        selectRow(found.first());
}

void RiverList::keyPressEvent(QKeyEvent *event)
{
    // Qt moves on from the framed row first, so that Down would answer the
    // row below it and Up on the first row nothing at all.
    if (answersFramedRow(event) && model() && !selectionModel()->hasSelection()) {
        QModelIndex framed = currentIndex();
        if (!framed.isValid())
            framed = model()->index(0, modelColumn(), rootIndex());
        if (framed.isValid())
            selectRow(framed);
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

void RiverList::focusInEvent(QFocusEvent *event)
{
    QListView::focusInEvent(event);
    // The list tells a screen reader of its own focus only after this, and
    // that would be the last thing it hears: name the framed row after it.
    if (QAccessible::isActive())
        QMetaObject::invokeMethod(this, &RiverList::nameFramedRow, Qt::QueuedConnection);
}

void RiverList::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    setFocus(Qt::MouseFocusReason);
    QListView::mousePressEvent(event);
}

void RiverList::mouseMoveEvent(QMouseEvent *event)
{
    if (isLeftButtonOnly(event->buttons()))
        QListView::mouseMoveEvent(event);
    else
        event->accept();
}

void RiverList::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        QListView::mouseReleaseEvent(event);
    else
        event->accept();
}

void RiverList::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        QListView::mouseDoubleClickEvent(event);
    else
        event->accept();
}

void RiverList::rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end)
{
    QListView::rowsAboutToBeRemoved(parent, start, end);
    // The rows go at once but the scroll bar follows only when the list is
    // laid out again, after it has filled anew: start at the top now.
    if (parent == rootIndex() && start == 0 && end == model()->rowCount(parent) - 1)
        scrollToTop();
}

void RiverList::selectRow(const QModelIndex &index)
{
    scrollTo(index);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

void RiverList::nameFramedRow()
{
    const QModelIndex framed = currentIndex();
    if (!hasFocus() || !framed.isValid() || !QAccessible::isActive())
        return;
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(this);
    QAccessibleTableInterface *table = list ? list->tableInterface() : nullptr;
    QAccessibleInterface *row = table ? table->cellAt(framed.row(), framed.column()) : nullptr;
    if (!row)
        return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(list->indexOfChild(row));
    QAccessible::updateAccessibility(&focus);
}
