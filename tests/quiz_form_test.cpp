#include "announcer.h"
#include "answer_key.h"
#include "config.h"
#include "quiz_form.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QScrollBar>
#include <QStringListModel>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <vector>

// Texts in failure messages as text.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList &texts, std::ostream *out)
{
    *out << '{' << texts.join(QStringLiteral(", ")).toStdString() << '}';
}

namespace {

const QString NewRound = QStringLiteral("Нов избор");

using answer_key::verdict;

template<typename T> std::vector<T *> byPosition(const QWidget &parent)
{
    auto found = parent.findChildren<T *>();
    std::vector<T *> widgets(found.begin(), found.end());
    std::sort(widgets.begin(), widgets.end(), [](const T *a, const T *b) {
        return std::pair(a->mapTo(a->window(), QPoint()).y(), a->mapTo(a->window(), QPoint()).x())
            < std::pair(b->mapTo(b->window(), QPoint()).y(), b->mapTo(b->window(), QPoint()).x());
    });
    return widgets;
}

class QuizFormTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form = std::make_unique<QuizForm>();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));

        options = byPosition<QRadioButton>(*form);
        labels = byPosition<QLabel>(*form);
        ASSERT_EQ(options.size(), 3u);
        ASSERT_EQ(labels.size(), 2u);
        frame = form->findChild<QGroupBox *>();
        list = form->findChild<QListView *>();
        clear = form->findChild<QPushButton *>();
        box = form->findChild<QPlainTextEdit *>();
        ASSERT_TRUE(frame && list && clear && box);
        ASSERT_EQ(form->findChildren<QListView *>().size(), 1);
    }

    void clickType(int index)
    {
        QRadioButton *option = options.at(static_cast<std::size_t>(index));
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(30, option->height() / 2));
    }

    void clickRow(int row)
    {
        const QModelIndex index = list->model()->index(row, 0);
        list->scrollTo(index);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
    }

    void clickClear() { QTest::mouseClick(clear, Qt::LeftButton); }

    // Tab round the window until the list has the focus, as a pupil would.
    void tabIntoList()
    {
        for (int i = 0; i < 6 && QApplication::focusWidget() != list; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), list);
    }

    void typeLetter(const QString &letter)
    {
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(),
                            static_cast<Qt::Key>(letter.toUpper().at(0).unicode()), letter, Qt::NoModifier);
    }

    QStringList rows() const { return qobject_cast<QStringListModel *>(list->model())->stringList(); }
    QString text() const { return box->toPlainText(); }
    bool anyTypeOn() const
    {
        return std::any_of(options.begin(), options.end(), [](const QRadioButton *b) { return b->isChecked(); });
    }
    // The frame may stay on a row, as in a list box; a selection may not.
    bool listShowsNoChoice() const { return !list->selectionModel()->hasSelection(); }
    int framedRow() const { return list->currentIndex().isValid() ? list->currentIndex().row() : -1; }

    std::unique_ptr<QuizForm> form;
    std::vector<QRadioButton *> options;
    std::vector<QLabel *> labels;
    QGroupBox *frame = nullptr;
    QListView *list = nullptr;
    QPushButton *clear = nullptr;
    QPlainTextEdit *box = nullptr;
};

TEST_F(QuizFormTest, OpensWithTheFullListNothingChosenAndTheAssignment)
{
    EXPECT_EQ(rows(), answer_key::Names);
    EXPECT_TRUE(listShowsNoChoice());
    EXPECT_FALSE(anyTypeOn());
    const std::string assignment = form->messageText();
    EXPECT_EQ(QString::fromStdString(assignment).size(), 947);
    EXPECT_EQ(
        assignment.rfind("Да се състави проект, представящ междупредметна връзка География и Информатика. \r\n", 0),
        0u);
    EXPECT_NE(assignment.find("\r\n\r\nКомандният бутон \"Изчисти\" дава възможност за начална инициализация. \r\n"),
              std::string::npos);
    EXPECT_TRUE(assignment.ends_with("пясъчна коса.\r\n"));
    EXPECT_EQ(box->verticalScrollBar()->value(), 0) << "the box shows its first line";
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
}

