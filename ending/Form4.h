// Zubrik: the ending window: title, version, the staff roll and the way out.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Form.h"

#include <array>
#include <cstdint>
#include <string>

class Form4 : public Form
{
public:
    // The staff roll's two columns, one CR LF between lines.
    struct StaffRoll
    {
        std::string roles;
        std::string people;
    };

    // The people's column starts this far left of the end of the roles' widest line.
    static constexpr float columnOverlap = 700;

    // mainWindow is the window that Command1 unloads along with this one.
    explicit Form4(Form &mainWindow);
    ~Form4() override;

    // The staff roll as the game shows it.
    static StaffRoll staffRoll();

    Label &Label1(std::int16_t index) const;

    // Lays the two columns out from their texts, the people's column placed by
    // the measured width of the roles' column.
    void showStaffRoll(const StaffRoll &roll);

    void Form_Load();
    void Command1_Click();

    CommandButton &Command1;

protected:
    // The window has no close box, but a desktop can still ask it to close (a
    // close key, its window list, a logout) and may not take no for an
    // answer: a request ends the game as 終わります does.
    void Form_Close() override;

private:
    Form &m_mainWindow;
    std::array<Label *, 2> m_label1 {};
};
