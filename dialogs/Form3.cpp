// Zubrik: the stage select: pick the stage, and with it the launch speed of the jump.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "dialogs/Form3.h"

#include "core/Form1.h"
#include "core/GameState.h"
#include "platform/AutoSizeLabel.h"
#include "platform/LineControl.h"
#include "platform/PictureBox.h"
#include "platform/RasterCopy.h"
#include "platform/Rounding.h"
#include "platform/Twips.h"
#include "ui_Form3.h"

#include <QStringList>

using Rounding::toInt16;
using Rounding::toInt32;

namespace {

struct Stage
{
    QString name;
    QStringList description; // title, first line, second line
    double launchSpeed;
};

// Every text of this window.
struct Texts
{
    QString caption = QStringLiteral("ステージ選択");
    QString title = QStringLiteral("ステージ選択");
    QString hint = QStringLiteral("＊ステージをクリックすると選択されます。");
    QString frame = QStringLiteral("特徴");
    QString prompt = QStringLiteral("ステージを選択して下さい。");
    std::array<Stage, 4> stages {{
        { QStringLiteral("平原"),
          { QStringLiteral("◆平原"), QStringLiteral("ISO取得済世界標準仕様ステージ。"),
            QStringLiteral("練習用に最適である。") },
          75 },
        { QStringLiteral("砂漠地帯"),
          { QStringLiteral("◆砂漠地帯"), QStringLiteral("広大なる砂漠地帯。"),
            QStringLiteral("その多量の砂ゆえ、足をとられやすいので注意したい。") },
          60 },
        { QStringLiteral("宇宙空間"),
          { QStringLiteral("◆宇宙空間"), QStringLiteral("未知なる宇宙。"),
            QStringLiteral("重力がない為、どこまでも飛んでいくと思いきや、なぜか戻ってくる。") },
          120 },
        { QStringLiteral("リング"),
          { QStringLiteral("◆リング"), QStringLiteral("プロレスのリング。"),
            QStringLiteral("なんだか懐かしい雰囲気がする。") },
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

Form3::Form3(Form1 &mainWindow)
    : SelectionDialog(mainWindow), m_ui(std::make_unique<Ui::Form3>())
{
    m_ui->setupUi(this);
    setUpDesign(m_ui->Label2, { m_ui->Label1_0, m_ui->Label1_1, m_ui->Label1_2, m_ui->Label1_3 },
                m_ui->Picture1);

    setWindowTitle(texts().caption);
    m_ui->Label2->setCaption(texts().title);
    m_ui->Label3->setCaption(texts().hint);
    m_ui->Frame1->setTitle(texts().frame);
    m_ui->Chara->setCaption(texts().prompt);
    for (std::int16_t i = 0; i < 4; ++i)
        Label1(i)->setCaption(texts().stages[std::size_t(i)].name);

    Form_Load();
    offerChoices();
    fixSize();
}

Form3::~Form3() = default;

QString Form3::name(std::int16_t index)
{
    return texts().stages.at(std::size_t(index)).name;
}

QString Form3::description(std::int16_t index)
{
    return texts().stages.at(std::size_t(index)).description.join(QStringLiteral("\r\n"));
}

void Form3::Form_Load()
{
    PictureBox *strip = m_ui->Picture1;
    Twips::setWidth(strip, float(toInt16(toInt16(m_state.hiddenMode + 3) * thumbnailPitch)));

    for (std::int16_t i = 0; i < 4; ++i) {
        // In normal mode the fourth thumbnail starts at the strip's right edge
        // and is clipped away whole.
        const QRect to = choiceRect(i);
        RasterCopy::StretchBlt(strip->hDC(), to.x(), to.y(), to.width(), to.height(),
                               m_mainWindow.Bg(i)->hDC(), 0, 0, stageWidth, stageHeight,
                               RasterOp::SrcCopy);
        const float w = Twips::width(Label1(i));
        Twips::setLeft(Label1(i), float((thumbnailPitch - w) / 2 + i * thumbnailPitch + pictureLeft));
    }

    fitToStrip(strip, m_ui->Line1, m_ui->Frame1);
}

QRect Form3::choiceRect(std::int16_t index) const
{
    return { toInt32(index * (thumbnailPitch / 15.0)), 0, toInt32(thumbnailSpan / 15),
             toInt32(thumbnailHeight / 15) };
}

std::optional<std::int16_t> Form3::thumbnailAt(float x) const
{
    if (beyondStrip(m_ui->Picture1, x))
        return std::nullopt;
    for (std::int16_t i = 0; i < 4; ++i) {
        const std::int32_t left = i * thumbnailPitch;
        if (x > left && x < left + thumbnailPitch)
            return i;
    }
    return std::nullopt;
}

void Form3::Picture1_MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, float x, float)
{
    if (const auto stage = thumbnailAt(x))
        m_ui->Chara->setCaption(description(*stage));
}

void Form3::Picture1_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, float x, float)
{
    const auto stage = thumbnailAt(x);
    if (!stage)
        return;
    m_state.stageDc = m_mainWindow.Bg(*stage)->hDC();
    m_state.launchSpeed = texts().stages[std::size_t(*stage)].launchSpeed;
    m_mainWindow.FrameCompositor();
    unload();
}
