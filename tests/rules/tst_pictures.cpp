// Zubrik: tests of the shipped pictures: sizes, cells, masks and colours, also as the game draws them.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "PictureFiles.h"

#include "platform/EmbeddedPictures.h"
#include "platform/Image.h"
#include "platform/Pictures.h"
#include "platform/RasterCopy.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

using Rgb = std::uint32_t;

constexpr Rgb kBlack = 0xff000000u;
constexpr Rgb kWhite = 0xffffffffu;
constexpr Rgb kRed = 0xffff0000u;
constexpr Rgb kShadowGrey = 0xffc0c0c0u;
constexpr Rgb kStripGrey = 0xffe0e0e0u; // the character select's strip
constexpr Rgb kLips = 0xffdf0029u;

constexpr Rgb rgb(int r, int g, int b) { return Image::rgb(r, g, b); }
int red(Rgb p) { return int(p >> 16 & 0xff); }
int green(Rgb p) { return int(p >> 8 & 0xff); }
int blue(Rgb p) { return int(p & 0xff); }

// The pictures as the game has them: built into the program.
const Image &picture(const std::string &name)
{
    return Pictures::image(name);
}

// x, y, width, height; an empty one has no size.
struct Rect
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    static Rect corners(int left, int top, int right, int bottom)
    {
        return { left, top, right - left + 1, bottom - top + 1 };
    }
    static Rect of(const Image &image) { return { 0, 0, image.width(), image.height() }; }
    int right() const { return x + width - 1; }
    int bottom() const { return y + height - 1; }
    bool empty() const { return width <= 0 || height <= 0; }
    bool contains(int px, int py) const { return px >= x && py >= y && px <= right() && py <= bottom(); }
    Rect translated(int dx, int dy) const { return { x + dx, y + dy, width, height }; }
    // The smallest rectangle holding both.
    Rect united(const Rect &o) const
    {
        if (empty())
            return o;
        if (o.empty())
            return *this;
        return corners(std::min(x, o.x), std::min(y, o.y), std::max(right(), o.right()),
                       std::max(bottom(), o.bottom()));
    }
    bool operator==(const Rect &o) const
    {
        return x == o.x && y == o.y && width == o.width && height == o.height;
    }
};

std::ostream &operator<<(std::ostream &out, const Rect &r)
{
    return out << "(" << r.x << "," << r.y << " " << r.width << "x" << r.height << ")";
}

// Every colour in a rectangle, to check that named colours are present.
std::set<Rgb> coloursIn(const Image &image, const Rect &r)
{
    std::set<Rgb> found;
    for (int y = r.y; y <= r.bottom(); ++y)
        for (int x = r.x; x <= r.right(); ++x)
            found.insert(image.pixel(x, y));
    return found;
}

// The box around every pixel of `r` that satisfies `match`.
Rect boxOf(const Image &image, const Rect &r, const std::function<bool(Rgb)> &match)
{
    Rect box;
    for (int y = r.y; y <= r.bottom(); ++y)
        for (int x = r.x; x <= r.right(); ++x)
            if (match(image.pixel(x, y)))
                box = box.united({ x, y, 1, 1 });
    return box;
}

struct Cell
{
    const char *sheet;
    Rect sprite;
    Rect mask;
};

const Cell kMaskedCells[] = {
    {"niku", {0, 0, 92, 42}, {0, 42, 92, 42}},     {"niku", {92, 0, 92, 42}, {92, 42, 92, 42}},
    {"niku", {184, 0, 92, 42}, {184, 42, 92, 42}}, {"nikuk", {0, 0, 82, 67}, {0, 67, 82, 67}},
    {"kage", {0, 0, 92, 16}, {0, 16, 92, 16}},     {"kage", {92, 0, 92, 16}, {92, 16, 92, 16}},
    {"kage", {184, 0, 92, 16}, {184, 16, 92, 16}}, {"moji", {70, 0, 70, 20}, {70, 20, 70, 20}},
};
const char *const kCellNames[] = {"character 0", "character 1",    "character 2",   "hidden character",
                                  "medium shadow", "large shadow", "small shadow", "pause overlay"};

bool isSky(Rgb c)
{
    return c == rgb(64, 0, 255) || c == rgb(0, 128, 255) || c == rgb(96, 160, 255)
        || c == rgb(160, 192, 255) || c == rgb(128, 255, 255);
}

bool isSandy(Rgb p) { return red(p) > 200 && green(p) > 150 && blue(p) < 210; }

