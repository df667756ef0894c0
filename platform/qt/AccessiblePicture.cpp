// Zubrik: how a screen reader sees a picture box: a named image, or a list of the choices in it.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/qt/AccessiblePicture.h"

#include "platform/PictureBox.h"
#include "platform/qt/QtPictureBox.h"

#include <QPointer>

namespace {

// One choice of a picture box, read live from the box's model.
class AccessibleChoice : public QAccessibleInterface
{
public:
    AccessibleChoice(QtPictureBox *box, int index) : m_box(box), m_index(index) {}

    bool isValid() const override { return m_box && m_index < int(m_box->model().choices().size()); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_box ? m_box->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_box); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    void setText(QAccessible::Text, const QString &) override {}

    QString text(QAccessible::Text kind) const override
    {
        if (!isValid())
            return {};
        const PictureBox::Choice &choice = m_box->model().choices().at(std::size_t(m_index));
        switch (kind) {
        case QAccessible::Name: return QString::fromStdString(choice.name);
        case QAccessible::Description: return QString::fromStdString(choice.description);
        default: return {};
        }
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const PictureBox &model = m_box->model();
        const PixelRect &at = model.choices().at(std::size_t(m_index)).rect;
        // Client pixels lie inside the border.
        const QRect inBox = QRect(at.x, at.y, at.width, at.height).translated(model.border(), model.border());
        return { m_box->mapToGlobal(inBox.topLeft()), inBox.size() };
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = true;
        state.selectable = true;
        if (!isValid() || !m_box->isVisible())
            state.invisible = true;
        else if (m_box->model().markedChoice() == m_index) {
            state.selected = true;
            state.focused = m_box->hasFocus();
        }
        return state;
    }

private:
    QPointer<QtPictureBox> m_box;
    int m_index;
};

} // namespace

AccessiblePicture::AccessiblePicture(QtPictureBox *box) : QAccessibleWidget(box, QAccessible::Graphic)
{
}

AccessiblePicture::~AccessiblePicture()
{
    for (QAccessible::Id id : m_items)
        QAccessible::deleteAccessibleInterface(id);
}

QtPictureBox *AccessiblePicture::box() const
{
    return static_cast<QtPictureBox *>(widget());
}

QAccessible::Role AccessiblePicture::role() const
{
    return box()->model().choices().empty() ? QAccessible::Graphic : QAccessible::List;
}

int AccessiblePicture::childCount() const
{
    return int(box()->model().choices().size());
}

QAccessibleInterface *AccessiblePicture::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    while (int(m_items.size()) <= index) {
        auto *item = new AccessibleChoice(box(), int(m_items.size()));
        m_items.push_back(QAccessible::registerAccessibleInterface(item));
    }
    return QAccessible::accessibleInterface(m_items[std::size_t(index)]);
}

int AccessiblePicture::indexOfChild(const QAccessibleInterface *child) const
{
    for (std::size_t i = 0; i < m_items.size() && int(i) < childCount(); ++i)
        if (QAccessible::accessibleInterface(m_items[i]) == child)
            return int(i);
    return -1;
}

QAccessibleInterface *AccessiblePicture::focusChild() const
{
    const int marked = box()->model().markedChoice();
    if (box()->hasFocus() && marked >= 0)
        return child(marked);
    return QAccessibleWidget::focusChild();
}

QAccessibleInterface *AccessiblePicture::childAt(int x, int y) const
{
    for (int i = 0; i < childCount(); ++i)
        if (child(i)->rect().contains(x, y))
            return child(i);
    return nullptr;
}
