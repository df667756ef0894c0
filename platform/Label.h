// Zubrik: a label: a caption that may hold CR LF line breaks, and that can size itself to it.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Control.h"

#include <optional>

class Label : public Control
{
public:
    Label(Form &form, const ControlDesign &design);

    // The caption exactly as written; CR LF pairs show as line breaks.
    const std::string &caption() const { return m_caption; }
    // With AutoSize on, the label is resized to fit at once, so its Width can
    // be read right after.
    void setCaption(const std::string &caption);

    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool on);

    // An opaque background of this colour; transparent when none.
    const std::optional<Color> &backColor() const { return m_backColor; }
    const std::optional<Color> &foreColor() const { return m_foreColor; }
    int borderStyle() const { return m_borderStyle; }
    Alignment alignment() const { return m_alignment; }
    // The control this label names for a screen reader; empty for none.
    const std::string &buddy() const { return m_buddy; }
    // The same, as the form resolved it; nullptr for none.
    Control *buddyControl() const { return m_buddyControl; }

    // Fits the label to its caption now (the backend calls it once its peer,
    // which measures, is attached).
    void fitToCaption();

private:
    std::string m_caption;
    bool m_autoSize;
    std::optional<Color> m_backColor;
    std::optional<Color> m_foreColor;
    int m_borderStyle;
    Alignment m_alignment;
    std::string m_buddy;
    Control *m_buddyControl = nullptr;

    friend class Form;
};
