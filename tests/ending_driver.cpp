// Zubrik: the game as main() starts it, with the counter one short of the end; a test program only.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
//
// Without arguments it waits for a player (an end-to-end script under X).
// With --auto it presses ジャンプ itself, answers the real message box, presses
// 終わります, and reports each step on standard output. Either way the exit
// status is the game's own.
#include "ModalWatch.h"
#include "core/Form1.h"
#include "core/GameState.h"
#include "platform/CommandButton.h"
#include "platform/Label.h"
#include "platform/Program.h"
#include "platform/qt/Application.h"
#include "platform/qt/QtToolkit.h"

#include <QTextStream>
#include <memory>

int main(int argc, char *argv[])
{
    Application application(argc, argv);
    GameState state;
    Form1 mainWindow(state);
    mainWindow.Lbl_count.setCaption("999998");

    std::unique_ptr<ModalWatch> watch;
    if (QApplication::arguments().contains(QStringLiteral("--auto"))) {
        watch = std::make_unique<ModalWatch>([](Form4 &) {
            QTextStream(stdout) << "ending shown" << Qt::endl;
        });
        QTimer::singleShot(0, QtToolkit::window(mainWindow), [&] {
            QTest::mouseClick(QtToolkit::widget(mainWindow.Cmd_jump), Qt::LeftButton);
            for (const QString &box : watch->boxes)
                QTextStream(stdout) << "box: " << box.section(QStringLiteral(" | "), 0, 0) << Qt::endl;
            QTextStream(stdout) << "press returned" << Qt::endl;
        });
    }
    return Program::run(mainWindow);
}
