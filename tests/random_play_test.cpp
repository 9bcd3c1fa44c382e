#include "answer_key.h"
#include "quiz_form.h"

#include <QApplication>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The quiz as a pupil sees it, kept by the rules of play alone, together with
// what the controls do with the focus and the list's framed row, as Windows'
// list box and option buttons do.
struct Model
{
    enum Focus { Box, List, Clear, Type0, Type1, Type2 };

    QStringList names = answer_key::Names;
    int on = -1; // the type button that is on
    bool typeChosen = false;
    int chosenType = -1;
    bool logCleared = false;
    QString text;
    int focus = Box;
    int current = 0; // the list's framed row, which is not its selection

    // The type button that Tab and Shift+Tab land on: the one that is on, or
    // the first.
    int groupStop() const { return Type0 + (on == -1 ? 0 : on); }

    void turnOn(int type)
    {
        on = type;
        typeChosen = true;
        chosenType = type;
        if (!logCleared) {
            logCleared = true;
            text.clear();
        }
    }

    // The row is selected and framed. An answer takes it out, and the frame
    // stays where it stood, or goes to the new last row; a pick without a
    // type is taken back and the frame stays.
    void select(int row)
    {
        current = row;
        if (!typeChosen)
            return;
        text.prepend(answer_key::verdict(names[row], answer_key::Captions[chosenType]));
        typeChosen = false;
        on = -1;
        names.removeAt(row);
        current = std::min(row, static_cast<int>(names.size()) - 1);
    }

    void clear()
    {
        names = answer_key::Names;
        on = -1;
        typeChosen = false;
        chosenType = -1;
        logCleared = false;
        text = QStringLiteral("Нов избор");
        current = 0;
    }

    void tab()
    {
        switch (focus) {
        case Box:
            focus = List;
            break;
        case List:
            focus = Clear;
            break;
        case Clear:
            focus = groupStop();
            break;
        default:
            focus = Box;
        }
    }

    void backTab()
    {
        switch (focus) {
        case Box:
            focus = groupStop();
            break;
        case List:
            focus = Box;
            break;
        case Clear:
            focus = List;
            break;
        default:
            focus = Clear;
        }
    }

    // The arrow keys in the group go to the next or the previous button,
    // round the group, and turn it on.
    void arrowInGroup(int step)
    {
        const int to = (focus - Type0 + step + 3) % 3;
        if (on != to)
            turnOn(to);
        focus = Type0 + to;
    }

    // The row that an arrow key or Space answers in the list, or -1: nothing
    // is ever left selected, so it is always the framed row, or the first
    // when none is framed.
    int rowForListKey() const
    {
        if (names.isEmpty())
            return -1;
        return current == -1 ? 0 : current;
    }

    // The row that a letter answers in the list, or -1: the next name after
    // the framed row that starts with it, round to the top.
    int rowForLetter(const QString &letter) const
    {
        const int count = static_cast<int>(names.size());
        for (int step = 1; step <= count; ++step) {
            const int row = (current + step) % count;
            if (names[row].startsWith(letter, Qt::CaseInsensitive))
                return row;
        }
        return -1;
    }
};

class RandomPlay
{
public:
    explicit RandomPlay(unsigned seed)
        : random(seed)
        , form(std::make_unique<QuizForm>())
    {
        form->show();
        form->activateWindow();
        ready = QTest::qWaitForWindowActive(form.get());
        auto found = form->findChildren<QRadioButton *>();
        options.assign(found.begin(), found.end());
        std::sort(options.begin(), options.end(), [](auto *a, auto *b) { return a->y() < b->y(); });
        list = form->findChild<QListView *>();
        clearButton = form->findChild<QPushButton *>();
        box = form->findChild<QPlainTextEdit *>();
        // Another test holds the assignment to its words.
        model.text = box->toPlainText();
    }

    bool ready = false;
    std::string log;

