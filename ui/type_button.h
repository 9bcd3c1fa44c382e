#pragma once

#include <QRadioButton>

// A mouth-type button, an option button of its group as Windows has it:
// - a click anywhere on its coloured band turns it on;
// - Down and Right go to the next button of the group, Up and Left to the
//   one before, round the group, and turn that one on;
// - the group is one stop of Tab and Shift+Tab, the button that is on, or
//   the first button while none is on.
// The buttons belong to one exclusive QButtonGroup, in their order.
class TypeButton : public QRadioButton
{
    Q_OBJECT

public:
    explicit TypeButton(const QString &text, QWidget *parent = nullptr);

protected:
    bool hitButton(const QPoint &pos) const override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void checkStateSet() override;

private:
    void markGroupStop() const;
};
