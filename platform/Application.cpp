// Zubrik: the application object: identity, screen scaling, fonts, icon, and the end on a run-time error.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/Application.h"

#include "platform/FontSetup.h"
#include "platform/MessageBox.h"
#include "platform/RuntimeError.h"

#include <QIcon>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

bool endingAfterError = false;

} // namespace

void Application::setUpScreenScaling()
{
    // Qt 6.4 passes fractional scales through by default, and 1.5 then turns
    // alternate picture pixels into 1- and 2-pixel columns. Rounding up at .5
    // rather than down keeps the small window readable on 150 % screens.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
}

void Application::identify()
{
    QCoreApplication::setApplicationName(QStringLiteral(ZUBRIK_PRODUCT_NAME));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZUBRIK_VERSION));
    // Lets desktops match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZUBRIK_APP_ID));
}

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    identify();
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

int Application::run(QWidget &startForm)
{
    int status = runtimeErrorExitCode;
    if (!endingAfterError) {
        startForm.show();
        status = exec();
    }
    // The error's status stands, whatever closed the windows after it; a
    // later run in the same process starts afresh.
    if (std::exchange(endingAfterError, false))
        status = runtimeErrorExitCode;
    return status;
}

void Application::endWithError(const RuntimeError &error)
{
    // Before the box: it runs an event loop, the game's timer goes on firing
    // behind it, and no handler of the game may run again.
    endingAfterError = true;
    MessageBox::show(errorPrompt(int(error.code()), error.description()),
                     QStringLiteral(ZUBRIK_PRODUCT_NAME));
    exit(runtimeErrorExitCode);
}

bool Application::endingWithError()
{
    return endingAfterError;
}

QString Application::errorPrompt(int number, const QString &description)
{
    return QStringLiteral("実行時エラー '%1':\r\n\r\n%2").arg(number).arg(description);
}
