// Zubrik: a control's peer: its element in the page, mirroring the model's properties.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/web/WebControl.h"

#include "platform/CommandButton.h"
#include "platform/Form.h"
#include "platform/Frame.h"
#include "platform/Image.h"
#include "platform/ImageBox.h"
#include "platform/Label.h"
#include "platform/Line.h"
#include "platform/PictureBox.h"
#include "platform/Rounding.h"
#include "platform/Twips.h"
#include "platform/web/WebPage.h"

#include <algorithm>
#include <cstdlib>

namespace {

int rgb(const std::optional<Color> &colour)
{
    return colour ? int(colour->pixel() & 0xffffffu) : -1;
}

const std::string *caption(const Control &control)
{
    if (const auto *button = dynamic_cast<const CommandButton *>(&control))
        return &button->caption();
    if (const auto *label = dynamic_cast<const Label *>(&control))
        return &label->caption();
    if (const auto *frame = dynamic_cast<const Frame *>(&control))
        return &frame->caption();
    return nullptr;
}

} // namespace

WebControl::WebControl(Control &control, const Control *container) : m_control(control)
{
    zubrik_control_create(&control.form(), &control, int(control.kind()), control.fullName().c_str(),
                          container);
    const Font &font = control.font();
    int fore = -1, back = -1, border = 0, alignment = int(Alignment::Left);
    if (const auto *label = dynamic_cast<const Label *>(&control)) {
        fore = rgb(label->foreColor());
        back = rgb(label->backColor());
        border = label->borderStyle();
        alignment = int(label->alignment());
    } else if (const auto *box = dynamic_cast<const PictureBox *>(&control)) {
        back = rgb(box->backColor());
    }
    zubrik_control_style(&control, fontPixels(font.points), font.bold, fore, back, border, alignment);
    if (const auto *image = dynamic_cast<const ImageBox *>(&control)) {
        const Image &picture = image->picture();
        zubrik_picture_put(&control, picture.data(), picture.width(), picture.height());
    }
    update();
}

WebControl::~WebControl()
{
    zubrik_control_destroy(&m_control);
}

int WebControl::fontPixels(double points)
{
    return int(Rounding::halfEven(points * 4 / 3));
}

void WebControl::update()
{
    place();
    showText();
    showAccessible();
}

void WebControl::place()
{
    int left = m_control.pixelLeft(), top = m_control.pixelTop();
    int width = m_control.pixelWidth(), height = m_control.pixelHeight();
    if (const auto *line = dynamic_cast<const Line *>(&m_control)) {
        // The end point itself is left out, so a rule is as long as its span.
        const int x1 = Twips::toPixels(line->x1()), y1 = Twips::toPixels(line->y1());
        const int x2 = Twips::toPixels(line->x2()), y2 = Twips::toPixels(line->y2());
        left = std::min(x1, x2);
        top = std::min(y1, y2);
        width = std::max(std::abs(x2 - x1), 1);
        height = std::max(std::abs(y2 - y1), 1);
    } else if (const auto *image = dynamic_cast<const ImageBox *>(&m_control); image && !image->stretch()) {
        width = image->picture().width();
        height = image->picture().height();
    }
    const int tabIndex = m_tabPosition > 0 ? m_tabPosition : (m_control.tabStop() ? 0 : -1);
    const std::array<int, 7> placed { left, top, width, height, m_control.visible(),
                                      m_control.enabled(), tabIndex };
    if (m_everPlaced && placed == m_placed)
        return;
    m_placed = placed;
    m_everPlaced = true;
    zubrik_control_place(&m_control, left, top, width, height, placed[4], placed[5], tabIndex);
}

void WebControl::showText()
{
    const std::string *text = caption(m_control);
    if (!text || (m_textShown && *text == m_text))
        return;
    m_text = *text;
    m_textShown = true;
    zubrik_control_text(&m_control, m_text.c_str());
}

void WebControl::showAccessible()
{
    if (m_control.accessibleName() == m_accessibleName
        && m_control.accessibleDescription() == m_accessibleDescription)
        return;
    m_accessibleName = m_control.accessibleName();
    m_accessibleDescription = m_control.accessibleDescription();
    zubrik_control_accessible(&m_control, m_accessibleName.c_str(), m_accessibleDescription.c_str());
}

ControlPeer::PixelSize WebControl::fittedSize() const
{
    const auto *label = dynamic_cast<const Label *>(&m_control);
    if (!label)
        return {};
    const int packed = zubrik_label_measure(label->caption().c_str(), fontPixels(label->font().points),
                                            label->font().bold, label->borderStyle());
    return { packed >> 16, packed & 0xffff };
}

void WebControl::setFocus()
{
    zubrik_control_focus(&m_control);
}

bool WebControl::hasFocus() const
{
    return zubrik_control_has_focus(&m_control) != 0;
}

void WebControl::setTabPosition(int position)
{
    m_tabPosition = position;
    update();
}
