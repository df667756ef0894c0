// Zubrik: the game as main() starts it, with a counter caption given by a test; a test program only.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
//
// Usage: zubrik_counter_driver [--press] CAPTION. Writes CAPTION into the
// counter (9: one press from a milestone; 12a: as only a fault could) and
// waits for a player. With --press it presses ジャンプ once itself, answers
// real message boxes (the error box included) with OK and reports them on
// standard output. The exit status is the game's own; nothing here ends the
// program.
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
    const bool press = argc == 3 && QString::fromLocal8Bit(argv[1]) == QStringLiteral("--press");
    if (argc != 2 && !press)
        return 2;
    GameState state;
    Form1 mainWindow(state);
    mainWindow.Lbl_count.setCaption(QString::fromLocal8Bit(argv[argc - 1]).toStdString());

    std::unique_ptr<ModalWatch> watch;
    if (press) {
        watch = std::make_unique<ModalWatch>();
        QTimer::singleShot(0, QtToolkit::window(mainWindow), [&] {
            QTest::mouseClick(QtToolkit::widget(mainWindow.Cmd_jump), Qt::LeftButton);
            QTextStream out(stdout);
            for (const QString &box : watch->boxes)
                out << "box: " << box << Qt::endl;
            out << "press returned" << Qt::endl;
        });
    }
    return Program::run(mainWindow);
}
