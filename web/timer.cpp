#include "timer.h"

#include <emscripten.h>

#include <utility>

namespace {

// The browser's own interval, which calls the timer straight in, as the
// page's events come in: the runtime's helper for intervals would end a
// newer runtime after its first tick.
EM_JS(int, rmq_set_interval, (Timer * timer, int milliseconds), {
    return setInterval(function() { Module._rmq_tick(timer); }, milliseconds);
});
EM_JS(void, rmq_clear_interval, (int id), { clearInterval(id); });

} // namespace

void Timer::start(int milliseconds, std::function<void()> ticked)
{
    stop();
    tick = std::move(ticked);
    id = rmq_set_interval(this, milliseconds);
}

void Timer::stop()
{
    if (id != 0)
        rmq_clear_interval(id);
    id = 0;
}

void Timer::ticked()
{
    if (tick)
        tick();
}

extern "C" EMSCRIPTEN_KEEPALIVE void rmq_tick(Timer *timer)
{
    timer->ticked();
}
