// Zubrik: the character select: pick the meat, and with it the gravity of the jump.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "dialogs/Form2.h"

#include "core/Form1.h"
#include "core/GameState.h"
#include "platform/AutoSizeLabel.h"
#include "platform/LineControl.h"
#include "platform/PictureBox.h"
#include "platform/RasterCopy.h"
#include "platform/Rounding.h"
#include "platform/Twips.h"
#include "ui_Form1.h"
#include "ui_Form2.h"

#include <QStringList>

using RasterCopy::BitBlt;
using RasterCopy::StretchBlt;
using Rounding::toInt16;
using Rounding::toInt32;

namespace {

struct Character
{
    QString name;
    QStringList description; // title, first line, second line
    double gravity;
};

// Every text of this window.
struct Texts
{
    QString caption = QStringLiteral("肉選択");
    QString title = QStringLiteral("肉選択");
    QString instruction = QStringLiteral("肉を選んで下さい。");
    QString hint = QStringLiteral("＊肉の絵をクリックすると選択されます。");
    QString frame = QStringLiteral("特徴");
    QString prompt = QStringLiteral("肉を選択して下さい。");
    std::array<Character, 4> characters {{
        { QStringLiteral("まんが肉"),
          { QStringLiteral("◆まんが肉"), QStringLiteral("よく漫画に出てくる骨付き肉。"),
            QStringLiteral("泳ぎが得意なので、水中ステージで有利。") },
          9.8 },
        { QStringLiteral("牛肉"),
          { QStringLiteral("◆牛肉"), QStringLiteral("狂牛病のクローン牛肉。"),
            QStringLiteral("ずっしりと重く相手にのしかかる、重量タイプ。") },
          10.6 },
        { QStringLiteral("とり肉"),
          { QStringLiteral("◆とり肉"), QStringLiteral("全国の提携農家で育てた国産ハーブ鶏。"),
            QStringLiteral("パンチ力がある格闘タイプで、肉弾戦が得意。") },
          9 },
        { QStringLiteral("キン肉"),
          { QStringLiteral("◆キン肉"), QStringLiteral("すべてが謎に包まれている、幻の肉。"),
            QStringLiteral("「牛丼！牛丼！」と叫ぶ声がたまに聞こえてくる。") },
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

Form2::Form2(Form1 &mainWindow)
    : SelectionDialog(mainWindow), m_ui(std::make_unique<Ui::Form2>())
{
    m_ui->setupUi(this);
    setUpDesign(m_ui->Label2, { m_ui->Label1_0, m_ui->Label1_1, m_ui->Label1_2, m_ui->Label1_3 },
                m_ui->Picture1);

    setWindowTitle(texts().caption);
    m_ui->Label2->setCaption(texts().title);
    m_ui->Label4->setCaption(texts().instruction);
    m_ui->Label3->setCaption(texts().hint);
    m_ui->Frame1->setTitle(texts().frame);
    m_ui->Chara->setCaption(texts().prompt);
    for (std::int16_t i = 0; i < 4; ++i)
        Label1(i)->setCaption(texts().characters[std::size_t(i)].name);

    Form_Load();
    offerChoices();
    fixSize();
}

Form2::~Form2() = default;

QString Form2::name(std::int16_t index)
{
    return texts().characters.at(std::size_t(index)).name;
}

QString Form2::description(std::int16_t index)
{
    return texts().characters.at(std::size_t(index)).description.join(QStringLiteral("\r\n"));
}

void Form2::Form_Load()
{
    PictureBox *strip = m_ui->Picture1;
    Twips::setWidth(strip, float(toInt16(m_state.hiddenMode + 3) * cellPitch));

    const Ui::Form1 &sheets = m_mainWindow.widgets();
    const int y = cellPixelY();
    for (std::int16_t i = 0; i < 4; ++i) {
        // The fourth cell lies beyond the three-frame sheet; these copies find
        // nothing to read and leave the strip as it is.
        const int x = cellPixelX(i);
        BitBlt(strip->hDC(), x, y, cellWidth, cellHeight, sheets.Niku->hDC(), cellWidth * i,
               cellHeight, RasterOp::SrcAnd);
        BitBlt(strip->hDC(), x, y, cellWidth, cellHeight, sheets.Niku->hDC(), cellWidth * i, 0,
               RasterOp::SrcPaint);
        const float w = Twips::width(Label1(i));
        Twips::setLeft(Label1(i), float((cellSpan - w) / 2 + cellLeft(i) + pictureLeft));
    }

    if (m_state.hiddenMode == 1) {
        const int x = toInt32(4 * (cellMargin / 15) + 3 * (cellStep / 15));
        StretchBlt(strip->hDC(), x, y, cellWidth, cellHeight, sheets.NikuK->hDC(), 0, hiddenHeight,
                   hiddenWidth, hiddenHeight, RasterOp::SrcAnd);
        StretchBlt(strip->hDC(), x, y, cellWidth, cellHeight, sheets.NikuK->hDC(), 0, 0,
                   hiddenWidth, hiddenHeight, RasterOp::SrcPaint);
    }

    fitToStrip(strip, m_ui->Line1, m_ui->Frame1);
}

QRect Form2::choiceRect(std::int16_t index) const
{
    return { cellPixelX(index), cellPixelY(), cellWidth, cellHeight };
}

std::optional<std::int16_t> Form2::cellAt(float x, float y) const
{
    if (beyondStrip(m_ui->Picture1, x))
        return std::nullopt;
    for (std::int16_t i = 0; i < 4; ++i) {
        if (x > cellLeft(i) && x < cellLeft(i) + cellSpan) {
            const float bottom = float(double(Twips::height(m_ui->Picture1)) - cellTop);
            if (y > cellTop && y < bottom)
                return i;
        }
    }
    return std::nullopt;
}

void Form2::Picture1_MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, float x, float y)
{
    if (const auto cell = cellAt(x, y))
        m_ui->Chara->setCaption(description(*cell));
}

void Form2::Picture1_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, float x, float y)
{
    const auto cell = cellAt(x, y);
    if (!cell)
        return;
    m_state.charFrameX = cellWidth * *cell;
    m_mainWindow.FrameCompositor();
    m_state.gravity = texts().characters[std::size_t(*cell)].gravity;
    unload();
}
