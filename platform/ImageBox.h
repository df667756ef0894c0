// Zubrik: an image control: a picture shown as it is, or stretched to the control.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Control.h"

class Image;

class ImageBox : public Control
{
public:
    ImageBox(Form &form, const ControlDesign &design);

    const std::string &pictureName() const { return m_pictureName; }
    const Image &picture() const { return *m_picture; }
    // Stretched to the control's size; else shown at its own size at the top left.
    bool stretch() const { return m_stretch; }

private:
    std::string m_pictureName;
    const Image *m_picture;
    bool m_stretch;
};
