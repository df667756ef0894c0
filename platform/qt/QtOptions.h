// Zubrik: Qt's own command-line options, taken out as Qt 6.4 takes them, and the platform they choose.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <QStringList>

// Qt's documented options (QGuiApplication's and QApplication's) and, when the
// game will run on X11, the xcb platform's, read before any application object
// exists: no throwaway application has to open a platform to judge them, and
// the platform the game will run on is known before Qt aborts for want of one.
class QtOptions
{
public:
    // arguments: the whole command line, the program's name first.
    explicit QtOptions(const QStringList &arguments);

    // What Qt's options leave to the program, the program's name first; Qt's
    // options after "--" are not taken.
    const QStringList &rest() const;

    // The option, as given, that ends the command line without its value;
    // empty when there is none.
    const QString &optionMissingValue() const;

    // The environment variables that would name a display for the platforms
    // Qt will try, in that order, when none of them has a display to open;
    // empty when the game can open its window (a display is named, or a
    // platform such as offscreen needs none).
    QStringList unsetDisplayVariables() const;

private:
    void take(const QStringList &arguments, bool onX11);
    QStringList platforms() const;

    QStringList rest_;
    QString optionMissingValue_;
    QString platform_; // the last -platform given
    QString display_; // the last -display given
};
