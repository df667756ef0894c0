// Zubrik: a picture box's peer: a canvas holding the model's image, pixel for pixel.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/web/WebPictureBox.h"

#include "platform/web/WebPage.h"

WebPictureBox::WebPictureBox(WebEventLoop &loop, PictureBox &box) : WebControl(loop, box), m_box(box)
{
    update();
}

int WebPictureBox::border() const
{
    return m_box.border();
}

void WebPictureBox::update()
{
    WebControl::update();
    showChoices();
    refresh();
}

void WebPictureBox::refresh()
{
    if (!m_box.visible())
        return;
    const Image &image = m_box.image();
    zubrik_picture_put(&m_box, image.data(), image.width(), image.height());
}

void WebPictureBox::showChoices()
{
    if (m_choices != m_box.choices()) {
        m_choices = m_box.choices();
        zubrik_picture_choices_clear(&m_box);
        for (const PictureBox::Choice &choice : m_choices)
            zubrik_picture_choice_add(&m_box, choice.name.c_str(), choice.description.c_str());
        m_mark = { -2 };
    }
    // The ring lies beside the canvas, in its container: the choice's place
    // in the client area, moved by the box's corner and border.
    const int index = m_box.markedChoice();
    std::array<int, 5> mark { index };
    if (index >= 0) {
        const PixelRect box = m_box.pixelRect();
        const PixelRect &choice = m_choices[std::size_t(index)].rect;
        mark = { index, box.x + m_box.border() + choice.x, box.y + m_box.border() + choice.y, choice.width,
                 choice.height };
    }
    if (mark != m_mark) {
        m_mark = mark;
        zubrik_picture_mark(&m_box, mark[0], mark[1], mark[2], mark[3], mark[4]);
    }
}
