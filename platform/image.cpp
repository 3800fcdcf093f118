#include "platform/image.h"

#include <jpeglib.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/fileio.h"
#include "platform/text.h"

namespace image {

namespace {

uint32_t le16(const std::string& d, size_t at) {
    return static_cast<uint8_t>(d[at]) | static_cast<uint32_t>(static_cast<uint8_t>(d[at + 1])) << 8;
}
uint32_t le32(const std::string& d, size_t at) { return le16(d, at) | le16(d, at + 2) << 16; }
int32_t le32s(const std::string& d, size_t at) { return static_cast<int32_t>(le32(d, at)); }

void put16(std::string& d, uint32_t v) {
    d.push_back(static_cast<char>(v & 0xFF));
    d.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void put32(std::string& d, uint32_t v) {
    put16(d, v & 0xFFFF);
    put16(d, v >> 16);
}

bool sizeOk(int64_t w, int64_t h) {
    return w > 0 && h > 0 && w <= kMaxSide && h <= kMaxSide && w * h <= kMaxPixels;
}

bool validImage(const Image& img) {
    return sizeOk(img.width, img.height) && (img.channels == 3 || img.channels == 4) &&
           img.pixels.size() == static_cast<size_t>(img.width) * img.height * img.channels;
}

// Bits of a colour mask scaled to 0..255.
struct Field {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t max = 0;
    explicit Field(uint32_t m) : mask(m) {
        if (!m) return;
        while (!((m >> shift) & 1)) ++shift;
        max = m >> shift;
    }
    uint8_t get(uint32_t v) const {
        if (!mask) return 0;
        return static_cast<uint8_t>(static_cast<uint64_t>((v & mask) >> shift) * 255 / max);
    }
};

bool readFile(const std::filesystem::path& p, std::string& data) {
    return fileio::readAll(p, data, kMaxFile);
}

}  // namespace

// ---------------------------------------------------------------- BMP

bool decodeBmp(const std::string& d, Image& out) {
    if (d.size() < 26 || d[0] != 'B' || d[1] != 'M') return false;
    const uint32_t dataOffset = le32(d, 10);
    const uint32_t hsize = le32(d, 14);
    int64_t w = 0, h = 0;
    uint32_t bpp = 0, compression = 0, colorsUsed = 0;
    uint32_t rmask = 0, gmask = 0, bmask = 0, amask = 0;
    size_t paletteAt = 14 + static_cast<size_t>(hsize);
    int paletteEntry = 4;
    if (hsize == 12) {
        w = le16(d, 18);
        h = static_cast<int16_t>(le16(d, 20));
        bpp = le16(d, 24);
        paletteEntry = 3;
    } else if (hsize >= 40 && hsize <= 124 && d.size() >= 14 + static_cast<size_t>(hsize)) {
        w = le32s(d, 18);
        h = le32s(d, 22);
        bpp = le16(d, 28);
        compression = le32(d, 30);
        colorsUsed = le32(d, 46);
        if (compression == 3 || compression == 6) {
            // Masks follow a 40-byte header, or are part of the larger ones.
            size_t at = 54;
            if (d.size() < at + 12) return false;
            rmask = le32(d, at);
            gmask = le32(d, at + 4);
            bmask = le32(d, at + 8);
            if ((compression == 6 || hsize >= 56) && d.size() >= at + 16) amask = le32(d, at + 12);
            if (hsize == 40) paletteAt += compression == 6 ? 16 : 12;
        }
    } else {
        return false;
    }
    const bool topDown = h < 0;
    if (topDown) h = -h;
    if (!sizeOk(w, h)) return false;
    if (compression != 0 && compression != 3 && compression != 6) return false;
    if (compression != 0 && bpp != 16 && bpp != 32) return false;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) return false;

