// Zubrik: a picture box: a persistent image that the raster copies draw into.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Control.h"
#include "platform/Image.h"
#include "platform/PixelRect.h"

#include <functional>
#include <vector>

// The image covers the client area (inside the border) and keeps whatever is
// copied into it, also while the box is hidden; it follows the box's size,
// keeping what it held. Mouse positions are in twips within the client area.
class PictureBox : public Control
{
public:
    static constexpr int borderPixels = 2;
    static constexpr Color defaultBackColor { 255, 255, 255 };

    // buttons and shift: sums of MouseButton and ShiftState values.
    using MouseHandler = std::function<void(std::int16_t button, std::int16_t shift, float x, float y)>;

    PictureBox(Form &form, const ControlDesign &design);

    // The design-time picture's name (Pictures); it is the background that Cls leaves.
    const std::string &pictureName() const { return m_pictureName; }

    bool autoSize() const { return m_autoSize; }
    // On: the box takes its picture's size (plus the border).
    void setAutoSize(bool on);

    // 0: no border; 1: a fixed single (sunken) border around the client area.
    int borderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);
    int border() const { return m_borderStyle == 0 ? 0 : borderPixels; }

    const Color &backColor() const { return m_backColor; }

    void setWidth(float twips) override;
    void setHeight(float twips) override;

    Hdc hDC() { return &m_image; }
    const Image &image() const { return m_image; }

    // Clears the image to the back colour with the design-time picture on it.
    void Cls();
    // Shows the image now; otherwise a change shows once the handler returns.
    void Refresh();

    // Choices laid out in the picture, as the keyboard and screen readers
    // reach them: a name, a description (lines split by LF) and a rectangle
    // in client pixels.
    struct Choice
    {
        std::string name;
        std::string description;
        PixelRect rect;

        bool operator==(const Choice &other) const
        {
            return name == other.name && description == other.description && rect == other.rect;
        }
    };
    const std::vector<Choice> &choices() const { return m_choices; }
    void setChoices(const std::vector<Choice> &choices);

    // The choice the keyboard stands on, or -1: marked on screen, never in the
    // image. The mouse moving over the box takes over and clears it.
    int markedChoice() const { return m_marked; }
    void setMarkedChoice(int index);

    void onMouseDown(MouseHandler handler) { m_mouseDown = std::move(handler); }
    void onMouseMove(MouseHandler handler) { m_mouseMove = std::move(handler); }
    // From the backend: a button pressed, or the mouse moved, at (x, y) twips
    // of the client area. Run through Handler.
    void mouseDown(std::int16_t button, std::int16_t shift, float x, float y);
    void mouseMove(std::int16_t buttons, std::int16_t shift, float x, float y);
    // The same at (x, y) in the box's own pixels from its outer top left
    // corner, border included, as a toolkit reports a pointer over it.
    void mouseDownAt(std::int16_t button, std::int16_t shift, double x, double y);
    void mouseMoveAt(std::int16_t buttons, std::int16_t shift, double x, double y);

private:
    float clientTwips(double outerPixels) const;

    void fitToPicture();
    // The image follows the client size.
    void syncImageSize();

    std::string m_pictureName;
    const Image *m_picture = nullptr;
    bool m_autoSize;
    int m_borderStyle;
    Color m_backColor;
    Image m_image;
    std::vector<Choice> m_choices;
    int m_marked = -1;
    MouseHandler m_mouseDown;
    MouseHandler m_mouseMove;
};
