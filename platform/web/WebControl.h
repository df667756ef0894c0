// Zubrik: a control's peer: its element in the page, mirroring the model's properties.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Control.h"

#include <array>
#include <string>

class WebEventLoop;

// Buttons are <button>s, labels and frames boxes of text, lines thin boxes,
// image controls canvases of their picture; picture boxes have a peer of
// their own (WebPictureBox) on top of this one.
class WebControl : public ControlPeer
{
public:
    WebControl(WebEventLoop &loop, Control &control);
    ~WebControl() override;
    WebControl(const WebControl &) = delete;
    WebControl &operator=(const WebControl &) = delete;

    void update() override;
    PixelSize fittedSize() const override;
    void setFocus() override;
    bool hasFocus() const override;

    // A design's size in points as CSS pixels, as on a 96-dpi screen (9 pt -> 12 px).
    static int fontPixels(double points);

protected:
    // The edge drawn inside the control's box, in pixels.
    virtual int border() const;

private:
    void place();
    void showText();
    void showAccessible();

    WebEventLoop &m_loop;
    std::array<int, 8> m_placed {};
    bool m_everPlaced = false;
    std::string m_text;
    bool m_textShown = false;
    std::string m_accessibleName;
    std::string m_accessibleDescription;
};
