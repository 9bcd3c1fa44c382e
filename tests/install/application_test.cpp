#include "application.h"
#include "startup.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>

namespace {

// The entry that the install rules put into share/applications.
const char DesktopEntryFolder[] = RMQ_DESKTOP_ENTRY_FOLDER;

TEST(ApplicationSetUp, DesktopFileNameNamesTheInstalledEntry)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Started as the program starts, so that no runtime folder of Qt's is left.
    PlatformStart start;
    QApplication app(start.argc(), start.argv());
    start.finished();
    setUpApplication(app);

    const QString entry = QGuiApplication::desktopFileName();
    ASSERT_FALSE(entry.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(QString::fromUtf8(DesktopEntryFolder) + u'/' + entry + QStringLiteral(".desktop")))
        << entry.toStdString() << ".desktop is not among the files that are installed";
}

} // namespace