    std::vector<uint8_t> palette;  // RGB triples
    if (bpp <= 8) {
        uint32_t n = colorsUsed ? colorsUsed : (1u << bpp);
        if (n > (1u << bpp)) return false;
        if (paletteAt + static_cast<size_t>(n) * paletteEntry > d.size()) return false;
        palette.resize(static_cast<size_t>(1u << bpp) * 3, 0);
        for (uint32_t i = 0; i < n; ++i) {
            const size_t at = paletteAt + static_cast<size_t>(i) * paletteEntry;
            palette[i * 3 + 0] = static_cast<uint8_t>(d[at + 2]);
            palette[i * 3 + 1] = static_cast<uint8_t>(d[at + 1]);
            palette[i * 3 + 2] = static_cast<uint8_t>(d[at + 0]);
        }
    }
    if (bpp == 16 && compression == 0) rmask = 0x7C00, gmask = 0x03E0, bmask = 0x001F;
    if (bpp == 32 && compression == 0) rmask = 0xFF0000, gmask = 0xFF00, bmask = 0xFF, amask = 0xFF000000u;
    const Field fr(rmask), fg(gmask), fb(bmask), fa(amask);

    const size_t stride = ((static_cast<size_t>(w) * bpp + 31) / 32) * 4;
    if (dataOffset > d.size() || stride * static_cast<size_t>(h) > d.size() - dataOffset) return false;

