#include "application.h"
#include "startup.h"

#include <QApplication>

#include <gtest/gtest.h>

// The widget tests need one application for the whole run, started and set up
// as the program starts and sets itself up, so that a run leaves no runtime
// folder of Qt's behind either.
int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    PlatformStart start;
    QApplication app(start.argc(), start.argv());
    start.finished();
    setUpApplication(app);
    return RUN_ALL_TESTS();
}
