// Zubrik: a command button that the keyboard activates as players expect.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <QPushButton>

// Space clicks on release (the toolkit's own behaviour); Return and Enter click
// on every press, so holding the key repeats the click.
class CommandButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CommandButton(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
