// Builds WAVE files byte by byte for the sound tests.
#pragma once
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace wavfix {

inline void u16(std::string& s, uint32_t v) {
    s += char(v & 0xFF);
    s += char((v >> 8) & 0xFF);
}
inline void u32(std::string& s, uint32_t v) {
    u16(s, v & 0xFFFF);
    u16(s, v >> 16);
}
inline std::string chunk(const char* id, const std::string& body) {
    std::string s(id, 4);
    u32(s, static_cast<uint32_t>(body.size()));
    s += body;
    if (body.size() & 1) s += '\0';
    return s;
}
inline std::string fmt(uint16_t tag, uint16_t ch, uint32_t rate, uint16_t bits, size_t len = 16) {
    std::string b;
    u16(b, tag);
    u16(b, ch);
    u32(b, rate);
    u32(b, rate * ch * bits / 8);
    u16(b, ch * bits / 8);
    u16(b, bits);
    while (b.size() < len) b += '\0';
    return chunk("fmt ", b);
}
// RIFF around the chunks, with the size field as a file must have it (plus a deliberate error).
inline std::string riff(const std::string& chunks, int sizeOff = 0, const char* form = "WAVE",
                        const char* id = "RIFF") {
    std::string s(id, 4);
    u32(s, static_cast<uint32_t>(static_cast<int>(4 + chunks.size()) + sizeOff));
    s += std::string(form, 4);
    s += chunks;
    return s;
}
// 16-bit mono samples all of one value.
inline std::string samples16(size_t n, int16_t v) {
    std::string s;
    for (size_t i = 0; i < n; ++i) u16(s, static_cast<uint16_t>(v));
    return s;
}
inline std::string pcm16(size_t frames, int16_t v = 8000, uint32_t rate = 22050) {
    return riff(fmt(1, 1, rate, 16) + chunk("data", samples16(frames, v)));
}
inline void schreiben(const std::filesystem::path& p, const std::string& bytes) {
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
}
inline const uint8_t* bytes(const std::string& s) { return reinterpret_cast<const uint8_t*>(s.data()); }

}  // namespace wavfix
