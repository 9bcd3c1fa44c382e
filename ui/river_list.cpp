#include "river_list.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>

#include <functional>

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

// Shows the row under the held button as selected, though it is answered
// only when the button is let go.
class HeldRowDelegate : public QStyledItemDelegate
{
public:
    HeldRowDelegate(std::function<bool(const QModelIndex &)> isHeld, QObject *parent)
        : QStyledItemDelegate(parent)
        , isHeld(std::move(isHeld))
    {
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem shown(option);
        if (isHeld(index))
            shown.state |= QStyle::State_Selected;
        QStyledItemDelegate::paint(painter, shown, index);
    }

private:
    std::function<bool(const QModelIndex &)> isHeld;
};

} // namespace

RiverList::RiverList(QWidget *parent)
    : QListView(parent)
{
    // A click takes the focus only with the left button: see mousePressEvent.
    setFocusPolicy(Qt::TabFocus);
    setItemDelegate(
        new HeldRowDelegate([this](const QModelIndex &index) { return held && index == currentIndex(); }, this));
}

void RiverList::keyboardSearch(const QString &search)
{
    // Qt's own search gathers the letters typed in quick succession and goes
    // on from the framed row only with a second letter; here each letter goes
    // on to the next name below the frame that starts with it.
    const int rows = model() ? model()->rowCount(rootIndex()) : 0;
    if (search.isEmpty() || rows == 0)
        return;
    const int framed = currentIndex().isValid() ? currentIndex().row() : -1;
    for (int step = 1; step <= rows; ++step) {
        const QModelIndex row = model()->index((framed + step) % rows, modelColumn(), rootIndex());
        if (row.data(Qt::DisplayRole).toString().startsWith(search, Qt::CaseInsensitive)) {
            selectRow(row);
            return;
        }
    }
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
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    setFocus(Qt::MouseFocusReason);
    held = indexAt(event->position().toPoint()).isValid();
    if (held)
        frameRowUnder(event->position().toPoint());
}

void RiverList::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    if (event->buttons() == Qt::NoButton)
        QListView::mouseMoveEvent(event);
    else if (held && (event->buttons() & Qt::LeftButton))
        frameRowUnder(event->position().toPoint());
}

void RiverList::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || !held)
        return;
    held = false;
    viewport()->update();
    if (currentIndex().isValid())
        selectRow(currentIndex());
}

void RiverList::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click is a press like the first.
    mousePressEvent(event);
}

void RiverList::rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end)
{
    // The frame keeps its place when its row goes, on the name that moves up
    // into it, or on the row above when the last rows go. Moved off the rows
    // before they go, it is left alone by the view, which would select the
    // next row, and by the selection model, which would frame the row above.
    const int framed = currentIndex().row();
    const int rows = model()->rowCount(parent);
    if (parent == rootIndex() && framed >= start && framed <= end) {
        if (end + 1 < rows)
            frameRow(model()->index(end + 1, modelColumn(), rootIndex()));
        else if (start > 0)
            frameRow(model()->index(start - 1, modelColumn(), rootIndex()));
    }
    QListView::rowsAboutToBeRemoved(parent, start, end);
    // The rows go at once but the scroll bar follows only when the list is
    // laid out again, after it has filled anew: start at the top now.
    if (parent == rootIndex() && start == 0 && end == rows - 1)
        scrollToTop();
}

void RiverList::rowsInserted(const QModelIndex &parent, int start, int end)
{
    QListView::rowsInserted(parent, start, end);
    if (parent == rootIndex() && !currentIndex().isValid())
        frameRow(model()->index(0, modelColumn(), rootIndex()));
}

void RiverList::selectRow(const QModelIndex &index)
{
    scrollTo(index);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

void RiverList::frameRow(const QModelIndex &index)
{
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
}

void RiverList::frameRowUnder(const QPoint &pos)
{
    // Only the height counts, so that the pointer beside the list still
    // frames the row it is level with.
    const QModelIndex row = indexAt(QPoint(viewport()->width() / 2, pos.y()));
    if (row.isValid() && row != currentIndex())
        frameRow(row);
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
