// Zubrik: what screen readers are told about the game's own kinds of widget.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/qt/Accessibility.h"

#include "platform/qt/AccessibleForm.h"
#include "platform/qt/AccessibleLabel.h"
#include "platform/qt/AccessiblePicture.h"
#include "platform/qt/QtForm.h"
#include "platform/qt/QtLabel.h"
#include "platform/qt/QtPictureBox.h"

namespace {

// Asked once for each class of an object's ancestry, the most derived first:
// answer on the first asking, so Qt's own interfaces for the base classes never win.
QAccessibleInterface *interfaceFor(const QString &className, QObject *object)
{
    if (!object || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    if (auto *form = qobject_cast<QtForm *>(object))
        return new AccessibleForm(form);
    if (auto *box = qobject_cast<QtPictureBox *>(object))
        return new AccessiblePicture(box);
    if (auto *label = qobject_cast<QtLabel *>(object))
        return new AccessibleLabel(label);
    return nullptr;
}

} // namespace

void Accessibility::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(interfaceFor);
        return true;
    }();
    Q_UNUSED(installed);
}
