// Zubrik: a line control: a rule between two points given in twips.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <QWidget>

// The end points are properties in twips and read back exactly as written; the
// rule covers the whole pixels from (x1, y1) up to, but not including, (x2, y2),
// as the platform's line drawing does, in the window-text colour. The windows
// only rule along an axis, and so does this widget: a rule is one pixel thick.
class LineControl : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(float x1 READ x1 WRITE setX1)
    Q_PROPERTY(float y1 READ y1 WRITE setY1)
    Q_PROPERTY(float x2 READ x2 WRITE setX2)
    Q_PROPERTY(float y2 READ y2 WRITE setY2)

public:
    explicit LineControl(QWidget *parent = nullptr);

    float x1() const { return m_x1; }
    float y1() const { return m_y1; }
    float x2() const { return m_x2; }
    float y2() const { return m_y2; }
    void setX1(float twips);
    void setY1(float twips);
    void setX2(float twips);
    void setY2(float twips);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void place();

    float m_x1 = 0;
    float m_y1 = 0;
    float m_x2 = 0;
    float m_y2 = 0;
};
