// The window with a title bar of its own, as the program shows the form on
// Wayland. CTest runs the TitleBarLook cases at 100 % to 200 % and on a dark
// desktop as well.
#include "design_colour.h"
#include "form_design.h"
#include "quiz_form.h"
#include "title_bar_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

namespace design = quiz::design;

class TitleBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = std::make_unique<TitleBarWindow>(form);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        bar = window->findChild<QWidget *>(QStringLiteral("titleBar"));
        ASSERT_TRUE(bar);
        buttons = bar->findChildren<QAbstractButton *>();
        ASSERT_EQ(buttons.size(), 1);
        closeBox = buttons.front();
    }

    void TearDown() override { window.reset(); }

    // The bar as the screen shows it, in the screen's pixels.
    QImage barShot() const
    {
        QApplication::processEvents();
        window->repaint();
        return window->grab(bar->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
    }

    // The first column of the bar, in window pixels, that the title may take:
    // past the frame, the icon's margin and the 16-pixel icon.
    static int afterTheIcon() { return TitleBarWindow::FrameWidth + 4 + 16 + 1; }

    // The leftmost and rightmost columns, in window pixels, between the icon
    // and the close box where anything is drawn in another colour than the bar's.
    std::pair<int, int> titleInk() const
    {
        const QImage shot = barShot();
        const qreal ratio = shot.devicePixelRatio();
        const QRgb face = colour(design::ActiveTitleBarStandIn).rgb();
        const int from = static_cast<int>(afterTheIcon() * ratio);
        const int to = static_cast<int>(closeBox->x() * ratio);
        const int top = static_cast<int>((TitleBarWindow::FrameWidth + 1) * ratio);
        int left = -1;
        int right = -1;
        for (int x = from; x < to; ++x) {
            for (int y = top; y < shot.height(); ++y) {
                if (shot.pixel(x, y) != face) {
                    if (left < 0)
                        left = x;
                    right = x;
                    break;
                }
            }
        }
        return {static_cast<int>(left / ratio), static_cast<int>(right / ratio)};
    }

    int titleWidth(const QString &title) const { return QFontMetrics(bar->font()).horizontalAdvance(title); }

    QuizForm form;
    std::unique_ptr<TitleBarWindow> window;
    QWidget *bar = nullptr;
    QList<QAbstractButton *> buttons;
    QAbstractButton *closeBox = nullptr;
};

using TitleBarLook = TitleBarTest;

TEST_F(TitleBarTest, HoldsTheFormAtItsOwnSizeBelowTheBar)
{
    EXPECT_EQ(form.parentWidget(), window.get());
    EXPECT_FALSE(form.isWindow());
    EXPECT_EQ(form.size(), QSize(461, 345));
    const int frame = TitleBarWindow::FrameWidth;
    EXPECT_EQ(form.pos(), QPoint(frame, bar->height()));
    EXPECT_EQ(window->size(), QSize(461 + 2 * frame, bar->height() + 345 + frame));
    EXPECT_EQ(window->minimumSize(), window->size());
    EXPECT_EQ(window->maximumSize(), window->size());
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window->windowTitle(), form.windowTitle());
    EXPECT_EQ(window->windowIcon().cacheKey(), form.windowIcon().cacheKey());
}

