// Zubrik: the message box, behind a seam that tests can replace.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <QString>
#include <functional>

class MessageBox
{
public:
    using BoxHandler = std::function<void(const QString &prompt, const QString &title)>;

    // A modal box with the prompt (CR LF starts a new line), the title, an OK
    // button and no icon; returns when it is dismissed.
    static void show(const QString &prompt, const QString &title);

    // Replace the real box (tests); an empty handler restores the real one.
    static void setBoxHandler(BoxHandler handler);

private:
    static BoxHandler &boxHandler();
};
