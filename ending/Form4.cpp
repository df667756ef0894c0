// Zubrik: the ending window: title, version, the staff roll and the way out.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "ending/Form4.h"

#include "assets/Designs.h"
#include "platform/CommandButton.h"
#include "platform/Label.h"
#include "platform/WidgetArray.h"

#include <utility>
#include <vector>

namespace {

// Every text of this window.
struct Texts
{
    std::string caption = ZUBRIK_PRODUCT_NAME;
    std::string title = ZUBRIK_PRODUCT_NAME;
    std::string version = "Ver. " ZUBRIK_VERSION;
    std::string quit = "終わります";
    // One row per line of the roll: the role, and whom it credits. The
    // people's column ends with the last credited line. The credit line is the
    // widest, and its width places the people's column: it must be long enough
    // for that column to clear every role name.
    std::array<std::pair<std::string, std::string>, 12> roll {{
        { "スタッフ", {} },
        { {}, {} },
        { "企画：", "Zubrik 開発チーム" },
        { "デザイン：", "Zubrik 開発チーム" },
        { "グラフィック：", "Zubrik 開発チーム" },
        { "プログラム：", "Zubrik 開発チーム" },
        { "デバッグ：", "Zubrik 開発チーム" },
        { {}, {} },
        { "スペシャルサンクス：", "遊んでくれたあなた" },
        { {}, {} },
        { "制作・著作：", {} },
        { "Copyright © 2026 Zubrik 開発チーム", {} },
    }};
};

const Texts &texts()
{
    static const Texts all;
    return all;
}

std::string joined(const std::vector<std::string> &lines)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text += (i == 0 ? "" : "\r\n") + lines[i];
    return text;
}

} // namespace

Form4::StaffRoll Form4::staffRoll()
{
    std::vector<std::string> roles;
    std::vector<std::string> people;
    for (const auto &[role, person] : texts().roll) {
        roles.push_back(role);
        people.push_back(person);
    }
    while (!people.empty() && people.back().empty())
        people.pop_back();
    return { joined(roles), joined(people) };
}

Form4::Form4(Form &mainWindow)
    : Form(Designs::form4()), Command1(button("Command1")), m_mainWindow(mainWindow)
{
    m_label1 = { &label("Label1", 0), &label("Label1", 1) };
    setCaption(texts().caption);
    label("Label2").setCaption(texts().title);
    label("Label3").setCaption(texts().version);
    Command1.setCaption(texts().quit);
    Command1.onClick([this] { Command1_Click(); });

    Form_Load();
    Command1.setFocus();
}

Form4::~Form4() = default;

Label &Form4::Label1(std::int16_t index) const
{
    return *WidgetArray::at(m_label1, index);
}

void Form4::Form_Load()
{
    showStaffRoll(staffRoll());
}

void Form4::showStaffRoll(const StaffRoll &roll)
{
    Label1(0).setCaption(roll.roles);
    Label1(1).setLeft(Label1(0).left() + Label1(0).width() - columnOverlap);
    Label1(1).setCaption(roll.people);
}

void Form4::Command1_Click()
{
    Form_Close();
}

void Form4::Form_Close()
{
    // The main window goes too; the program ends once no window is left.
    m_mainWindow.unload();
    unload();
}
