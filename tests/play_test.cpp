// The table of play, played on the Qt window with Qt Test's real mouse and
// key events, the bare form and the form in its Wayland title bar window
// alike.
#include "form_design.h"
#include "play_table.h"
#include "quiz_form.h"
#include "title_bar_window.h"

#include <QApplication>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStringListModel>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

struct PlayCase
{
    play::Play play;
    bool inTitleBarWindow = false;
};

void PrintTo(const PlayCase &c, std::ostream *out)
{
    *out << '"' << c.play.title << '"' << (c.inTitleBarWindow ? " in the title bar window" : "");
}

std::vector<PlayCase> playCases()
{
    std::vector<PlayCase> cases;
    for (const play::Play &p : play::builtInPlays(std::string(quiz::design::Assignment))) {
        cases.push_back({p, false});
        cases.push_back({p, true});
    }
    return cases;
}

std::string testName(const ::testing::TestParamInfo<PlayCase> &info)
{
    return play::testName(info.param.play.title) + (info.param.inTitleBarWindow ? "_InTitleBarWindow" : "");
}

const std::map<std::string, std::pair<Qt::Key, Qt::KeyboardModifiers>> NamedKeys = {
    {"Tab", {Qt::Key_Tab, Qt::NoModifier}},
    {"Shift+Tab", {Qt::Key_Backtab, Qt::ShiftModifier}},
    {"Up", {Qt::Key_Up, Qt::NoModifier}},
    {"Down", {Qt::Key_Down, Qt::NoModifier}},
    {"Left", {Qt::Key_Left, Qt::NoModifier}},
    {"Right", {Qt::Key_Right, Qt::NoModifier}},
    {"Home", {Qt::Key_Home, Qt::NoModifier}},
    {"End", {Qt::Key_End, Qt::NoModifier}},
    {"PageUp", {Qt::Key_PageUp, Qt::NoModifier}},
    {"PageDown", {Qt::Key_PageDown, Qt::NoModifier}},
    {"Space", {Qt::Key_Space, Qt::NoModifier}},
    {"Enter", {Qt::Key_Return, Qt::NoModifier}},
    {"KeypadEnter", {Qt::Key_Enter, Qt::KeypadModifier}},
    {"Escape", {Qt::Key_Escape, Qt::NoModifier}},
};