TEST_F(QuizFormTest, AFullGamePlayedWithTheMouse)
{
    const QStringList &captions = answer_key::Captions;
    QString expected;
    for (int turn = 0; turn < 19; ++turn) {
        const int type = turn % 3;
        const int row = (turn * 7) % rows().size();
        const QString name = rows().at(row);
        SCOPED_TRACE(name.toStdString());
        clickType(type);
        EXPECT_TRUE(options[type]->isChecked());
        clickRow(row);
        expected.prepend(verdict(name, captions[type]));
        EXPECT_EQ(text(), expected);
        EXPECT_FALSE(rows().contains(name));
        EXPECT_FALSE(anyTypeOn());
        EXPECT_TRUE(listShowsNoChoice());
    }
    EXPECT_TRUE(rows().isEmpty());

    clickClear();
    EXPECT_EQ(text(), NewRound);
    EXPECT_EQ(rows(), answer_key::Names);
    EXPECT_TRUE(listShowsNoChoice());
}

TEST_F(QuizFormTest, APickWithoutAChosenTypeIsTakenBack)
{
    clickRow(4);
    EXPECT_TRUE(listShowsNoChoice());
    EXPECT_EQ(rows(), answer_key::Names);
    EXPECT_EQ(text().size(), 947 - 10) << "the assignment stands as it was, its ten CRs aside";

    clickType(0);
    EXPECT_EQ(text(), QString());
    clickRow(4);
    clickRow(5);
    EXPECT_EQ(text(), QStringLiteral("Вярно. Устието на Волга е делта.\n"));
    EXPECT_TRUE(rows().contains(QStringLiteral("Ганг")));
    EXPECT_TRUE(listShowsNoChoice());
}

TEST_F(QuizFormTest, TurningAButtonOffFromTheProgramIsNoChoice)
{
    // "Изчисти" turns the chosen button off. Were that taken for a choice, it
    // would use up the one emptying of the box that follows every reset.
    clickType(1);
    ASSERT_TRUE(options[1]->isChecked());
    clickClear();
    EXPECT_FALSE(anyTypeOn());
    EXPECT_EQ(text(), NewRound);
    clickType(2);
    EXPECT_EQ(text(), QString());
    clickRow(0);
    EXPECT_EQ(text(), QStringLiteral("Грешка! Устието на Амур не е лиман.\n"));
}

TEST_F(QuizFormTest, ATypeButtonTakesAClickAnywhereOnItsBand)
{
    for (int type = 0; type < 3; ++type) {
        QTest::mouseClick(options[type], Qt::LeftButton, {}, QPoint(options[type]->width() - 3, 10));
        EXPECT_TRUE(options[type]->isChecked()) << type;
    }
}

TEST_F(QuizFormTest, TheLastOfTwoChoicesCounts)
{
    clickType(0);
    clickType(2);
    EXPECT_FALSE(options[0]->isChecked());
    clickRow(2);
    EXPECT_EQ(text(), QStringLiteral("Вярно. Устието на Бургаско езеро е лиман.\n"));
}

TEST_F(QuizFormTest, AClickOnTheRowHeldAsCurrentStillCounts)
{
    list->setFocus(Qt::TabFocusReason);
    list->selectionModel()->setCurrentIndex(list->model()->index(0, 0), QItemSelectionModel::NoUpdate);
    clickType(1);
    clickRow(0);
    EXPECT_EQ(text(), QStringLiteral("Вярно. Устието на Амур е естуар.\n"));
}

TEST_F(QuizFormTest, ASelectionTheProgramMakesIsAPickToo)
{
    clickType(2);
    form->selectInList(0, 3);
    EXPECT_EQ(text(), QStringLiteral("Вярно. Устието на Варненско езеро е лиман.\n"));
    EXPECT_TRUE(listShowsNoChoice());
    form->selectInList(1, 3);
    form->selectInList(0, 3);
    EXPECT_EQ(text(), QStringLiteral("Вярно. Устието на Варненско езеро е лиман.\n"));
    EXPECT_EQ(rows().size(), 18);
}

