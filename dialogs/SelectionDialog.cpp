// Zubrik: what the character select and the stage select have in common.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "dialogs/SelectionDialog.h"

#include "core/Form1.h"
#include "platform/AutoSizeLabel.h"
#include "platform/FontSetup.h"
#include "platform/Handler.h"
#include "platform/LineControl.h"
#include "platform/PictureBox.h"
#include "platform/Rounding.h"
#include "platform/Twips.h"
#include "platform/WidgetArray.h"

#include <QShortcut>

using Rounding::toInt16;

SelectionDialog::SelectionDialog(Form1 &mainWindow)
    : m_mainWindow(mainWindow), m_state(mainWindow.gameState())
{
}

AutoSizeLabel *SelectionDialog::Label1(std::int16_t index) const
{
    return WidgetArray::at(m_label1, index);
}

void SelectionDialog::setUpDesign(AutoSizeLabel *title, const std::array<AutoSizeLabel *, 4> &names,
                                  PictureBox *strip)
{
    // A design file keeps only whole points; the title is set at its designed size here.
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titlePoints);
    title->setFont(titleFont);
    FontSetup::applyPixelSizes(this);
    m_label1 = names;

    Handler::connect(strip, &PictureBox::mouseMove, this, &SelectionDialog::Picture1_MouseMove);
    Handler::connect(strip, &PictureBox::mouseDown, this, &SelectionDialog::Picture1_MouseDown);
    // Escape is the close box's twin: the dialog goes, the game stays as it was.
    auto *cancel = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(cancel, &QShortcut::activated, this, &QWidget::close);
}

void SelectionDialog::fitToStrip(const PictureBox *strip, LineControl *line, QWidget *frame)
{
    const std::int16_t s = toInt16(double(Twips::left(strip)) + double(Twips::width(strip)));
    setFormWidth(toInt16(s + 200));
    line->setX2(s);
    Twips::setWidth(frame, toInt16(s - 120));
}

bool SelectionDialog::beyondStrip(const PictureBox *strip, float x)
{
    return x >= Twips::width(strip);
}
