// Zubrik: the message box, behind a seam that tests can replace.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <functional>
#include <string>

class MessageBox
{
public:
    using BoxHandler = std::function<void(const std::string &prompt, const std::string &title)>;

    // A modal box with the prompt (CR LF starts a new line), the title, an OK
    // button and no icon, shown by the toolkit; returns when it is dismissed.
    static void show(const std::string &prompt, const std::string &title);
    // Whether a box is up now.
    static bool isOpen() { return openBoxes() > 0; }

    // Replace the toolkit's box (tests); an empty handler restores it.
    static void setBoxHandler(BoxHandler handler);

private:
    static BoxHandler &boxHandler();
    static int &openBoxes();
};