TEST_F(QuizFormTest, TheKeyboardPlaysTooAndTabbingIntoTheListPicksNothing)
{
    EXPECT_EQ(QApplication::focusWidget(), box) << "the message box has the focus at the start";

    // Tab to the type buttons: list, "Изчисти", buttons.
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), options[0]);
    QTest::keyClick(options[0], Qt::Key_Space);
    EXPECT_TRUE(options[0]->isChecked());
    EXPECT_EQ(text(), QString()) << "Space turned the button on and reached the game";
    QTest::keyClick(options[0], Qt::Key_Down);
    EXPECT_TRUE(options[1]->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), options[1]);

    // Back round to the list; landing there selects nothing.
    for (int i = 0; i < 2; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), list);
    EXPECT_FALSE(list->selectionModel()->hasSelection());
    EXPECT_EQ(text(), QString());
    EXPECT_EQ(rows(), answer_key::Names);

    ASSERT_EQ(framedRow(), 0);

    // The first key answers the framed row, wherever the key would move.
    QTest::keyClick(list, Qt::Key_End);
    EXPECT_EQ(text(), QStringLiteral("Вярно. Устието на Амур е естуар.\n"));
    EXPECT_FALSE(rows().contains(QStringLiteral("Амур")));
    EXPECT_TRUE(listShowsNoChoice());

    // With no type chosen an arrow key's pick is only taken back.
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_TRUE(listShowsNoChoice());
    EXPECT_EQ(rows().size(), 18);
}

TEST_F(QuizFormTest, TabGoesFromTheBoxToTheListToClearToTheTypesAndBack)
{
    std::vector<QWidget *> visited;
    QWidget *start = QApplication::focusWidget();
    ASSERT_EQ(start, box);
    do {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget());
    } while (QApplication::focusWidget() != start && visited.size() < 10);
    ASSERT_GE(visited.size(), 4u);
    EXPECT_EQ(visited[0], list);
    EXPECT_EQ(visited[1], clear);
    for (std::size_t i = 2; i + 1 < visited.size(); ++i)
        EXPECT_TRUE(std::find(options.begin(), options.end(), visited[i]) != options.end()) << i;
    EXPECT_EQ(visited.back(), box);
}

TEST_F(QuizFormTest, TheWindowHasItsTitleAndAFixedSize)
{
    EXPECT_EQ(form->windowTitle(),
              QString::fromUtf8(config::PublisherUrl) + QStringLiteral(" География - вид устие на река"));
    EXPECT_EQ(form->size(), QSize(461, 345));
    EXPECT_EQ(form->minimumSize(), QSize(461, 345));
    EXPECT_EQ(form->maximumSize(), QSize(461, 345));
    const Qt::WindowFlags flags = form->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(form->windowIcon().isNull());
    EXPECT_TRUE(form->windowIcon().availableSizes().contains(QSize(32, 32)));
}

// The icon is the picture of its files, the design's 32 pixels and the
// 16-pixel rendition, as Qt draws an icon read from them, at every size a
// desktop asks for and on a screen scaled or not.
TEST_F(QuizFormTest, TheWindowHasTheIconFilesPicture)
{
    // Made of pixmaps as the program's is: Qt picks among the pictures of an
    // icon made of files by other rules (since Qt 6.8, the 16-px picture for
    // 32 and 48 px).
    QIcon fromFile;
    fromFile.addPixmap(QPixmap(QStringLiteral(RMQ_ICON_FOLDER "/river-mouth-quiz-32.png")));
    fromFile.addPixmap(QPixmap(QStringLiteral(RMQ_ICON_FOLDER "/river-mouth-quiz-16.png")));
    ASSERT_FALSE(fromFile.isNull());
    EXPECT_EQ(form->windowIcon().availableSizes(), fromFile.availableSizes());
    for (const int side : {16, 32, 48}) {
        for (const qreal ratio : {1.0, form->devicePixelRatioF(), 2.0}) {
            SCOPED_TRACE(testing::Message() << side << " px at " << ratio);
            const QImage shown = form->windowIcon().pixmap(QSize(side, side), ratio).toImage();
            const QImage drawn = fromFile.pixmap(QSize(side, side), ratio).toImage();
            ASSERT_FALSE(drawn.isNull());
            EXPECT_EQ(shown.size(), drawn.size());
            EXPECT_TRUE(shown.convertToFormat(QImage::Format_ARGB32) == drawn.convertToFormat(QImage::Format_ARGB32));
        }
    }
}