// The palm's striped bark: reds and browns with hardly any blue.
bool isBark(Rgb p) { return blue(p) < 30 && red(p) > green(p) + 30; }

std::uint32_t u32le(const std::vector<unsigned char> &b, std::size_t at)
{
    return std::uint32_t(b.at(at)) | std::uint32_t(b.at(at + 1)) << 8
        | std::uint32_t(b.at(at + 2)) << 16 | std::uint32_t(b.at(at + 3)) << 24;
}

std::uint32_t u32be(const std::vector<unsigned char> &b, std::size_t at)
{
    return std::uint32_t(b.at(at)) << 24 | std::uint32_t(b.at(at + 1)) << 16
        | std::uint32_t(b.at(at + 2)) << 8 | std::uint32_t(b.at(at + 3));
}

// The chunk types of a PNG file, in order.
std::vector<std::string> pngChunks(const std::vector<unsigned char> &png)
{
    std::vector<std::string> types;
    for (std::size_t at = 8; at + 8 <= png.size();) {
        types.emplace_back(reinterpret_cast<const char *>(png.data() + at + 4), 4);
        at += 12 + u32be(png, at);
    }
    return types;
}

// An icon file's image held as a device-independent bitmap with a palette:
// its colours, and whether the transparency mask leaves every pixel opaque.
struct IconImage
{
    Image image;
    bool opaque = true;
};

IconImage decodeIconBitmap(const std::vector<unsigned char> &b, std::size_t at)
{
    REQUIRE(u32le(b, at) == 40); // the plain header
    const int width = int(u32le(b, at + 4));
    const int height = int(u32le(b, at + 8)) / 2; // the colours, then the mask
    const int bitCount = b.at(at + 14) | b.at(at + 15) << 8;
    REQUIRE(u32le(b, at + 16) == 0); // uncompressed
    REQUIRE((bitCount == 1 || bitCount == 4 || bitCount == 8));
    const std::uint32_t used = u32le(b, at + 32);
    const std::size_t colours = used ? used : 1u << bitCount;
    const std::size_t palette = at + 40;
    const std::size_t pixels = palette + 4 * colours;
    const std::size_t stride = std::size_t((width * bitCount + 31) / 32 * 4);
    const std::size_t mask = pixels + stride * std::size_t(height);
    const std::size_t maskStride = std::size_t((width + 31) / 32 * 4);
    IconImage icon { Image(width, height), true };
    for (int y = 0; y < height; ++y) {
        const std::size_t row = pixels + stride * std::size_t(height - 1 - y); // bottom-up
        const std::size_t maskRow = mask + maskStride * std::size_t(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const int bit = x * bitCount;
            const int index = b.at(row + std::size_t(bit / 8)) >> (8 - bitCount - bit % 8)
                & ((1 << bitCount) - 1);
            REQUIRE(std::size_t(index) < colours);
            const std::size_t entry = palette + 4 * std::size_t(index); // blue, green, red, 0
            icon.image.setPixel(x, y, rgb(b.at(entry + 2), b.at(entry + 1), b.at(entry)));
            if (b.at(maskRow + std::size_t(x / 8)) >> (7 - x % 8) & 1)
                icon.opaque = false;
        }
    }
    return icon;
}

} // namespace

TEST_CASE("sizesAndFormat")
{
    struct Row { const char *name; int width, height; };
    const Row rows[] = {
        { "bg0", 303, 183 },  { "bg1", 303, 183 },  { "bg2", 303, 183 },  { "bg3", 303, 183 },
        { "niku", 276, 84 },  { "nikuk", 82, 134 }, { "kage", 276, 32 },  { "moji", 140, 40 },
        { "icon32", 32, 32 }, { "icon48", 48, 48 },
    };
    std::vector<std::string> names;
    for (const Row &row : rows) {
        INFO(row.name);
        names.push_back(row.name);
        const std::vector<unsigned char> png = PictureFiles::bytes(std::string(row.name) + ".png");
        // Eight-bit palette pictures with no transparency: masks do that job.
        const std::vector<std::string> chunks = pngChunks(png);
        REQUIRE(!chunks.empty());
        CHECK(chunks.front() == "IHDR");
        CHECK(png.at(24) == 8); // bit depth
        CHECK(png.at(25) == 3); // colour type: palette
        CHECK(std::count(chunks.begin(), chunks.end(), "tRNS") == 0);
        const PictureFiles::Rgba decoded = PictureFiles::rgba(row.name);
        CHECK(decoded.width == row.width);
        CHECK(decoded.height == row.height);
        bool opaque = true;
        for (std::size_t i = 3; i < decoded.pixels.size(); i += 4)
            opaque = opaque && decoded.pixels[i] == 255;
        CHECK(opaque);
        // The game decodes its embedded copy to the same pixels.
        CHECK(Pictures::image(row.name) == PictureFiles::load(row.name));
    }
    std::vector<std::string> embedded = Pictures::names();
    std::sort(embedded.begin(), embedded.end());
    std::sort(names.begin(), names.end());
    CHECK(embedded == names);
}

