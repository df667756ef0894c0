// Zubrik: the Qt toolkit: native windows and widgets for the game's forms, its boxes, its beep and its run.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/qt/QtToolkit.h"

#include "platform/Control.h"
#include "platform/Form.h"
#include "platform/qt/QtBeep.h"
#include "platform/qt/QtForm.h"
#include "platform/qt/QtTimer.h"

#include <QApplication>
#include <QMessageBox>
#include <utility>

QtToolkit::QtToolkit()
{
    QGuiApplication::setQuitOnLastWindowClosed(false);
    Toolkit::install(this);
}

QtToolkit::~QtToolkit()
{
    Toolkit::install(nullptr);
}

std::unique_ptr<FormPeer> QtToolkit::createPeer(Form &form)
{
    return std::make_unique<QtForm>(form);
}

std::unique_ptr<TimerPeer> QtToolkit::createPeer(Timer &timer)
{
    return std::make_unique<QtTimer>(timer);
}

void QtToolkit::showMessage(const std::string &prompt, const std::string &title)
{
    QString text = QString::fromStdString(prompt);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setWindowIcon(QApplication::windowIcon());
    box.exec();
}

void QtToolkit::beep()
{
    QtBeep::ring();
}

int QtToolkit::exec()
{
    // A quit asked for before the loop began ends the run as well.
    if (!m_exitCode) {
        m_running = true;
        const int status = QCoreApplication::exec();
        m_running = false;
        if (!m_exitCode)
            m_exitCode = status;
    }
    return *std::exchange(m_exitCode, std::nullopt);
}

void QtToolkit::quit(int exitCode)
{
    m_exitCode = exitCode;
    // Every event loop of the thread returns, the modal ones too, and any
    // loop begun after this returns at once, until the main one has. Outside
    // the run (a test driving the windows) there is no loop to end, and Qt
    // would keep every later modal loop from starting.
    if (m_running)
        QCoreApplication::exit(exitCode);
}

QWidget *QtToolkit::widget(const Control &control)
{
    return dynamic_cast<QWidget *>(control.peer());
}

QWidget *QtToolkit::window(const Form &form)
{
    return dynamic_cast<QWidget *>(form.peer());
}
