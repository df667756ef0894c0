// Zubrik: a control's peer: its element in the page, mirroring the model's properties.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/web/WebControl.h"

#include "platform/CommandButton.h"
#include "platform/Frame.h"
#include "platform/Image.h"
#include "platform/ImageBox.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "platform/Rounding.h"
#include "platform/web/WebEventLoop.h"
#include "platform/web/WebPage.h"

namespace {

// A sunken label's edge, as the original platform draws it.
constexpr int labelFramePixels = 2;

int rgb(const std::optional<Color> &colour)
{
    return colour ? int(colour->pixel() & 0xffffffu) : -1;
}

// The page's name for each kind: its element and class.
const char *kindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::CommandButton: return "button";
    case ControlKind::Label: return "label";
    case ControlKind::PictureBox: return "picture";
    case ControlKind::Frame: return "frame";
    case ControlKind::Line: return "line";
    case ControlKind::ImageBox: return "image";
    }
    return "label";
}

const char *textAlign(Alignment alignment)
{
    switch (alignment) {
    case Alignment::Left: return "left";
    case Alignment::Right: return "right";
    case Alignment::Center: return "center";
    }
    return "left";
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

WebControl::WebControl(WebEventLoop &loop, Control &control) : ControlPeer(control), m_loop(loop)
{
    zubrik_control_create(&control.form(), &control, kindName(control.kind()), control.fullName().c_str(),
                          control.container());
    const Font &font = control.font();
    int fore = -1, back = -1;
    Alignment alignment = Alignment::Left;
    if (const auto *label = dynamic_cast<const Label *>(&control)) {
        fore = rgb(label->foreColor());
        back = rgb(label->backColor());
        alignment = label->alignment();
    } else if (const auto *box = dynamic_cast<const PictureBox *>(&control)) {
        back = rgb(box->backColor());
    }
    const auto *image = dynamic_cast<const ImageBox *>(&control);
    zubrik_control_style(&control, fontPixels(font.points), font.bold, fore, back, textAlign(alignment),
                         image && image->stretch());
    if (image) {
        const Image &picture = image->picture();
        zubrik_picture_put(&control, picture.data(), picture.width(), picture.height());
    }
    update();
}

WebControl::~WebControl()
{
    m_loop.forget(&model());
    zubrik_control_destroy(&model());
}

int WebControl::fontPixels(double points)
{
    return int(Rounding::halfEven(points * 4 / 3));
}

int WebControl::border() const
{
    const auto *label = dynamic_cast<const Label *>(&model());
    return label && label->borderStyle() != 0 ? labelFramePixels : 0;
}

void WebControl::update()
{
    place();
    showText();
    showAccessible();
}

void WebControl::place()
{
    const Control &control = model();
    const PixelRect rect = control.pixelRect();
    const std::array<int, 8> placed { rect.x, rect.y, rect.width, rect.height, border(),
                                      control.visible(), control.enabled(), control.takesFocus() };
    if (m_everPlaced && placed == m_placed)
        return;
    m_placed = placed;
    m_everPlaced = true;
    zubrik_control_place(&control, rect.x, rect.y, rect.width, rect.height, placed[4], placed[5],
                         placed[6], placed[7]);
}

void WebControl::showText()
{
    const std::string *text = caption(model());
    if (!text || (m_textShown && *text == m_text))
        return;
    m_text = *text;
    m_textShown = true;
    zubrik_control_text(&model(), m_text.c_str());
}

void WebControl::showAccessible()
{
    const Control &control = model();
    if (control.accessibleName() == m_accessibleName
        && control.accessibleDescription() == m_accessibleDescription)
        return;
    m_accessibleName = control.accessibleName();
    m_accessibleDescription = control.accessibleDescription();
    zubrik_control_accessible(&control, m_accessibleName.c_str(), m_accessibleDescription.c_str());
}

ControlPeer::PixelSize WebControl::fittedSize() const
{
    const auto *label = dynamic_cast<const Label *>(&model());
    if (!label)
        return {};
    const int packed = zubrik_label_measure(label->caption().c_str(), fontPixels(label->font().points),
                                            label->font().bold);
    return { (packed >> 16) + 2 * border(), (packed & 0xffff) + 2 * border() };
}

void WebControl::setFocus()
{
    zubrik_control_focus(&model());
}

bool WebControl::hasFocus() const
{
    return zubrik_control_has_focus(&model()) != 0;
}
