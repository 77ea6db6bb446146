#include "tga_files.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace glimtags::test {
namespace {

constexpr int kCellSide = 16;

void appendBgra(std::vector<unsigned char>& bytes, Pixel colour, int alpha)
{
    bytes.push_back(static_cast<unsigned char>(colour.blue));
    bytes.push_back(static_cast<unsigned char>(colour.green));
    bytes.push_back(static_cast<unsigned char>(colour.red));
    bytes.push_back(static_cast<unsigned char>(alpha));
}

} // namespace

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "glimtags-render-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    path_ = pattern;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::vector<unsigned char> tgaBytes(const TgaHeader& header, const std::vector<unsigned char>& pixelBytes)
{
    std::vector<unsigned char> bytes(18, 0);
    bytes[0] = static_cast<unsigned char>(header.identificationLength);
    bytes[1] = static_cast<unsigned char>(header.colourMapType);
    bytes[2] = static_cast<unsigned char>(header.imageType);
    bytes[12] = static_cast<unsigned char>(header.width & 0xff);
    bytes[13] = static_cast<unsigned char>(header.width >> 8);
    bytes[14] = static_cast<unsigned char>(header.height & 0xff);
    bytes[15] = static_cast<unsigned char>(header.height >> 8);
    bytes[16] = static_cast<unsigned char>(header.depth);
    bytes.insert(bytes.end(), static_cast<std::size_t>(header.identificationLength), 0xEE);
    bytes.insert(bytes.end(), pixelBytes.begin(), pixelBytes.end());
    return bytes;
}

void writeFile(const std::string& path, const std::vector<unsigned char>& bytes)
{
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path);
}

std::string writeTga(const TempDir& dir, const std::string& name, const TgaHeader& header,
    const std::vector<unsigned char>& pixelBytes)
{
    const std::string path = dir.path(name);
    writeFile(path, tgaBytes(header, pixelBytes));
    return path;
}

bool isHoleTexel(int column, int row)
{
    return column >= kHoleStart && column < kHoleEnd && row >= kHoleStart && row < kHoleEnd;
}

std::vector<unsigned char> glyphSheetPixels(int depth)
{
    std::vector<unsigned char> bytes;
    for (int t = 0; t < kSheetSide; ++t) {
        for (int s = 0; s < kSheetSide; ++s) {
            // File row 0 is the bottom of the picture, whose top cell row holds cells 0 to 15.
            const int cell = (kSheetSide / kCellSide - 1 - t / kCellSide) * 16 + s / kCellSide;
            const bool hole = isHoleTexel(s % kCellSide, t % kCellSide);
            const unsigned char k = static_cast<unsigned char>(cell);
            if (depth == 8) {
                bytes.push_back(hole ? 0 : k);
            } else if (depth == 24) {
                bytes.insert(bytes.end(), {k, k, k});
            } else if (hole) {
                appendBgra(bytes, {0, 0, 0}, 0);
            } else {
                appendBgra(bytes, {k, k, k}, 255);
            }
        }
    }
    return bytes;
}

std::string writeGlyphSheet(const TempDir& dir, const std::string& name, int depth)
{
    return writeTga(dir, name, {0, 0, depth == 8 ? 3 : 2, kSheetSide, kSheetSide, depth}, glyphSheetPixels(depth));
}

std::string writeSolidPicture(const TempDir& dir, const std::string& name, Pixel colour)
{
    return writeTwoTonePicture(dir, name, colour, colour);
}

std::string writeTwoTonePicture(const TempDir& dir, const std::string& name, Pixel top, Pixel bottom)
{
    constexpr int kWidth = 4;
    constexpr int kHeight = 64;
    std::vector<unsigned char> bytes;
    for (int t = 0; t < kHeight; ++t)
        for (int s = 0; s < kWidth; ++s)
            appendBgra(bytes, t < kHeight / 2 ? bottom : top, 255);
    return writeTga(dir, name, {0, 0, 2, kWidth, kHeight, 32}, bytes);
}

} // namespace glimtags::test
