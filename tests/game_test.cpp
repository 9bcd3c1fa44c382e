#include "catalogue.h"
#include "fake_view.h"
#include "game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using quiz::QuizCatalogue;
using quiz::QuizGame;

namespace {

const std::string Assignment = "assignment\r\n";
const std::string CrLf = "\r\n";

enum Type { Delta = 0, Estuary = 1, Liman = 2 };

std::vector<std::string> catalogueNames()
{
    std::vector<std::string> names;
    for (const auto &entry : QuizCatalogue::Entries)
        names.emplace_back(entry.name);
    return names;
}

std::vector<std::string> catalogueCodes()
{
    std::vector<std::string> codes;
    for (const auto &entry : QuizCatalogue::Entries)
        codes.emplace_back(entry.code);
    return codes;
}

// Every scenario runs twice: with a view that reports the selections the game
// sets back as nested calls, and with one that does not.
class QuizGameTest : public ::testing::TestWithParam<bool>
{
protected:
    void SetUp() override
    {
        if (GetParam())
            view.echo = &game;
        view.text = Assignment;
        game.LoadQuiz();
        checkWorkingLists();
    }

    void choose(int type)
    {
        view.pressTypeButton(type);
        game.ChooseType(type);
        checkWorkingLists();
    }

    // The pupil clicks a row: the platform selects it and reports the change.
    void pick(const std::string &name)
    {
        const auto &names = river().items;
        const auto it = std::find(names.begin(), names.end(), name);
        ASSERT_NE(it, names.end()) << name << " is not in the river list";
        river().selected = static_cast<int>(it - names.begin());
        game.PickRiver(0);
        checkWorkingLists();
    }

    void checkWorkingLists()
    {
        ASSERT_EQ(river().items.size(), codes().items.size());
        for (std::size_t p = 0; p < codes().items.size(); ++p) {
            const auto entry = std::find_if(QuizCatalogue::Entries.begin(), QuizCatalogue::Entries.end(),
                                            [&](const auto &e) { return e.name == river().items[p]; });
            ASSERT_NE(entry, QuizCatalogue::Entries.end());
            ASSERT_EQ(entry->code, codes().items[p]) << "code out of step with " << river().items[p];
        }
    }

    bool inRiverList(const std::string &name) const
    {
        const auto &names = view.lists[0].items;
        return std::find(names.begin(), names.end(), name) != names.end();
    }

    // What a reset leaves: the whole catalogue, nothing chosen or selected.
    void expectFreshRound()
    {
        EXPECT_EQ(river().items, catalogueNames());
        EXPECT_EQ(codes().items, catalogueCodes());
        EXPECT_EQ(river().selected, -1);
        EXPECT_FALSE(anyButtonOn());
        EXPECT_FALSE(game.typeChosen());
        EXPECT_EQ(game.chosenType(), -1);
        EXPECT_FALSE(game.logCleared());
    }

    bool anyButtonOn() const
    {
        return std::any_of(view.buttons.begin(), view.buttons.end(), [](bool b) { return b; });
    }

    FakeView::List &river() { return view.lists[0]; }
    FakeView::List &codes() { return view.lists[1]; }

