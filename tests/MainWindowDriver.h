// Zubrik: drives the real main window in tests: its buttons, its timer, its counter.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "core/Form1.h"
#include "core/GameState.h"
#include "platform/AutoSizeLabel.h"
#include "platform/Beep.h"
#include "platform/CommandButton.h"
#include "platform/MessageBox.h"
#include "platform/PictureBox.h"
#include "ui_Form1.h"

#include <QStringList>
#include <cstring>
#include <QtTest>
#include <memory>

// A fresh main window per driver, its message boxes and beeps recorded
// instead of shown. Ticks are fired by hand so that no test depends on time.
class MainWindowDriver
{
public:
    MainWindowDriver() : form(std::make_unique<Form1>(state))
    {
        MessageBox::setBoxHandler([this](const QString &prompt, const QString &title) {
            boxes << title + QStringLiteral(" | ") + prompt;
        });
        Beep::setHandler([this] { ++beeps; });
        form->show();
    }
    ~MainWindowDriver()
    {
        MessageBox::setBoxHandler({});
        Beep::setHandler({});
    }

    const Ui::Form1 &ui() const { return form->widgets(); }
    MainWindowState &window() { return form->windowState(); }

    void click(CommandButton *button) { QTest::mouseClick(button, Qt::LeftButton); }
    void jump() { click(ui().Cmd_jump); }
    void pause() { click(ui().Cmd_pause); }
    void replay() { click(ui().Cmd_replay); }
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

    QString counter() const { return ui().Lbl_count->caption(); }
    void setCounter(const QString &caption) { ui().Lbl_count->setCaption(caption); }
    const QImage &frame() const { return ui().Pic->image(); }

    GameState state;
    std::unique_ptr<Form1> form;
    QStringList boxes;
    int beeps = 0;
};
