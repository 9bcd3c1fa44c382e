#include "application.h"

#include <QApplication>

#include <gtest/gtest.h>

// The widget tests need one application for the whole run, set up as the
// program sets itself up.
int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    setUpApplication(app);
    return RUN_ALL_TESTS();
}