TEST_F(QuizFormTest, EveryControlStandsWhereTheLayoutPutsIt)
{
    struct Place
    {
        QWidget *widget;
        QRect twips;
        QString text;
    };
    const Place places[] = {
        {labels[0], {480, 0, 5895, 375}, QStringLiteral("География - устие на река - делта, естуар")},
        {frame, {120, 480, 2175, 1335}, QStringLiteral("Устие на река")},
        {options[0], {120, 300, 1935, 300}, QStringLiteral("делта")},
        {options[1], {120, 600, 1935, 300}, QStringLiteral("естуар")},
        {options[2], {120, 900, 1935, 300}, QStringLiteral("лиман")},
        {labels[1], {2760, 480, 3975, 375}, QStringLiteral("Имена на реки")},
        {list, {2760, 840, 3975, 1485}, QString()},
        {clear, {3960, 2520, 1695, 375}, QStringLiteral("Изчисти")},
        {box, {120, 3120, 6735, 1815}, QString()},
    };
    for (const Place &p : places) {
        SCOPED_TRACE(p.widget->metaObject()->className() + (" " + p.text.toStdString()));
        const QRect pixels(p.twips.x() / 15, p.twips.y() / 15, p.twips.width() / 15, p.twips.height() / 15);
        EXPECT_EQ(p.widget->geometry(), pixels);
        if (auto *label = qobject_cast<QLabel *>(p.widget)) {
            EXPECT_EQ(label->text(), p.text);
            EXPECT_TRUE(label->alignment() & Qt::AlignHCenter);
        } else if (auto *button = qobject_cast<QAbstractButton *>(p.widget)) {
            EXPECT_EQ(button->text(), p.text);
        } else if (auto *group = qobject_cast<QGroupBox *>(p.widget)) {
            EXPECT_EQ(group->title(), p.text);
        }
    }
    for (QRadioButton *option : options)
        EXPECT_EQ(option->parentWidget(), frame);
}

TEST_F(QuizFormTest, EachControlIsPaintedInItsOwnColour)
{
    const QImage image = form->grab().toImage();
    const qreal dpr = image.devicePixelRatio();
    struct Sample
    {
        const char *what;
        QPoint point;
        QColor colour;
    };
    // Each point lies inside its control and clear of its text and borders.
    const Sample samples[] = {
        {"window", {4, 4}, {192, 192, 255}},        {"window below the frame", {100, 160}, {192, 192, 255}},
        {"title strip", {36, 12}, {255, 192, 128}}, {"list heading", {188, 46}, {255, 192, 128}},
        {"frame", {148, 100}, {128, 255, 255}},     {"делта", {136, 62}, {128, 128, 255}},
        {"естуар", {136, 82}, {128, 128, 255}},     {"лиман", {136, 102}, {128, 128, 255}},
        {"river list", {420, 62}, {153, 180, 209}}, {"Изчисти", {270, 174}, {255, 128, 128}},
    };
    for (const Sample &s : samples) {
        SCOPED_TRACE(s.what);
        EXPECT_EQ(image.pixelColor((QPointF(s.point) * dpr).toPoint()), s.colour);
    }
}

