// Zubrik: the character select: pick the meat, and with it the gravity of the jump.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "dialogs/Form2.h"

#include "assets/Designs.h"
#include "core/Form1.h"
#include "core/GameState.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/RasterCopy.h"
#include "platform/Rounding.h"

#include <array>

using RasterCopy::BitBlt;
using RasterCopy::StretchBlt;
using Rounding::toInt16;
using Rounding::toInt32;

namespace {

struct Character
{
    std::string name;
    std::array<std::string, 3> description; // title, first line, second line
    double gravity;
};

// Every text of this window.
struct Texts
{
    std::string caption = "肉選択";
    std::string title = "肉選択";
    std::string instruction = "肉を選んで下さい。";
    std::string hint = "＊肉の絵をクリックすると選択されます。";
    std::string frame = "特徴";
    std::string prompt = "肉を選択して下さい。";
    std::array<Character, 4> characters {{
        { "まんが肉",
          { "◆まんが肉", "よく漫画に出てくる骨付き肉。",
            "泳ぎが得意なので、水中ステージで有利。" },
          9.8 },
        { "牛肉",
          { "◆牛肉", "狂牛病のクローン牛肉。",
            "ずっしりと重く相手にのしかかる、重量タイプ。" },
          10.6 },
        { "とり肉",
          { "◆とり肉", "全国の提携農家で育てた国産ハーブ鶏。",
            "パンチ力がある格闘タイプで、肉弾戦が得意。" },
          9 },
        { "キン肉",
          { "◆キン肉", "すべてが謎に包まれている、幻の肉。",
            "「牛丼！牛丼！」と叫ぶ声がたまに聞こえてくる。" },
          8.2 },
    }};
};

const Texts &texts()
{
    static const Texts all;
    return all;
}

// The strip, in twips of Picture1's client area: each pitch holds one cell
// 112.5 twips in from its left end.
constexpr double cellPitch = 1687.5;
constexpr double cellStep = 1575;   // from the end of one margin to the start of the next
constexpr double cellMargin = 112.5;
constexpr double cellSpan = 1380;   // 92 pixels
constexpr double cellTop = 97.5;
constexpr int cellWidth = 92;       // pixels, one Niku frame
constexpr int cellHeight = 42;
constexpr double pictureLeft = 120; // Picture1's designed left edge, where the labels count from

// The hidden character's own sheet: sprite above, mask below, 82 x 67 each.
constexpr int hiddenWidth = 82;
constexpr int hiddenHeight = 67;

double cellLeft(std::int16_t i)
{
    return i * cellStep + (i + 1) * cellMargin;
}

// Where cell i is drawn in the strip, in pixels.
int cellPixelX(std::int16_t i)
{
    return toInt32(i * (cellStep / 15) + (i + 1) * (cellMargin / 15));
}

int cellPixelY()
{
    return toInt32(cellTop / 15);
}

} // namespace

Form2::Form2(Form1 &mainWindow) : SelectionDialog(Designs::form2(), mainWindow)
{
    setCaption(texts().caption);
    Label2.setCaption(texts().title);
    label("Label4").setCaption(texts().instruction);
    Label3.setCaption(texts().hint);
    Frame1.setCaption(texts().frame);
    Chara.setCaption(texts().prompt);
    for (std::int16_t i = 0; i < 4; ++i)
        Label1(i).setCaption(texts().characters[std::size_t(i)].name);

    Form_Load();
    offerChoices();
}

Form2::~Form2() = default;

std::string Form2::name(std::int16_t index)
{
    return texts().characters.at(std::size_t(index)).name;
}

double Form2::gravity(std::int16_t index)
{
    return texts().characters.at(std::size_t(index)).gravity;
}

std::string Form2::description(std::int16_t index)
{
    const auto &lines = texts().characters.at(std::size_t(index)).description;
    return lines[0] + "\r\n" + lines[1] + "\r\n" + lines[2];
}

void Form2::Form_Load()
{
    PictureBox &strip = Picture1;
    strip.setWidth(float(toInt16(m_state.hiddenMode + 3) * cellPitch));

    const Form1 &sheets = m_mainWindow;
    const int y = cellPixelY();
    for (std::int16_t i = 0; i < 4; ++i) {
        // The fourth cell lies beyond the three-frame sheet; these copies find
        // nothing to read and leave the strip as it is.
        const int x = cellPixelX(i);
        BitBlt(strip.hDC(), x, y, cellWidth, cellHeight, sheets.Niku.hDC(), cellWidth * i,
               cellHeight, RasterOp::SrcAnd);
        BitBlt(strip.hDC(), x, y, cellWidth, cellHeight, sheets.Niku.hDC(), cellWidth * i, 0,
               RasterOp::SrcPaint);
        const float w = Label1(i).width();
        Label1(i).setLeft(float((cellSpan - w) / 2 + cellLeft(i) + pictureLeft));
    }

    if (m_state.hiddenMode == 1) {
        const int x = toInt32(4 * (cellMargin / 15) + 3 * (cellStep / 15));
        StretchBlt(strip.hDC(), x, y, cellWidth, cellHeight, sheets.NikuK.hDC(), 0, hiddenHeight,
                   hiddenWidth, hiddenHeight, RasterOp::SrcAnd);
        StretchBlt(strip.hDC(), x, y, cellWidth, cellHeight, sheets.NikuK.hDC(), 0, 0,
                   hiddenWidth, hiddenHeight, RasterOp::SrcPaint);
    }

    fitToStrip();
}

PixelRect Form2::choiceRect(std::int16_t index) const
{
    return { cellPixelX(index), cellPixelY(), cellWidth, cellHeight };
}

std::optional<std::int16_t> Form2::cellAt(float x, float y) const
{
    if (beyondStrip(x))
        return std::nullopt;
    for (std::int16_t i = 0; i < 4; ++i) {
        if (x > cellLeft(i) && x < cellLeft(i) + cellSpan) {
            const float bottom = float(double(Picture1.height()) - cellTop);
            if (y > cellTop && y < bottom)
                return i;
        }
    }
    return std::nullopt;
}

void Form2::Picture1_MouseMove(std::int16_t, std::int16_t, float x, float y)
{
    if (const auto cell = cellAt(x, y))
        Chara.setCaption(description(*cell));
}

void Form2::Picture1_MouseDown(std::int16_t, std::int16_t, float x, float y)
{
    const auto cell = cellAt(x, y);
    if (!cell)
        return;
    m_state.charFrameX = cellWidth * *cell;
    m_mainWindow.FrameCompositor();
    m_state.gravity = gravity(*cell);
    unload();
}
