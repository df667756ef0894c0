// Zubrik: the application object: fonts, icon, and the last line against run-time errors.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <QApplication>

// A run-time error that no handler traps ends up here: it is shown in an error
// box and the program ends with a non-zero exit status.
class Application : public QApplication
{
    Q_OBJECT

public:
    static constexpr int runtimeErrorExitCode = 1;

    Application(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // The error box's prompt for an error number and its description.
    static QString errorPrompt(int number, const QString &description);
};
