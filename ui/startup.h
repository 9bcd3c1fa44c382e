#pragma once

#include <QByteArrayList>

// What the program does around the start of Qt's platform, so that a start on
// any machine leaves nothing behind and a start that cannot succeed ends with
// a plain word instead of a hang or a core dump. Made before the QApplication,
// told when it stands:
//
//     PlatformStart start;
//     QApplication app(start.argc(), start.argv());
//     start.finished();
class PlatformStart
{
public:
    PlatformStart();
    PlatformStart(const PlatformStart &) = delete;
    PlatformStart &operator=(const PlatformStart &) = delete;

    // What Qt gets as its command line: the program's name alone, so that it
    // acts on none of its own options (-stylesheet, -reverse, -geometry, ...)
    // and every argument is ignored alike.
    int &argc() { return m_argc; }
    char **argv() { return m_argv; }

    // The platform has started: what Qt said about it meanwhile is passed on,
    // and the runtime folders it made only to look into are taken away again.
    void finished();

private:
    char m_name[sizeof("river-mouth-quiz")] = "river-mouth-quiz";
    int m_argc = 1;
    char *m_argv[2] = {m_name, nullptr};
    // Runtime folders that Qt may make while it starts and that were not there.
    QByteArrayList m_missingFolders;
};
