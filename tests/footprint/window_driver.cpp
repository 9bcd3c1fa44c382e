// Starts a program on the X display, waits for its top-level window, plays a
// few clicks on it as a pupil would, and closes it as a window manager asks a
// window to close: with a WM_DELETE_WINDOW message, never by destroying it.
// Exits with the program's own exit status, 124 when the program (or anything
// it started) left a process running after it ended, or 125 when the program
// could not be driven.
//
// The driver takes in every process that the program leaves orphaned, so that
// it finds each one the program started, by pid, however it detached itself;
// whatever is still running once the program has ended it names and ends.
//
//   window_driver [options] -- program [arguments...]
//
//   --click X,Y[@L,T,W,H]
//                     click at X,Y of the client area; the picture of the
//                     rectangle L,T,W,H (by default the whole window) must
//                     change within a second, so that a click that went
//                     nowhere fails. The pointer is moved there first and
//                     left to settle, so that a mere hover does not count.
//   --settle MS       wait this long after the window is mapped (default 300)
//   --measure         print the start-up time: from just before the program
//                     is started to its window being mapped, and the CPU
//                     time the program had used by then
//   --idle            print the resident memory one second after the start
//                     and the CPU time used from then on over three seconds
//                     in which nobody touches the window
//   --timeout S       give up on the window or on the exit after S seconds
//                     (default 20)
//
// Results go to standard output as "name value" lines; the last one is
// "left_running N", the number of processes the driver had to end.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <sys/prctl.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int DriverFailed = 125;
constexpr int LeftRunning = 124;

struct Point
{
    int x;
    int y;
};

struct Click
{
    Point at;
    // Where the click must show; an empty one stands for the whole window.
    int left = 0;
    int top = 0;
    unsigned width = 0;
    unsigned height = 0;
};

struct Options
{
    std::vector<Click> clicks;
    std::chrono::milliseconds settle = 300ms;
    std::chrono::seconds timeout = 20s;
    bool measure = false;
    bool idle = false;
    char **program = nullptr;
};

[[noreturn]] void fail(const std::string &why)
{
    std::fprintf(stderr, "window_driver: %s\n", why.c_str());
    std::exit(DriverFailed);
}

std::optional<Options> parseOptions(int argc, char *argv[])
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--") {
            if (i + 1 >= argc)
                return std::nullopt;
            options.program = argv + i + 1;
            return options;
        } else if (arg == "--click" && hasValue) {
            Click c;
            const int read
                = std::sscanf(argv[++i], "%d,%d@%d,%d,%u,%u", &c.at.x, &c.at.y, &c.left, &c.top, &c.width, &c.height);
            if (read != 2 && read != 6)
                return std::nullopt;
            options.clicks.push_back(c);
        } else if (arg == "--settle" && hasValue) {
            options.settle = std::chrono::milliseconds(std::atoi(argv[++i]));
        } else if (arg == "--timeout" && hasValue) {
            options.timeout = std::chrono::seconds(std::atoi(argv[++i]));
        } else if (arg == "--measure") {
            options.measure = true;
        } else if (arg == "--idle") {
            options.idle = true;
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

pid_t start(char **program)
{
    const pid_t pid = fork();
    if (pid == -1)
        fail(std::string("fork: ") + std::strerror(errno));
    if (pid == 0) {
        execvp(program[0], program);
        std::fprintf(stderr, "window_driver: cannot run %s: %s\n", program[0], std::strerror(errno));
        _exit(127);
    }
    return pid;
}

int statusOf(int status)
{
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// The program's exit status once it has ended, or nothing while it runs.
std::optional<int> exitStatus(pid_t pid, bool block)
{
    int status = 0;
    const pid_t done = waitpid(pid, &status, block ? 0 : WNOHANG);
    if (done == 0)
        return std::nullopt;
    if (done == -1)
        fail(std::string("waitpid: ") + std::strerror(errno));
    return statusOf(status);
}

int endLeftovers(pid_t program, std::optional<int> &programStatus);

// Gives up on the program, and ends it and whatever it started.
[[noreturn]] void abandon(pid_t pid, const std::string &why)
{
    kill(pid, SIGKILL);
    std::optional<int> status;
    endLeftovers(pid, status);
    fail(why);
}

// The process that owns the window, as the window says (Qt sets it): the
// program itself, also where a tracer or a bus runner stands in between.
std::optional<pid_t> windowPid(Display *display, Window window)
{
    const Atom property = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char *data = nullptr;
    std::optional<pid_t> pid;
    if (XGetWindowProperty(display, window, property, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after, &data)
            == Success
        && data) {
        if (format == 32 && count == 1)
            pid = static_cast<pid_t>(*reinterpret_cast<unsigned long *>(data));
        XFree(data);
    }
    return pid;
}

bool isRunning(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line))
        return false;
    // The state follows the command name in parentheses; a zombie has ended.
    const auto close = line.rfind(')');
    return close != std::string::npos && close + 2 < line.size() && line[close + 2] != 'Z';
}

