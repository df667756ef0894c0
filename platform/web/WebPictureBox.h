// Zubrik: a picture box's peer: a canvas holding the model's image, pixel for pixel.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/PictureBox.h"
#include "platform/web/WebControl.h"

#include <array>

// A visible box is a canvas whose backing store is the image; a hidden one is
// the image in memory alone, put on its canvas once it shows. The image goes
// to the canvas on every change and refresh, so that a handler's last frame is
// the one the next paint shows. Its choices become options for screen readers.
class WebPictureBox : public WebControl
{
public:
    WebPictureBox(WebEventLoop &loop, PictureBox &box);

    void update() override;
    void refresh() override;

protected:
    int border() const override;

private:
    void showChoices();

    PictureBox &m_box;
    std::vector<PictureBox::Choice> m_choices;
    // The marked choice and its ring's place, as the page last showed them.
    std::array<int, 5> m_mark { -2 };
};
