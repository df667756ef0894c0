// Zubrik: the message box, behind a seam that tests can replace.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/MessageBox.h"

#include "platform/Toolkit.h"

MessageBox::BoxHandler &MessageBox::boxHandler()
{
    static BoxHandler handler;
    return handler;
}

int &MessageBox::openBoxes()
{
    static int open = 0;
    return open;
}

void MessageBox::show(const std::string &prompt, const std::string &title)
{
    ++openBoxes();
    if (boxHandler())
        boxHandler()(prompt, title);
    else
        Toolkit::current().showMessage(prompt, title);
    --openBoxes();
}

void MessageBox::setBoxHandler(BoxHandler handler)
{
    boxHandler() = std::move(handler);
}