// Every living process below the driver, with its command line.
std::map<pid_t, std::string> descendants()
{
    std::map<pid_t, pid_t> parents;
    std::error_code error;
    for (const auto &entry : std::filesystem::directory_iterator("/proc", error)) {
        const std::string name = entry.path().filename();
        if (name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        if (!std::getline(stat, line))
            continue;
        const auto close = line.rfind(')');
        if (close == std::string::npos || close + 2 >= line.size() || line[close + 2] == 'Z')
            continue;
        pid_t parent = 0;
        if (std::sscanf(line.c_str() + close + 3, "%d", &parent) == 1)
            parents[std::stoi(name)] = parent;
    }
    std::map<pid_t, std::string> found;
    const pid_t self = getpid();
    for (const auto &[pid, parent] : parents) {
        pid_t up = parent;
        for (int depth = 0; up > 1 && up != self && depth < 64; ++depth) {
            const auto next = parents.find(up);
            up = next == parents.end() ? 0 : next->second;
        }
        if (up != self)
            continue;
        std::ifstream cmdline("/proc/" + std::to_string(pid) + "/cmdline");
        std::string command((std::istreambuf_iterator<char>(cmdline)), std::istreambuf_iterator<char>());
        for (char &c : command) {
            if (c == '\0')
                c = ' ';
        }
        found[pid] = command;
    }
    return found;
}

// Collects every child that has ended; the program's own exit status is kept.
void reapChildren(pid_t program, std::optional<int> &programStatus)
{
    int status = 0;
    pid_t done = 0;
    while ((done = waitpid(-1, &status, WNOHANG)) > 0) {
        if (done == program)
            programStatus = statusOf(status);
    }
}

// Ends, by pid, whatever the program left running, after a moment in which
// what is already on its way out (a bus runner taking down its bus) may end
// by itself. Returns how many had to be ended.
int endLeftovers(pid_t program, std::optional<int> &programStatus)
{
    const Clock::time_point grace = Clock::now() + 2s;
    std::map<pid_t, std::string> left;
    while (true) {
        reapChildren(program, programStatus);
        left = descendants();
        if (left.empty() || Clock::now() >= grace)
            break;
        std::this_thread::sleep_for(50ms);
    }
    for (const auto &[pid, command] : left) {
        std::fprintf(stderr, "window_driver: left running: %d %s\n", pid, command.c_str());
        kill(pid, SIGKILL);
    }
    for (const auto &entry : left) {
        int status = 0;
        if (waitpid(entry.first, &status, 0) == program)
            programStatus = statusOf(status);
    }
    reapChildren(program, programStatus);
    return static_cast<int>(left.size());
}

// Waits for the first ordinary top-level window to be mapped. Without a
// window manager the window is a child of the root, whose substructure events
// the display was asked for before the program started.
Window waitForMappedWindow(Display *display, pid_t pid, Clock::time_point deadline)
{
    const int fd = ConnectionNumber(display);
    while (Clock::now() < deadline) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect)
                return event.xmap.window;
        }
        if (std::optional<int> status = exitStatus(pid, false)) {
            endLeftovers(pid, status);
            fail("the program ended with status " + std::to_string(*status) + " before it showed a window");
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        timeval tick {0, 10000};
        select(fd + 1, &readable, nullptr, nullptr, &tick);
    }
    abandon(pid, "no window was mapped in time");
}

// The picture of a part of the window, or an empty one when it cannot be read.
std::vector<unsigned long> picture(Display *display, Window window, const Click &c)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes))
        return {};
    const bool whole = c.width == 0 || c.height == 0;
    const int left = whole ? 0 : c.left;
    const int top = whole ? 0 : c.top;
    const unsigned width = whole ? static_cast<unsigned>(attributes.width) : c.width;
    const unsigned height = whole ? static_cast<unsigned>(attributes.height) : c.height;
    XImage *image = XGetImage(display, window, left, top, width, height, AllPlanes, ZPixmap);
    if (!image)
        return {};
    std::vector<unsigned long> pixels;
    pixels.reserve(static_cast<std::size_t>(width) * height);
    for (unsigned y = 0; y < height; ++y) {
        for (unsigned x = 0; x < width; ++x)
            pixels.push_back(XGetPixel(image, static_cast<int>(x), static_cast<int>(y)));
    }
    XDestroyImage(image);
    return pixels;
}

