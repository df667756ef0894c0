// Zubrik: the four windows' designs: every control, where it lies and how it looks.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "assets/Designs.h"

#include <cstdint>

// Positions and sizes are twips (15 to a pixel on a 96-dpi screen), relative to the
// client area of the form or of the frame a control lies in. The controls are
// listed in the order they are stacked, bottom first. Array elements share a name
// and carry their index.

namespace {

ControlDesign &add(FormDesign &form, ControlKind kind, const char *name, std::int16_t index,
                   float left, float top, float width, float height)
{
    ControlDesign control;
    control.kind = kind;
    control.name = name;
    control.index = index;
    control.left = left;
    control.top = top;
    control.width = width;
    control.height = height;
    form.controls.push_back(control);
    return form.controls.back();
}

// The main window: the stage, the jump, the counter and their buttons.
FormDesign makeForm1()
{
    FormDesign form;
    form.name = "Form1";
    form.caption = "Zubrik";
    form.width = 4485;
    form.height = 3705;
    // The form reads the keys before the focused button does: a code typed while
    // paused opens the hidden mode.
    form.keyPreview = true;
    {
        ControlDesign &c = add(form, ControlKind::CommandButton, "Cmd_nikusel", -1, 240, 2880, 1215, 375);
        c.caption = "肉選択";
        c.tabStop = true;
    }
    {
        ControlDesign &c = add(form, ControlKind::CommandButton, "Cmd_jump", -1, 1680, 2880, 1215, 375);
        c.caption = "ジャンプ";
        c.tabStop = true;
    }
    {
        ControlDesign &c = add(form, ControlKind::CommandButton, "Cmd_stgsel", -1, 3120, 2880, 1215, 375);
        c.caption = "ステージ選択";
        c.tabStop = true;
    }
    {
        ControlDesign &c = add(form, ControlKind::CommandButton, "Cmd_pause", -1, 240, 3360, 975, 255);
        c.caption = "一時停止";
        c.tabStop = true;
    }
    {
        ControlDesign &c = add(form, ControlKind::CommandButton, "Cmd_replay", -1, 1200, 3360, 1215, 255);
        c.caption = "リプレイ";
        c.tabStop = true;
    }
    {
        ControlDesign &c = add(form, ControlKind::Label, "Label1", -1, 2520, 3360, 1110, 255);
        c.caption = " ジャンプ回数";
        c.backColor = Color{255, 255, 192};
        c.borderStyle = 1;
        c.autoSize = true;
        c.buddy = "Lbl_count";
    }
    {
        ControlDesign &c = add(form, ControlKind::Label, "Lbl_count", -1, 3600, 3360, 735, 255);
        c.caption = "0";
        c.font = Font{Font::designFamily, 9, true};
        c.backColor = Color{192, 255, 192};
        c.borderStyle = 1;
        c.alignment = Alignment::Right;
    }
    // The stage, where every frame is drawn; the load moves it to the top left and
    // sizes it to a background.
    {
        ControlDesign &c = add(form, ControlKind::PictureBox, "Pic", -1, 840, 120, 615, 615);
        c.borderStyle = 1;
        c.accessibleName = "ゲーム画面";
    }
    // The pictures the frames are drawn from, never shown themselves.
    {
        ControlDesign &c = add(form, ControlKind::PictureBox, "Bg", 0, 1560, 120, 615, 615);
        c.borderStyle = 0;
        c.visible = false;
        c.picture = "bg0";
    }
    {
        ControlDesign &c = add(form, ControlKind::PictureBox, "Bg", 1, 1560, 720, 615, 615);
        c.borderStyle = 0;
        c.visible = false;
        c.picture = "bg1";
    }
    {
        ControlDesign &c = add(form, ControlKind::PictureBox, "Bg", 2, 1560, 1320, 615, 615);
        c.borderStyle = 0;
        c.visible = false;
        c.picture = "bg2";
    }
    {
        ControlDesign &c = add(form, ControlKind::PictureBox, "Bg", 3, 1560, 1920, 615, 615);
        c.borderStyle = 0;
        c.visible = false;
        c.picture = "bg3";
    }
    {
        ControlDesign &c = add(form, ControlKind::PictureBox, "Niku", -1, 840, 720, 615, 615);
        c.borderStyle = 0;
        c.visible = false;
        c.picture = "niku";
    }
    {
        ControlDesign &c = add(form, ControlKind::PictureBox, "NikuK", -1, 840, 1320, 615, 615);
        c.borderStyle = 0;
        c.visible = false;
        c.picture = "nikuk";
    }
    {
        ControlDesign &c = add(form, ControlKind::PictureBox, "Kage", -1, 120, 720, 615, 615);
        c.borderStyle = 0;
        c.visible = false;
        c.picture = "kage";
    }
    {
        ControlDesign &c = add(form, ControlKind::PictureBox, "Moji", -1, 120, 120, 615, 615);
        c.borderStyle = 0;
        c.visible = false;
        c.picture = "moji";
    }
    form.tabOrder = { "Cmd_jump", "Cmd_nikusel", "Cmd_stgsel", "Cmd_replay", "Cmd_pause" };
    return form;
}

// The character select: the strip of characters, their names and the description frame.
FormDesign makeForm2()
{
    FormDesign form;
    form.name = "Form2";
    form.width = 5295;
    form.height = 3540;
    form.backColor = Color{255, 255, 255};
    // The texts are set by dialogs/Form2.cpp, where all of this window's texts live.
    {
        ControlDesign &c = add(form, ControlKind::ImageBox, "Image1", -1, 120, 120, 480, 480);
        c.picture = "icon48";
        c.stretch = true;
    }
    {
        ControlDesign &c = add(form, ControlKind::Label, "Label2", -1, 720, 240, 1005, 315);
        c.font = Font{Font::designFamily, 15.75, true}; // the title
        c.autoSize = true;
    }
    // The rule under the title, from (x1, y1) to (x2, y2).
    {
        ControlDesign &c = add(form, ControlKind::Line, "Line1", -1, 0, 0, 0, 0);
        c.x1 = 120;
        c.y1 = 600;
        c.x2 = 5160;
        c.y2 = 600;
    }
    {
        ControlDesign &c = add(form, ControlKind::Label, "Label4", -1, 120, 720, 1455, 180);
        c.autoSize = true;
    }
    // Picture1 has no border: the cells and their mouse bands are laid out against
    // its client area, which must be the whole width set at load (a border would
    // take two pixels off each side and cut into the last one).
    {
        ControlDesign &c = add(form, ControlKind::PictureBox, "Picture1", -1, 120, 960, 5055, 855);
        c.backColor = Color{224, 224, 224};
        c.borderStyle = 0;
    }
    // The characters' names, one under each cell; the load places them.
    {
        ControlDesign &c = add(form, ControlKind::Label, "Label1", 0, 570, 1920, 705, 180);
        c.autoSize = true;
    }
    {
        ControlDesign &c = add(form, ControlKind::Label, "Label1", 1, 2430, 1920, 360, 180);
        c.autoSize = true;
    }
    {
        ControlDesign &c = add(form, ControlKind::Label, "Label1", 2, 4065, 1920, 450, 180);
        c.autoSize = true;
    }
    {
        ControlDesign &c = add(form, ControlKind::Label, "Label1", 3, 5730, 1920, 510, 180);
        c.autoSize = true;
    }
    {
        ControlDesign &c = add(form, ControlKind::Label, "Label3", -1, 120, 2280, 3045, 180);
        c.foreColor = Color{255, 0, 0};
        c.autoSize = true;
    }
    add(form, ControlKind::Frame, "Frame1", -1, 120, 2520, 5055, 900);
    {
        ControlDesign &c = add(form, ControlKind::Label, "Chara", -1, 120, 240, 1590, 180);
        c.container = "Frame1";
        c.autoSize = true;
    }
    return form;
}

// The stage select: the strip of stage thumbnails, their names and the description frame.
FormDesign makeForm3()
{
    FormDesign form;
    form.name = "Form3";
    form.width = 6120;
    form.height = 3675;
    form.backColor = Color{255, 255, 255};
    // The texts are set by dialogs/Form3.cpp, where all of this window's texts live.
    {
        ControlDesign &c = add(form, ControlKind::ImageBox, "Image2", 1, 120, 120, 480, 480);
        c.picture = "icon48";
        c.stretch = true;
    }
    {
        ControlDesign &c = add(form, ControlKind::Label, "Label2", -1, 720, 240, 1890, 315);
        c.font = Font{Font::designFamily, 15.75, true}; // the title
        c.autoSize = true;
    }
    // The rule under the title, from (x1, y1) to (x2, y2).
    {
        ControlDesign &c = add(form, ControlKind::Line, "Line1", -1, 0, 0, 0, 0);
        c.x1 = 120;
        c.y1 = 600;
        c.x2 = 6000;
        c.y2 = 600;
    }
    // Picture1 has no border: the thumbnails, their free columns and their mouse
    // pitches are laid out against its client area, which must be the whole width
    // set at load (a border would take two pixels off each side and cut into the
    // last thumbnail).
    {
        ControlDesign &c = add(form, ControlKind::PictureBox, "Picture1", -1, 120, 720, 5895, 1215);
        c.backColor = Color{224, 224, 224};
        c.borderStyle = 0;
    }
    // The stages' names, one under each thumbnail; the load places them.
    {
        ControlDesign &c = add(form, ControlKind::Label, "Label1", 0, 945, 2040, 360, 180);
        c.autoSize = true;
    }
    {
        ControlDesign &c = add(form, ControlKind::Label, "Label1", 1, 2775, 2040, 720, 180);
        c.autoSize = true;
    }
    {
        ControlDesign &c = add(form, ControlKind::Label, "Label1", 2, 4785, 2040, 720, 180);
        c.autoSize = true;
    }
    {
        ControlDesign &c = add(form, ControlKind::Label, "Label1", 3, 6930, 2040, 450, 180);
        c.autoSize = true;
    }
    {
        ControlDesign &c = add(form, ControlKind::Label, "Label3", -1, 120, 2400, 3180, 180);
        c.foreColor = Color{255, 0, 0};
        c.autoSize = true;
    }
    add(form, ControlKind::Frame, "Frame1", -1, 120, 2640, 5895, 900);
    {
        ControlDesign &c = add(form, ControlKind::Label, "Chara", -1, 120, 240, 2085, 180);
        c.container = "Frame1";
        c.autoSize = true;
    }
    return form;
}

// The ending window: title, version and the two columns of the staff roll. It has no
// title bar.
FormDesign makeForm4()
{
    FormDesign form;
    form.name = "Form4";
    form.width = 5325;
    form.height = 4110;
    form.border = FormBorder::None;
    form.backColor = Color{255, 255, 255};
    // The texts are set by ending/Form4.cpp, where all of this window's texts live.
    {
        ControlDesign &c = add(form, ControlKind::ImageBox, "Image1", -1, 120, 120, 720, 720);
        c.picture = "icon48";
        c.stretch = false; // the 48-pixel drawing at its own size
    }
    {
        ControlDesign &c = add(form, ControlKind::Label, "Label2", -1, 1320, 360, 1800, 405);
        c.font = Font{Font::designFamily, 20.25, false}; // the title
        c.autoSize = true;
    }
    {
        ControlDesign &c = add(form, ControlKind::Label, "Label3", -1, 3480, 600, 1230, 180);
        c.autoSize = true;
    }
    // The rule under the title, from (x1, y1) to (x2, y2).
    {
        ControlDesign &c = add(form, ControlKind::Line, "Line1", -1, 0, 0, 0, 0);
        c.x1 = 120;
        c.y1 = 840;
        c.x2 = 5160;
        c.y2 = 840;
    }
    // The two columns of the staff roll, roles and people; the load fills and
    // places them.
    {
        ControlDesign &c = add(form, ControlKind::Label, "Label1", 0, 240, 1080, 60, 180);
        c.autoSize = true;
    }
    {
        ControlDesign &c = add(form, ControlKind::Label, "Label1", 1, 720, 1080, 60, 180);
        c.autoSize = true;
    }
    {
        ControlDesign &c = add(form, ControlKind::CommandButton, "Command1", -1, 4080, 3480, 1095, 375);
        c.tabStop = true;
    }
    form.tabOrder = { "Command1" };
    return form;
}

} // namespace

namespace Designs {

const FormDesign &form1()
{
    static const FormDesign design = makeForm1();
    return design;
}

const FormDesign &form2()
{
    static const FormDesign design = makeForm2();
    return design;
}

const FormDesign &form3()
{
    static const FormDesign design = makeForm3();
    return design;
}

const FormDesign &form4()
{
    static const FormDesign design = makeForm4();
    return design;
}

} // namespace Designs