// A built-in picture the build wrote wrongly stops with an error rather than
// giving pixels from past its data, whichever form this build carries (PNG
// bytes, or palette indices): each row is unreadable in both.
TEST_CASE("unreadableBuiltInPictures")
{
    const unsigned char notPng[] = { 0, 1, 0, 1 };
    const unsigned char pastPalette[] = { 0, 1, 2, 1 };
    const std::uint32_t palette[] = { 0xff000000u, 0xffffffffu };
    const EmbeddedPicture rows[] = {
        { "noPalette", notPng, sizeof notPng, 2, 2, nullptr, 0 },
        { "shortData", notPng, sizeof notPng, 3, 2, palette, 2 },
        { "pastPalette", pastPalette, sizeof pastPalette, 2, 2, palette, 2 },
        { "noSize", notPng, sizeof notPng, 0, 0, palette, 2 },
    };
    for (const EmbeddedPicture &row : rows) {
        INFO(row.name);
        CHECK_THROWS_AS(embeddedPictureImage(row), std::runtime_error);
    }
}

// Masks pure black and white, sprites black wherever the mask is white,
// and the mask's black part spanning exactly the shape's extent.
TEST_CASE("maskRuleAndExtents")
{
    const Rect extents[] = {{0, 0, 92, 42},  {0, 0, 92, 42}, {0, 0, 92, 41}, {0, 0, 82, 67},
                            {11, 2, 70, 11}, {0, 0, 92, 16}, {25, 5, 39, 7}, {10, 1, 51, 18}};
    for (int k = 0; k < 8; ++k) {
        INFO(kCellNames[k]);
        const Cell &c = kMaskedCells[k];
        const Image &sheet = picture(c.sheet);
        int wrong = 0;
        for (int y = 0; y < c.mask.height; ++y)
            for (int x = 0; x < c.mask.width; ++x) {
                const Rgb m = sheet.pixel(c.mask.x + x, c.mask.y + y);
                const bool fine = (m == kBlack || m == kWhite)
                    && (m != kWhite || sheet.pixel(c.sprite.x + x, c.sprite.y + y) == kBlack);
                if (!fine && ++wrong <= 3)
                    FAIL_CHECK("mask " << x << "," << y);
            }
        CHECK(wrong == 0);
        const Rect box = boxOf(sheet, c.mask, [](Rgb p) { return p == kBlack; });
        CHECK(box.translated(-c.mask.x, -c.mask.y) == extents[k]);
    }
}

TEST_CASE("characterColours")
{
    struct Row { const char *name; int cell; std::vector<Rgb> named; };
    const Row rows[] = {
        { "manga meat", 0, { rgb(156, 0, 0), rgb(132, 132, 132), kWhite } },
        { "beef", 1, { rgb(255, 41, 41), rgb(233, 41, 41), kWhite } },
        { "drumstick", 2, { rgb(214, 99, 0) } },
        { "hidden", 3, { rgb(249, 205, 138), rgb(225, 190, 122), rgb(223, 0, 41), kWhite, kBlack } },
        { "pause", 7, { kRed, kWhite } },
    };
    for (const Row &row : rows) {
        const Cell &c = kMaskedCells[row.cell];
        const Image &sheet = picture(c.sheet);
        // Only colours shown through the mask count.
        std::set<Rgb> shown;
        for (int y = 0; y < c.sprite.height; ++y)
            for (int x = 0; x < c.sprite.width; ++x)
                if (sheet.pixel(c.mask.x + x, c.mask.y + y) == kBlack)
                    shown.insert(sheet.pixel(c.sprite.x + x, c.sprite.y + y));
        for (const Rgb colour : row.named) {
            INFO(row.name << ": " << std::hex << colour);
            CHECK(shown.count(colour) == 1);
        }
    }
}

