// The rules of play alone, against the plain view of the tests: a whole round
// of 19 choices and picks, then a new round.
#include "catalogue.h"
#include "fake_view.h"
#include "game.h"

#include <benchmark/benchmark.h>

namespace {

void LogicFullRound(benchmark::State &state)
{
    FakeView view;
    quiz::QuizGame game(view);
    // As in the window, the selections the game sets come back as nested calls.
    view.echo = &game;
    game.LoadQuiz();

    for (auto _ : state) {
        for (int turn = 0; turn < quiz::QuizCatalogue::entryCount(); ++turn) {
            const int type = turn % (quiz::QuizCatalogue::LastTypeIndex + 1);
            view.pressTypeButton(type);
            game.ChooseType(type);
            view.lists[0].selected = 0;
            game.PickRiver(0);
        }
        if (view.listCount(0) != 0)
            state.SkipWithError("the round did not empty the river list");
        game.ClearQuiz();
        benchmark::DoNotOptimize(view.text.data());
    }
}
BENCHMARK(LogicFullRound);

} // namespace

BENCHMARK_MAIN();
