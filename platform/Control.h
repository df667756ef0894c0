// Zubrik: a control of a form: its designed properties, and the toolkit's peer that shows it.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Design.h"
#include "platform/PixelRect.h"

#include <string>

class Control;
class Form;

// What a toolkit backend attaches to a control to show it: a peer attaches
// itself to its control when made and detaches itself when destroyed. The
// control tells its peer after every change; the peer reads what it needs back.
class ControlPeer
{
public:
    struct PixelSize
    {
        int width = 0;
        int height = 0;
    };

    explicit ControlPeer(Control &control);
    virtual ~ControlPeer();
    ControlPeer(const ControlPeer &) = delete;
    ControlPeer &operator=(const ControlPeer &) = delete;

    Control &model() const { return m_model; }
    // Any property changed: mirror it.
    virtual void update() = 0;
    // An auto-sized label's size for its caption, in pixels.
    virtual PixelSize fittedSize() const { return {}; }
    // A picture box: repaint now rather than when the handler returns.
    virtual void refresh() {}
    // The keyboard focus.
    virtual void setFocus() {}
    virtual bool hasFocus() const { return false; }

private:
    Control &m_model;
};

// The properties every control has. Left, Top, Width and Height are in twips
// and read back exactly as written; the control is shown at the nearest
// whole pixel.
class Control
{
public:
    Control(Form &form, const ControlDesign &design);
    virtual ~Control();
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    ControlKind kind() const { return m_kind; }
    const std::string &name() const { return m_name; }
    std::int16_t index() const { return m_index; }
    // "Name" or "Name(i)", as a design's tab order names it.
    std::string fullName() const;
    Form &form() const { return m_form; }
    const std::string &containerName() const { return m_containerName; }
    // The frame the control lies in, as the form resolved the design's name;
    // nullptr for the form's client area.
    Control *container() const { return m_container; }

    float left() const { return m_left; }
    float top() const { return m_top; }
    float width() const { return m_width; }
    float height() const { return m_height; }
    virtual void setLeft(float twips);
    virtual void setTop(float twips);
    virtual void setWidth(float twips);
    virtual void setHeight(float twips);
    // The same at whole pixels.
    int pixelLeft() const;
    int pixelTop() const;
    int pixelWidth() const;
    int pixelHeight() const;
    // Where a backend puts the native widget, in whole pixels of its
    // container's client area (pixelLeft() ... pixelHeight(), unless a kind
    // shows otherwise), and the same in the form's client area.
    virtual PixelRect pixelRect() const;
    PixelRect pixelRectInForm() const;

    bool visible() const { return m_visible; }
    void setVisible(bool on);
    bool enabled() const { return m_enabled; }
    void setEnabled(bool on);
    const Font &font() const { return m_font; }
    bool tabStop() const { return m_tabStop; }
    void setTabStop(bool on);

    const std::string &accessibleName() const { return m_accessibleName; }
    void setAccessibleName(const std::string &name);
    const std::string &accessibleDescription() const { return m_accessibleDescription; }
    void setAccessibleDescription(const std::string &description);

    void setFocus();
    bool hasFocus() const;
    // Shown and enabled, and so are the frames it lies in.
    bool shownEnabled() const;
    // Tab reaches it, and so does a click: a control the keyboard reaches
    // takes the focus when pressed, as the original platform's buttons do.
    bool takesFocus() const { return m_tabStop && shownEnabled(); }
    // From the backend, before a press of the mouse (or a touch) on the
    // control is handled: it takes the focus if it takes focus at all.
    void pointerPressed();

    ControlPeer *peer() const { return m_peer; }

protected:
    void changed();

private:
    Form &m_form;
    ControlKind m_kind;
    std::string m_name;
    std::int16_t m_index;
    std::string m_containerName;
    Control *m_container = nullptr;
    float m_left;
    float m_top;
    float m_width;
    float m_height;
    bool m_visible;
    bool m_enabled = true;
    Font m_font;
    bool m_tabStop;
    std::string m_accessibleName;
    std::string m_accessibleDescription;
    ControlPeer *m_peer = nullptr;

    friend class ControlPeer;
    friend class Form;
};
