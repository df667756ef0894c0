// Zubrik: the one place where Qt calls the game's handlers, and where a run-time error stops.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Application.h"
#include "platform/RuntimeError.h"

#include <QObject>
#include <utility>

// Qt's frames are not built to be unwound by an exception: objects they hold
// on the way would be stranded. So every handler of the game is called through
// here, and a run-time error that the handler does not trap stops here, before
// it reaches Qt; Application::endWithError shows the box and ends the program.
// Once the program is ending, no handler of the game runs any more.
namespace Handler {

template<typename Call>
void run(Call &&call)
{
    if (Application::endingWithError())
        return;
    try {
        std::forward<Call>(call)();
    } catch (const RuntimeError &error) {
        Application::endWithError(error);
    }
}

// QObject::connect for a handler of the game.
template<typename Sender, typename Signal, typename Receiver, typename... Args>
QMetaObject::Connection connect(const Sender *sender, Signal signal, Receiver *receiver,
                                void (Receiver::*handler)(Args...))
{
    return QObject::connect(sender, signal, receiver, [receiver, handler](Args... args) {
        run([&] { (receiver->*handler)(std::forward<Args>(args)...); });
    });
}

} // namespace Handler
