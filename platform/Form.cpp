// Zubrik: a form: a designed window, its controls, and its handlers.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/Form.h"

#include "platform/CommandButton.h"
#include "platform/Frame.h"
#include "platform/Handler.h"
#include "platform/ImageBox.h"
#include "platform/Label.h"
#include "platform/Line.h"
#include "platform/MessageBox.h"
#include "platform/PictureBox.h"
#include "platform/Program.h"
#include "platform/RuntimeError.h"
#include "platform/Toolkit.h"
#include "platform/Twips.h"
#include "platform/VirtualKey.h"

#include <algorithm>
#include <utility>

namespace {

std::unique_ptr<Control> makeControl(Form &form, const ControlDesign &design)
{
    switch (design.kind) {
    case ControlKind::CommandButton: return std::make_unique<CommandButton>(form, design);
    case ControlKind::Label: return std::make_unique<Label>(form, design);
    case ControlKind::PictureBox: return std::make_unique<PictureBox>(form, design);
    case ControlKind::Frame: return std::make_unique<Frame>(form, design);
    case ControlKind::Line: return std::make_unique<Line>(form, design);
    case ControlKind::ImageBox: return std::make_unique<ImageBox>(form, design);
    }
    return nullptr;
}

template<typename Kind>
Kind &as(Control &control)
{
    auto *typed = dynamic_cast<Kind *>(&control);
    if (!typed)
        throw RuntimeError(RuntimeErrorCode::TypeMismatch, "Type mismatch");
    return *typed;
}

// Forms shown modally, innermost last.
std::vector<const Form *> &modalForms()
{
    static std::vector<const Form *> forms;
    return forms;
}

// Every form that exists.
std::vector<const Form *> &allForms()
{
    static std::vector<const Form *> forms;
    return forms;
}

} // namespace

Form::Form(const FormDesign &design)
    : m_name(design.name), m_caption(design.caption), m_width(design.width),
      m_height(design.height), m_border(design.border), m_backColor(design.backColor),
      m_font(design.font), m_keyPreview(design.keyPreview), m_tabOrder(design.tabOrder)
{
    for (const ControlDesign &control : design.controls)
        m_controls.push_back(makeControl(*this, control));
    resolveNames(design);
    allForms().push_back(this);
    m_peer = Toolkit::current().createPeer(*this);
    // Only a peer can measure a caption.
    for (const auto &control : m_controls)
        if (auto *label = dynamic_cast<Label *>(control.get()); label && label->autoSize())
            label->fitToCaption();
}

Form::~Form()
{
    // The peer's widgets go before the controls they show.
    m_peer.reset();
    auto &forms = allForms();
    forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
}

void Form::resolveNames(const FormDesign &design)
{
    for (const auto &control : m_controls) {
        control->m_container = findControl(control->containerName());
        if (auto *label = dynamic_cast<Label *>(control.get()))
            label->m_buddyControl = findControl(label->buddy());
    }
    for (const std::string &name : design.tabOrder)
        if (Control *control = findControl(name))
            m_tabOrderControls.push_back(control);
    for (const auto &control : m_controls)
        if (control->tabStop()
            && std::find(m_tabOrderControls.begin(), m_tabOrderControls.end(), control.get())
                == m_tabOrderControls.end())
            m_tabOrderControls.push_back(control.get());
}

void Form::setCaption(const std::string &caption)
{
    m_caption = caption;
    if (m_peer)
        m_peer->update();
}

void Form::setWidth(float twips)
{
    m_width = twips;
    if (m_peer)
        m_peer->update();
}

int Form::pixelWidth() const
{
    return Twips::toPixels(m_width);
}

int Form::pixelHeight() const
{
    return Twips::toPixels(m_height);
}

Control &Form::control(const std::string &name, std::int16_t index) const
{
    for (const auto &control : m_controls)
        if (control->name() == name && control->index() == index)
            return *control;
    throw RuntimeError(RuntimeErrorCode::SubscriptOutOfRange, "Subscript out of range");
}

Control *Form::findControl(const std::string &fullName) const
{
    for (const auto &control : m_controls)
        if (control->fullName() == fullName)
            return control.get();
    return nullptr;
}

CommandButton &Form::button(const std::string &name, std::int16_t index) const
{
    return as<CommandButton>(control(name, index));
}

Label &Form::label(const std::string &name, std::int16_t index) const
{
    return as<Label>(control(name, index));
}