class PlayTest : public ::testing::TestWithParam<PlayCase>
{
protected:
    void SetUp() override
    {
        form = std::make_unique<QuizForm>();
        if (GetParam().inTitleBarWindow)
            frame = std::make_unique<TitleBarWindow>(*form);
        QWidget *shown = frame ? static_cast<QWidget *>(frame.get()) : form.get();
        shown->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(shown));
        shown->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(shown));
        window = shown->windowHandle();
        for (QRadioButton *option : form->findChildren<QRadioButton *>())
            options[option->text().toStdString()] = option;
        list = form->findChild<QListView *>();
        clear = form->findChild<QPushButton *>();
        box = form->findChild<QPlainTextEdit *>();
        ASSERT_TRUE(options.size() == 3 && list && clear && box);
    }

    void TearDown() override
    {
        frame.reset();
        form.reset();
    }

    QPoint inWindow(const QWidget *widget, QPoint at) const { return widget->mapTo(widget->window(), at); }

    QPoint rowCentre(const std::string &name) const
    {
        const QStringList rows = qobject_cast<QStringListModel *>(list->model())->stringList();
        const QModelIndex row = list->model()->index(rows.indexOf(QString::fromStdString(name)), 0);
        list->scrollTo(row);
        return inWindow(list->viewport(), list->visualRect(row).center());
    }

    void click(const QWidget *widget, QPoint at)
    {
        QTest::mouseClick(window, Qt::LeftButton, {}, inWindow(widget, at));
    }

    void act(const play::Action &action)
    {
        switch (action.kind) {
        case play::Action::Click:
            if (action.control == "type") {
                const QRadioButton *option = options.at(action.name);
                click(option, QPoint(30, option->height() / 2));
            } else if (action.control == "river") {
                QTest::mouseClick(window, Qt::LeftButton, {}, rowCentre(action.name));
            } else if (action.control == "clear") {
                click(clear, clear->rect().center());
            } else {
                click(box->viewport(), QPoint(20, 10));
            }
            break;
        case play::Action::Slide: {
            const QStringList rows = qobject_cast<QStringListModel *>(list->model())->stringList();
            QPoint at = rowCentre(action.name);
            QTest::mousePress(window, Qt::LeftButton, {}, at);
            // Over each row on the way, and over the one to go beside the list to.
            const auto slideTo = [&](const std::string &name) {
                const int from = list->currentIndex().row();
                const int to = rows.indexOf(QString::fromStdString(name));
                for (int row = from; row != to;) {
                    row += to > from ? 1 : -1;
                    at.setY(inWindow(list->viewport(), list->visualRect(list->model()->index(row, 0)).center()).y());
                    QTest::mouseMove(window, at);
                }
            };
            if (action.beyond != play::Action::No) {
                const int edge = action.beyond == play::Action::Above ? -4 : list->viewport()->height() + 4;
                const int step = action.beyond == play::Action::Above ? -8 : 8;
                const int y = inWindow(list->viewport(), QPoint(0, edge)).y();
                while ((step < 0 && at.y() + step > y) || (step > 0 && at.y() + step < y)) {
                    at.setY(at.y() + step);
                    QTest::mouseMove(window, at);
                }
                at.setY(y);
                QTest::mouseMove(window, at);
                QTest::qWait(play::HeldBeyondTheListMs);
            } else {
                slideTo(action.to);
                if (action.out) {
                    at.setX(inWindow(list, QPoint(list->width() + 12, 0)).x());
                    QTest::mouseMove(window, at);
                }
                if (!action.besideTo.empty())
                    slideTo(action.besideTo);
            }
            QTest::mouseRelease(window, Qt::LeftButton, {}, at);
            break;
        }
        case play::Action::Key:
            for (const std::string &key : action.keys) {
                if (const auto named = NamedKeys.find(key); named != NamedKeys.end()) {
                    QTest::keyClick(window, named->second.first, named->second.second);
                } else {
                    const QString typed = QString::fromStdString(key);
                    QTest::sendKeyEvent(QTest::Click, window, static_cast<Qt::Key>(typed.toUpper().at(0).unicode()),
                                        typed, Qt::NoModifier);
                }
            }
            break;
        }
    }

    play::Shown shown() const
    {
        play::Shown now;
        now.message = form->messageText();
        for (const QString &name : qobject_cast<QStringListModel *>(list->model())->stringList())
            now.rivers.push_back(name.toStdString());
        const QModelIndexList selected = list->selectionModel()->selectedRows();
        if (!selected.isEmpty())
            now.selected = selected.first().data().toString().toStdString();
        now.framed = list->currentIndex().data().toString().toStdString();
        for (const auto &[caption, option] : options) {
            if (option->isChecked())
                now.on = caption;
        }
        const QWidget *focus = QApplication::focusWidget();
        if (focus == box)
            now.focus = play::messageBoxFocus(box->textCursor().hasSelection(), box->verticalScrollBar()->value() != 0);
        else if (focus == list)
            now.focus = "list";
        else if (focus == clear)
            now.focus = "clear";
        else if (const auto *option = qobject_cast<const QRadioButton *>(focus))
            now.focus = "type " + option->text().toStdString();
        else if (focus)
            now.focus = focus->metaObject()->className();
        return now;
    }

    std::unique_ptr<QuizForm> form;
    std::unique_ptr<TitleBarWindow> frame;
    QWindow *window = nullptr;
    std::map<std::string, QRadioButton *> options;
    QListView *list = nullptr;
    QPushButton *clear = nullptr;
    QPlainTextEdit *box = nullptr;
};

TEST_P(PlayTest, ShowsWhatTheTableSays)
{
    for (const std::string &difference : play::playThrough(
             GetParam().play, [this](const play::Action &action) { act(action); }, [this] { return shown(); }))
        ADD_FAILURE() << difference;
}

INSTANTIATE_TEST_SUITE_P(Table, PlayTest, ::testing::ValuesIn(playCases()), testName);

} // namespace