TEST_F(QuizFormTest, EveryTextIsSetInTimesNewRomanWithoutFallback)
{
    for (QWidget *widget : form->findChildren<QWidget *>()) {
        SCOPED_TRACE(widget->metaObject()->className());
        EXPECT_EQ(widget->font().family(), QStringLiteral("Times New Roman"));
        EXPECT_EQ(widget->font().pixelSize(), 16);
        EXPECT_EQ(widget->font().weight(), QFont::Normal);
    }
#ifdef Q_OS_LINUX
    EXPECT_EQ(QFontInfo(form->font()).family(), QStringLiteral("Liberation Serif"));
#endif
    QString everything = form->windowTitle() + text() + answer_key::Names.join(QString()) + NewRound
        + QStringLiteral("ВярноГрешка!Устиетонаене.");
    for (QWidget *widget : form->findChildren<QWidget *>()) {
        if (auto *label = qobject_cast<QLabel *>(widget))
            everything += label->text();
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            everything += button->text();
        if (auto *group = qobject_cast<QGroupBox *>(widget))
            everything += group->title();
    }
    const QRawFont font = QRawFont::fromFont(form->font());
    ASSERT_TRUE(font.isValid());
    for (const char32_t c : everything.toUcs4()) {
        if (c != '\n' && c != '\r') {
            EXPECT_TRUE(font.supportsCharacter(c)) << "U+" << std::hex << static_cast<unsigned>(c);
        }
    }
}

TEST_F(QuizFormTest, TheMessageTextComesBackAsTheGameSetIt)
{
    const std::string texts[] = {"", "Нов избор", "a\r\n", "a\r\nb\r\n\r\n", "\r\n\r\n x \r\n"};
    for (const std::string &t : texts) {
        form->setMessageText(t);
        EXPECT_EQ(form->messageText(), t);
    }
}

TEST_F(QuizFormTest, QtsOwnTextsAreBulgarian)
{
    std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
    ASSERT_TRUE(menu);
    QStringList texts;
    for (QAction *action : menu->actions()) {
        if (!action->isSeparator())
            texts << action->text();
    }
    ASSERT_FALSE(texts.isEmpty());
    for (const QString &t : texts) {
        SCOPED_TRACE(t.toStdString());
        EXPECT_TRUE(std::any_of(t.begin(), t.end(), [](QChar c) { return c.script() == QChar::Script_Cyrillic; }));
    }
    EXPECT_EQ(QLocale().language(), QLocale::Bulgarian);
}

TEST_F(QuizFormTest, AScreenReaderFindsOneNamedListAndNamedControls)
{
    EXPECT_EQ(list->accessibleName(), QStringLiteral("Имена на реки"));
    for (QWidget *widget :
         {static_cast<QWidget *>(clear), static_cast<QWidget *>(box), static_cast<QWidget *>(frame),
          static_cast<QWidget *>(options[0]), static_cast<QWidget *>(options[1]), static_cast<QWidget *>(options[2])}) {
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
        ASSERT_TRUE(face);
        EXPECT_FALSE(face->text(QAccessible::Name).isEmpty()) << widget->metaObject()->className();
    }

    int lists = 0;
    std::vector<QAccessibleInterface *> pending = {QAccessible::queryAccessibleInterface(form.get())};
    while (!pending.empty()) {
        QAccessibleInterface *face = pending.back();
        pending.pop_back();
        if (face->role() == QAccessible::List)
            ++lists;
        if (face->role() == QAccessible::List || face->role() == QAccessible::ListItem)
            continue;
        for (int i = 0; i < face->childCount(); ++i)
            pending.push_back(face->child(i));
    }
    EXPECT_EQ(lists, 1);
}

// Each key that moves in a list answers the framed row while nothing is
// selected, rather than the row it would move to; Up, Home and PageUp on the
// first row would otherwise answer nothing, and Down always the second row.
class ListKeyTest : public QuizFormTest, public ::testing::WithParamInterface<Qt::Key>
{
};

