#pragma once

#include "list_box.h"

#include <QListView>
#include <QTimer>

// The list of water bodies as a pupil plays it, by keyboard, mouse or ear.
// Any change of its selection is an answer; its keys and buttons answer as
// those of a Windows list box, whatever answered before:
// - with nothing selected, the first arrow key (Up, Down, Home, End, PageUp,
//   PageDown) or Space selects the framed row; a Tab into the list only
//   frames a row;
// - a letter selects the next name after the framed row that starts with it,
//   in either case, going round to the top;
// - while the left button is held, the row level with the pointer is framed
//   and shows as selected, beside the list too; held above or below the
//   list, the list scrolls on a row at a time; the row framed when the
//   button is let go is selected; the other buttons do nothing on the list;
// - a list that is filled frames its first row; when the framed row goes,
//   the frame stays where it stood, on the name that moves up into its place,
//   or on the new last row;
// - an emptied list starts again at its top;
// - a screen reader hears the framed row named when the focus comes in.
// Which row each key and the pointer answer is the list box's rules' to say;
// the list keeps its model and selection model as its one state.
// The list keeps the selection model it makes for itself, which hears of rows
// going after the list: see rowsAboutToBeRemoved.
class RiverList : public QListView
{
    Q_OBJECT

public:
    explicit RiverList(QWidget *parent = nullptr);

    void keyboardSearch(const QString &search) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) override;
    void rowsInserted(const QModelIndex &parent, int start, int end) override;

private:
    quiz::listbox::State state() const;
    quiz::listbox::Pointer pointerAt(const QPoint &pos) const;
    QModelIndex row(int row) const;
    void selectRow(int row);
    void frameRow(int row);
    void frameHeldRow(int row);
    void scrollWhileHeld();
    void nameFramedRow();

    bool held = false; // the left button went down on a row and is still down
    quiz::listbox::Beyond heldBeyond = quiz::listbox::Beyond::No;
    QTimer heldScroll;
};
