// Zubrik: a control's peer: its element in the page, mirroring the model's properties.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Control.h"

#include <array>
#include <string>

// Buttons are <button>s, labels and frames boxes of text, lines thin boxes,
// image controls canvases of their picture; picture boxes have a peer of
// their own (WebPictureBox) on top of this one.
class WebControl : public ControlPeer
{
public:
    WebControl(Control &control, const Control *container);
    ~WebControl() override;
    WebControl(const WebControl &) = delete;
    WebControl &operator=(const WebControl &) = delete;

    void update() override;
    PixelSize fittedSize() const override;
    void setFocus() override;
    bool hasFocus() const override;

    // Its place in the design's tab order, from 1; none (0) leaves it to its tab stop.
    void setTabPosition(int position);

    // A design's size in points as CSS pixels, as on a 96-dpi screen (9 pt -> 12 px).
    static int fontPixels(double points);

protected:
    Control &m_control;

private:
    void place();
    void showText();
    void showAccessible();

    int m_tabPosition = 0;
    std::array<int, 7> m_placed {};
    bool m_everPlaced = false;
    std::string m_text;
    bool m_textShown = false;
    std::string m_accessibleName;
    std::string m_accessibleDescription;
};
