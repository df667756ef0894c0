// Zubrik: a form's peer: its window, fixed size and centred, with a widget for each control.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/qt/QtForm.h"

#include "platform/CommandButton.h"
#include "platform/Frame.h"
#include "platform/ImageBox.h"
#include "platform/Label.h"
#include "platform/Line.h"
#include "platform/PictureBox.h"
#include "platform/qt/Accessibility.h"
#include "platform/qt/Application.h"
#include "platform/qt/FontSetup.h"
#include "platform/qt/FormInput.h"
#include "platform/qt/QtCommandButton.h"
#include "platform/qt/QtFrame.h"
#include "platform/qt/QtImageBox.h"
#include "platform/qt/QtLabel.h"
#include "platform/qt/QtLine.h"
#include "platform/qt/QtPictureBox.h"
#include "platform/qt/QtToolkit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QScreen>

namespace {

QWidget *makeWidget(Control &control, QWidget *parent)
{
    switch (control.kind()) {
    case ControlKind::CommandButton:
        return new QtCommandButton(static_cast<CommandButton &>(control), parent);
    case ControlKind::Label: return new QtLabel(static_cast<Label &>(control), parent);
    case ControlKind::PictureBox:
        return new QtPictureBox(static_cast<PictureBox &>(control), parent);
    case ControlKind::Frame: return new QtFrame(static_cast<Frame &>(control), parent);
    case ControlKind::Line: return new QtLine(static_cast<Line &>(control), parent);
    case ControlKind::ImageBox: return new QtImageBox(static_cast<ImageBox &>(control), parent);
    }
    return nullptr;
}

} // namespace

QtForm::QtForm(Form &form) : QWidget(nullptr), m_form(form)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint;
    if (form.border() == FormBorder::None)
        flags |= Qt::FramelessWindowHint;
    else
        flags |= Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    setWindowFlags(flags);
    setWindowIcon(QApplication::windowIcon());
    setObjectName(QString::fromStdString(form.name()));
    Accessibility::install();
    setFont(FontSetup::qtFont(form.font()));
    if (const auto &back = form.backColor()) {
        QPalette colours = palette();
        colours.setColor(QPalette::Window, QColor(back->red, back->green, back->blue));
        setPalette(colours);
        setAutoFillBackground(true);
    }
    makeWidgets();
    setTabOrder();
    new FormInput(this, form);
    update();
}

QtForm::~QtForm()
{
    if (m_modalLoop)
        m_modalLoop->exit();
}

void QtForm::makeWidgets()
{
    // A frame comes before the controls that lie in it.
    for (const auto &control : m_form.controls()) {
        const Control *frame = control->container();
        makeWidget(*control, frame ? QtToolkit::widget(*frame) : this);
    }
    // Once every widget stands: a label names the one it labels for a screen reader.
    for (const auto &control : m_form.controls())
        if (const auto *label = dynamic_cast<const Label *>(control.get()); label && label->buddyControl())
            static_cast<QtLabel *>(QtToolkit::widget(*label))->setBuddy(QtToolkit::widget(*label->buddyControl()));
}

void QtForm::setTabOrder()
{
    // For screen readers, which follow Qt's chain; Tab itself is the form's.
    QWidget *previous = nullptr;
    for (const Control *control : m_form.tabOrderControls()) {
        QWidget *next = QtToolkit::widget(*control);
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

void QtForm::update()
{
    const QString caption = QString::fromStdString(m_form.caption());
    if (windowTitle() != caption)
        setWindowTitle(caption);
    // Decorations lie outside: the size is the client area's.
    const QSize size(m_form.pixelWidth(), m_form.pixelHeight());
    if (minimumSize() != size || maximumSize() != size)
        setFixedSize(size);
}

void QtForm::show(bool modal)
{
    if (modal)
        setWindowModality(Qt::ApplicationModal);
    QWidget::show();
    if (!modal || !m_form.isLoaded())
        return; // not modal, or unloaded already while being shown
    QEventLoop loop;
    m_modalLoop = &loop;
    loop.exec(QEventLoop::DialogExec);
    m_modalLoop = nullptr;
}

void QtForm::unload()
{
    // Only hidden: the run ends when the form says (Form::unload), not when Qt
    // sees the last window go.
    if (m_modalLoop)
        m_modalLoop->exit();
    hide();
}

Control *QtForm::focusedControl() const
{
    // The window's own focus widget, which keys go to whether or not Qt
    // counts the window as the active one yet.
    const auto *peer = dynamic_cast<const ControlPeer *>(focusWidget());
    return peer ? &peer->model() : nullptr;
}

void QtForm::showEvent(QShowEvent *event)
{
    if (!m_centred) {
        centreOnScreen();
        m_centred = true;
    }
    QWidget::showEvent(event);
}

void QtForm::closeEvent(QCloseEvent *event)
{
    if (!m_form.isLoaded()) {
        event->accept();
        return;
    }
    // A window under a modal one takes no close request until the modal one
    // is gone: X11 refuses such a request before it reaches us, but Qt's
    // Wayland client passes the compositor's on as a plain close, which would
    // leave the modal box alone with the game out of sight. (The form refuses
    // one under a form of its own; this is for Qt's boxes too.)
    const QWidget *modal = QApplication::activeModalWidget();
    if (modal && modal != this) {
        event->ignore();
        return;
    }
    // The form decides; the window closes only if it unloaded.
    m_form.requestClose();
    event->setAccepted(!m_form.isLoaded());
}

void QtForm::centreOnScreen()
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
