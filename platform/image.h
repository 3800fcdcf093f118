// Image files to and from pixel arrays. Rows are bottom-up, as GL textures take them; pixels
// are RGB (3 channels) or RGBA (4 channels), bytes in that order.
#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace image {

struct Image {
    int width = 0, height = 0, channels = 0;
    std::vector<uint8_t> pixels;  // width * height * channels, bottom row first

    bool empty() const { return width <= 0 || height <= 0 || pixels.empty(); }
    uint8_t* at(int x, int y) { return pixels.data() + (static_cast<size_t>(y) * width + x) * channels; }
    const uint8_t* at(int x, int y) const {
        return pixels.data() + (static_cast<size_t>(y) * width + x) * channels;
    }
};

// No picture of the program comes near these; larger ones are refused before decoding.
constexpr int kMaxSide = 16384;
constexpr int64_t kMaxPixels = 64ll << 20;
constexpr uint64_t kMaxFile = 256ull << 20;

// Readers return false on a missing, unknown or damaged file and then leave out untouched.
// Uncompressed BMP of 8 (palette), 24 and 32 bits; 32-bit gives RGBA.
bool readBmp(const std::filesystem::path& p, Image& out);
// TGA types 1, 2, 3, 9, 10, 11 (palette, true colour, grey; raw or RLE) of 8, 15/16, 24, 32 bits.
bool readTga(const std::filesystem::path& p, Image& out);
// Baseline and progressive JPEG (Huffman coded); always RGB. A file with corrupt or missing
// data is refused, as is one whose header claims more than it could hold.
bool readJpeg(const std::filesystem::path& p, Image& out);
// By extension (.bmp, .tga, .jpg/.jpeg), case-insensitive.
bool readImage(const std::filesystem::path& p, Image& out);

// The same from bytes in memory.
bool decodeBmp(const std::string& data, Image& out);
bool decodeTga(const std::string& data, Image& out);
bool decodeJpeg(const std::string& data, Image& out);

// Writers write the whole file or leave the old one. BMP is 24-bit, or 32-bit for RGBA.
bool writeBmp(const std::filesystem::path& p, const Image& img);
bool writeJpeg(const std::filesystem::path& p, const Image& img, int quality);
bool encodeBmp(const Image& img, std::string& out);
// RGB or RGBA (alpha dropped); quality 1..100.
bool encodeJpeg(const Image& img, int quality, std::string& out);

}  // namespace image