TEST_F(TitleBarTest, OffersOnlyACloseBoxThatClosesTheWindow)
{
    EXPECT_EQ(closeBox->accessibleName(), QString::fromUtf8(design::CloseBoxName.data()));
    EXPECT_EQ(closeBox->focusPolicy(), Qt::NoFocus);
    EXPECT_GT(closeBox->x(), bar->width() / 2);

    // Where other title bars have their maximise and minimise boxes, a
    // double click on the title and any other button: nothing changes.
    const QPoint spots[] = {closeBox->geometry().center() - QPoint(closeBox->width(), 0),
                            closeBox->geometry().center() - QPoint(2 * closeBox->width(), 0),
                            QPoint(bar->width() / 2, bar->height() / 2)};
    for (const QPoint &spot : spots) {
        QTest::mouseClick(bar, Qt::LeftButton, {}, spot);
        QTest::mouseDClick(bar, Qt::LeftButton, {}, spot);
        QTest::mouseClick(bar, Qt::RightButton, {}, spot);
        QTest::mouseClick(bar, Qt::MiddleButton, {}, spot);
        QApplication::processEvents();
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->windowState(), Qt::WindowNoState);
        EXPECT_EQ(window->size(), window->minimumSize());
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    }

    QTest::mouseClick(closeBox, Qt::RightButton);
    EXPECT_TRUE(window->isVisible());
    QTest::mouseClick(closeBox, Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(TitleBarTest, AltF4ClosesTheWindowWhereverTheFocusIs)
{
    QWidget *focus = QApplication::focusWidget();
    ASSERT_TRUE(focus);
    QTest::keyClick(focus, Qt::Key_F4);
    QTest::keyClick(focus, Qt::Key_F4, Qt::ControlModifier);
    EXPECT_TRUE(window->isVisible());
    QTest::keyClick(focus, Qt::Key_F4, Qt::AltModifier);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(TitleBarTest, TabStaysAmongTheFormsControls)
{
    // The message box has the focus first, as in the bare form.
    EXPECT_EQ(QApplication::focusWidget(), form.findChild<QPlainTextEdit *>());
    for (int i = 0; i < 12; ++i) {
        EXPECT_TRUE(form.isAncestorOf(QApplication::focusWidget())) << i;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

TEST(TitleBarWindow, GivesTheFormBackWhenItCloses)
{
    QuizForm form;
    {
        TitleBarWindow window(form);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    EXPECT_EQ(form.parentWidget(), nullptr);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.size(), QSize(461, 345));
}

TEST_F(TitleBarLook, ShowsTheWholeTitle)
{
    const auto [left, right] = titleInk();
    ASSERT_GE(left, 0) << "no title drawn";
    const int drawn = right - left + 1;
    // The title's advance holds a pixel or two of bearing either side.
    EXPECT_NEAR(drawn, titleWidth(window->windowTitle()), 3);
    EXPECT_LT(right, closeBox->x());
}

TEST_F(TitleBarLook, CutsATooLongTitleBeforeTheCloseBox)
{
    const QString title = window->windowTitle().repeated(3);
    window->setWindowTitle(title);
    const auto [left, right] = titleInk();
    ASSERT_GE(left, 0) << "no title drawn";
    EXPECT_LT(right - left + 1, titleWidth(title));
    EXPECT_LT(right, closeBox->x());
    // Nothing of the title shows through the close box beside its cross.
    const QImage shot = barShot();
    const qreal ratio = shot.devicePixelRatio();
    const QRgb face = colour(design::ActiveTitleBarStandIn).rgb();
    const QRect beside(closeBox->x(), closeBox->y(), closeBox->width() / 3, closeBox->height());
    int stray = 0;
    for (int x = static_cast<int>(beside.left() * ratio); x < static_cast<int>((beside.right() + 1) * ratio); ++x)
        for (int y = static_cast<int>(beside.top() * ratio); y < static_cast<int>((beside.bottom() + 1) * ratio); ++y)
            stray += shot.pixel(x, y) != face;
    EXPECT_EQ(stray, 0);
}

TEST_F(TitleBarLook, FrameAndBarInTheTitleBarColourWithReadableText)
{
    const QImage shot = barShot();
    const qreal ratio = shot.devicePixelRatio();
    const QColor face = colour(design::ActiveTitleBarStandIn);
    // The frame's top edge just inside the outline, and the bar between the
    // title and the close box.
    EXPECT_EQ(shot.pixelColor(static_cast<int>(bar->width() / 2 * ratio), static_cast<int>(2 * ratio)), face);
    EXPECT_EQ(shot.pixelColor(static_cast<int>((closeBox->x() - 2) * ratio), static_cast<int>(bar->height() / 2 * ratio)),
              face);
    const QImage whole = window->grab().toImage();
    const int bottom = static_cast<int>((window->height() - 2) * ratio);
    EXPECT_EQ(whole.pixelColor(static_cast<int>(2 * ratio), bottom), face);
    EXPECT_EQ(whole.pixelColor(static_cast<int>((window->width() - 2) * ratio), bottom), face);
    EXPECT_EQ(whole.pixelColor(0, bottom / 2), colour(design::EdgeDarkShadow));

    // The darkest pixel of the title: black on the bar's light blue.
    int darkest = 255;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = static_cast<int>(afterTheIcon() * ratio); x < static_cast<int>(closeBox->x() * ratio); ++x)
            darkest = qMin(darkest, qGray(shot.pixel(x, y)));
    EXPECT_LT(darkest, 40);
}

TEST_F(TitleBarLook, TurnsPaleWhileAnotherWindowIsActive)
{
    const auto frameColour = [this] {
        const QImage shot = barShot();
        return shot.pixelColor(static_cast<int>(bar->width() / 2 * shot.devicePixelRatio()),
                               static_cast<int>(2 * shot.devicePixelRatio()));
    };
    QWidget other;
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(frameColour(), colour(design::InactiveTitleBarStandIn));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(frameColour(), colour(design::ActiveTitleBarStandIn));
}

// Nothing of the frame reaches the form, neither its colours nor its font nor
// its place on the screen's pixels: the form shows exactly as it does as a
// window of its own, at every scale and on any desktop palette.
TEST_F(TitleBarLook, ShowsTheFormAsTheFormShowsItself)
{
    window->hide();
    QuizForm bare;
    bare.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bare));
    bare.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&bare));
    QApplication::processEvents();
    const QImage alone = bare.grab().toImage().convertToFormat(QImage::Format_RGB32);
    bare.hide();

    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QApplication::processEvents();
    const QImage framed = window->grab(form.geometry()).toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(framed.size(), alone.size());
    int differ = 0;
    for (int y = 0; y < alone.height(); ++y)
        for (int x = 0; x < alone.width(); ++x)
            differ += alone.pixel(x, y) != framed.pixel(x, y);
    EXPECT_EQ(differ, 0);
}

} // namespace
