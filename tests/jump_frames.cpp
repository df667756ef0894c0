// Zubrik: writes every frame one jump from the start can show, composed from the pictures; a test program only.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
//
// Usage: zubrik_jump_frames DIR [STAGE:CELL ...]. Writes DIR/standing.png,
// DIR/flight-N.png after tick N of a jump with the first character on the
// first stage, and DIR/paused-N.png, the same frame paused; then for each
// STAGE:CELL (stage picture 0-3, character cell 0-3) DIR/standing-STAGE-CELL.png,
// that character standing on that stage. The positions come from the real
// main window's ticks (run offscreen); the pictures are composed apart from
// the game's compositor, so an end-to-end test can match what a screen shows.
#include "MainWindowDriver.h"
#include "rules/ExpectedFrame.h"

#include "platform/qt/Application.h"

#include <QDir>
#include <QStringList>
#include <QTextStream>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Application application(argc, argv);
    if (argc < 2)
        return 2;
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    const ExpectedFrame frames;
    MainWindowDriver game;
    const auto inputs = [&game] {
        const GameState &s = game.state;
        return FrameInputs { s.charFrameX, 0, s.charY, s.shadowFrameX, s.paused, game.form->timer().interval() };
    };
    const auto write = [&](const FrameInputs &in, const QString &name) {
        return MainWindowDriver::toQImage(frames.compose(in)).save(dir.filePath(name + QStringLiteral(".png")));
    };
    // A frame the game did not draw would match nothing on screen: each one
    // written here must be what Pic holds at that moment.
    const auto check = [&](const FrameInputs &in) {
        return game.form->Pic.image() == frames.compose(in);
    };

    FrameInputs in = inputs();
    if (!check(in) || !write(in, QStringLiteral("standing")))
        return 1;
    game.jump();
    int ticks = 0;
    for (;;) {
        game.tick();
        ++ticks;
        if (!game.form->timer().enabled())
            break;
        in = inputs();
        if (!check(in) || ticks > 100 || !write(in, QStringLiteral("flight-%1").arg(ticks)))
            return 1;
        in.paused = 1;
        if (!write(in, QStringLiteral("paused-%1").arg(ticks)))
            return 1;
    }
    QTextStream(stdout) << ticks - 1 << " frames in flight" << Qt::endl;

    // Set as the selection dialogs set them on a pick.
    for (int i = 2; i < argc; ++i) {
        const QStringList pair = QString::fromLocal8Bit(argv[i]).split(QLatin1Char(':'));
        bool stageOk = false, cellOk = false;
        const int stage = pair.value(0).toInt(&stageOk);
        const int cell = pair.value(1).toInt(&cellOk);
        if (pair.size() != 2 || !stageOk || !cellOk || stage < 0 || stage > 3 || cell < 0 || cell > 3)
            return 2;
        game.state.charFrameX = 92 * cell;
        game.state.stageDc = game.form->Bg(std::int16_t(stage)).hDC();
        game.form->FrameCompositor();
        in = inputs();
        in.stage = stage;
        if (!check(in) || !write(in, QStringLiteral("standing-%1-%2").arg(stage).arg(cell)))
            return 1;
    }
    return 0;
}