TEST_P(ListKeyTest, AnswersTheFramedRow)
{
    const Qt::Key key = GetParam();
    tabIntoList();
    ASSERT_EQ(framedRow(), 0);
    EXPECT_TRUE(listShowsNoChoice()) << "a Tab into the list answers nothing";

    clickType(1);
    tabIntoList();
    QTest::keyClick(list, key);
    EXPECT_EQ(text(), QStringLiteral("Вярно. Устието на Амур е естуар.\n"));
    EXPECT_EQ(QApplication::focusWidget(), list);

    // The frame has gone on to the next name, and the key answers that too.
    ASSERT_EQ(framedRow(), 0);
    clickType(2);
    tabIntoList();
    QTest::keyClick(list, key);
    EXPECT_TRUE(text().startsWith(QStringLiteral("Вярно. Устието на Атанасовско езеро е лиман.\n")));

    // A pick without a type leaves the frame, and the next key answers it.
    QTest::keyClick(list, key);
    EXPECT_EQ(rows().size(), 17);
    clickType(2);
    tabIntoList();
    QTest::keyClick(list, key);
    EXPECT_TRUE(text().startsWith(QStringLiteral("Вярно. Устието на Бургаско езеро е лиман.\n")));
}

INSTANTIATE_TEST_SUITE_P(QuizFormTest, ListKeyTest,
                         ::testing::Values(Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp,
                                           Qt::Key_PageDown, Qt::Key_Space),
                         [](const ::testing::TestParamInfo<Qt::Key> &info) {
                             return QKeySequence(info.param).toString().replace(u' ', u'_').toStdString();
                         });

TEST_F(QuizFormTest, TheKeyboardAnswersEveryNameTheLastOneIncluded)
{
    for (int turn = 0; turn < 19; ++turn) {
        clickType(turn % 3);
        tabIntoList();
        const QString framed = rows().at(framedRow());
        QTest::keyClick(list, turn % 2 ? Qt::Key_Up : Qt::Key_Down);
        EXPECT_TRUE(text().startsWith(answer_key::verdict(framed, answer_key::Captions[turn % 3]))) << turn;
    }
    EXPECT_TRUE(rows().isEmpty());
}

TEST_F(QuizFormTest, ALetterAnswersTheFirstNameThatStartsWithIt)
{
    tabIntoList();
    QTest::keyClick(list, Qt::Key_Home); // taken back: no type is on
    clickType(0);
    tabIntoList();
    typeLetter(QStringLiteral("н"));
    EXPECT_EQ(text(), QStringLiteral("Вярно. Устието на Нигер е делта.\n"));
    clickType(0);
    tabIntoList();
    typeLetter(QStringLiteral("Н"));
    EXPECT_TRUE(text().startsWith(QStringLiteral("Вярно. Устието на Нил е делта.\n")));
    clickType(0);
    tabIntoList();
    typeLetter(QStringLiteral("Я"));
    EXPECT_EQ(rows().size(), 17) << "no name starts with it";
    EXPECT_TRUE(options[0]->isChecked());
}

TEST_F(QuizFormTest, KeysBehaveTheSameAfterALetterAnswered)
{
    clickType(1);
    tabIntoList();
    typeLetter(QStringLiteral("Т"));
    ASSERT_EQ(text(), QStringLiteral("Вярно. Устието на Темза е естуар.\n"));

    clickClear();
    tabIntoList();
    EXPECT_EQ(framedRow(), 0) << "a Tab into the list frames the first row again";
    clickType(1);
    tabIntoList();
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_TRUE(text().startsWith(QStringLiteral("Вярно. Устието на Амур е естуар.\n")));
}

TEST_F(QuizFormTest, ClearShowsTheListFromItsTopAgain)
{
    QScrollBar *scroll = list->verticalScrollBar();
    ASSERT_GT(scroll->maximum(), 0) << "the list is taller than its box";

    // Scrolled down by the scroll bar, and by answers low in the list.
    scroll->setValue(scroll->maximum());
    clickClear();
    QApplication::processEvents();
    EXPECT_EQ(scroll->value(), 0);
    EXPECT_EQ(list->indexAt(QPoint(2, 2)).row(), 0);

    for (int turn = 0; turn < 3; ++turn) {
        clickType(0);
        clickRow(rows().size() - 1);
    }
    ASSERT_GT(scroll->value(), 0);
    clickClear();
    QApplication::processEvents();
    EXPECT_EQ(scroll->value(), 0);
    EXPECT_EQ(list->model()->data(list->indexAt(QPoint(2, 2))).toString(), QStringLiteral("Амур"));
}

