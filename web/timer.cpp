#include "timer.h"

#include <emscripten/eventloop.h>

#include <utility>

void Timer::start(int milliseconds, std::function<void()> ticked)
{
    stop();
    tick = std::move(ticked);
    id = emscripten_set_interval([](void *timer) { static_cast<Timer *>(timer)->tick(); }, milliseconds, this);
}

void Timer::stop()
{
    if (id != 0)
        emscripten_clear_interval(id);
    id = 0;
}
