// Zubrik: a designed window of the game: fixed size, centred, shown modally or not.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/FormWindow.h"

#include "platform/Accessibility.h"
#include "platform/Application.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QScreen>

FormWindow::FormWindow(Border border) : QWidget(nullptr)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint;
    if (border == Border::None)
        flags |= Qt::FramelessWindowHint;
    else
        flags |= Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    setWindowFlags(flags);
    setWindowIcon(QApplication::windowIcon());
    Accessibility::install();
}

FormWindow::~FormWindow()
{
    if (m_modalLoop)
        m_modalLoop->exit();
}

float FormWindow::formWidth() const
{
    return Twips::width(this);
}

void FormWindow::setFormWidth(float twips)
{
    setFixedWidth(Twips::toPixels(twips));
    Twips::setWidth(this, twips);
}

void FormWindow::fixSize()
{
    setFixedSize(size());
}

void FormWindow::showModal()
{
    setWindowModality(Qt::ApplicationModal);
    show();
    if (!m_loaded)
        return; // unloaded already while being shown
    QEventLoop loop;
    m_modalLoop = &loop;
    loop.exec(QEventLoop::DialogExec);
    m_modalLoop = nullptr;
}

void FormWindow::unload()
{
    if (!m_loaded)
        return;
    m_loaded = false;
    hide();
    if (m_modalLoop)
        m_modalLoop->exit();
    Q_EMIT unloaded();
}

void FormWindow::showEvent(QShowEvent *event)
{
    m_loaded = true;
    if (!m_centred) {
        centreOnScreen();
        m_centred = true;
    }
    QWidget::showEvent(event);
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    // A window under a modal one takes no close request until the modal one
    // is gone: X11 refuses such a request before it reaches us, but Qt's
    // Wayland client passes the compositor's on as a plain close, which would
    // leave the modal dialog alone with the game out of sight.
    const QWidget *modal = QApplication::activeModalWidget();
    if (modal && modal != this) {
        event->ignore();
        return;
    }
    event->accept();
    unload();
}

void FormWindow::centreOnScreen()
{
    // A Wayland compositor places every window itself and ignores a position
    // asked for; sway, for one, centres a fixed-size window.
    if (Application::onWayland())
        return;
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}
