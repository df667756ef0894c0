// Zubrik: a picture box's peer: a canvas holding the model's image, pixel for pixel.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/web/WebPictureBox.h"

#include "platform/web/WebPage.h"


WebPictureBox::WebPictureBox(PictureBox &box, const Control *container)
    : WebControl(box, container), m_box(box)
{
    update();
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
            zubrik_picture_choice_add(&m_box, choice.name.c_str(), choice.description.c_str(),
                                      choice.rect.x, choice.rect.y, choice.rect.width,
                                      choice.rect.height);
        m_marked = -2;
    }
    if (m_box.markedChoice() != m_marked) {
        m_marked = m_box.markedChoice();
        zubrik_picture_mark(&m_box, m_marked);
    }
}
