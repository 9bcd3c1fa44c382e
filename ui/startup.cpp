#include "startup.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QString>
#include <QtGlobal>

#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <vector>

namespace {

// Bulgarian first, for the pupil and the teacher; English for whoever helps them.
constexpr char NoDisplay[] = "Няма дисплей, на който да се отвори прозорецът на програмата. "
                             "Стартирайте я от графичната среда.\n"
                             "There is no display to open the program's window on. "
                             "Start it from a desktop session.\n";
constexpr char NoMemory[] = "Няма достатъчно памет, за да работи програмата.\n"
                            "There is not enough memory to run the program.\n";

[[noreturn]] void giveUp(const char *why)
{
    std::fputs(why, stderr);
    std::fflush(stderr);
    // Nothing is saved and nothing is open that needs closing; Qt may be half
    // built, so none of its destructors may run.
    std::_Exit(EXIT_FAILURE);
}

bool exists(const QByteArray &path)
{
    struct stat info;
    return ::lstat(path.constData(), &info) == 0;
}

// A runtime folder as the XDG rules want it, and as Qt takes it without
// changing it: a real folder of the user's own that only the user may enter.
bool isPrivateFolder(const QByteArray &path)
{
    struct stat info;
    return ::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid()
        && (info.st_mode & 07777) == 0700;
}

// Qt looks into the runtime folder while it starts, and makes the folder when
// it is missing: the one XDG_RUNTIME_DIR names, or else a runtime-<user> of
// its own in the temporary folder, which then stays behind. A user started
// through su or runuser has no XDG_RUNTIME_DIR, but the folder that logind
// keeps for the user is the right one where it exists.
QByteArrayList preparedRuntimeFolders()
{
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray own = "/run/user/" + QByteArray::number(::geteuid());
        if (isPrivateFolder(own))
            qputenv("XDG_RUNTIME_DIR", own);
    }
    QByteArrayList candidates;
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        candidates << qgetenv("XDG_RUNTIME_DIR");
    if (const passwd *user = ::getpwuid(::geteuid()))
        candidates << QFile::encodeName(QDir::tempPath()) + "/runtime-" + user->pw_name;

    QByteArrayList missing;
    for (const QByteArray &folder : candidates) {
        if (!exists(folder))
            missing << folder;
    }
    return missing;
}

// Where no session bus runs, libdbus and GLib start one of their own through
// dbus-launch: it writes to the home and the runtime folder and keeps running
// after the quiz has ended. An address of a kind that neither knows names no
// bus: the connection fails at once, with nothing started or written, and the
// window goes on without a bus as it does where dbus-launch is not installed.
// A bus that the session has, named in the environment or kept in the runtime
// folder, is used as before, and the screen reader's bridge with it.
void useOnlyARunningSessionBus()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return;
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    struct stat info;
    if (!runtime.isEmpty() && ::stat((runtime + "/bus").constData(), &info) == 0 && S_ISSOCK(info.st_mode)
        && info.st_uid == ::geteuid())
        return;
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}

// What Qt says while its platform starts is held back until it is known
// whether the start succeeds: where it does not, the user reads one plain
// message instead of the platform plugins' own.
struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler passOn = nullptr;
std::atomic<bool> starting = false;
std::atomic<bool> displayUnreachable = false;
QMutex heldLock;
std::vector<HeldMessage> held;

bool hasAddressSpaceLimit()
{
    rlimit limit;
    return ::getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY;
}

void replayHeld()
{
    std::vector<HeldMessage> messages;
    {
        QMutexLocker locker(&heldLock);
        messages.swap(held);
    }
    for (const HeldMessage &message : messages) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        passOn(message.type, context, message.text);
    }
}

void watchMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    // Qt's only word that a thread could not be made, where memory is short.
    // Whatever waits for that thread (the display's event reader, the bus
    // connection, the painter's helpers) would wait for ever.
    if (text.startsWith(u"QThread::start: Thread creation error"))
        giveUp(NoMemory);

    if (starting) {
        const QByteArray category(context.category ? context.category : "");
        // What the X11 and Wayland plugins say when no display answers.
        if ((category == "qt.qpa.xcb" && text.startsWith(u"could not connect to display"))
            || text.startsWith(u"Failed to create wl_display")) {
            displayUnreachable = true;
        }
        if (type == QtFatalMsg) {
            // The only fatal error of Qt's start: no platform plugin started.
            if (displayUnreachable)
                giveUp(NoDisplay);
            if (hasAddressSpaceLimit())
                giveUp(NoMemory);
            replayHeld();
            passOn(type, context, text);
            std::_Exit(EXIT_FAILURE);
        }
        if (category.startsWith("qt.qpa.") || text.startsWith(u"Failed to create wl_display")) {
            QMutexLocker locker(&heldLock);
            held.push_back({type, category, text});
            return;
        }
    }
    passOn(type, context, text);
}

// Qt's start takes a fraction of a second. Short of memory it can also wait
// for ever, without a word, for a thread or a connection that failed; a
// display server that does not answer keeps it waiting as well.
constexpr unsigned StartTimeLimitSeconds = 30;
const char *stuckReason = NoDisplay;

void startTookTooLong(int)
{
    // Only what may be called from a signal handler.
    std::size_t length = 0;
    while (stuckReason[length] != '\0')
        ++length;
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, stuckReason, length);
    ::_exit(EXIT_FAILURE);
}

} // namespace

PlatformStart::PlatformStart()
{
    m_missingFolders = preparedRuntimeFolders();
    useOnlyARunningSessionBus();

    std::set_new_handler([] { giveUp(NoMemory); });
    starting = true;
    passOn = qInstallMessageHandler(watchMessage);
    if (hasAddressSpaceLimit())
        stuckReason = NoMemory;
    std::signal(SIGALRM, startTookTooLong);
    ::alarm(StartTimeLimitSeconds);
}

void PlatformStart::finished()
{
    ::alarm(0);
    std::signal(SIGALRM, SIG_DFL);
    starting = false;
    replayHeld();
    for (const QByteArray &folder : std::as_const(m_missingFolders)) {
        // Removes only an empty folder; one that holds anything is someone's.
        if (isPrivateFolder(folder))
            ::rmdir(folder.constData());
    }
}
