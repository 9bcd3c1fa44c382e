// The window's pixels as the screen shows them, at whatever scale and under
// whatever desktop palette the run is given: CTest runs these at 100 % to
// 200 % and on a dark desktop.
#include "design_colour.h"
#include "form_design.h"
#include "quiz_form.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

namespace design = quiz::design;

double luminance(const QColor &c)
{
    const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

// The contrast ratio of two colours, 1 to 21; 4.5 is readable text.
double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::string describe(const QColor &c)
{
    return "(" + std::to_string(c.red()) + "," + std::to_string(c.green()) + "," + std::to_string(c.blue()) + ")";
}

class Look : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form = std::make_unique<QuizForm>();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        list = form->findChild<QListView *>();
        box = form->findChild<QPlainTextEdit *>();
        frame = form->findChild<QGroupBox *>();
        clear = form->findChild<QPushButton *>();
        ASSERT_TRUE(list && box && frame && clear);
        for (QRadioButton *b : form->findChildren<QRadioButton *>())
            options.push_back(b);
        ASSERT_EQ(options.size(), 3u);
    }

    // What the screen shows of the window now, in the screen's pixels.
    QImage shot()
    {
        QApplication::processEvents();
        form->repaint();
        QImage image = form->grab().toImage();
        return image.convertToFormat(QImage::Format_RGB32);
    }

    qreal ratio() const { return form->devicePixelRatio(); }

    // A control's rectangle in the screen's pixels, as Qt clips it.
    QRect onScreen(const QWidget *widget) const
    {
        const QRect r(widget->mapTo(form.get(), QPoint()), widget->size());
        return {(QPointF(r.topLeft()) * ratio()).toPoint(), (QSizeF(r.size()) * ratio()).toSize()};
    }

    QPoint device(const QWidget *widget, QPoint logical) const
    {
        return (QPointF(widget->mapTo(form.get(), logical)) * ratio()).toPoint();
    }

    // The pixel of the area whose colour stands out most from the background.
    static QColor strongest(const QImage &image, const QRect &area, const QColor &background)
    {
        QColor best = background;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (contrast(c, background) > contrast(best, background))
                    best = c;
            }
        return best;
    }

    std::unique_ptr<QuizForm> form;
    QListView *list = nullptr;
    QPlainTextEdit *box = nullptr;
    QGroupBox *frame = nullptr;
    QPushButton *clear = nullptr;
    std::vector<QRadioButton *> options;
};

TEST_F(Look, TheListAndTheBoxHaveWholeBordersAndNoForeignColourInside)
{
    const QImage image = shot();
    const QColor foreign[] = {colour(design::WindowColour), colour(design::LabelColour)};
    for (QWidget *widget : {static_cast<QWidget *>(list), static_cast<QWidget *>(box)}) {
        SCOPED_TRACE(widget->metaObject()->className());
        const QRect r = onScreen(widget);
        const QColor border = image.pixelColor(r.topLeft());
        for (const QColor &f : foreign)
            EXPECT_NE(border, f) << "the border is missing at the top left";
        // Each side's outermost pixels all in the border's colour.
        int broken = 0;
        for (int x = r.left(); x <= r.right(); ++x)
            broken += (image.pixelColor(x, r.top()) != border) + (image.pixelColor(x, r.bottom()) != border);
        for (int y = r.top(); y <= r.bottom(); ++y)
            broken += (image.pixelColor(r.left(), y) != border) + (image.pixelColor(r.right(), y) != border);
        EXPECT_EQ(broken, 0) << "pixels of the outermost ring not in the border's colour " << describe(border);
        // Nothing of the window or the heading anywhere inside.
        int strays = 0;
        QPoint first;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c == foreign[0] || c == foreign[1]) {
                    if (strays++ == 0)
                        first = QPoint(x - r.left(), y - r.top());
                }
            }
        EXPECT_EQ(strays, 0) << "first at " << first.x() << "," << first.y();
    }
}

TEST_F(Look, TheFrameHasAnEtchedLineOfADarkAndALightHalf)
{
    const QImage image = shot();
    const int line = std::max(1, static_cast<int>(std::floor(ratio())));
    const QRect r = onScreen(frame);
    const QColor shadow = colour(design::EdgeShadow);
    const QColor highlight = colour(design::EdgeHighlight);
    const QColor face = colour(design::FrameColour);
    const int middle = r.center().y();
    // From the left: dark, light, then the frame's colour.
    EXPECT_EQ(image.pixelColor(r.left(), middle), shadow);
    EXPECT_EQ(image.pixelColor(r.left() + line, middle), highlight);
    EXPECT_EQ(image.pixelColor(r.left() + 2 * line, middle), face);
    // From the bottom up: light, dark, then the frame's colour.
    const int x = r.left() + r.width() / 2;
    EXPECT_EQ(image.pixelColor(x, r.bottom()), highlight);
    EXPECT_EQ(image.pixelColor(x, r.bottom() - line), shadow);
    EXPECT_EQ(image.pixelColor(x, r.bottom() - 2 * line), face);
}

