// Zubrik: hand-made pixel letters, so no picture depends on a font.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "tools/paint_pictures/PixelFont.h"

#include <cstring>

namespace {

struct SmallGlyph
{
    char letter;
    const char *rows; // five rows of three, top first
};

// clang-format off
constexpr SmallGlyph kSmallGlyphs[] = {
    {'A', ".#.#.#####.##.#"}, {'B', "##.#.###.#.###."}, {'C', ".###..#..#...##"},
    {'D', "##.#.##.##.###."}, {'E', "####..##.#..###"}, {'F', "####..##.#..#.."},
    {'G', ".###..#.##.#.##"}, {'H', "#.##.#####.##.#"}, {'I', "###.#..#..#.###"},
    {'J', "..#..#..##.#.#."}, {'K', "#.##.###.#.##.#"}, {'L', "#..#..#..#..###"},
    {'M', "#.########.##.#"}, {'N', "##.#.##.##.##.#"}, {'O', ".#.#.##.##.#.#."},
    {'P', "##.#.###.#..#.."}, {'Q', ".#.#.##.###..##"}, {'R', "##.#.###.#.##.#"},
    {'S', ".###...#...###."}, {'T', "###.#..#..#..#."}, {'U', "#.##.##.##.####"},
    {'V', "#.##.##.##.#.#."}, {'W', "#.##.########.#"}, {'X', "#.##.#.#.#.##.#"},
    {'Y', "#.##.#.#..#..#."}, {'Z', "###..#.#.#..###"}, {'0', "####.##.##.####"},
    {'1', ".#.##..#..#.###"}, {'2', "##...#.#.#..###"}, {'3', "##...#.#...###."},
    {'4', "#.##.####..#..#"}, {'5', "####..##...###."}, {'6', ".###..####.####"},
    {'7', "###..#.#..#..#."}, {'8', "####.#####.####"}, {'9', "####.####..###."},
    {'.', ".............#."}, {'-', "......###......"}, {'(', ".#.#..#..#...#."},
    {')', ".#...#..#..#.#."}, {':', "....#.....#...."}, {'/', "..#..#.#.#..#.."},
    {'x', "...#.#.#.#.#..."}, {'=', "...###...###..."},
};
// clang-format on

const char *smallRows(QChar c)
{
    // Lower case reads as capitals, except the multiplication sign 'x'.
    for (const char letter : {c.toLatin1(), c.toUpper().toLatin1()})
        for (const SmallGlyph &g : kSmallGlyphs)
            if (g.letter == letter)
                return g.rows;
    return nullptr;
}

} // namespace

int PixelFont::stamp(Canvas &canvas, int x, int y, Bitmap rows, QRgb colour, int scale)
{
    int width = 0;
    int row = 0;
    for (const char *line : rows) {
        const int length = int(std::strlen(line));
        width = std::max(width, length);
        for (int col = 0; col < length; ++col)
            if (line[col] == '#')
                canvas.fillRect(x + col * scale, y + row * scale, scale, scale, colour);
        ++row;
    }
    return width * scale;
}

int PixelFont::drawSmall(Canvas &canvas, int x, int y, const QString &text, QRgb colour, int scale)
{
    int pen = x;
    for (const QChar c : text) {
        if (const char *rows = smallRows(c)) {
            for (int k = 0; k < 15 && rows[k] != '\0'; ++k)
                if (rows[k] == '#')
                    canvas.fillRect(pen + (k % 3) * scale, y + (k / 3) * scale, scale, scale, colour);
        }
        pen += 4 * scale;
    }
    return pen - x;
}

int PixelFont::smallWidth(const QString &text, int scale)
{
    return text.isEmpty() ? 0 : int(text.size()) * 4 * scale - scale;
}