// One flat grey, exactly where the mask is black, shaped as an ellipse:
// one run per row, mirrored left-right and top-bottom, widest mid-way.
TEST_CASE("shadowsAreFlatEllipses")
{
    const std::pair<const char *, int> shadows[] = { { "medium", 4 }, { "large", 5 }, { "small", 6 } };
    for (const auto &shadow : shadows) {
        const char *const name = shadow.first;
        const int cell = shadow.second;
        INFO(name);
        const Cell &c = kMaskedCells[cell];
        const Image &sheet = picture("kage");
        std::vector<std::pair<int, int>> runs;
        int wrong = 0;
        for (int y = 0; y < c.sprite.height; ++y) {
            int first = -1, last = -1, count = 0;
            for (int x = 0; x < c.sprite.width; ++x) {
                const Rgb s = sheet.pixel(c.sprite.x + x, c.sprite.y + y);
                const bool masked = sheet.pixel(c.mask.x + x, c.mask.y + y) == kBlack;
                if ((s == kShadowGrey) != masked || (s != kShadowGrey && s != kBlack))
                    if (++wrong <= 3)
                        FAIL_CHECK("pixel " << x << "," << y);
                if (masked) {
                    first = first < 0 ? x : first;
                    last = x;
                    ++count;
                }
            }
            if (count > 0) {
                CHECK(count == last - first + 1);
                runs.push_back({ first, last });
            }
        }
        CHECK(wrong == 0);
        REQUIRE(!runs.empty());
        const std::size_t n = runs.size();
        for (std::size_t k = 0; k < n; ++k) {
            INFO("run " << k);
            const auto &a = runs[k];
            CHECK(a == runs[n - 1 - k]);
            CHECK(a.first + a.second == runs[n / 2].first + runs[n / 2].second);
            if (k > 0 && k <= n / 2)
                CHECK(a.second - a.first >= runs[k - 1].second - runs[k - 1].first);
        }
    }
}

TEST_CASE("textSprites")
{
    const Image &moji = picture("moji");
    // The replay caption is copied opaque: red ground, white letters.
    int white = 0;
    bool redOrWhite = true;
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 70; ++x) {
            const Rgb p = moji.pixel(x, y);
            redOrWhite = redOrWhite && (p == kRed || p == kWhite);
            white += p == kWhite;
        }
    CHECK(redOrWhite);
    INFO("white pixels: " << white);
    CHECK((white > 40 && white < 70 * 15 / 3));
    CHECK(coloursIn(moji, { 0, 15, 70, 25 }) == std::set<Rgb> { kWhite });
    // Every red letter pixel is rimmed by white before the transparent part.
    int unrimmed = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 70; x < 140; ++x) {
            if (moji.pixel(x, y) != kRed)
                continue;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    // Off the sheet counts as unrimmed.
                    const bool on = Rect::of(moji).contains(x + dx, y + dy);
                    const Rgb n = on ? moji.pixel(x + dx, y + dy) : 0;
                    if (n != kRed && n != kWhite && ++unrimmed <= 3)
                        FAIL_CHECK("red at " << x << "," << y << " touches " << std::hex << n);
                }
        }
    CHECK(unrimmed == 0);
}

TEST_CASE("daySkyBands")
{
    // The first row of each band, then the last sky row checked.
    struct Row { const char *name; const char *stage; int firstRows[6]; };
    const Row rows[] = {
        { "grassland", "bg0", { 0, 14, 27, 41, 53, 129 } },
        { "desert", "bg1", { 0, 12, 25, 39, 51, 116 } },
    };
    const Rgb bands[] = { rgb(64, 0, 255), rgb(0, 128, 255), rgb(96, 160, 255), rgb(160, 192, 255),
                          rgb(128, 255, 255) };
    for (const Row &row : rows) {
        const Image &bg = picture(row.stage);
        for (int band = 0; band < 5; ++band) {
            const int last = band < 4 ? row.firstRows[band + 1] - 1 : row.firstRows[5];
            for (int y = row.firstRows[band]; y <= last; ++y)
                for (const int x : { 0, 100 }) {
                    INFO(row.name << " " << x << "," << y);
                    CHECK(bg.pixel(x, y) == bands[band]);
                }
        }
    }
}