    // Sends one random event that a pupil could make, and lets the model
    // follow it.
    void step()
    {
        std::vector<int> choices = {0, 1, 2, 3, 4, 15, 16};
        if (model.focus >= Model::Type0 || model.focus == Model::Clear)
            choices.push_back(5);
        if (model.focus >= Model::Type0)
            choices.insert(choices.end(), {6, 7, 8});
        if (model.focus == Model::List)
            choices.insert(choices.end(), {9, 10, 11, 12, 9, 10, 13, 13, 14});
        switch (choices[std::uniform_int_distribution<std::size_t>(0, choices.size() - 1)(random)]) {
        case 0:
        case 1: {
            const int type = std::uniform_int_distribution<int>(0, 2)(random);
            note("click type " + std::to_string(type));
            const int x = std::uniform_int_distribution<int>(1, options[type]->width() - 2)(random);
            QTest::mouseClick(options[type], Qt::LeftButton, {}, QPoint(x, options[type]->height() / 2));
            model.focus = Model::Type0 + type;
            if (model.on != type)
                model.turnOn(type);
            break;
        }
        case 2: {
            const std::vector<int> rows = visibleRows();
            if (rows.empty()) {
                note("(no row to click)");
                break;
            }
            const int row = rows[std::uniform_int_distribution<std::size_t>(0, rows.size() - 1)(random)];
            note("click row " + std::to_string(row));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualRect(list->model()->index(row, 0)).center());
            model.focus = Model::List;
            model.select(row);
            break;
        }
        case 3:
            if (std::uniform_int_distribution<int>(0, 5)(random) != 0) {
                note("(skip clear)");
                break;
            }
            note("click clear");
            QTest::mouseClick(clearButton, Qt::LeftButton);
            model.focus = Model::Clear;
            model.clear();
            break;
        case 4:
            key(Qt::Key_Tab, "Tab");
            model.tab();
            break;
        case 5:
            key(Qt::Key_Space, "Space");
            if (model.focus == Model::Clear)
                model.clear();
            else if (model.on != model.focus - Model::Type0)
                model.turnOn(model.focus - Model::Type0);
            break;
        case 6:
            key(Qt::Key_Down, "Down");
            model.arrowInGroup(+1);
            break;
        case 7:
            key(Qt::Key_Up, "Up");
            model.arrowInGroup(-1);
            break;
        case 8:
            if (std::uniform_int_distribution<int>(0, 1)(random)) {
                key(Qt::Key_Left, "Left");
                model.arrowInGroup(-1);
            } else {
                key(Qt::Key_Right, "Right");
                model.arrowInGroup(+1);
            }
            break;
        case 13: {
            // The first letters of some names, a small one, and two that start none.
            static const QStringList letters = {"А", "д", "Е", "Т", "н", "Я", "q"};
            const QString letter = letters[std::uniform_int_distribution<int>(0, letters.size() - 1)(random)];
            note("letter " + letter.toStdString());
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(),
                                static_cast<Qt::Key>(letter.toUpper().at(0).unicode()), letter, Qt::NoModifier);
            const int row = model.rowForLetter(letter);
            if (row != -1)
                model.select(row);
            break;
        }
        case 14: {
            // No button but the left one does anything on the list.
            const std::vector<int> rows = visibleRows();
            if (rows.empty())
                break;
            static const Qt::MouseButton buttons[]
                = {Qt::RightButton, Qt::MiddleButton, Qt::BackButton, Qt::ForwardButton};
            const int row = rows[std::uniform_int_distribution<std::size_t>(0, rows.size() - 1)(random)];
            note("other button on row " + std::to_string(row));
            QTest::mouseClick(list->viewport(), buttons[std::uniform_int_distribution<int>(0, 3)(random)], {},
                              list->visualRect(list->model()->index(row, 0)).center());
            break;
        }
        case 15:
            note("Shift+Tab");
            QTest::keyClick(form->windowHandle(), Qt::Key_Backtab, Qt::ShiftModifier);
            model.backTab();
            break;
        case 16: {
            // Pressed on one row, slid over others, released on the last or
            // beside the list at its height.
            const std::vector<int> rows = visibleRows();
            if (rows.empty()) {
                note("(no row to slide on)");
                break;
            }
            const auto any
                = [&] { return rows[std::uniform_int_distribution<std::size_t>(0, rows.size() - 1)(random)]; };
            const int from = any();
            const int to = any();
            const bool out = std::uniform_int_distribution<int>(0, 1)(random);
            note("slide from row " + std::to_string(from) + " to " + std::to_string(to) + (out ? " and out" : ""));
            const auto centre = [&](int row) { return list->visualRect(list->model()->index(row, 0)).center(); };
            QTest::mousePress(list->viewport(), Qt::LeftButton, {}, centre(from));
            for (int row = from; row != to;) {
                row += to > from ? 1 : -1;
                QTest::mouseMove(list->viewport(), centre(row));
            }
            QPoint release = centre(to);
            if (out) {
                release.setX(list->viewport()->width() + 20);
                QTest::mouseMove(list->viewport(), release);
            }
            QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, release);
            model.focus = Model::List;
            model.select(to);
            break;
        }
        default: {
            static const int keys[] = {Qt::Key_Down,   Qt::Key_Up,       Qt::Key_Home, Qt::Key_End,
                                       Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Space};
            static const char *const keyNames[] = {"Down", "Up", "Home", "End", "PageUp", "PageDown", "Space"};
            const int which = std::uniform_int_distribution<int>(0, 6)(random);
            key(keys[which], keyNames[which]);
            const int row = model.rowForListKey();
            if (row != -1)
                model.select(row);
        }
        }
    }

    // Empty when the window shows what the model says; else what differs.
    std::string mismatch() const
    {
        std::ostringstream out;
        const QString shown = box->toPlainText();
        if (shown != model.text)
            out << "message box shows \"" << shown.left(80).toStdString() << "\" (" << shown.size()
                << " characters), expected \"" << model.text.left(80).toStdString() << "\" (" << model.text.size()
                << "); ";
        const QStringList rows = qobject_cast<QStringListModel *>(list->model())->stringList();
        if (rows != model.names)
            out << "river list has " << rows.size() << " rows, expected " << model.names.size() << "; ";
        for (int i = 0; i < 3; ++i) {
            if (options[i]->isChecked() != (model.on == i))
                out << "type button " << i << (options[i]->isChecked() ? " on" : " off") << "; ";
        }
        if (list->selectionModel()->hasSelection())
            out << "a row is selected; ";
        const int current = list->currentIndex().isValid() ? list->currentIndex().row() : -1;
        if (current != model.current)
            out << "current row " << current << ", expected " << model.current << "; ";
        if (QApplication::focusWidget() != focusWidget(model.focus))
            out << "focus on "
                << (QApplication::focusWidget() ? QApplication::focusWidget()->metaObject()->className() : "nothing")
                << ", expected " << focusWidget(model.focus)->metaObject()->className() << "; ";
        if (form->listCount(0) != form->listCount(1))
            out << "working lists of " << form->listCount(0) << " and " << form->listCount(1) << " entries; ";
        return out.str();
    }

