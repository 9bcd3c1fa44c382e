#pragma once

#include <QListView>

// The list of water bodies as a pupil plays it, by keyboard, mouse or ear.
// Any change of its selection is an answer, so the keys and buttons that
// change it are few and behave the same whatever answered before:
// - with nothing selected, the first arrow key (Up, Down, Home, End, PageUp,
//   PageDown) or Space selects the framed row, as a list box does; a Tab into
//   the list only frames a row;
// - a letter selects the first name that starts with it;
// - only the left mouse button selects; the others do nothing on the list;
// - an emptied list starts again at its top;
// - a screen reader hears the framed row named when the focus comes in.
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

private:
    void selectRow(const QModelIndex &index);
    void nameFramedRow();
};
