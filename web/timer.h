#pragma once

#include <functional>

// Calls `tick` every so many milliseconds, from the browser's event loop,
// until stopped.
class Timer
{
public:
    Timer() = default;
    Timer(const Timer &) = delete;
    Timer &operator=(const Timer &) = delete;
    ~Timer() { stop(); }

    void start(int milliseconds, std::function<void()> tick);
    void stop();
    bool running() const { return id != 0; }
    // Where the browser's interval comes in.
    void ticked();

private:
    std::function<void()> tick;
    int id = 0;
};