TEST_CASE("grassland")
{
    const Image &bg = picture("bg0");
    // The hills rise from row 130 and fill the bottom; nothing but sky above.
    const Rect land = boxOf(bg, { 0, 0, 200, 183 }, [](Rgb p) { return !isSky(p); });
    CHECK(land.y == 130);
    CHECK(coloursIn(bg, { 0, 130, 303, 53 }).count(rgb(0, 192, 64)) == 1);
    for (int x = 0; x < 303; ++x) {
        INFO(x);
        CHECK(!isSky(bg.pixel(x, 182)));
    }
    // The brown trunk, and the crown reaching up to row 30.
    const Rect trunk = boxOf(bg, Rect::of(bg), [](Rgb p) { return red(p) > green(p) && green(p) > blue(p); });
    CHECK(trunk == Rect::corners(247, 79, 284, 160));
    CHECK(boxOf(bg, { 200, 0, 103, 130 }, [](Rgb p) { return !isSky(p); }).y == 30);
}

TEST_CASE("desert")
{
    const Image &bg = picture("bg1");
    // The right-hand dune's crest is the highest sand, at row 117.
    const Rect sand = boxOf(bg, Rect::of(bg), isSandy);
    CHECK(sand.y == 117);
    CHECK(boxOf(bg, { 151, 0, 152, 183 }, isSandy).y == 117);
    CHECK(sand.bottom() == 182);
    const std::set<Rgb> colours = coloursIn(bg, Rect::of(bg));
    CHECK(colours.count(rgb(255, 239, 123)) == 1);
    CHECK(colours.count(rgb(247, 255, 198)) == 1);
}

TEST_CASE("space")
{
    const Image &bg = picture("bg2");
    const auto reddish = [](Rgb p) { return red(p) > green(p) + 40 && red(p) > blue(p) + 40; };
    CHECK(boxOf(bg, { 230, 0, 73, 60 }, reddish) == Rect::corners(273, 7, 294, 27));
    const auto bluish = [](Rgb p) { return blue(p) > red(p) + 60 && blue(p) > green(p); };
    const Rect planet = boxOf(bg, Rect::of(bg), bluish);
    INFO("planet " << planet);
    CHECK((planet.y >= 120 && planet.y <= 128));
    CHECK(planet.x == 0);
    CHECK(planet.right() == 302);
    CHECK(planet.bottom() == 182);
    const std::set<Rgb> below = coloursIn(bg, { 0, 140, 303, 43 });
    CHECK(std::any_of(below.begin(), below.end(),
                      [](Rgb p) { return green(p) > red(p) + 60 && green(p) > blue(p) + 60; }));
    CHECK(below.count(kWhite) == 1);
    // Stars are white or pale yellow, one or two pixels each, on black.
    const Rect sky { 0, 0, 303, 110 };
    const Rect whole = Rect::of(bg);
    int stars = 0;
    for (int y = sky.y; y <= sky.bottom(); ++y)
        for (int x = sky.x; x <= sky.right(); ++x) {
            const Rgb p = bg.pixel(x, y);
            if (p == kBlack || reddish(p))
                continue;
            INFO("star at " << x << "," << y);
            CHECK((red(p) > 200 && green(p) > 200));
            ++stars;
            int neighbours = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if ((dx || dy) && whole.contains(x + dx, y + dy) && bg.pixel(x + dx, y + dy) != kBlack)
                        ++neighbours;
            CHECK(neighbours <= 1);
        }
    CHECK(stars > 50);
}

TEST_CASE("ring")
{
    const Image &bg = picture("bg3");
    for (int y = 69; y <= 174; ++y) {
        INFO(y);
        CHECK(bg.pixel(151, y) == kWhite);
    }
    CHECK(bg.pixel(151, 68) != kWhite);
    CHECK(bg.pixel(151, 175) != kWhite);
    const std::set<Rgb> colours = coloursIn(bg, Rect::of(bg));
    CHECK(colours.count(rgb(235, 190, 60)) == 1);
    CHECK(colours.count(rgb(0, 0, 190)) == 1);
    // The red lettering on the scoreboard, above the mat.
    CHECK(coloursIn(bg, { 100, 0, 103, 45 }).count(kRed) == 1);
}

TEST_CASE("icons")
{
    for (const int size : { 32, 48 }) {
        INFO("icon" << size);
        const Image &icon = picture("icon" + std::to_string(size));
        const std::set<Rgb> colours = coloursIn(icon, Rect::of(icon));
        CHECK(colours.size() <= 16);
        CHECK(colours.count(kRed) == 1);
        CHECK(icon.pixel(size / 2, size - 2) == kBlack);
        // A grey bevel along the top and left edges.
        for (int k = 0; k < size; ++k)
            for (const Rgb p : { icon.pixel(k, 0), icon.pixel(0, k) }) {
                INFO("edge pixel " << k);
                CHECK((red(p) == green(p) && green(p) == blue(p) && red(p) > 64 && red(p) < 255));
            }
    }
}