// A right click (for a menu), a middle click or a side button uses up no
// choice and takes no name away.
class OtherButtonTest : public QuizFormTest, public ::testing::WithParamInterface<Qt::MouseButton>
{
};

TEST_P(OtherButtonTest, DoesNothingOnARow)
{
    clickType(1);
    QWidget *focused = QApplication::focusWidget();
    const QModelIndex row = list->model()->index(3, 0);
    QTest::mouseClick(list->viewport(), GetParam(), {}, list->visualRect(row).center());
    QTest::mouseDClick(list->viewport(), GetParam(), {}, list->visualRect(row).center());
    EXPECT_EQ(rows(), answer_key::Names);
    EXPECT_TRUE(options[1]->isChecked());
    EXPECT_EQ(text(), QString());
    EXPECT_TRUE(listShowsNoChoice());
    EXPECT_EQ(QApplication::focusWidget(), focused);

    // The left button still answers.
    clickRow(3);
    EXPECT_EQ(text(), QStringLiteral("Грешка! Устието на Варненско езеро не е естуар.\n"));
}

INSTANTIATE_TEST_SUITE_P(QuizFormTest, OtherButtonTest,
                         ::testing::Values(Qt::RightButton, Qt::MiddleButton, Qt::BackButton, Qt::ForwardButton));

// What a screen reader finds: the window's notification, which is shown with
// the box's newest line. (That a reader speaks it, and the framed rows, is
// heard in the test with the real screen reader.)
class ScreenReaderTest : public QuizFormTest
{
protected:
    static QAccessibleInterface *notificationOf(QuizForm &window)
    {
        auto *announcer = window.findChild<Announcer *>();
        return announcer ? QAccessible::queryAccessibleInterface(announcer) : nullptr;
    }

    // The notification's text while it is shown, else nothing.
    QString announced() const
    {
        QAccessibleInterface *face = notificationOf(*form);
        EXPECT_TRUE(face);
        if (!face || face->state().invisible)
            return QString();
        EXPECT_EQ(face->role(), QAccessible::Notification);
        EXPECT_EQ(face->parent(), QAccessible::queryAccessibleInterface(form.get()));
        return face->text(QAccessible::Name);
    }
};

TEST_F(ScreenReaderTest, EveryVerdictAndTheNewRoundAreAnnounced)
{
    EXPECT_EQ(announced(), QString()) << "the assignment is not announced";
    clickType(1);
    EXPECT_EQ(announced(), QString()) << "the emptied box says nothing";
    tabIntoList();
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_EQ(announced(), QStringLiteral("Вярно. Устието на Амур е естуар."));
    EXPECT_EQ(QApplication::focusWidget(), list);

    clickType(2);
    tabIntoList();
    typeLetter(QStringLiteral("б"));
    EXPECT_EQ(announced(), QStringLiteral("Вярно. Устието на Бургаско езеро е лиман."));

    clickRow(0);
    EXPECT_EQ(announced(), QStringLiteral("Вярно. Устието на Бургаско езеро е лиман."))
        << "a pick without a type says nothing new";

    clickClear();
    EXPECT_EQ(announced(), QStringLiteral("Нов избор"));
    EXPECT_EQ(text(), QStringLiteral("Нов избор")) << "the box shows just what it showed before";
}

TEST_F(ScreenReaderTest, AWindowNotYetShownAnnouncesNothing)
{
    QuizForm hidden;
    hidden.setMessageText("Вярно. Устието на Амур е естуар.\r\n");
    QAccessibleInterface *face = notificationOf(hidden);
    ASSERT_TRUE(face);
    EXPECT_TRUE(face->state().invisible);
}

TEST(Application, ReportsItsVersion)
{
    EXPECT_EQ(QCoreApplication::applicationVersion(), QStringLiteral("1.00"));
}

} // namespace