void click(Display *display, Window window, const Click &c, pid_t pid)
{
    int rootX = 0;
    int rootY = 0;
    Window child = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), c.at.x, c.at.y, &rootX, &rootY, &child);

    XTestFakeMotionEvent(display, DefaultScreen(display), rootX, rootY, CurrentTime);
    XSync(display, False);
    std::this_thread::sleep_for(200ms);
    const std::vector<unsigned long> before = picture(display, window, c);
    XTestFakeButtonEvent(display, Button1, True, CurrentTime);
    XTestFakeButtonEvent(display, Button1, False, CurrentTime);
    XSync(display, False);

    const Clock::time_point deadline = Clock::now() + 1s;
    while (Clock::now() < deadline) {
        std::this_thread::sleep_for(50ms);
        if (picture(display, window, c) != before)
            return;
    }
    abandon(pid, "a click at " + std::to_string(c.at.x) + "," + std::to_string(c.at.y) + " changed nothing");
}

void askToClose(Display *display, Window window)
{
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);

    XEvent event {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(deleteWindow);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
}

// CPU time of all the program's threads so far, from the scheduler's own
// count, which is finer than the clock ticks of /proc/PID/stat.
std::chrono::nanoseconds cpuTime(pid_t pid)
{
    std::chrono::nanoseconds total {0};
    std::error_code error;
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    for (const auto &task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream schedstat(task.path() / "schedstat");
        long long onCpu = 0;
        if (schedstat >> onCpu)
            total += std::chrono::nanoseconds(onCpu);
    }
    return total;
}

long residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    }
    return -1;
}

// The window may go away between two requests; that is reported where it
// matters, by the wait for the exit, not by ending the driver here.
int ignoreError(Display *, XErrorEvent *error)
{
    std::fprintf(stderr, "window_driver: X error %d on request %d\n", error->error_code, error->request_code);
    return 0;
}

double milliseconds(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

} // namespace

int main(int argc, char *argv[])
{
    const std::optional<Options> parsed = parseOptions(argc, argv);
    if (!parsed) {
        std::fputs("usage: window_driver [--click X,Y[@L,T,W,H]]... [--settle MS] [--measure] [--idle]\n"
                   "                     [--timeout S] -- program [arguments...]\n",
                   stderr);
        return DriverFailed;
    }
    const Options &options = *parsed;
    if (prctl(PR_SET_CHILD_SUBREAPER, 1) != 0)
        fail(std::string("cannot take in the program's orphans: ") + std::strerror(errno));

    Display *display = XOpenDisplay(nullptr);
    if (!display)
        fail("cannot open the display");
    XSetErrorHandler(ignoreError);
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (!options.clicks.empty() && !XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor))
        fail("the display has no XTEST extension to click with");
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point started = Clock::now();
    const pid_t pid = start(options.program);
    const Window window = waitForMappedWindow(display, pid, started + options.timeout);
    const Clock::time_point mapped = Clock::now();
    if (options.measure) {
        std::printf("startup_ms %.2f\n", milliseconds(mapped - started));
        // The program's own work until then, which other work on the machine
        // does not stretch as it stretches the time.
        std::printf("startup_cpu_ms %.2f\n", std::chrono::duration<double, std::milli>(cpuTime(pid)).count());
    }

    // A window manager would make the new window the active one; without one
    // the driver does, so that the program runs as it does on a desktop, with
    // its keyboard focus and everything that comes with it.
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    XSync(display, False);

    std::this_thread::sleep_for(options.settle);
    for (const Click &c : options.clicks)
        click(display, window, c, pid);

    if (options.idle) {
        std::this_thread::sleep_until(started + 1s);
        std::printf("rss_kib %ld\n", residentKiB(pid));
        const std::chrono::nanoseconds idleFrom = cpuTime(pid);
        std::this_thread::sleep_for(3s);
        std::printf("idle_cpu_ms %.3f\n", std::chrono::duration<double, std::milli>(cpuTime(pid) - idleFrom).count());
    }
    std::fflush(stdout);

    const std::optional<pid_t> program = windowPid(display, window);
    askToClose(display, window);
    const Clock::time_point deadline = Clock::now() + options.timeout;
    std::optional<int> status;
    std::optional<Clock::time_point> programEnded;
    while (Clock::now() < deadline) {
        status = exitStatus(pid, false);
        if (status)
            break;
        // Where something between the driver and the program (a tracer)
        // waits for what the program left running, it would wait for ever.
        if (program && *program != pid && !isRunning(*program)) {
            if (!programEnded)
                programEnded = Clock::now();
            else if (Clock::now() - *programEnded > 2s)
                break;
        }
        std::this_thread::sleep_for(10ms);
    }
    XCloseDisplay(display);
    const bool ended = status || programEnded;
    const int left = endLeftovers(pid, status);
    std::printf("left_running %d\n", left);
    if (!ended)
        fail("the program did not end after it was asked to close");
    return left > 0 || !status ? LeftRunning : *status;
}