TEST_CASE("iconFile")
{
    const std::vector<unsigned char> bytes = PictureFiles::bytes("zubrik.ico");
    // The directory: reserved 0, type 1 (icon), two entries of 32 and 48.
    REQUIRE(bytes.size() > 6 + 2 * 16);
    const auto u16 = [&](std::size_t at) { return int(bytes[at]) | int(bytes[at + 1]) << 8; };
    CHECK(u16(0) == 0);
    CHECK(u16(2) == 1);
    CHECK(u16(4) == 2);
    CHECK(int(bytes[6]) == 32);
    CHECK(int(bytes[6 + 16]) == 48);
    // Each image is the PNG of its size, pixel for pixel and opaque throughout.
    for (std::size_t entry = 0; entry < 2; ++entry) {
        const int size = entry == 0 ? 32 : 48;
        INFO("icon" << size);
        const IconImage decoded = decodeIconBitmap(bytes, u32le(bytes, 6 + 16 * entry + 12));
        REQUIRE(decoded.image.width() == size);
        REQUIRE(decoded.image.height() == size);
        CHECK(decoded.opaque);
        const Image png = PictureFiles::load("icon" + std::to_string(size));
        CHECK(decoded.image == png);
    }
}

// Laid on a stage with AND then OR, a cell shows its sprite under the
// mask's black part and leaves every other pixel of the stage alone.
TEST_CASE("maskedCopyOntoStages")
{
    for (int k = 0; k < 8; ++k)
        for (int s = 0; s < 4; ++s) {
            INFO(kCellNames[k] << " on bg" << s);
            const Cell &c = kMaskedCells[k];
            const Image &sheet = picture(c.sheet);
            const Image &bg = picture("bg" + std::to_string(s));
            Image frame = bg;
            const int atX = 106, atY = k == 3 ? 95 : 120;
            for (int y = 0; y < c.sprite.height; ++y)
                for (int x = 0; x < c.sprite.width; ++x) {
                    Rgb p = frame.pixel(atX + x, atY + y);
                    p &= sheet.pixel(c.mask.x + x, c.mask.y + y);
                    p |= sheet.pixel(c.sprite.x + x, c.sprite.y + y);
                    frame.setPixel(atX + x, atY + y, p);
                }
            int wrong = 0;
            for (int y = 0; y < frame.height(); ++y)
                for (int x = 0; x < frame.width(); ++x) {
                    const int lx = x - atX, ly = y - atY;
                    const bool inCell = Rect { 0, 0, c.sprite.width, c.sprite.height }.contains(lx, ly);
                    const bool shape = inCell && sheet.pixel(c.mask.x + lx, c.mask.y + ly) == kBlack;
                    const Rgb expected = shape ? sheet.pixel(c.sprite.x + lx, c.sprite.y + ly) : bg.pixel(x, y);
                    if (frame.pixel(x, y) != expected && ++wrong <= 3)
                        FAIL_CHECK("pixel " << x << "," << y);
                }
            CHECK(wrong == 0);
        }
}

// As the game shows them: drawn by its own copies into its windows.

