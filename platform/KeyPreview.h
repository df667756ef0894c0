// Zubrik: lets a form see every key press and release before its focused widget.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <QObject>
#include <cstdint>

class QWidget;

// Watches the form and all its widgets, and reports each key event once, at
// the widget that receives it first (the focused one, or the form itself).
// A key the focused widget ignores travels on to its parents; those later
// deliveries are not reported again. Nothing is ever swallowed.
class KeyPreview : public QObject
{
    Q_OBJECT

public:
    explicit KeyPreview(QWidget *form);

Q_SIGNALS:
    // keyCode may be changed by a handler; the key still goes on as it was.
    void keyDown(std::int16_t &keyCode, Qt::KeyboardModifiers shift);
    void keyUp(std::int16_t keyCode, Qt::KeyboardModifiers shift);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watch(QObject *object);

    QWidget *m_form;
};