PictureBox &Form::pictureBox(const std::string &name, std::int16_t index) const
{
    return as<PictureBox>(control(name, index));
}

Frame &Form::frame(const std::string &name, std::int16_t index) const
{
    return as<Frame>(control(name, index));
}

Line &Form::line(const std::string &name, std::int16_t index) const
{
    return as<Line>(control(name, index));
}

ImageBox &Form::imageBox(const std::string &name, std::int16_t index) const
{
    return as<ImageBox>(control(name, index));
}

void Form::show()
{
    m_loaded = true;
    m_peer->show(false);
}

void Form::showModal()
{
    m_loaded = true;
    m_modal = true;
    modalForms().push_back(this);
    m_peer->show(true);
    auto &modal = modalForms();
    modal.erase(std::remove(modal.begin(), modal.end(), this), modal.end());
    m_modal = false;
}

void Form::unload()
{
    if (!m_loaded)
        return;
    m_loaded = false;
    m_peer->unload();
    if (!anyLoaded() && !Program::endingWithError())
        Toolkit::current().quit(0);
}

bool Form::anyLoaded()
{
    const auto &forms = allForms();
    return std::any_of(forms.begin(), forms.end(), [](const Form *form) { return form->isLoaded(); });
}

Control *Form::activeControl() const
{
    return m_peer->focusedControl();
}

bool Form::takesInput() const
{
    const auto &modal = modalForms();
    return (modal.empty() || modal.back() == this) && !MessageBox::isOpen();
}

bool Form::pressKey(std::int16_t keyCode, std::int16_t shift)
{
    if (!takesInput())
        return true;
    keyDown(keyCode, shift);
    // The preview may have ended the run or closed the window.
    if (Program::endingWithError() || !m_loaded)
        return true;
    Control *focused = activeControl();
    // With Alt held, Return and Space are the desktop's (Alt+Space opens the window menu).
    const bool plain = (shift & ShiftState::Alt) == 0;
    auto *button = plain && focused && focused->kind() == ControlKind::CommandButton
        ? static_cast<CommandButton *>(focused) : nullptr;
    if (keyCode == VirtualKey::Return && button) {
        button->click();
        return true;
    }
    if (keyCode == VirtualKey::Space && button) {
        m_spacePressed = button;
        return true;
    }
    if (keyCode == VirtualKey::Tab && (shift & (ShiftState::Ctrl | ShiftState::Alt)) == 0) {
        moveFocus((shift & ShiftState::Shift) != 0);
        return true;
    }
    if (keyPress(keyCode))
        return true;
    // Only Tab moves the focus: each button stands alone, and an arrow the
    // form had no use for does nothing on it.
    return button && keyCode >= VirtualKey::Left && keyCode <= VirtualKey::Down;
}

bool Form::releaseKey(std::int16_t keyCode, std::int16_t shift)
{
    if (!takesInput())
        return true;
    keyUp(keyCode, shift);
    if (Program::endingWithError() || !m_loaded)
        return true;
    if (keyCode != VirtualKey::Space || !m_spacePressed)
        return false;
    // Only on the button it went down on, if that still has the focus.
    Control *pressed = std::exchange(m_spacePressed, nullptr);
    if (pressed == activeControl())
        static_cast<CommandButton *>(pressed)->click();
    return true;
}

void Form::moveFocus(bool backwards)
{
    const auto &order = m_tabOrderControls;
    const int count = int(order.size());
    const auto at = std::find(order.begin(), order.end(), activeControl());
    int from = at == order.end() ? (backwards ? count : -1) : int(at - order.begin());
    for (int step = 1; step <= count; ++step) {
        const int next = ((from + (backwards ? -step : step)) % count + count) % count;
        if (order[std::size_t(next)]->takesFocus()) {
            order[std::size_t(next)]->setFocus();
            return;
        }
    }
}

void Form::keyDown(std::int16_t keyCode, std::int16_t shift)
{
    if (m_keyPreview)
        Handler::run([&] { Form_KeyDown(keyCode, shift); });
}

void Form::keyUp(std::int16_t keyCode, std::int16_t shift)
{
    if (m_keyPreview)
        Handler::run([&] { Form_KeyUp(keyCode, shift); });
}

bool Form::keyPress(std::int16_t keyCode)
{
    bool taken = false;
    Handler::run([&] { taken = Form_KeyPress(keyCode); });
    return taken;
}

void Form::requestClose()
{
    if (takesInput())
        Handler::run([&] { Form_Close(); });
}