namespace {

// The hidden character laid on the grey strip with the character select's
// copies: its 82 x 67 cell squeezed into the fourth 92 x 42 cell at (345, 6),
// or at full size for comparison. Returns the strip and the cell's rectangle.
struct Laid
{
    Image strip;
    Rect cell;
};

Laid layHiddenCharacter(bool squeezed)
{
    Image sheet = picture("nikuk");
    const Rect cell = squeezed ? Rect { 345, 6, 92, 42 } : Rect { 345, 6, 82, 67 };
    Image strip(450, squeezed ? 57 : 80, kStripGrey);
    if (squeezed) {
        RasterCopy::StretchBlt(&strip, cell.x, cell.y, cell.width, cell.height, &sheet, 0, 67, 82, 67,
                               RasterOp::SrcAnd);
        RasterCopy::StretchBlt(&strip, cell.x, cell.y, cell.width, cell.height, &sheet, 0, 0, 82, 67,
                               RasterOp::SrcPaint);
    } else {
        RasterCopy::BitBlt(&strip, cell.x, cell.y, 82, 67, &sheet, 0, 67, RasterOp::SrcAnd);
        RasterCopy::BitBlt(&strip, cell.x, cell.y, 82, 67, &sheet, 0, 0, RasterOp::SrcPaint);
    }
    return { strip, cell };
}

// Every pixel reachable from the strip's border through non-black pixels,
// stepping to the four neighbours: what the strip's grey floods into.
std::vector<bool> outside(const Image &image)
{
    const int w = image.width(), h = image.height();
    std::vector<bool> seen(std::size_t(w * h), false);
    std::deque<std::pair<int, int>> todo;
    auto visit = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h || seen[std::size_t(y * w + x)]
            || image.pixel(x, y) == kBlack)
            return;
        seen[std::size_t(y * w + x)] = true;
        todo.push_back({ x, y });
    };
    for (int x = 0; x < w; ++x) {
        visit(x, 0);
        visit(x, h - 1);
    }
    for (int y = 0; y < h; ++y) {
        visit(0, y);
        visit(w - 1, y);
    }
    while (!todo.empty()) {
        const auto [x, y] = todo.front();
        todo.pop_front();
        visit(x + 1, y);
        visit(x - 1, y);
        visit(x, y + 1);
        visit(x, y - 1);
    }
    return seen;
}

// The 8-connected groups of pixels of one colour inside a rectangle, by size.
std::vector<int> groupSizes(const Image &image, const Rect &r, Rgb colour)
{
    std::vector<bool> done(std::size_t(r.width * r.height), false);
    auto index = [&](int x, int y) { return std::size_t((y - r.y) * r.width + x - r.x); };
    std::vector<int> sizes;
    for (int y = r.y; y <= r.bottom(); ++y)
        for (int x = r.x; x <= r.right(); ++x) {
            if (done[index(x, y)] || image.pixel(x, y) != colour)
                continue;
            int size = 0;
            std::vector<std::pair<int, int>> stack { { x, y } };
            done[index(x, y)] = true;
            while (!stack.empty()) {
                const auto [px, py] = stack.back();
                stack.pop_back();
                ++size;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int qx = px + dx, qy = py + dy;
                        if (!r.contains(qx, qy) || image.pixel(qx, qy) != colour)
                            continue;
                        if (!done[index(qx, qy)]) {
                            done[index(qx, qy)] = true;
                            stack.push_back({ qx, qy });
                        }
                    }
            }
            sizes.push_back(size);
        }
    std::sort(sizes.begin(), sizes.end());
    return sizes;
}

// The kanji is every coloured pixel: neither the black ground nor the grey bevel.
bool isGlyph(Rgb p) { return red(p) != green(p) || green(p) != blue(p); }

bool allGlyph(const Image &icon, int x, int y, int k)
{
    if (x < 0 || y < 0 || x + k > icon.width() || y + k > icon.height())
        return false;
    for (int j = y; j < y + k; ++j)
        for (int i = x; i < x + k; ++i)
            if (!isGlyph(icon.pixel(i, j)))
                return false;
    return true;
}

const std::pair<const char *, bool> kLayings[] = {
    { "full size", false },
    { "squeezed into the character select", true },
};

} // namespace

// The palm stands in the sand, and the dunes close the bottom of the
// picture from edge to edge: no sky shows below them.
TEST_CASE("desertGround")
{
    const Image &bg = picture("bg1");
    int sky = 0;
    for (int y = 171; y < bg.height(); ++y)
        for (int x = 0; x < bg.width(); ++x)
            if (isSky(bg.pixel(x, y)) && ++sky <= 3)
                FAIL_CHECK("sky at " << x << "," << y);
    CHECK(sky == 0);
    // The trunk's lowest row of bark rests on sand, not on sky.
    int foot = -1;
    for (int y = 100; y < bg.height(); ++y)
        for (int x = 0; x < bg.width(); ++x)
            if (isBark(bg.pixel(x, y)))
                foot = y;
    INFO("foot " << foot);
    REQUIRE((foot > 100 && foot + 1 < bg.height()));
    int barkAtFoot = 0;
    for (int x = 0; x < bg.width(); ++x) {
        if (!isBark(bg.pixel(x, foot)))
            continue;
        ++barkAtFoot;
        INFO("under the trunk at " << x << "," << foot + 1);
        CHECK(isSandy(bg.pixel(x, foot + 1)));
    }
    CHECK(barkAtFoot >= 3);
}

