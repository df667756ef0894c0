// Zubrik: starts a program of this build as a process of its own, under the build's emulator if it has one.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <QProcess>
#include <QStringList>

// A cross build's programs are for another processor. The kernel hands them to
// an emulator only where binfmt_misc has one registered, so the emulator that
// CMake runs the tests under (ZUBRIK_EMULATOR, empty in a native build) is
// named here too.
inline void startBuiltProgram(QProcess &process, const QString &program, const QStringList &arguments)
{
    QStringList command = QProcess::splitCommand(QStringLiteral(ZUBRIK_EMULATOR)) << program << arguments;
    const QString executable = command.takeFirst();
    process.start(executable, command);
}
