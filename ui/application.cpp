#include "application.h"

#include "announcer.h"
#include "config.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QTranslator>

void setUpApplication(QApplication &app)
{
    QCoreApplication::setApplicationName(QStringLiteral("river-mouth-quiz"));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(config::ApplicationVersion));
    // Lets the desktop match the window to its entry and icon.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(config::ApplicationId));

    const QLocale bulgarian(QLocale::Bulgarian, QLocale::Bulgaria);
    QLocale::setDefault(bulgarian);
    // Built into the program, so nothing is read from disk.
    auto *qtTexts = new QTranslator(&app);
    if (qtTexts->load(bulgarian, QStringLiteral("qtbase"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(qtTexts);

    installAnnouncements();
}
