#include "quiz_form.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Enter on a focused "Изчисти" presses it as Space does: down while the key
// is held, a click when it is let go.
struct EnterKey
{
    const char *name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

void PrintTo(const EnterKey &key, std::ostream *out)
{
    *out << key.name;
}

class ClearByKey : public ::testing::TestWithParam<EnterKey>
{
};

TEST_P(ClearByKey, PressesItAndStartsOver)
{
    QuizForm form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    auto *clear = form.findChild<QPushButton *>();
    auto *box = form.findChild<QPlainTextEdit *>();
    const auto types = form.findChildren<QRadioButton *>();
    ASSERT_TRUE(clear && box && !types.isEmpty());
    QTest::mouseClick(types[0], Qt::LeftButton, {}, QPoint(30, types[0]->height() / 2));
    ASSERT_EQ(box->toPlainText(), QString());

    clear->setFocus(Qt::TabFocusReason);
    QSignalSpy clicks(clear, &QPushButton::clicked);
    QTest::keyPress(clear, GetParam().key, GetParam().modifiers);
    EXPECT_TRUE(clear->isDown()) << "the key held down shows the button pressed";
    EXPECT_EQ(clicks.count(), 0);
    QTest::keyRelease(clear, GetParam().key, GetParam().modifiers);
    EXPECT_FALSE(clear->isDown());
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(box->toPlainText(), QStringLiteral("Нов избор"));
    EXPECT_FALSE(types[0]->isChecked());
}

INSTANTIATE_TEST_SUITE_P(EnterKeys, ClearByKey,
                         ::testing::Values(EnterKey {"Return", Qt::Key_Return, Qt::NoModifier},
                                           EnterKey {"KeypadEnter", Qt::Key_Enter, Qt::KeypadModifier},
                                           EnterKey {"Space", Qt::Key_Space, Qt::NoModifier}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
