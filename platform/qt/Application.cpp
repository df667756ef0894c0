// Zubrik: the application object: identity, screen scaling, fonts, icon, and the toolkit.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/qt/Application.h"

#include "platform/Image.h"
#include "platform/Pictures.h"
#include "platform/qt/FontSetup.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>

namespace {

QPixmap pixmap(const Image &image)
{
    // The same layout as the model's pixels; copied, as a pixmap always is.
    const QImage wrapped(reinterpret_cast<const uchar *>(image.data()), image.width(),
                         image.height(), qsizetype(image.width()) * 4, QImage::Format_RGB32);
    return QPixmap::fromImage(wrapped);
}

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
    icon.addPixmap(pixmap(Pictures::image("icon32")));
    icon.addPixmap(pixmap(Pictures::image("icon48")));
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