    Image img;
    img.width = static_cast<int>(w);
    img.height = static_cast<int>(h);
    img.channels = bpp == 32 && amask ? 4 : 3;
    img.pixels.resize(static_cast<size_t>(w) * h * img.channels);
    bool anyAlpha = false;
    for (int y = 0; y < img.height; ++y) {
        const int row = topDown ? img.height - 1 - y : y;
        const size_t base = dataOffset + stride * static_cast<size_t>(row);
        for (int x = 0; x < img.width; ++x) {
            uint8_t* px = img.at(x, y);
            if (bpp <= 8) {
                const size_t bit = static_cast<size_t>(x) * bpp;
                const uint8_t byte = static_cast<uint8_t>(d[base + bit / 8]);
                const int idx = (byte >> (8 - bpp - bit % 8)) & ((1 << bpp) - 1);
                std::memcpy(px, &palette[static_cast<size_t>(idx) * 3], 3);
            } else if (bpp == 24) {
                const size_t at = base + static_cast<size_t>(x) * 3;
                px[0] = static_cast<uint8_t>(d[at + 2]);
                px[1] = static_cast<uint8_t>(d[at + 1]);
                px[2] = static_cast<uint8_t>(d[at]);
            } else {
                const uint32_t v = bpp == 16 ? le16(d, base + static_cast<size_t>(x) * 2)
                                             : le32(d, base + static_cast<size_t>(x) * 4);
                px[0] = fr.get(v);
                px[1] = fg.get(v);
                px[2] = fb.get(v);
                if (img.channels == 4) {
                    px[3] = fa.get(v);
                    anyAlpha |= px[3] != 0;
                }
            }
        }
    }
    // Many writers leave the fourth byte of a 32-bit file at zero: that means opaque.
    if (img.channels == 4 && !anyAlpha)
        for (size_t i = 3; i < img.pixels.size(); i += 4) img.pixels[i] = 255;
    out = std::move(img);
    return true;
}

bool encodeBmp(const Image& img, std::string& out) {
    if (!validImage(img)) return false;
    const int bpp = img.channels == 4 ? 32 : 24;
    const size_t stride = ((static_cast<size_t>(img.width) * bpp + 31) / 32) * 4;
    const size_t dataSize = stride * img.height;
    std::string d;
    d.reserve(54 + dataSize);
    d += "BM";
    put32(d, static_cast<uint32_t>(54 + dataSize));
    put32(d, 0);
    put32(d, 54);
    put32(d, 40);
    put32(d, static_cast<uint32_t>(img.width));
    put32(d, static_cast<uint32_t>(img.height));
    put16(d, 1);
    put16(d, static_cast<uint32_t>(bpp));
    put32(d, 0);
    put32(d, static_cast<uint32_t>(dataSize));
    put32(d, 2835);  // 72 dpi
    put32(d, 2835);
    put32(d, 0);
    put32(d, 0);
    for (int y = 0; y < img.height; ++y) {
        const size_t rowStart = d.size();
        for (int x = 0; x < img.width; ++x) {
            const uint8_t* px = img.at(x, y);
            d.push_back(static_cast<char>(px[2]));
            d.push_back(static_cast<char>(px[1]));
            d.push_back(static_cast<char>(px[0]));
            if (bpp == 32) d.push_back(static_cast<char>(px[3]));
        }
        d.resize(rowStart + stride, '\0');
    }
    out = std::move(d);
    return true;
}

bool readBmp(const std::filesystem::path& p, Image& out) {
    std::string d;
    return readFile(p, d) && decodeBmp(d, out);
}

bool writeBmp(const std::filesystem::path& p, const Image& img) {
    std::string d;
    return encodeBmp(img, d) && fileio::writeAll(p, d);
}

// ---------------------------------------------------------------- TGA

bool decodeTga(const std::string& d, Image& out) {
    if (d.size() < 18) return false;
    const uint8_t idLength = static_cast<uint8_t>(d[0]);
    const uint8_t cmapType = static_cast<uint8_t>(d[1]);
    const uint8_t type = static_cast<uint8_t>(d[2]);
    const uint32_t cmapFirst = le16(d, 3), cmapLen = le16(d, 5);
    const uint8_t cmapBits = static_cast<uint8_t>(d[7]);
    const int w = static_cast<int>(le16(d, 12)), h = static_cast<int>(le16(d, 14));
    const uint8_t bpp = static_cast<uint8_t>(d[16]);
    const uint8_t desc = static_cast<uint8_t>(d[17]);
    const bool rle = type >= 9;
    const int base = rle ? type - 8 : type;
    if (base < 1 || base > 3 || !sizeOk(w, h) || cmapType > 1) return false;
    if (base == 1 && (cmapType != 1 || (bpp != 8 && bpp != 16))) return false;
    if (base == 2 && bpp != 15 && bpp != 16 && bpp != 24 && bpp != 32) return false;
    if (base == 3 && bpp != 8) return false;

    size_t at = 18 + static_cast<size_t>(idLength);
    // Colour map entries as RGBA.
    std::vector<uint8_t> cmap;
    const int entryBytes = (cmapBits + 7) / 8;
    if (cmapType == 1) {
        if (cmapBits != 15 && cmapBits != 16 && cmapBits != 24 && cmapBits != 32) return false;
        const size_t bytes = static_cast<size_t>(cmapLen) * entryBytes;
        if (at > d.size() || bytes > d.size() - at) return false;
        cmap.resize(static_cast<size_t>(cmapLen) * 4);
        for (uint32_t i = 0; i < cmapLen; ++i) {
            const size_t e = at + static_cast<size_t>(i) * entryBytes;
            uint8_t* c = &cmap[static_cast<size_t>(i) * 4];
            if (entryBytes == 2) {
                const uint32_t v = le16(d, e);
                c[0] = static_cast<uint8_t>(((v >> 10) & 31) * 255 / 31);
                c[1] = static_cast<uint8_t>(((v >> 5) & 31) * 255 / 31);
                c[2] = static_cast<uint8_t>((v & 31) * 255 / 31);
                c[3] = 255;
            } else {
                c[0] = static_cast<uint8_t>(d[e + 2]);
                c[1] = static_cast<uint8_t>(d[e + 1]);
                c[2] = static_cast<uint8_t>(d[e]);
                c[3] = entryBytes == 4 ? static_cast<uint8_t>(d[e + 3]) : 255;
            }
        }
        at += bytes;
    }
    const int pixBytes = (bpp + 7) / 8;
    const bool alpha = (base == 2 && bpp == 32) || (base == 1 && cmapBits == 32);
    // The data must be able to hold the pixels the header claims before anything is allocated:
    // raw, every pixel; RLE, at most 128 pixels for each packet of 1 + pixBytes bytes.
    const size_t left = at <= d.size() ? d.size() - at : 0;
    const uint64_t claimed = static_cast<uint64_t>(w) * static_cast<uint64_t>(h);
    const uint64_t room = rle ? left / (1u + pixBytes) * 128u : left / pixBytes;
    if (claimed > room) return false;
    Image img;
    img.width = w;
    img.height = h;
    img.channels = alpha ? 4 : 3;
    img.pixels.resize(static_cast<size_t>(w) * h * img.channels);

    auto decodePixel = [&](size_t p, uint8_t* px) -> bool {
        if (base == 1) {
            const uint32_t idx = pixBytes == 1 ? static_cast<uint8_t>(d[p]) : le16(d, p);
            if (idx < cmapFirst || idx - cmapFirst >= cmapLen) return false;
            std::memcpy(px, &cmap[static_cast<size_t>(idx - cmapFirst) * 4], img.channels);
        } else if (base == 3) {
            px[0] = px[1] = px[2] = static_cast<uint8_t>(d[p]);
        } else if (pixBytes == 2) {
            const uint32_t v = le16(d, p);
            px[0] = static_cast<uint8_t>(((v >> 10) & 31) * 255 / 31);
            px[1] = static_cast<uint8_t>(((v >> 5) & 31) * 255 / 31);
            px[2] = static_cast<uint8_t>((v & 31) * 255 / 31);
        } else {
            px[0] = static_cast<uint8_t>(d[p + 2]);
            px[1] = static_cast<uint8_t>(d[p + 1]);
            px[2] = static_cast<uint8_t>(d[p]);
            if (alpha) px[3] = static_cast<uint8_t>(d[p + 3]);
        }
        return true;
    };

    // Pixels in file order; placed by the origin bits afterwards.
    const size_t total = static_cast<size_t>(w) * h;
    std::vector<uint8_t> seq(total * img.channels);
    size_t n = 0;
    while (n < total) {
        size_t count = 1;
        bool repeat = false;
        if (rle) {
            if (at >= d.size()) return false;
            const uint8_t packet = static_cast<uint8_t>(d[at++]);
            count = (packet & 0x7F) + 1u;
            repeat = packet & 0x80;
            if (count > total - n) return false;
        }
        if (repeat) {
            if (at > d.size() || static_cast<size_t>(pixBytes) > d.size() - at) return false;
            uint8_t px[4];
            if (!decodePixel(at, px)) return false;
            at += pixBytes;
            for (size_t i = 0; i < count; ++i, ++n) std::memcpy(&seq[n * img.channels], px, img.channels);
        } else {
            if (at > d.size() || count * pixBytes > d.size() - at) return false;
            for (size_t i = 0; i < count; ++i, ++n, at += pixBytes)
                if (!decodePixel(at, &seq[n * img.channels])) return false;
        }
    }
    const bool topOrigin = desc & 0x20;
    const bool rightOrigin = desc & 0x10;
    for (int fy = 0; fy < h; ++fy) {
        const int y = topOrigin ? h - 1 - fy : fy;
        for (int fx = 0; fx < w; ++fx) {
            const int x = rightOrigin ? w - 1 - fx : fx;
            std::memcpy(img.at(x, y), &seq[(static_cast<size_t>(fy) * w + fx) * img.channels], img.channels);
        }
    }
    out = std::move(img);
    return true;
}

bool readTga(const std::filesystem::path& p, Image& out) {
    std::string d;
    return readFile(p, d) && decodeTga(d, out);
}

// ---------------------------------------------------------------- JPEG

namespace {

struct JpegError {
    jpeg_error_mgr mgr;
    jmp_buf jump;
};

void jpegFail(j_common_ptr cinfo) { longjmp(reinterpret_cast<JpegError*>(cinfo->err)->jump, 1); }
void jpegSilent(j_common_ptr) {}
// A warning (level -1) means corrupt or missing data, which libjpeg would paper over with grey:
// the file is refused instead. Trace messages (level >= 0) are ignored.
void jpegWarningFails(j_common_ptr cinfo, int level) {
    if (level < 0) jpegFail(cinfo);
}

// Each MCU of the first scan takes at least one bit (Huffman codes are never shorter), so a
// file cannot describe more MCUs than eight times its length.
bool plausible(const jpeg_decompress_struct& c, size_t bytes) {
    if (!sizeOk(c.image_width, c.image_height) || c.arith_code) return false;
    int hmax = 1, vmax = 1;
    for (int i = 0; i < c.num_components; ++i) {
        hmax = std::max(hmax, c.comp_info[i].h_samp_factor);
        vmax = std::max(vmax, c.comp_info[i].v_samp_factor);
    }
    const uint64_t mcus = (static_cast<uint64_t>(c.image_width) + 8 * hmax - 1) / (8 * hmax) *
                          ((static_cast<uint64_t>(c.image_height) + 8 * vmax - 1) / (8 * vmax));
    return mcus <= static_cast<uint64_t>(bytes) * 8;
}

// No object with a destructor lives in these frames: the error path leaves them by longjmp.
bool jpegDecode(const std::string& data, int& w, int& h, std::vector<uint8_t>& pixels) {
    jpeg_decompress_struct cinfo;
    JpegError err;
    cinfo.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = jpegFail;
    err.mgr.output_message = jpegSilent;
    err.mgr.emit_message = jpegWarningFails;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(data.data()),
                 static_cast<unsigned long>(data.size()));
    if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    // Checked from the header alone: a progressive file makes libjpeg allocate the whole image
    // as soon as decompression starts.
    if (!plausible(cinfo, data.size())) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    if (!sizeOk(cinfo.output_width, cinfo.output_height) || cinfo.output_components != 3) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    w = static_cast<int>(cinfo.output_width);
    h = static_cast<int>(cinfo.output_height);
    pixels.resize(static_cast<size_t>(w) * h * 3);
    while (cinfo.output_scanline < cinfo.output_height) {
        // JPEG rows run top-down; ours bottom-up.
        JSAMPROW row =
            pixels.data() + static_cast<size_t>(h - 1 - static_cast<int>(cinfo.output_scanline)) * w * 3;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

bool jpegEncode(const Image& img, int quality, unsigned char*& buf, unsigned long& size,
                std::vector<uint8_t>& row) {
    jpeg_compress_struct cinfo;
    JpegError err;
    cinfo.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = jpegFail;
    err.mgr.output_message = jpegSilent;
    if (setjmp(err.jump)) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &buf, &size);
    cinfo.image_width = static_cast<JDIMENSION>(img.width);
    cinfo.image_height = static_cast<JDIMENSION>(img.height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality < 1 ? 1 : quality > 100 ? 100 : quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        const int y = img.height - 1 - static_cast<int>(cinfo.next_scanline);
        for (int x = 0; x < img.width; ++x) std::memcpy(&row[static_cast<size_t>(x) * 3], img.at(x, y), 3);
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&cinfo, &r, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

}  // namespace

bool decodeJpeg(const std::string& data, Image& out) {
    if (data.size() < 4) return false;
    int w = 0, h = 0;
    std::vector<uint8_t> pixels;
    if (!jpegDecode(data, w, h, pixels)) return false;
    out.width = w;
    out.height = h;
    out.channels = 3;
    out.pixels = std::move(pixels);
    return true;
}

bool readJpeg(const std::filesystem::path& p, Image& out) {
    std::string d;
    return readFile(p, d) && decodeJpeg(d, out);
}

bool encodeJpeg(const Image& img, int quality, std::string& out) {
    if (!validImage(img)) return false;
    unsigned char* buf = nullptr;
    unsigned long size = 0;
    std::vector<uint8_t> row(static_cast<size_t>(img.width) * 3);
    const bool ok = jpegEncode(img, quality, buf, size, row);
    if (ok) out.assign(reinterpret_cast<const char*>(buf), size);
    std::free(buf);
    return ok;
}

bool writeJpeg(const std::filesystem::path& p, const Image& img, int quality) {
    std::string d;
    return encodeJpeg(img, quality, d) && fileio::writeAll(p, d);
}

bool readImage(const std::filesystem::path& p, Image& out) {
    const std::string ext = text::lower(p.extension().string());
    if (ext == ".bmp") return readBmp(p, out);
    if (ext == ".tga") return readTga(p, out);
    if (ext == ".jpg" || ext == ".jpeg") return readJpeg(p, out);
    return false;
}

}  // namespace image
