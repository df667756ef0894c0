// Zubrik: an image control: a picture shown as it is, or stretched to the control.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/ImageBox.h"

#include "platform/Pictures.h"

ImageBox::ImageBox(Form &form, const ControlDesign &design)
    : Control(form, design), m_pictureName(design.picture),
      m_picture(&Pictures::image(design.picture)), m_stretch(design.stretch)
{
}