TEST_F(Look, ClearKeepsItsFaceInEveryStateLooksPressedAndShowsTheFocus)
{
    const QColor face = colour(design::ClearColour);
    const QRect r = onScreen(clear);
    const QPoint inner = r.topLeft() + QPoint(2, 2) * std::max(1, static_cast<int>(std::floor(ratio())));
    const QPoint faceAt = device(clear, QPoint(8, clear->height() / 2));
    struct State
    {
        const char *name;
        bool focused;
        bool down;
    };
    const State states[] = {{"released", false, false},
                            {"pressed", false, true},
                            {"focused", true, false},
                            {"focused and pressed", true, true}};
    QColor releasedEdge;
    QColor pressedEdge;
    for (const State &s : states) {
        SCOPED_TRACE(s.name);
        if (s.focused)
            clear->setFocus(Qt::TabFocusReason);
        else
            box->setFocus(Qt::TabFocusReason);
        clear->setDown(s.down);
        const QImage image = shot();
        EXPECT_EQ(image.pixelColor(faceAt), face);
        const QColor edge = image.pixelColor(r.topLeft());
        const QColor innerEdge = image.pixelColor(inner - QPoint(1, 1));
        if (!s.focused)
            (s.down ? pressedEdge : releasedEdge) = edge;
        else
            EXPECT_GE(contrast(edge, face), 4.5) << "no outline round the focused button";
        if (!s.down) {
            EXPECT_NE(innerEdge, face) << "the raised edge is drawn in the face's colour";
        }
        // The focus mark: a dotted line in the caption's colour inside the edge.
        const QRect inside = r.adjusted(r.width() / 40 + 3, 3, -r.width() / 40 - 3, -3);
        bool dotted = false;
        for (int y = inside.top(); y < inside.top() + 4 * ratio() && !dotted; ++y)
            for (int x = inside.left() + inside.width() / 3; x < inside.right() - inside.width() / 3; ++x)
                dotted |= image.pixelColor(x, y) == colour(design::CaptionColour);
        EXPECT_EQ(dotted, s.focused) << "the dotted focus mark";
    }
    clear->setDown(false);
    EXPECT_GT(luminance(releasedEdge), luminance(pressedEdge) + 0.2)
        << "released " << describe(releasedEdge) << ", pressed " << describe(pressedEdge);
}

TEST_F(Look, EveryColouredControlKeepsAReadableTextAndIndicator)
{
    options[1]->setChecked(true);
    clear->setFocus(Qt::TabFocusReason);
    const QImage image = shot();
    struct Area
    {
        const char *what;
        QWidget *widget;
        QRect logical;
        QColor background;
    };
    const auto labels = form->findChildren<QLabel *>();
    ASSERT_EQ(labels.size(), 2);
    std::vector<Area> areas = {
        {"heading", labels[0], labels[0]->rect(), colour(design::LabelColour)},
        {"list heading", labels[1], labels[1]->rect(), colour(design::LabelColour)},
        {"frame caption", frame, QRect(4, 0, 80, 18), colour(design::FrameColour)},
        {"river list", list, QRect(2, 2, 120, 40), colour(design::ActiveTitleBarStandIn)},
        {"Изчисти", clear, clear->rect().adjusted(8, 6, -8, -6), colour(design::ClearColour)},
    };
    for (QRadioButton *option : options)
        areas.push_back({"type button caption", option, QRect(20, 0, option->width() - 20, option->height()),
                         colour(design::OptionColour)});
    for (const Area &a : areas) {
        SCOPED_TRACE(a.what);
        const QRect device(onScreen(a.widget).topLeft() + (QPointF(a.logical.topLeft()) * ratio()).toPoint(),
                           (QSizeF(a.logical.size()) * ratio()).toSize());
        EXPECT_EQ(image.pixelColor(device.topLeft() + QPoint(1, 1)), a.background);
        const QColor text = strongest(image, device, a.background);
        EXPECT_GE(contrast(text, a.background), 4.5) << describe(text) << " on " << describe(a.background);
    }

    // The circles: a light well on the band, and a dark dot in the one that is on.
    const QColor well = colour(design::IndicatorWellColour);
    for (std::size_t i = 0; i < options.size(); ++i) {
        SCOPED_TRACE(i);
        QStyleOptionButton opt;
        opt.initFrom(options[i]);
        const QRect indicator = options[i]->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &opt, options[i]);
        const QColor centre = image.pixelColor(device(options[i], indicator.center()));
        if (options[i]->isChecked()) {
            EXPECT_GE(contrast(centre, well), 4.5) << "the dot is " << describe(centre);
        } else {
            EXPECT_LT(contrast(centre, well), 1.5) << "the well is " << describe(centre);
            EXPECT_GE(contrast(centre, colour(design::OptionColour)), 2.0) << "the well does not stand out";
        }
    }
}

} // namespace
