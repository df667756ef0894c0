// Zubrik: the stage select: pick the stage, and with it the launch speed of the jump.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "dialogs/Form3.h"

#include "assets/Designs.h"
#include "core/Form1.h"
#include "core/GameState.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/RasterCopy.h"
#include "platform/Rounding.h"

#include <array>

using Rounding::toInt16;
using Rounding::toInt32;

namespace {

struct Stage
{
    std::string name;
    std::array<std::string, 3> description; // title, first line, second line
    double launchSpeed;
};

// Every text of this window.
struct Texts
{
    std::string caption = "ステージ選択";
    std::string title = "ステージ選択";
    std::string hint = "＊ステージをクリックすると選択されます。";
    std::string frame = "特徴";
    std::string prompt = "ステージを選択して下さい。";
    std::array<Stage, 4> stages {{
        { "平原",
          { "◆平原", "ISO取得済世界標準仕様ステージ。",
            "練習用に最適である。" },
          75 },
        { "砂漠地帯",
          { "◆砂漠地帯", "広大なる砂漠地帯。",
            "その多量の砂ゆえ、足をとられやすいので注意したい。" },
          60 },
        { "宇宙空間",
          { "◆宇宙空間", "未知なる宇宙。",
            "重力がない為、どこまでも飛んでいくと思いきや、なぜか戻ってくる。" },
          120 },
        { "リング",
          { "◆リング", "プロレスのリング。",
            "なんだか懐かしい雰囲気がする。" },
          70 },
    }};
};

const Texts &texts()
{
    static const Texts all;
    return all;
}

// The strip, in twips of Picture1's client area: one thumbnail per pitch from
// the left edge, a free pixel column after each.
constexpr std::int16_t thumbnailPitch = 2010;
constexpr double thumbnailSpan = 2000;
constexpr double thumbnailHeight = 1215;
constexpr double pictureLeft = 120; // Picture1's designed left edge, where the labels count from

// Every stage picture is this size, in pixels.
constexpr int stageWidth = 303;
constexpr int stageHeight = 183;

} // namespace

Form3::Form3(Form1 &mainWindow) : SelectionDialog(Designs::form3(), mainWindow)
{
    setCaption(texts().caption);
    Label2.setCaption(texts().title);
    Label3.setCaption(texts().hint);
    Frame1.setCaption(texts().frame);
    Chara.setCaption(texts().prompt);
    for (std::int16_t i = 0; i < 4; ++i)
        Label1(i).setCaption(texts().stages[std::size_t(i)].name);

    Form_Load();
    offerChoices();
}

Form3::~Form3() = default;

std::string Form3::name(std::int16_t index)
{
    return texts().stages.at(std::size_t(index)).name;
}

double Form3::launchSpeed(std::int16_t index)
{
    return texts().stages.at(std::size_t(index)).launchSpeed;
}

std::string Form3::description(std::int16_t index)
{
    const auto &lines = texts().stages.at(std::size_t(index)).description;
    return lines[0] + "\r\n" + lines[1] + "\r\n" + lines[2];
}

void Form3::Form_Load()
{
    PictureBox &strip = Picture1;
    strip.setWidth(float(toInt16(toInt16(m_state.hiddenMode + 3) * thumbnailPitch)));

    for (std::int16_t i = 0; i < 4; ++i) {
        // In normal mode the fourth thumbnail starts at the strip's right edge
        // and is clipped away whole.
        const PixelRect to = choiceRect(i);
        RasterCopy::StretchBlt(strip.hDC(), to.x, to.y, to.width, to.height,
                               m_mainWindow.Bg(i).hDC(), 0, 0, stageWidth, stageHeight,
                               RasterOp::SrcCopy);
        const float w = Label1(i).width();
        Label1(i).setLeft(float((thumbnailPitch - w) / 2 + i * thumbnailPitch + pictureLeft));
    }

    fitToStrip();
}

PixelRect Form3::choiceRect(std::int16_t index) const
{
    return { toInt32(index * (thumbnailPitch / 15.0)), 0, toInt32(thumbnailSpan / 15),
             toInt32(thumbnailHeight / 15) };
}

std::optional<std::int16_t> Form3::thumbnailAt(float x) const
{
    if (beyondStrip(x))
        return std::nullopt;
    for (std::int16_t i = 0; i < 4; ++i) {
        const std::int32_t left = i * thumbnailPitch;
        if (x > left && x < left + thumbnailPitch)
            return i;
    }
    return std::nullopt;
}

void Form3::Picture1_MouseMove(std::int16_t, std::int16_t, float x, float)
{
    if (const auto stage = thumbnailAt(x))
        Chara.setCaption(description(*stage));
}

void Form3::Picture1_MouseDown(std::int16_t, std::int16_t, float x, float)
{
    const auto stage = thumbnailAt(x);
    if (!stage)
        return;
    m_state.stageDc = m_mainWindow.Bg(*stage).hDC();
    m_state.launchSpeed = launchSpeed(*stage);
    m_mainWindow.FrameCompositor();
    unload();
}
