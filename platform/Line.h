// Zubrik: a line control: a rule between two points given in twips.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Control.h"

// The end points read back exactly as written; the rule covers the whole
// pixels from (x1, y1) up to, but not including, (x2, y2), as the original
// platform's line drawing does, in the window-text colour. The windows only
// rule along an axis: a rule is one pixel thick.
class Line : public Control
{
public:
    Line(Form &form, const ControlDesign &design)
        : Control(form, design), m_x1(design.x1), m_y1(design.y1), m_x2(design.x2), m_y2(design.y2)
    {
    }

    float x1() const { return m_x1; }
    float y1() const { return m_y1; }
    float x2() const { return m_x2; }
    float y2() const { return m_y2; }
    void setX2(float twips)
    {
        m_x2 = twips;
        changed();
    }
    // The pixels the rule covers: from the nearer end point's pixel, as long
    // as its span (the far end point left out), one pixel thick.
    PixelRect pixelRect() const override;

private:
    float m_x1;
    float m_y1;
    float m_x2;
    float m_y2;
};