    FakeView view;
    QuizGame game {view};
};

INSTANTIATE_TEST_SUITE_P(NestedEvents, QuizGameTest, ::testing::Bool(),
                         [](const auto &info) { return info.param ? "Reported" : "Silent"; });

TEST_P(QuizGameTest, LoadFillsTheWorkingListsInCatalogueOrder)
{
    expectFreshRound();
    EXPECT_EQ(game.lastTypeIndex(), QuizCatalogue::LastTypeIndex);
    EXPECT_EQ(view.text, Assignment);
}

struct Verdict
{
    int type;
    const char *name;
    const char *line;
};

TEST_P(QuizGameTest, EachPairingGivesItsVerdictLine)
{
    const Verdict verdicts[] = {
        {Delta, "Дунав", "Вярно. Устието на Дунав е делта."},
        {Estuary, "Волга", "Грешка! Устието на Волга не е естуар."},
        {Liman, "Сейнт Лорънс", "Грешка! Устието на Сейнт Лорънс не е лиман."},
        {Liman, "Атанасовско езеро", "Вярно. Устието на Атанасовско езеро е лиман."},
        {Estuary, "Темза", "Вярно. Устието на Темза е естуар."},
        {Delta, "Амур", "Грешка! Устието на Амур не е делта."},
    };
    for (const auto &v : verdicts) {
        SCOPED_TRACE(v.name);
        choose(v.type);
        const std::string older = view.text;
        pick(v.name);
        EXPECT_EQ(view.text, v.line + CrLf + older);
        EXPECT_FALSE(inRiverList(v.name));
    }
}

TEST_P(QuizGameTest, EveryLakeIsALimanAndNothingElseIs)
{
    for (const auto &entry : QuizCatalogue::Entries) {
        const std::string name(entry.name);
        SCOPED_TRACE(name);
        game.ClearQuiz();
        choose(Liman);
        pick(name);
        const bool lake = name.find("езеро") != std::string::npos;
        EXPECT_EQ(view.text.rfind(lake ? "Вярно." : "Грешка!", 0), 0u) << view.text;
    }
}

TEST_P(QuizGameTest, PickWithoutAChosenTypeOnlyTakesTheSelectionBack)
{
    pick("Дунав");
    EXPECT_EQ(river().selected, -1);
    EXPECT_EQ(river().items, catalogueNames());
    EXPECT_EQ(view.text, Assignment);
}

TEST_P(QuizGameTest, ChoiceIsUsedUpByOnePick)
{
    choose(Delta);
    pick("Дунав");
    const std::string afterFirst = view.text;
    EXPECT_FALSE(anyButtonOn());
    EXPECT_FALSE(game.typeChosen());
    EXPECT_EQ(game.chosenType(), Delta) << "an answer keeps the last chosen type";

    pick("Нил");
    EXPECT_EQ(view.text, afterFirst);
    EXPECT_TRUE(inRiverList("Нил"));
    EXPECT_EQ(river().selected, -1);
}

TEST_P(QuizGameTest, OnlyTheFirstChoiceAfterAResetEmptiesTheBox)
{
    choose(Delta);
    EXPECT_EQ(view.text, "");
    EXPECT_TRUE(game.logCleared());
    pick("Дунав");
    const std::string verdict = view.text;
    choose(Estuary);
    EXPECT_EQ(view.text, verdict);

    game.ClearQuiz();
    choose(Liman);
    EXPECT_EQ(view.text, "");
}

TEST_P(QuizGameTest, FirstChoiceEmptiesTheBoxEvenWhenItsButtonReadsOff)
{
    game.ChooseType(Delta);
    EXPECT_FALSE(game.typeChosen());
    EXPECT_EQ(view.text, "");
    pick("Дунав");
    EXPECT_EQ(view.text, "");
    EXPECT_TRUE(inRiverList("Дунав"));
}

TEST_P(QuizGameTest, TheLastOfTwoChoicesCounts)
{
    choose(Delta);
    choose(Liman);
    pick("Бургаско езеро");
    EXPECT_EQ(view.text, "Вярно. Устието на Бургаско езеро е лиман." + CrLf);
}

TEST_P(QuizGameTest, WrongAnswerStillRemovesTheEntry)
{
    choose(Delta);
    pick("Темза");
    EXPECT_FALSE(inRiverList("Темза"));
    EXPECT_EQ(river().items.size(), 18u);
    EXPECT_EQ(river().selected, -1);
}

TEST_P(QuizGameTest, NewestVerdictStandsFirst)
{
    choose(Delta);
    pick("Волга");
    choose(Estuary);
    pick("Гарона");
    choose(Delta);
    pick("Енисей");
    EXPECT_EQ(view.text,
              "Грешка! Устието на Енисей не е делта.\r\n"
              "Вярно. Устието на Гарона е естуар.\r\n"
              "Вярно. Устието на Волга е делта.\r\n");
}

// A screen reader hears each verdict and the note of a new round, once each,
// and never the assignment, the emptied box or a pick that judges nothing.
TEST_P(QuizGameTest, AScreenReaderHearsEachVerdictAndTheNewRoundOnly)
{
    choose(Delta);
    EXPECT_TRUE(view.announced.empty());
    pick("Волга");
    pick("Ганг");
    choose(Liman);
    pick("Гарона");
    game.ClearQuiz();
    EXPECT_EQ(view.announced, (std::vector<std::string> {"Вярно. Устието на Волга е делта.",
                                                         "Грешка! Устието на Гарона не е лиман.", "Нов избор"}));
}

// The view hands on every click of a type button; only one that left its
// button on chooses.
TEST_P(QuizGameTest, AClickChoosesOnlyWhereItLeftTheButtonOn)
{
    game.TypeButtonClicked(Estuary);
    EXPECT_FALSE(game.typeChosen());
    EXPECT_FALSE(game.logCleared());
    view.pressTypeButton(Liman);
    game.TypeButtonClicked(Liman);
    EXPECT_TRUE(game.typeChosen());
    EXPECT_EQ(game.chosenType(), Liman);
    EXPECT_TRUE(game.logCleared());
}

TEST_P(QuizGameTest, NestedSelectionEventsNeverWriteASecondLine)
{
    choose(Delta);
    pick("Инд");
    EXPECT_EQ(view.text, "Вярно. Устието на Инд е делта." + CrLf);
    if (GetParam()) {
        EXPECT_GT(view.nestedCalls, 0) << "the reporting view should have reported something";
    }
}

TEST_P(QuizGameTest, NineteenPicksEmptyBothListsAndClearRestoresThem)
{
    for (int i = 0; i < QuizCatalogue::entryCount(); ++i) {
        choose(i % 3);
        pick(river().items.at(river().items.size() / 2));
    }
    EXPECT_TRUE(river().items.empty());
    EXPECT_TRUE(codes().items.empty());
    EXPECT_EQ(std::count(view.text.begin(), view.text.end(), '\n'), QuizCatalogue::entryCount());

    choose(Delta);
    game.PickRiver(0);
    EXPECT_TRUE(river().items.empty());

    game.ClearQuiz();
    EXPECT_EQ(view.text, "Нов избор");
    expectFreshRound();
}

TEST_P(QuizGameTest, ClearQuizMidGameStartsOver)
{
    choose(Liman);
    game.ClearQuiz();
    EXPECT_FALSE(anyButtonOn());
    EXPECT_FALSE(game.typeChosen());
    EXPECT_EQ(view.text, "Нов избор");
    pick("Амур");
    EXPECT_EQ(view.text, "Нов избор");
    EXPECT_EQ(river().items, catalogueNames());
}

TEST_P(QuizGameTest, SelectionInAnyOtherListChangesNothing)
{
    choose(Estuary);
    river().selected = 3;
    const FakeView before = view;
    for (int list = 1; list <= 3; ++list) {
        game.PickRiver(list);
        EXPECT_EQ(view.text, before.text);
        EXPECT_EQ(river().items, before.lists[0].items);
        EXPECT_EQ(river().selected, 3);
        EXPECT_EQ(codes().items, before.lists[1].items);
        EXPECT_EQ(view.buttons, before.buttons);
        EXPECT_TRUE(game.typeChosen());
    }
}

TEST(QuizGameCodes, CodesAreReadAsNumbersWhenJudged)
{
    struct Case
    {
        const char *code;
        int type;
        bool right;
    };
    const Case cases[] = {
        {" 1", Estuary, true}, {"2.5", Liman, true},  {"1.5", Liman, true},    {"x1", Delta, true},   {"", Delta, true},
        {"1 2", Delta, false}, {"1 2", Liman, false}, {"99999", Delta, false}, {"-0.5", Delta, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string("code \"") + c.code + "\"");
        FakeView view;
        view.lists[3].items[0] = c.code;
        QuizGame game(view);
        game.LoadQuiz();
        view.pressTypeButton(c.type);
        game.ChooseType(c.type);
        view.lists[0].selected = 0;
        game.PickRiver(0);
        EXPECT_EQ(view.text.rfind(c.right ? "Вярно." : "Грешка!", 0), 0u) << view.text;
    }
}

TEST(CodeNumber, ReadsTheLeadingDecimalNumberRoundedHalfToEven)
{
    struct Case
    {
        const char *text;
        std::optional<std::int16_t> number;
    };
    const Case cases[] = {
        {"0", 0},
        {"2", 2},
        {" 1", 1},
        {"1 2", 12},
        {"\t1\n2 ", 12},
        {"2.5", 2},
        {"3.5", 4},
        {"0.5", 0},
        {"1.4999", 1},
        {"2.50000000000000000000001", 3},
        {"-0.5", 0},
        {"-1.5", -2},
        {"+1", 1},
        {".5", 0},
        {"1x", 1},
        {"1.2.3", 1},
        {"x1", 0},
        {"", 0},
        {"-", 0},
        {"\r1", 0},
        {"32767", 32767},
        {"-32768", -32768},
        {"32767.5", std::nullopt},
        {"99999", std::nullopt},
        {"-99999", std::nullopt},
        {"1000000000000000000000000000000000000000000", std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string("text \"") + c.text + "\"");
        EXPECT_EQ(quiz::codeNumber(c.text), c.number);
    }
}

} // namespace
