#include "application.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>

namespace {

// The entry that the install rules put into share/applications.
const char DesktopEntryFolder[] = RMQ_DESKTOP_ENTRY_FOLDER;

TEST(ApplicationSetUp, DesktopFileNameNamesTheInstalledEntry)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "application_test";
    char *argv[] = {name, nullptr};
    QApplication app(argc, argv);
    setUpApplication(app);

    const QString entry = QGuiApplication::desktopFileName();
    ASSERT_FALSE(entry.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(QString::fromUtf8(DesktopEntryFolder) + u'/' + entry + QStringLiteral(".desktop")))
        << entry.toStdString() << ".desktop is not among the files that are installed";
}

} // namespace
