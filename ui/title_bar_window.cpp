#include "title_bar_window.h"

#include "design_colour.h"
#include "design_text.h"
#include "device_grid.h"
#include "fixed_window.h"
#include "form_design.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QWindow>

namespace {

namespace design = quiz::design;

// The frame and the title bar share the title bar's colour.
QColor barColour(const QWidget *window)
{
    return colour(window->isActiveWindow() ? design::ActiveTitleBarStandIn : design::InactiveTitleBarStandIn);
}

QColor textColourOn(const QColor &face)
{
    return colour(design::readableTextOn(rgbOf(face)));
}

// The desktop's font for titles, in bold as title bars show it.
QFont titleFont()
{
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    return font;
}

// Room for the title's line with a margin above and below it, in whole steps
// of four pixels, so that the form below the bar starts on a whole pixel of
// the screen at 125, 150, 175 and 200 %.
int barHeightFor(const QFont &font)
{
    const int needed = QFontMetrics(font).height() + 8;
    return qMax(24, (needed + 3) / 4 * 4);
}

class CloseBox : public QAbstractButton
{
public:
    explicit CloseBox(QWidget *parent)
        : QAbstractButton(parent)
    {
        // A title bar's box is for the mouse; the keyboard closes a window
        // through the desktop, and Tab stays among the form's controls.
        setFocusPolicy(Qt::NoFocus);
        setAccessibleName(fromUtf8(design::CloseBoxName));
        setToolTip(fromUtf8(design::CloseBoxName));
    }

protected:
    void enterEvent(QEnterEvent *event) override
    {
        update();
        QAbstractButton::enterEvent(event);
    }

    void leaveEvent(QEvent *event) override
    {
        update();
        QAbstractButton::leaveEvent(event);
    }

    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        QColor cross = textColourOn(barColour(window()));
        if (isDown() || underMouse()) {
            const QColor face = colour(isDown() ? design::CloseBoxDownColour : design::CloseBoxHotColour);
            painter.fillRect(rect(), face);
            cross = textColourOn(face);
        }
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(cross, 1.25, Qt::SolidLine, Qt::FlatCap));
        const qreal half = qMin(width(), height()) * 0.18;
        const QPointF centre = QRectF(rect()).center();
        painter.drawLine(centre + QPointF(-half, -half), centre + QPointF(half, half));
        painter.drawLine(centre + QPointF(-half, half), centre + QPointF(half, -half));
    }
};

// The strip along the window's top: the frame's top edge and the title bar
// under it, with the icon, the title and the close box. It draws on the
// window's own colour, and a drag with the left button moves the window.
class TitleBar : public QWidget
{
public:
    TitleBar(QWidget *window, int width, int barHeight)
        : QWidget(window)
        , barHeight(barHeight)
    {
        setObjectName(QStringLiteral("titleBar"));
        setFont(titleFont());
        const int frame = TitleBarWindow::FrameWidth;
        setGeometry(0, 0, width, frame + barHeight);
        closeBox = new CloseBox(this);
        closeBox->setObjectName(QStringLiteral("closeBox"));
        const int boxWidth = barHeight * 3 / 2;
        closeBox->setGeometry(width - frame - boxWidth, frame, boxWidth, barHeight - 2);
        QObject::connect(closeBox, &QAbstractButton::clicked, window, &QWidget::close);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const int frame = TitleBarWindow::FrameWidth;
        const QRect bar(frame, frame, width() - 2 * frame, barHeight);
        const int iconSize = 16;
        const QRect iconPlace(bar.left() + 4, bar.top() + (bar.height() - iconSize) / 2, iconSize, iconSize);
        window()->windowIcon().paint(&painter, iconPlace);

        const QRect textPlace(iconPlace.right() + 7, bar.top(), closeBox->x() - 6 - (iconPlace.right() + 7),
                              bar.height());
        const QString title = painter.fontMetrics().elidedText(window()->windowTitle(), Qt::ElideRight,
                                                               textPlace.width());
        painter.setPen(textColourOn(barColour(window())));
        painter.drawText(textPlace, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title);
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        event->accept();
        if (event->button() != Qt::LeftButton)
            return;
        QWindow *handle = window()->windowHandle();
        if (!handle || !handle->startSystemMove())
            return;
        // The compositor takes the rest of the drag, and the button's release
        // with it: the window never hears of it and would hold the mouse for
        // the title bar, so that no control lights up or answers the next
        // press. Let go here as the release would.
        QCoreApplication::postEvent(handle, new QMouseEvent(QEvent::MouseButtonRelease, event->position(),
                                                             event->scenePosition(), event->globalPosition(),
                                                             Qt::LeftButton, Qt::NoButton, event->modifiers()));
    }

    // Nothing on the bar maximises, shades or rolls up the window.
    void mouseDoubleClickEvent(QMouseEvent *event) override { event->accept(); }

private:
    int barHeight;
    QAbstractButton *closeBox = nullptr;
};

} // namespace

bool TitleBarWindow::isNeeded()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

TitleBarWindow::TitleBarWindow(QWidget &client)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    , client(client)
{
    setWindowTitle(client.windowTitle());
    setWindowIcon(client.windowIcon());
    setAttribute(Qt::WA_OpaquePaintEvent);

    const QSize clientSize = client.size();
    const int barHeight = barHeightFor(titleFont());
    const int top = FrameWidth + barHeight;
    const QSize size(clientSize.width() + 2 * FrameWidth, top + clientSize.height() + FrameWidth);
    titleBar = new TitleBar(this, size.width(), barHeight);

    // The control the client gives the focus to first keeps it here.
    QWidget *firstFocus = client.focusWidget();
    client.setParent(this);
    client.setGeometry(FrameWidth, top, clientSize.width(), clientSize.height());
    client.setFixedSize(clientSize);
    client.show();
    if (firstFocus)
        firstFocus->setFocus();

    new FixedWindowGuard(this, size);

    // Alt+F4 closes a window on every desktop; where the compositor does not
    // see to it, the window does.
    new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), this, this, &QWidget::close);
}

TitleBarWindow::~TitleBarWindow()
{
    client.hide();
    client.setParent(nullptr);
}

void TitleBarWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), barColour(this));
    const DeviceGrid grid(painter, rect());
    const QColor outline = colour(design::EdgeDarkShadow);
    grid.drawEdge(grid.rect(), grid.line(), outline, outline);
}

void TitleBarWindow::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::ActivationChange:
    case QEvent::WindowTitleChange:
    case QEvent::WindowIconChange:
        update();
        if (titleBar)
            titleBar->update();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}
