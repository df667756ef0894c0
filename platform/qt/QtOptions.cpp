// Zubrik: Qt's own command-line options, taken out as Qt 6.4 takes them, and the platform they choose.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/qt/QtOptions.h"

namespace {

enum class Takes { Nothing, Value, ValueOrJoinedValue }; // joined: "-style=Fusion"

struct QtOption {
    const char *name;
    Takes takes;
    bool x11Only;
};

// As Qt 6.4 takes them out of the arguments, each as -name or --name.
constexpr QtOption qtOptions[] = {
    // QCoreApplication's, QGuiApplication's and QApplication's, on every platform.
    { "platform", Takes::Value, false },
    { "platformpluginpath", Takes::Value, false },
    { "platformtheme", Takes::Value, false },
    { "plugin", Takes::Value, false },
    { "qmljsdebugger", Takes::ValueOrJoinedValue, false },
    { "qwindowgeometry", Takes::Value, false },
    { "qwindowicon", Takes::Value, false },
    { "qwindowtitle", Takes::Value, false },
    { "reverse", Takes::Nothing, false },
    { "session", Takes::Value, false },
    { "style", Takes::ValueOrJoinedValue, false },
    { "stylesheet", Takes::ValueOrJoinedValue, false },
    { "widgetcount", Takes::Nothing, false },
    // X11's: QGuiApplication's aliases there, and the xcb platform's own.
    // Older Qt's -sync, -ncols, -cmap, -im and the like are gone from Qt 6.
    { "display", Takes::Value, true },
    { "geometry", Takes::Value, true },
    { "title", Takes::Value, true },
    { "icon", Takes::Value, true },
    { "name", Takes::Value, true },
    { "visual", Takes::Value, true },
    { "nograb", Takes::Nothing, true },
    { "dograb", Takes::Nothing, true },
};

const QtOption *find(const QString &name, bool onX11)
{
    for (const QtOption &option : qtOptions) {
        if (name == QLatin1String(option.name) && (onX11 || !option.x11Only))
            return &option;
    }
    return nullptr;
}

} // namespace

QtOptions::QtOptions(const QStringList &arguments)
{
    // X11's options count only when the game will run on X11, which a
    // -platform among the arguments may decide: read with them first, and
    // again without them when the platform is another.
    take(arguments, true);
    if (platforms().value(0) != QLatin1String("xcb"))
        take(arguments, false);
}

const QStringList &QtOptions::rest() const
{
    return rest_;
}

const QString &QtOptions::optionMissingValue() const
{
    return optionMissingValue_;
}

QStringList QtOptions::unsetDisplayVariables() const
{
    QStringList unset;
    for (const QString &platform : platforms()) {
        const bool x11 = platform == QLatin1String("xcb");
        if (!x11 && !platform.startsWith(QLatin1String("wayland")))
            return {};
        // Wayland's library would try a socket named wayland-0 without
        // WAYLAND_DISPLAY, but every compositor names its own in it.
        const char *variable = x11 ? "DISPLAY" : "WAYLAND_DISPLAY";
        if (!qEnvironmentVariableIsEmpty(variable) || (x11 && !display_.isEmpty()))
            return {};
        unset += QLatin1String(variable);
    }
    unset.removeDuplicates();
    return unset;
}

void QtOptions::take(const QStringList &arguments, bool onX11)
{
    rest_ = arguments.mid(0, 1);
    optionMissingValue_.clear();
    platform_.clear();
    display_.clear();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--")) {
            rest_ += arguments.mid(i);
            return;
        }
        const QString word = argument.startsWith(QLatin1String("--")) ? argument.mid(2)
            : argument.startsWith(QLatin1Char('-'))                   ? argument.mid(1)
                                                                      : QString();
        const qsizetype equals = word.indexOf(QLatin1Char('='));
        const QtOption *option = find(word.left(equals), onX11);
        if (!option || (equals >= 0 && option->takes != Takes::ValueOrJoinedValue)) {
            rest_ += argument;
            continue;
        }
        QString value;
        if (equals >= 0) {
            value = word.mid(equals + 1);
        } else if (option->takes != Takes::Nothing) {
            if (++i == arguments.size()) {
                optionMissingValue_ = argument;
                return;
            }
            value = arguments.at(i); // whatever it is, as Qt takes it: "-style -reverse" names a style
        }
        if (qstrcmp(option->name, "platform") == 0)
            platform_ = value;
        else if (qstrcmp(option->name, "display") == 0)
            display_ = value;
    }
}

QStringList QtOptions::platforms() const
{
    QString chosen = platform_;
    if (chosen.isEmpty())
        chosen = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (chosen.isEmpty()) {
        // Qt's own choice: Wayland first in a Wayland session, then X11.
        const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
            || qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
        chosen = QLatin1String(wayland ? "wayland;xcb" : "xcb");
    }
    QStringList names; // in the order Qt tries them
    for (const QString &platform : chosen.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        names += platform.section(QLatin1Char(':'), 0, 0); // "xcb:option=value" is xcb
    return names;
}
