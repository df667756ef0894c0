// Zubrik: a toolkit with no windows, for the rules' tests: a clock the test drives, boxes recorded.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/headless/HeadlessToolkit.h"

#include "platform/Control.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/Timer.h"

#include <algorithm>

class HeadlessTimerPeer : public TimerPeer
{
public:
    HeadlessTimerPeer(HeadlessToolkit &toolkit, Timer &timer) : m_toolkit(toolkit), m_timer(timer)
    {
        m_toolkit.m_timers.push_back(this);
    }
    ~HeadlessTimerPeer() override
    {
        auto &timers = m_toolkit.m_timers;
        timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
    }

    std::int64_t now() const override { return m_toolkit.m_now * microsecondsPerMillisecond; }
    void wakeAt(std::int64_t at) override
    {
        // Whole milliseconds on the test's clock, never before the deadline.
        m_wake = (at + microsecondsPerMillisecond - 1) / microsecondsPerMillisecond;
        m_armed = true;
    }
    void cancel() override { m_armed = false; }

    bool armed() const { return m_armed; }
    std::int64_t wakeTime() const { return m_wake; }
    void fire()
    {
        m_armed = false;
        m_timer.wake();
    }

private:
    static constexpr std::int64_t microsecondsPerMillisecond = 1000;

    HeadlessToolkit &m_toolkit;
    Timer &m_timer;
    std::int64_t m_wake = 0;
    bool m_armed = false;
};

namespace {

class HeadlessControlPeer : public ControlPeer
{
public:
    HeadlessControlPeer(Control &control, Control *&focused)
        : ControlPeer(control), m_control(control), m_focused(focused)
    {
    }

    void update() override {}
    PixelSize fittedSize() const override
    {
        const auto *label = dynamic_cast<const Label *>(&m_control);
        if (!label)
            return {};
        const auto [width, height] = HeadlessToolkit::captionSize(label->caption());
        const int frame = label->borderStyle() == 0 ? 0 : 2;
        return { width + 2 * frame, height + 2 * frame };
    }
    void setFocus() override { m_focused = &m_control; }
    bool hasFocus() const override { return m_focused == &m_control; }

private:
    Control &m_control;
    Control *&m_focused;
};

} // namespace

class HeadlessFormPeer : public FormPeer
{
public:
    HeadlessFormPeer(HeadlessToolkit &toolkit, Form &form) : m_toolkit(toolkit), m_form(form)
    {
        for (const auto &control : form.controls())
            m_peers.push_back(std::make_unique<HeadlessControlPeer>(*control, m_focused));
    }

    void update() override {}
    void show(bool modal) override
    {
        if (!modal)
            return;
        m_toolkit.m_modalShows.push_back(m_form.name());
        if (m_toolkit.onModal)
            m_toolkit.onModal(m_form);
        if (m_form.isLoaded())
            m_form.requestClose();
        // A close that the form refused still ends the show: nothing else could.
        if (m_form.isLoaded())
            m_form.unload();
    }
    void unload() override {}
    Control *focusedControl() const override { return m_focused; }

private:
    HeadlessToolkit &m_toolkit;
    Form &m_form;
    Control *m_focused = nullptr;
    std::vector<std::unique_ptr<HeadlessControlPeer>> m_peers;
};

HeadlessToolkit::HeadlessToolkit()
{
    Toolkit::install(this);
}

HeadlessToolkit::~HeadlessToolkit()
{
    Toolkit::install(nullptr);
}

std::unique_ptr<FormPeer> HeadlessToolkit::createPeer(Form &form)
{
    return std::make_unique<HeadlessFormPeer>(*this, form);
}

std::unique_ptr<TimerPeer> HeadlessToolkit::createPeer(Timer &timer)
{
    return std::make_unique<HeadlessTimerPeer>(*this, timer);
}

void HeadlessToolkit::showMessage(const std::string &prompt, const std::string &title)
{
    m_messages.push_back({ prompt, title });
    if (onMessage)
        onMessage(m_messages.back());
}

void HeadlessToolkit::beep()
{
    ++m_beeps;
}

int HeadlessToolkit::exec()
{
    return std::max(0, m_exitCode);
}

void HeadlessToolkit::quit(int exitCode)
{
    m_exitCode = exitCode;
}

void HeadlessToolkit::advance(int milliseconds)
{
    // Time never runs backwards.
    const std::int64_t end = m_now + std::max(0, milliseconds);
    for (;;) {
        HeadlessTimerPeer *next = nullptr;
        for (HeadlessTimerPeer *timer : m_timers)
            if (timer->armed() && timer->wakeTime() <= end
                && (!next || timer->wakeTime() < next->wakeTime()))
                next = timer;
        if (!next)
            break;
        m_now = std::max(m_now, next->wakeTime());
        next->fire();
    }
    // A handler may have moved the clock on itself (time passing behind a box).
    m_now = std::max(m_now, end);
}

std::pair<int, int> HeadlessToolkit::captionSize(const std::string &caption)
{
    int widest = 0;
    int width = 0;
    int lines = 1;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        const auto byte = static_cast<unsigned char>(caption[i]);
        if (byte == '\r' && i + 1 < caption.size() && caption[i + 1] == '\n') {
            widest = std::max(widest, width);
            width = 0;
            ++lines;
            ++i;
        } else if (byte < 0x80) {
            width += asciiWidth;
        } else if (byte >= 0xc0) { // the lead byte of a character beyond ASCII
            width += wideWidth;
        }
    }
    return { std::max(widest, width), lines * lineHeight };
}
