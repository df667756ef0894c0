// Zubrik: a command button: a caption, and a Click handler.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Control.h"

#include <functional>

class CommandButton : public Control
{
public:
    CommandButton(Form &form, const ControlDesign &design);

    const std::string &caption() const { return m_caption; }
    void setCaption(const std::string &caption);

    void onClick(std::function<void()> handler) { m_click = std::move(handler); }
    // A click by mouse or keyboard (the backend calls it); a disabled button
    // takes none. Runs the handler through Handler.
    void click();

private:
    std::string m_caption;
    std::function<void()> m_click;
};
