// The real window: one choice and pick as the pupil makes them, with the
// repaint that follows, and "Изчисти" refilling the river list.
#include "application.h"
#include "quiz_form.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

// The window, shown and settled, and the controls a pupil clicks.
struct ShownForm
{
    ShownForm()
    {
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            throw std::runtime_error("the window was never exposed");
        types = form.findChildren<QRadioButton *>();
        rivers = form.findChild<QListView *>();
        clear = form.findChild<QPushButton *>();
        if (types.size() != 3 || !rivers || !clear)
            throw std::runtime_error("the window does not have the controls a pupil clicks");
    }

    int riverCount() const { return rivers->model()->rowCount(); }

    void click(QWidget *widget, QPoint at) { QTest::mouseClick(widget, Qt::LeftButton, {}, at); }
    void clickType(int index) { click(types.at(index), QPoint(10, types.at(index)->height() / 2)); }
    void clickFirstRiver()
    {
        const QModelIndex first = rivers->model()->index(0, 0);
        click(rivers->viewport(), rivers->visualRect(first).center());
    }
    void clickClear() { click(clear, clear->rect().center()); }

    QuizForm form;
    QList<QRadioButton *> types;
    QListView *rivers = nullptr;
    QPushButton *clear = nullptr;
};

void WindowChoiceAndPick(benchmark::State &state)
{
    ShownForm shown;
    int turn = 0;
    for (auto _ : state) {
        if (shown.riverCount() == 0) {
            state.PauseTiming();
            shown.clickClear();
            shown.form.repaint();
            state.ResumeTiming();
        }
        const int before = shown.riverCount();
        shown.clickType(turn++ % 3);
        shown.clickFirstRiver();
        shown.form.repaint();
        if (shown.riverCount() != before - 1) {
            state.SkipWithError("the pick did not take the river out of the list");
            break;
        }
    }
}
BENCHMARK(WindowChoiceAndPick);

void WindowClearRefills19Rows(benchmark::State &state)
{
    ShownForm shown;
    for (auto _ : state) {
        shown.clickClear();
        shown.form.repaint();
        if (shown.riverCount() != 19) {
            state.SkipWithError("Изчисти did not refill the river list");
            break;
        }
    }
}
BENCHMARK(WindowClearRefills19Rows);

// What the two above spend on the repaint alone.
void WindowRepaintOnly(benchmark::State &state)
{
    ShownForm shown;
    for (auto _ : state)
        shown.form.repaint();
}
BENCHMARK(WindowRepaintOnly);

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setUpApplication(app);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
