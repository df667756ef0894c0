// Zubrik: a form: a designed window, its controls, and its handlers.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Design.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CommandButton;
class Control;
class Frame;
class ImageBox;
class Label;
class Line;
class PictureBox;

// What a toolkit backend attaches to a form to show it: a native window
// holding a native widget for each control, whose peers it attaches.
class FormPeer
{
public:
    virtual ~FormPeer() = default;
    // The form's own properties changed (caption, width).
    virtual void update() = 0;
    // Shows the window; modal: returns once the form is unloaded, the other
    // windows taking no input meanwhile.
    virtual void show(bool modal) = 0;
    // Hides the window and ends a modal show of it.
    virtual void unload() = 0;
    // The control with the keyboard focus, or nullptr.
    virtual Control *focusedControl() const = 0;
};

// Made from its design: every control exists, with its designed properties
// and the peer of the current toolkit (Toolkit::current()), once the
// constructor returns.
class Form
{
public:
    explicit Form(const FormDesign &design);
    virtual ~Form();
    Form(const Form &) = delete;
    Form &operator=(const Form &) = delete;

    const std::string &name() const { return m_name; }
    const std::string &caption() const { return m_caption; }
    void setCaption(const std::string &caption);
    // The client area's width and height in twips; decorations lie outside.
    float width() const { return m_width; }
    void setWidth(float twips);
    float height() const { return m_height; }
    // The same at whole pixels, as a backend sizes the window's client area.
    int pixelWidth() const;
    int pixelHeight() const;
    FormBorder border() const { return m_border; }
    const std::optional<Color> &backColor() const { return m_backColor; }
    const Font &font() const { return m_font; }
    bool keyPreview() const { return m_keyPreview; }
    const std::vector<std::string> &tabOrder() const { return m_tabOrder; }
    // The controls Tab walks, in order: the design's tab order, then any other
    // tab stop in the design's order. Skipped while they take no focus.
    const std::vector<Control *> &tabOrderControls() const { return m_tabOrderControls; }

    // Every control, in the design's order.
    const std::vector<std::unique_ptr<Control>> &controls() const { return m_controls; }
    // By designed name and array index; a missing one is a subscript error.
    Control &control(const std::string &name, std::int16_t index = -1) const;
    // By "Name" or "Name(i)", as a tab order, a container or a buddy names it;
    // nullptr if there is none.
    Control *findControl(const std::string &fullName) const;
    CommandButton &button(const std::string &name, std::int16_t index = -1) const;
    Label &label(const std::string &name, std::int16_t index = -1) const;
    PictureBox &pictureBox(const std::string &name, std::int16_t index = -1) const;
    Frame &frame(const std::string &name, std::int16_t index = -1) const;
    Line &line(const std::string &name, std::int16_t index = -1) const;
    ImageBox &imageBox(const std::string &name, std::int16_t index = -1) const;

    // Shows the form; modal: returns once it is unloaded. A form may unload
    // itself from its own handler.
    void show();
    void showModal();
    // Hides the form and ends a modal show of it. When no form is loaded any
    // more, the run is over: the toolkit quits with status 0.
    void unload();
    bool isLoaded() const { return m_loaded; }
    // Whether any form of the program is loaded.
    static bool anyLoaded();
    bool isModal() const { return m_modal; }
    // The control with the keyboard focus, or nullptr.
    Control *activeControl() const;

    // From the backend: a key pressed (every repeat too) and released in the
    // form's window; key codes are VirtualKey codes, shift a sum of ShiftState
    // values. The form answers it whole, the same on every toolkit: with
    // KeyPreview on it sees the key first and never swallows it; then Return
    // clicks the focused button on each press, Space on its release (with
    // Alt held, both are the desktop's); Tab and Shift+Tab move the focus
    // along tabOrderControls(); any other key goes to the form's own keys;
    // an arrow they do not take is spent on a focused button (only Tab moves
    // the focus). True: the key is spent, and the backend keeps it from its
    // native widgets; false: the form had no use for it.
    bool pressKey(std::int16_t keyCode, std::int16_t shift);
    bool releaseKey(std::int16_t keyCode, std::int16_t shift);
    // Not while another form is shown modally over this one or a message box
    // is up: a key or a close request then reaches no handler of this form
    // (pressKey and releaseKey spend the key on nothing).
    bool takesInput() const;

    // The steps of pressKey(), each through Handler: the preview of a press and
    // of a release, and a key for the form's own keys (true if it took it).
    void keyDown(std::int16_t keyCode, std::int16_t shift);
    void keyUp(std::int16_t keyCode, std::int16_t shift);
    bool keyPress(std::int16_t keyCode);
    // The desktop asks the window to close (its close box, a close key); see takesInput().
    void requestClose();

    FormPeer *peer() const { return m_peer.get(); }

protected:
    virtual void Form_KeyDown(std::int16_t &, std::int16_t) {}
    virtual void Form_KeyUp(std::int16_t, std::int16_t) {}
    // Keys of the form's own; true when taken.
    virtual bool Form_KeyPress(std::int16_t) { return false; }
    // What a close request does, unless another form is shown modally over
    // this one (a window under a modal one takes no close): unload.
    virtual void Form_Close() { unload(); }

private:
    void resolveNames(const FormDesign &design);
    void moveFocus(bool backwards);

    std::string m_name;
    std::string m_caption;
    float m_width;
    float m_height;
    FormBorder m_border;
    std::optional<Color> m_backColor;
    Font m_font;
    bool m_keyPreview;
    std::vector<std::string> m_tabOrder;
    std::vector<std::unique_ptr<Control>> m_controls;
    std::vector<Control *> m_tabOrderControls;
    // The button that Space went down on, which clicks when it comes up.
    Control *m_spacePressed = nullptr;
    bool m_loaded = false;
    bool m_modal = false;
    // Last member: the peer goes first, while every control still stands.
    std::unique_ptr<FormPeer> m_peer;
};
