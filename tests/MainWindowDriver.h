// Zubrik: drives the real main window in the Qt tests: its buttons, its timer, its counter.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "rules/PictureFiles.h"

#include "core/Form1.h"
#include "core/GameState.h"
#include "platform/Beep.h"
#include "platform/CommandButton.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/PictureBox.h"
#include "platform/qt/QtForm.h"
#include "platform/qt/QtToolkit.h"

#include <QApplication>
#include <QImage>
#include <QStringList>
#include <QtTest>
#include <cstring>
#include <functional>
#include <memory>

// The native window of a form, and the native widget of a control.
inline QWidget *native(const Form &form) { return QtToolkit::window(form); }
inline QWidget *native(const Control &control) { return QtToolkit::widget(control); }

// A fresh main window per driver, shown on the Qt toolkit (which the test
// keeps alive), its message boxes and beeps recorded instead of shown. Ticks
// are fired by hand so that no test depends on time.
class MainWindowDriver
{
public:
    MainWindowDriver() : form(std::make_unique<Form1>(state))
    {
        MessageBox::setBoxHandler([this](const std::string &prompt, const std::string &title) {
            boxes << QString::fromStdString(title) + QStringLiteral(" | ") + QString::fromStdString(prompt);
        });
        Beep::setHandler([this] { ++beeps; });
        form->show();
    }
    ~MainWindowDriver()
    {
        MessageBox::setBoxHandler({});
        Beep::setHandler({});
    }

    MainWindowState &window() { return form->windowState(); }
    // The main window's native window.
    QWidget *shown() const { return native(*form); }

    // A click as the player makes it, on the native button.
    static void click(const CommandButton &button) { QTest::mouseClick(native(button), Qt::LeftButton); }
    void jump() { click(form->Cmd_jump); }
    void pause() { click(form->Cmd_pause); }
    void replay() { click(form->Cmd_replay); }
    void tick() { form->Timer_Timer(); }

    // Ticks until the timer stops; returns the number of ticks, or -1 if it
    // had not landed after a generous bound.
    int tickUntilLanded(int bound = 200)
    {
        for (int ticks = 1; ticks <= bound; ++ticks) {
            tick();
            if (!form->timer().enabled())
                return ticks;
        }
        return -1;
    }

    // A copy of the game's image in Qt's terms: the layouts are the same.
    static QImage toQImage(const Image &image)
    {
        return QImage(reinterpret_cast<const uchar *>(image.data()), image.width(), image.height(),
                      qsizetype(image.width()) * 4, QImage::Format_RGB32)
            .copy();
    }

    // Pixel-for-pixel equality, whatever else the images carry (colour space, metadata).
    static bool samePixels(const QImage &a, const QImage &b)
    {
        if (a.size() != b.size())
            return false;
        const QImage x = a.convertToFormat(QImage::Format_RGB32);
        const QImage y = b.convertToFormat(QImage::Format_RGB32);
        for (int row = 0; row < x.height(); ++row)
            if (memcmp(x.constScanLine(row), y.constScanLine(row), size_t(x.width()) * 4) != 0)
                return false;
        return true;
    }
    static bool samePixels(const Image &a, const QImage &b) { return samePixels(toQImage(a), b); }

    // Clicks the button that opens a dialog of type Dialog and acts on the
    // dialog inside its modal show. Whatever `act` does or fails, a dialog
    // still loaded is closed afterwards as its close box would, so no test can
    // hang in the nested loop. False if no such dialog came up.
    template<class Dialog>
    static bool whileShown(const CommandButton &opener, const std::function<void(Dialog &)> &act)
    {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            QWidget *window = QApplication::activeModalWidget();
            auto *shownForm = qobject_cast<QtForm *>(window);
            auto *dialog = shownForm ? dynamic_cast<Dialog *>(&shownForm->model()) : nullptr;
            if (!dialog)
                return;
            seen = true;
            act(*dialog);
            if (dialog->isLoaded())
                window->close();
        });
        click(opener);
        return seen;
    }

    // A picture as shipped in the source tree, decoded apart from the game's copy.
    static QImage shipped(const std::string &name) { return toQImage(PictureFiles::load(name)); }

    QString counter() const { return QString::fromStdString(form->Lbl_count.caption()); }
    void setCounter(const QString &caption) { form->Lbl_count.setCaption(caption.toStdString()); }
    QImage frame() const { return toQImage(form->Pic.image()); }

    GameState state;
    std::unique_ptr<Form1> form;
    QStringList boxes;
    int beeps = 0;
};
