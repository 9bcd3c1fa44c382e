#include "river_list.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>

#include <algorithm>
#include <functional>
#include <optional>

namespace listbox = quiz::listbox;

namespace {

// The list box's key for a key pressed, where it is one.
std::optional<listbox::Key> listBoxKey(const QKeyEvent *event)
{
    if (event->modifiers() & (Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    switch (event->key()) {
    case Qt::Key_Up:
        return listbox::Key::Up;
    case Qt::Key_Down:
        return listbox::Key::Down;
    case Qt::Key_Left:
        return listbox::Key::Left;
    case Qt::Key_Right:
        return listbox::Key::Right;
    case Qt::Key_Home:
        return listbox::Key::Home;
    case Qt::Key_End:
        return listbox::Key::End;
    case Qt::Key_PageUp:
        return listbox::Key::PageUp;
    case Qt::Key_PageDown:
        return listbox::Key::PageDown;
    case Qt::Key_Space:
        return listbox::Key::Space;
    default:
        return std::nullopt;
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
    heldScroll.setInterval(listbox::ScrollInterval);
    connect(&heldScroll, &QTimer::timeout, this, &RiverList::scrollWhileHeld);
    setItemDelegate(
        new HeldRowDelegate([this](const QModelIndex &index) { return held && index == currentIndex(); }, this));
}

void RiverList::keyboardSearch(const QString &search)
{
    // Qt's own search gathers the letters typed in quick succession; here
    // each letter goes on to the next name below the frame that starts with it.
    if (!model())
        return;
    const int found = listbox::rowForCharacter(
        state(), search.toStdString(), [this](int r) { return row(r).data(Qt::DisplayRole).toString().toStdString(); });
    if (found >= 0)
        selectRow(found);
}

void RiverList::keyPressEvent(QKeyEvent *event)
{
    const std::optional<listbox::Key> key = listBoxKey(event);
    if (!key || !model()) {
        QListView::keyPressEvent(event);
        return;
    }
    if (const int answered = listbox::rowForKey(state(), *key); answered >= 0)
        selectRow(answered);
    event->accept();
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
    if (!model())
        return;
    const int pressed = listbox::rowForPress(state(), pointerAt(event->position().toPoint()));
    held = pressed >= 0;
    if (held)
        frameHeldRow(pressed);
}

void RiverList::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    if (event->buttons() == Qt::NoButton) {
        QListView::mouseMoveEvent(event);
        return;
    }
    if (!held || !(event->buttons() & Qt::LeftButton))
        return;
    const listbox::Pointer pointer = pointerAt(event->position().toPoint());
    frameHeldRow(listbox::rowForHeldMove(state(), pointer));
    heldBeyond = listbox::beyond(pointer);
    if (heldBeyond == listbox::Beyond::No)
        heldScroll.stop();
    else if (!heldScroll.isActive())
        heldScroll.start();
}

void RiverList::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || !held)
        return;
    held = false;
    heldScroll.stop();
    viewport()->update();
    if (currentIndex().isValid())
        selectRow(currentIndex().row());
}

void RiverList::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click is a press like the first.
    mousePressEvent(event);
}

void RiverList::rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end)
{
    // The frame keeps its place when its row goes. Moved off the rows before
    // they go, it is left alone by the view, which would select the next row,
    // and by the selection model, which would frame the row above.
    const int framed = currentIndex().row();
    const int rows = model()->rowCount(parent);
    const int gone = end - start + 1;
    if (parent == rootIndex() && framed >= start && framed <= end) {
        const int after = listbox::framedAfterRemoval(start, start, rows - gone);
        if (after != listbox::FramedWhenEmpty)
            frameRow(after < start ? after : after + gone);
    }
    QListView::rowsAboutToBeRemoved(parent, start, end);
    // The rows go at once but the scroll bar follows only when the list is
    // laid out again, after it has filled anew: start at the top now.
    if (parent == rootIndex() && gone == rows)
        scrollToTop();
}

void RiverList::rowsInserted(const QModelIndex &parent, int start, int end)
{
    QListView::rowsInserted(parent, start, end);
    if (parent == rootIndex())
        frameRow(listbox::framedAfterAppend(currentIndex().isValid() ? currentIndex().row() : -1));
}

listbox::State RiverList::state() const
{
    listbox::State now;
    now.rows = model() ? model()->rowCount(rootIndex()) : 0;
    now.framed = currentIndex().isValid() ? currentIndex().row() : -1;
    const QModelIndexList selected = selectionModel() ? selectionModel()->selectedRows() : QModelIndexList();
    now.selected = selected.isEmpty() ? -1 : selected.first().row();
    const QModelIndex top = indexAt(QPoint(0, 0));
    now.top = top.isValid() ? top.row() : 0;
    const int rowHeight = std::max(sizeHintForRow(0), 1);
    now.inSight = std::max(viewport()->height() / rowHeight, 1);
    return now;
}

listbox::Pointer RiverList::pointerAt(const QPoint &pos) const
{
    // Counted from the top of the first row in sight, which may stand a
    // little above the viewport's edge.
    const QModelIndex top = indexAt(QPoint(0, 0));
    const int from = top.isValid() ? visualRect(top).top() : 0;
    return {static_cast<double>(pos.y() - from), static_cast<double>(std::max(sizeHintForRow(0), 1)),
            static_cast<double>(viewport()->height() - from)};
}

QModelIndex RiverList::row(int row) const
{
    return model()->index(row, modelColumn(), rootIndex());
}

void RiverList::selectRow(int at)
{
    scrollTo(row(at));
    selectionModel()->setCurrentIndex(row(at), QItemSelectionModel::ClearAndSelect);
}

void RiverList::frameRow(int at)
{
    selectionModel()->setCurrentIndex(row(at), QItemSelectionModel::NoUpdate);
}

void RiverList::frameHeldRow(int at)
{
    if (at < 0)
        return;
    if (at != currentIndex().row())
        frameRow(at);
    // Only a row out of sight, as the pointer beyond the list frames it,
    // scrolls the list: one cut off at the edge stays as it stands.
    if (!viewport()->rect().intersects(visualRect(row(at))))
        scrollTo(row(at));
}

void RiverList::scrollWhileHeld()
{
    if (!held || !model()) {
        heldScroll.stop();
        return;
    }
    frameHeldRow(listbox::rowForScrollTick(state(), heldBeyond));
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