// The head's black outline runs all the way round, at full size and as
// squeezed into the character select, where whole rows drop out: the
// strip's grey must never touch a coloured pixel of the head.
TEST_CASE("hiddenCharacterOutline")
{
    for (const auto &laying : kLayings) {
        const char *const name = laying.first;
        const bool squeezed = laying.second;
        INFO(name);
        const Laid laid = layHiddenCharacter(squeezed);
        const std::vector<bool> reached = outside(laid.strip);
        const int w = laid.strip.width();
        int open = 0;
        for (int y = laid.cell.y; y <= laid.cell.bottom(); ++y)
            for (int x = laid.cell.x; x <= laid.cell.right(); ++x)
                if (reached[std::size_t(y * w + x)] && laid.strip.pixel(x, y) != kStripGrey
                    && ++open <= 3)
                    FAIL_CHECK("the outline is open at " << x - laid.cell.x << "," << y - laid.cell.y
                                                         << " of the cell");
        CHECK(open == 0);
    }
}

// The face survives the squeeze: a glint on the eye bar over each eye,
// both lips, and the bar itself, a broad black area away from the rim.
TEST_CASE("hiddenCharacterFace")
{
    for (const auto &laying : kLayings) {
        const char *const name = laying.first;
        const bool squeezed = laying.second;
        INFO(name);
        const Laid laid = layHiddenCharacter(squeezed);
        const Image &s = laid.strip;
        const Rect cell = laid.cell;

        const std::vector<int> glints = groupSizes(s, cell, kWhite);
        REQUIRE(glints.size() == 2);
        CHECK(glints.front() >= 3);
        for (int y = cell.y; y <= cell.bottom(); ++y)
            for (int x = cell.x; x <= cell.right(); ++x) {
                if (s.pixel(x, y) != kWhite)
                    continue;
                for (const auto &[dx, dy] : { std::pair { 1, 0 }, { -1, 0 }, { 0, 1 }, { 0, -1 } }) {
                    const Rgb n = s.pixel(x + dx, y + dy);
                    INFO("glint at " << x - cell.x << "," << y - cell.y << " off the bar");
                    CHECK((n == kWhite || n == kBlack));
                }
            }

        // Upper and lower lip, parted by the mouth's line.
        const std::vector<int> lips = groupSizes(s, cell, kLips);
        REQUIRE(lips.size() >= 2);
        CHECK(lips[lips.size() - 2] >= 12);

        // Black at least two pixels from the grey all round: the eye bar.
        const std::vector<bool> reached = outside(s);
        const int w = s.width();
        int shape = 0, deepBlack = 0;
        for (int y = cell.y; y <= cell.bottom(); ++y)
            for (int x = cell.x; x <= cell.right(); ++x) {
                if (s.pixel(x, y) == kStripGrey)
                    continue;
                ++shape;
                if (s.pixel(x, y) != kBlack)
                    continue;
                bool deep = true;
                for (int dy = -2; dy <= 2 && deep; ++dy)
                    for (int dx = -2; dx <= 2 && deep; ++dx)
                        deep = !reached[std::size_t((y + dy) * w + x + dx)];
                deepBlack += deep;
            }
        INFO(deepBlack << " of " << shape);
        CHECK(deepBlack * 10 >= shape);
    }
}

// The kanji's strokes keep one width everywhere, whatever their shade:
// every pixel of the kanji lies in a k x k square of it, and where
// strokes meet they may fill one more row or column but never make a
// (k + 2) x (k + 2) blob.
TEST_CASE("iconStrokeWidth")
{
    const std::pair<const char *, int> icons[] = { { "icon32", 2 }, { "icon48", 3 } };
    for (const auto &stroke : icons) {
        const char *const name = stroke.first;
        const int width = stroke.second;
        INFO(name);
        const Image &icon = picture(name);
        int glyph = 0, wrong = 0;
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x) {
                if (allGlyph(icon, x, y, width + 2) && ++wrong <= 3)
                    FAIL_CHECK("a blob at " << x << "," << y);
                if (!isGlyph(icon.pixel(x, y)))
                    continue;
                ++glyph;
                bool inSquare = false;
                for (int dy = 0; dy < width && !inSquare; ++dy)
                    for (int dx = 0; dx < width && !inSquare; ++dx)
                        inSquare = allGlyph(icon, x - dx, y - dy, width);
                if (!inSquare && ++wrong <= 3)
                    FAIL_CHECK("too thin at " << x << "," << y);
            }
        CHECK(wrong == 0);
        CHECK(glyph > icon.width() * 4);
    }
}
