// Zubrik: the ending window: title, version, the staff roll and the way out.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/FormWindow.h"

#include <QString>
#include <cstdint>
#include <memory>

class AutoSizeLabel;

namespace Ui {
class Form4;
}

class Form4 : public FormWindow
{
    Q_OBJECT

public:
    // The staff roll's two columns, one CR LF between lines.
    struct StaffRoll
    {
        QString roles;
        QString people;
    };

    static constexpr double titlePoints = 20.25;
    // The people's column starts this far left of the end of the roles' widest line.
    static constexpr float columnOverlap = 700;

    // mainWindow is the window that Command1 unloads along with this one.
    explicit Form4(FormWindow &mainWindow);
    ~Form4() override;

    // The staff roll as the game shows it.
    static StaffRoll staffRoll();

    const Ui::Form4 &widgets() const { return *m_ui; }
    AutoSizeLabel *Label1(std::int16_t index) const;

    // Lays the two columns out from their texts, the people's column placed by
    // the measured width of the roles' column.
    void showStaffRoll(const StaffRoll &roll);

public Q_SLOTS:
    void Form_Load();
    void Command1_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    FormWindow &m_mainWindow;
    std::unique_ptr<Ui::Form4> m_ui;
};
