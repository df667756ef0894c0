// Zubrik: a picture box: a persistent image that the raster copies draw into.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/PictureBox.h"

#include "platform/Handler.h"
#include "platform/Pictures.h"
#include "platform/Twips.h"

#include <algorithm>

PictureBox::PictureBox(Form &form, const ControlDesign &design)
    : Control(form, design), m_pictureName(design.picture),
      m_picture(design.picture.empty() ? nullptr : &Pictures::image(design.picture)),
      m_autoSize(design.autoSize), m_borderStyle(design.borderStyle),
      m_backColor(design.backColor.value_or(defaultBackColor))
{
    // A new box's image is its back colour with the picture pasted on: what
    // Cls leaves, made once.
    if (m_autoSize)
        fitToPicture();
    syncImageSize();
}

void PictureBox::setAutoSize(bool on)
{
    m_autoSize = on;
    if (on)
        fitToPicture();
}

void PictureBox::setBorderStyle(int style)
{
    // Auto-sized, the box grows or shrinks with the border; otherwise the
    // outer size stays and the client area changes.
    m_borderStyle = style;
    if (m_autoSize)
        fitToPicture();
    syncImageSize();
    changed();
}

void PictureBox::setWidth(float twips)
{
    Control::setWidth(twips);
    syncImageSize();
}

void PictureBox::setHeight(float twips)
{
    Control::setHeight(twips);
    syncImageSize();
}

void PictureBox::fitToPicture()
{
    if (!m_picture)
        return;
    Control::setWidth(float((m_picture->width() + 2 * border()) * Twips::perPixel));
    Control::setHeight(float((m_picture->height() + 2 * border()) * Twips::perPixel));
    syncImageSize();
}

void PictureBox::syncImageSize()
{
    const int width = std::max(1, pixelWidth() - 2 * border());
    const int height = std::max(1, pixelHeight() - 2 * border());
    if (m_image.width() == width && m_image.height() == height)
        return;
    Image grown(width, height, m_backColor.pixel());
    if (m_picture)
        grown.paste(*m_picture);
    grown.paste(m_image);
    m_image = std::move(grown);
}

void PictureBox::Cls()
{
    m_image.fill(m_backColor.pixel());
    if (m_picture)
        m_image.paste(*m_picture);
    changed();
}

void PictureBox::Refresh()
{
    if (peer())
        peer()->refresh();
}

void PictureBox::setChoices(const std::vector<Choice> &choices)
{
    m_choices = choices;
    m_marked = -1;
    changed();
}

void PictureBox::setMarkedChoice(int index)
{
    if (index < -1 || index >= int(m_choices.size()) || index == m_marked)
        return;
    m_marked = index;
    changed();
}

void PictureBox::mouseDown(std::int16_t button, std::int16_t shift, float x, float y)
{
    if (m_mouseDown)
        Handler::run([&] { m_mouseDown(button, shift, x, y); });
}

void PictureBox::mouseMove(std::int16_t buttons, std::int16_t shift, float x, float y)
{
    setMarkedChoice(-1);
    if (m_mouseMove)
        Handler::run([&] { m_mouseMove(buttons, shift, x, y); });
}

void PictureBox::mouseDownAt(std::int16_t button, std::int16_t shift, double x, double y)
{
    mouseDown(button, shift, clientTwips(x), clientTwips(y));
}

void PictureBox::mouseMoveAt(std::int16_t buttons, std::int16_t shift, double x, double y)
{
    mouseMove(buttons, shift, clientTwips(x), clientTwips(y));
}

float PictureBox::clientTwips(double outerPixels) const
{
    return float(Twips::fromPixels(outerPixels - border()));
}
