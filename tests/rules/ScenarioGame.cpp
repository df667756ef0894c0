// Zubrik: one run of the game on the headless toolkit, its windows as a desktop stacks them, input as a desktop delivers it.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "ScenarioGame.h"

#include "platform/CommandButton.h"
#include "platform/PictureBox.h"
#include "platform/Program.h"
#include "platform/VirtualKey.h"

namespace {

// The game's event loop is the caller's.
class LoopToolkit : public HeadlessToolkit
{
public:
    explicit LoopToolkit(std::function<void()> loop) : m_loop(std::move(loop)) {}
    int exec() override
    {
        m_loop();
        return HeadlessToolkit::exec();
    }

private:
    std::function<void()> m_loop;
};

} // namespace

ScenarioGame::ScenarioGame(Loop loop)
    : m_loop(std::move(loop)),
      m_toolkit(std::make_unique<LoopToolkit>([this] { m_loop([this] { return quitAsked(); }); })),
      m_main(std::make_unique<Form1>(m_state))
{
    m_toolkit->onModal = [this](Form &form) { modalShown(form); };
    m_toolkit->onMessage = [this](const HeadlessToolkit::Message &message) { boxShown(message); };
}

ScenarioGame::~ScenarioGame() = default;

int ScenarioGame::run()
{
    return Program::run(*m_main);
}

Form *ScenarioGame::window(const std::string &name) const
{
    for (auto form = m_modal.rbegin(); form != m_modal.rend(); ++form)
        if ((*form)->name() == name && (*form)->isLoaded())
            return *form;
    return m_main->name() == name && m_main->isLoaded() ? m_main.get() : nullptr;
}

Control *ScenarioGame::control(const std::string &name) const
{
    const std::size_t dot = name.find('.');
    Form *form = dot == std::string::npos ? nullptr : window(name.substr(0, dot));
    return form ? form->findControl(name.substr(dot + 1)) : nullptr;
}

Form *ScenarioGame::topForm() const
{
    if (m_box)
        return nullptr;
    for (auto form = m_modal.rbegin(); form != m_modal.rend(); ++form)
        if ((*form)->isLoaded())
            return *form;
    return m_main->isLoaded() ? m_main.get() : nullptr;
}

void ScenarioGame::modalShown(Form &form)
{
    m_modal.push_back(&form);
    if (m_held)
        release();
    m_loop([&] { return !form.isLoaded() || quitAsked(); });
    m_modal.pop_back();
}

void ScenarioGame::boxShown(const HeadlessToolkit::Message &message)
{
    m_box = message;
    m_boxAnswered = false;
    if (m_held)
        release();
    m_loop([this] { return m_boxAnswered || quitAsked(); });
    m_box.reset();
}

void ScenarioGame::click(Control &control, std::optional<std::pair<int, int>> at)
{
    if (&control.form() != topForm())
        return;
    control.pointerPressed();
    if (auto *box = dynamic_cast<PictureBox *>(&control)) {
        // The box takes the pointer from its outer corner.
        const PixelRect rect = box->pixelRect();
        const double x = at ? at->first + box->border() : rect.width / 2.0;
        const double y = at ? at->second + box->border() : rect.height / 2.0;
        box->mouseDownAt(MouseButton::Left, 0, x, y);
    } else if (auto *button = dynamic_cast<CommandButton *>(&control)) {
        button->click();
    }
}

void ScenarioGame::key(const ScenarioKeys::Key &key, Form *form)
{
    if (form && form != topForm())
        return;
    if (m_box) {
        // Its OK button has the focus: these answer it, and the box takes
        // the key whole (its release goes nowhere that would use it).
        m_boxAnswered = key.code == VirtualKey::Return || key.code == VirtualKey::Escape
            || key.code == VirtualKey::Space;
        return;
    }
    Form *top = topForm();
    if (!top)
        return;
    const bool shifted = key.shift & ShiftState::Shift;
    if (shifted)
        top->pressKey(ScenarioKeys::shiftKey, ShiftState::Shift);
    m_held = key;
    top->pressKey(key.code, key.shift);
    if (m_held)
        release();
    if (Form *now = topForm(); shifted && now)
        now->releaseKey(ScenarioKeys::shiftKey, 0);
}

void ScenarioGame::release()
{
    const ScenarioKeys::Key key = *m_held;
    m_held.reset();
    if (Form *form = topForm())
        form->releaseKey(key.code, key.shift);
}

void ScenarioGame::close(Form &form)
{
    // A box's owner takes no close; the forms decide the rest themselves.
    if (!m_box)
        form.requestClose();
}
