// Zubrik: writes the built-in pictures decoded, as palette indices: zubrik_index_pictures OUTPUT.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
//
// It decodes the PNG table it is built with (cmake/EmbedPictures.cmake) by the
// very decoder the other builds run, and writes the same table in the form a
// build without decoding links (platform/IndexedPicture.cpp): the pixels come
// out of the program exactly as they would from the PNG. Palettes keep the
// order of first appearance, so that the same pictures always give the same
// source.
#include "platform/EmbeddedPictures.h"
#include "platform/Image.h"

#include <cstdint>
#include <cstdio>
#include <exception>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr std::size_t mostColours = 256;
constexpr int valuesPerLine = 16;

template <typename Value>
void writeValues(std::ostream &out, const std::vector<Value> &values, int digits)
{
    char text[16];
    for (std::size_t i = 0; i < values.size(); ++i) {
        std::snprintf(text, sizeof text, "0x%0*llx,", digits, static_cast<unsigned long long>(values[i]));
        out << (i % valuesPerLine == 0 ? "\n    " : " ") << text;
    }
    out << "\n";
}

// One picture's arrays; returns its row of the table.
std::string writePicture(std::ostream &out, const EmbeddedPicture &picture)
{
    const Image image = embeddedPictureImage(picture);
    std::map<std::uint32_t, unsigned char> indexOf;
    std::vector<std::uint32_t> palette;
    std::vector<unsigned char> indices;
    indices.reserve(std::size_t(image.width()) * std::size_t(image.height()));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const std::uint32_t colour = image.pixel(x, y);
            auto found = indexOf.find(colour);
            if (found == indexOf.end()) {
                if (palette.size() == mostColours)
                    throw std::runtime_error(std::string(picture.name) + " has more than 256 colours");
                found = indexOf.emplace(colour, static_cast<unsigned char>(palette.size())).first;
                palette.push_back(colour);
            }
            indices.push_back(found->second);
        }
    const std::string name = picture.name;
    out << "// " << name << ".png, " << image.width() << " x " << image.height() << ", "
        << palette.size() << " colours\nconst std::uint32_t " << name << "Palette[] = {";
    writeValues(out, palette, 8);
    out << "};\nconst unsigned char " << name << "Indices[] = {";
    writeValues(out, indices, 2);
    out << "};\n\n";
    std::ostringstream row;
    row << "    { \"" << name << "\", " << name << "Indices, sizeof " << name << "Indices, "
        << image.width() << ", " << image.height() << ", " << name << "Palette, " << palette.size()
        << " },\n";
    return row.str();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: zubrik_index_pictures OUTPUT\n");
        return 2;
    }
    try {
        std::ostringstream arrays;
        std::string table;
        for (std::size_t i = 0; i < embeddedPictureCount; ++i)
            table += writePicture(arrays, embeddedPictures[i]);
        std::ofstream out(argv[1], std::ios::binary);
        out << "// Zubrik: the pictures decoded at build time, written by tools/index_pictures; edit the "
               "PNGs, not this.\n// Copyright (c) 2026 the Zubrik developers. MIT licence.\n"
               "#include \"platform/EmbeddedPictures.h\"\n\nnamespace {\n\n"
            << arrays.str() << "} // namespace\n\nconst EmbeddedPicture embeddedPictures[] = {\n"
            << table << "};\n\nconst std::size_t embeddedPictureCount = " << embeddedPictureCount
            << ";\n";
        out.close();
        if (!out)
            throw std::runtime_error(std::string("cannot write ") + argv[1]);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "zubrik_index_pictures: %s\n", error.what());
        std::remove(argv[1]);
        return 1;
    }
    return 0;
}
