#pragma once

#include <QPushButton>

// "Изчисти": a flat face in its own colour in every state, a raised edge that
// sinks while the button is held down, and a black outline and a dotted
// rectangle while it has the keyboard focus. Enter presses it, as Space does.
class ClearButton : public QPushButton
{
    Q_OBJECT

public:
    ClearButton(const QString &text, const QColor &face, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    QColor face;
};
