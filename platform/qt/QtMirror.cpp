// Zubrik: what every control's peer mirrors alike from its model onto its widget.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/qt/QtMirror.h"

#include "platform/Control.h"

#include <QWidget>

namespace QtMirror {

QString objectName(const Control &control)
{
    QString name = QString::fromStdString(control.name());
    if (control.index() >= 0)
        name += QLatin1Char('_') + QString::number(control.index());
    return name;
}

void mirror(const Control &control, QWidget &widget)
{
    const PixelRect rect = control.pixelRect();
    const QRect placed(rect.x, rect.y, rect.width, rect.height);
    if (widget.geometry() != placed)
        widget.setGeometry(placed);
    if (widget.isHidden() == control.visible())
        widget.setVisible(control.visible());
    if (widget.testAttribute(Qt::WA_ForceDisabled) == control.enabled())
        widget.setEnabled(control.enabled());
    // Tab is the form's to move, and a click focuses through the form too
    // (Control::pointerPressed): Qt itself never gives focus on a click.
    const Qt::FocusPolicy policy = control.tabStop() ? Qt::TabFocus : Qt::NoFocus;
    if (widget.focusPolicy() != policy)
        widget.setFocusPolicy(policy);
    const QString name = QString::fromStdString(control.accessibleName());
    if (widget.accessibleName() != name)
        widget.setAccessibleName(name);
    const QString description = QString::fromStdString(control.accessibleDescription());
    if (widget.accessibleDescription() != description)
        widget.setAccessibleDescription(description);
}

} // namespace QtMirror
