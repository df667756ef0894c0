// Zubrik: a window's design as data: every designed property of the form and its controls.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Color.h"
#include "platform/Font.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

enum class ControlKind { CommandButton, Label, PictureBox, Frame, Line, ImageBox };

enum class Alignment { Left, Right, Center };

// One control. Positions and sizes are in twips, relative to the client area
// of the form or of the frame that contains it.
struct ControlDesign
{
    ControlKind kind = ControlKind::Label;
    std::string name;         // the designed name, "Label1" for every element of an array
    std::int16_t index = -1;  // the element's index in its widget array, -1 for none
    std::string container;    // the frame it lies in; empty for the form
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    std::string caption;
    std::optional<Font> font; // the form's font when none
    std::optional<Color> backColor; // transparent (labels) or white (pictures) when none
    std::optional<Color> foreColor; // the window text colour when none
    int borderStyle = 0;      // 0 none, 1 fixed single
    Alignment alignment = Alignment::Left;
    bool autoSize = false;
    bool visible = true;
    bool tabStop = false;     // reached by Tab (buttons); see FormDesign::tabOrder
    std::string picture;      // a picture's name in Pictures, "bg0"
    bool stretch = false;     // an image box stretches its picture to its size
    float x1 = 0;             // a line's end points, in twips
    float y1 = 0;
    float x2 = 0;
    float y2 = 0;
    std::string buddy;        // a label names the control it labels
    std::string accessibleName;
};

enum class FormBorder { FixedSingle, None };

struct FormDesign
{
    std::string name;
    std::string caption;
    float width = 0;          // client area, twips
    float height = 0;
    FormBorder border = FormBorder::FixedSingle;
    std::optional<Color> backColor; // the window colour when none
    Font font;
    bool keyPreview = false;
    std::vector<ControlDesign> controls; // in the order they are stacked, bottom first
    std::vector<std::string> tabOrder;   // controls reached by Tab, in order (array elements as "Name(i)")
};
