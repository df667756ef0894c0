// Zubrik: what the character select and the stage select have in common.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "dialogs/SelectionDialog.h"

#include "core/Form1.h"
#include "core/GameState.h"
#include "platform/AutoSizeLabel.h"
#include "platform/FontSetup.h"
#include "platform/Handler.h"
#include "platform/LineControl.h"
#include "platform/PictureBox.h"
#include "platform/Rounding.h"
#include "platform/Twips.h"
#include "platform/WidgetArray.h"

#include <QKeyEvent>
#include <algorithm>

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
    m_strip = strip;
    // The strip holds the focus, so that a screen reader follows the choice
    // the keyboard reaches in it.
    strip->setFocusPolicy(Qt::StrongFocus);
    strip->setFocus();

    Handler::connect(strip, &PictureBox::mouseMove, this, &SelectionDialog::Picture1_MouseMove);
    Handler::connect(strip, &PictureBox::mouseDown, this, &SelectionDialog::Picture1_MouseDown);
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

std::int16_t SelectionDialog::offeredCount() const
{
    // One choice per pitch of the strip.
    return std::int16_t(m_state.hiddenMode + 3);
}

void SelectionDialog::offerChoices()
{
    QList<PictureBox::Choice> choices;
    for (std::int16_t i = 0; i < offeredCount(); ++i) {
        QString description = choiceDescription(i);
        description.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        choices.append({ Label1(i)->caption(), description, choiceRect(i) });
    }
    m_strip->setChoices(choices);
    m_strip->setAccessibleName(windowTitle());
}

QPointF SelectionDialog::aimAt(std::int16_t index) const
{
    return QRectF(choiceRect(index)).center() * Twips::perPixel;
}

void SelectionDialog::hover(std::int16_t index)
{
    m_strip->setMarkedChoice(index);
    const QPointF at = aimAt(index);
    Handler::run([&] {
        Picture1_MouseMove(Qt::NoButton, Qt::NoModifier, float(at.x()), float(at.y()));
    });
}

void SelectionDialog::pick(std::int16_t index)
{
    const QPointF at = aimAt(index);
    Handler::run([&] {
        Picture1_MouseDown(Qt::LeftButton, Qt::NoModifier, float(at.x()), float(at.y()));
    });
}

void SelectionDialog::keyPressEvent(QKeyEvent *event)
{
    const int last = offeredCount() - 1;
    const int marked = m_strip->markedChoice();
    const int key = event->key();
    switch (key) {
    case Qt::Key_Left:
        hover(std::int16_t(std::max(0, marked - 1)));
        break;
    case Qt::Key_Right:
        // The first step lands on the first choice.
        hover(std::int16_t(marked < 0 ? 0 : std::min(last, marked + 1)));
        break;
    case Qt::Key_Home:
        hover(0);
        break;
    case Qt::Key_End:
        hover(std::int16_t(last));
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (marked >= 0)
            pick(std::int16_t(marked));
        break;
    case Qt::Key_Escape:
        // The close box's twin: the dialog goes, the game stays as it was. A
        // key of the dialog's own, not a window shortcut, so that it acts
        // whenever the other keys do, whichever window the toolkit counts as
        // active.
        close();
        break;
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
    case Qt::Key_4:
        if (key - Qt::Key_1 <= last)
            pick(std::int16_t(key - Qt::Key_1));
        break;
    default:
        FormWindow::keyPressEvent(event);
        return;
    }
    event->accept();
}
