#pragma once

#include <QGroupBox>

// The frame round the type buttons: flat in its own colour, an etched line, a
// dark groove with a light one beside it, and the caption over the line.
class EtchedFrame : public QGroupBox
{
    Q_OBJECT

public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent *event) override;
};