private:
    void note(const std::string &event) { log += event + ", "; }

    void key(int key, const char *name)
    {
        note(name);
        QTest::keyClick(form->windowHandle(), static_cast<Qt::Key>(key));
    }

    std::vector<int> visibleRows() const
    {
        std::vector<int> rows;
        const QRect inside = list->viewport()->rect();
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            if (inside.contains(list->visualRect(list->model()->index(row, 0))))
                rows.push_back(row);
        }
        return rows;
    }

    QWidget *focusWidget(int focus) const
    {
        switch (focus) {
        case Model::Box:
            return box;
        case Model::List:
            return list;
        case Model::Clear:
            return clearButton;
        default:
            return options[focus - Model::Type0];
        }
    }

    std::mt19937 random;
    Model model;
    std::unique_ptr<QuizForm> form;
    std::vector<QRadioButton *> options;
    QListView *list = nullptr;
    QPushButton *clearButton = nullptr;
    QPlainTextEdit *box = nullptr;
};

int fromEnvironment(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

// Fixed seeds, 2000 events each; RMQ_RANDOM_PLAY_SEEDS and
// RMQ_RANDOM_PLAY_EVENTS make a longer run, RMQ_RANDOM_PLAY_FIRST_SEED another.
TEST(RandomPlay, TheWindowAlwaysShowsWhatTheRulesSay)
{
    const int seeds = fromEnvironment("RMQ_RANDOM_PLAY_SEEDS", 10);
    const int events = fromEnvironment("RMQ_RANDOM_PLAY_EVENTS", 2000);
    const int first = fromEnvironment("RMQ_RANDOM_PLAY_FIRST_SEED", 1);
    for (int seed = first; seed < first + seeds; ++seed) {
        RandomPlay play(static_cast<unsigned>(seed));
        ASSERT_TRUE(play.ready);
        const std::string atStart = play.mismatch();
        ASSERT_TRUE(atStart.empty()) << "at the start: " << atStart;
        for (int i = 0; i < events; ++i) {
            play.step();
            const std::string wrong = play.mismatch();
            ASSERT_TRUE(wrong.empty()) << wrong << "\nseed " << seed << ", event " << i + 1
                                       << "; the events: " << play.log;
        }
    }
}

} // namespace
