// Zubrik: the application object: identity, screen scaling, fonts, icon, and the last line against run-time errors.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/Application.h"

#include "platform/FontSetup.h"
#include "platform/MessageBox.h"
#include "platform/RuntimeError.h"

#include <QIcon>
#include <cstdio>
#include <cstdlib>

void Application::setUpScreenScaling()
{
    // Qt 6.4 passes fractional scales through by default, and 1.5 then turns
    // alternate picture pixels into 1- and 2-pixel columns. Rounding up at .5
    // rather than down keeps the small window readable on 150 % screens.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
}

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral(ZUBRIK_PRODUCT_NAME));
    setApplicationVersion(QStringLiteral(ZUBRIK_VERSION));
    // Lets desktops match the windows to the installed entry and its icon.
    setDesktopFileName(QStringLiteral(ZUBRIK_APP_ID));
    QIcon icon;
    icon.addFile(QStringLiteral(":/pictures/icon32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/pictures/icon48.png"), QSize(48, 48));
    setWindowIcon(icon);
    FontSetup::install();
}

bool Application::onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void Application::endBeforeTeardown(int status)
{
    if (!onWayland())
        return;
    std::fflush(nullptr);
    std::_Exit(status);
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const RuntimeError &error) {
        MessageBox::show(errorPrompt(int(error.code()), error.description()),
                         QStringLiteral(ZUBRIK_PRODUCT_NAME));
        exit(runtimeErrorExitCode);
        return true;
    }
}

QString Application::errorPrompt(int number, const QString &description)
{
    return QStringLiteral("実行時エラー '%1':\r\n\r\n%2").arg(number).arg(description);
}
