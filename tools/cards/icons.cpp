#include "tools/cards/icons.h"

#include <cmath>

#include "tools/cards/suits.h"

namespace icons {

using namespace canvas;

namespace {

constexpr int kSize = 64;
constexpr float kC = kSize / 2.0f;
const Color kGold = rgb(0xE8C060);
const Color kWhite = rgb(0xF8F6F0);

const canvas::Font& bold() {
    thread_local canvas::Font f(canvas::fonts::sansBold);
    return f;
}
const canvas::Font& serif() {
    thread_local canvas::Font f(canvas::fonts::serifBold);
    return f;
}

Canvas tile(Color top, Color bottom) {
    Canvas c(kSize, kSize, rgb(0x101010));
    c.roundRect(1, 1, kSize - 1, kSize - 1, 10, Paint::linear({0, 0}, top, {0, kSize}, bottom));
    c.roundRectOutline(3, 3, kSize - 3, kSize - 3, 8, 2, kGold);
    return c;
}

Canvas darkTile() { return tile(rgb(0x34487A), rgb(0x141C34)); }

// Text centred in the tile, squeezed to fit.
void label(Canvas& c, const std::string& s, float size, Color col, float cy = kC,
           const canvas::Font* f = nullptr) {
    const canvas::Font& font = f ? *f : bold();
    const float w = font.measure(size, s), maxW = kSize - 14;
    const float sx = w > maxW ? maxW / w : 1.0f;
    c.fill(font.textPath(size, 0, 0, s)
               .transformed(Affine::translate(kC - w * sx / 2, cy + 0.36f * size) * Affine::scale(sx, 1)),
           col);
}

void arrow(Canvas& c, float x0, float y0, float x1, float y1, float width, Color col) {
    const float dx = x1 - x0, dy = y1 - y0, len = std::hypot(dx, dy);
    const float ux = dx / len, uy = dy / len, head = width * 2.2f;
    c.line(x0, y0, x1 - ux * head * 0.8f, y1 - uy * head * 0.8f, width, col);
    c.fill(Path().addPolygon({{x1, y1},
                              {x1 - ux * head - uy * head * 0.75f, y1 - uy * head + ux * head * 0.75f},
                              {x1 - ux * head + uy * head * 0.75f, y1 - uy * head - ux * head * 0.75f}}),
           col);
}

Canvas suitTile(int style, int suit) {
    Canvas c = tile(rgb(0xFFFFFF), rgb(0xE6E2D8));
    suits::draw(c, style, suit, kC, kC, 40);
    return c;
}

Canvas fox() {
    Canvas c = darkTile();
    Path head;
    head.moveTo(14, 16)
        .lineTo(24, 24)
        .lineTo(40, 24)
        .lineTo(50, 16)
        .lineTo(48, 34)
        .lineTo(kC, 52)
        .lineTo(16, 34)
        .close();
    c.fill(head, rgb(0xE07A20));
    c.fill(Path().moveTo(22, 36).lineTo(kC, 52).lineTo(42, 36).quadTo(kC, 42, 22, 36).close(), kWhite);
    c.circle(26, 31, 2.2f, rgb(0x101010));
    c.circle(38, 31, 2.2f, rgb(0x101010));
    c.circle(kC, 50, 2.6f, rgb(0x101010));
    return c;
}

Canvas logo(int w, int h, int variant) {
    Canvas c(w, h);
    c.fillRect(0, 0, w, h, Paint::linear({0, 0}, rgb(0x1E2E58), {0, static_cast<float>(h)}, rgb(0x0A1024)));
    const float size = h * (variant ? 0.5f : 0.32f);
    const std::string text = "Kartenspiele";
    const float tw = serif().measure(size, text);
    const float sx = tw > w * 0.9f ? w * 0.9f / tw : 1.0f;
    const float base = variant ? h * 0.68f : h * 0.5f;
    c.fill(serif()
               .textPath(size, 0, 0, text)
               .transformed(Affine::translate((w - tw * sx) / 2, base) * Affine::scale(sx, 1)),
           Paint::linear({0, base - size}, rgb(0xFFE8A0), {0, base}, rgb(0xC8901A)));
    if (!variant)
        for (int s = 1; s <= 4; ++s) {
            const Affine m =
                Affine::translate(w * (0.2f + 0.2f * (s - 1)), h * 0.78f) * Affine::scale(h * 0.2f, h * 0.2f);
            c.fill(suits::shape(suits::French, s, m), s >= 3 ? rgb(0xE0303A) : kWhite);
        }
    return c;
}

Canvas backdrop() {
    Canvas c(256, 256);
    c.fillRect(0, 0, 256, 256, Paint::radial({128, 110}, 200, rgb(0x2A3C6A), rgb(0x080C1A)));
    for (int k = 0; k < 16; ++k) {
        const float x = 32 + (k % 4) * 64.0f + (k / 4 % 2) * 32, y = 32 + (k / 4) * 64.0f;
        c.fill(suits::shape(suits::French, k % 4 + 1, Affine::translate(x, y) * Affine::scale(30, 30)),
               rgb(0xFFFFFF, 24));
    }
    return c;
}

}  // namespace

std::vector<std::string> names() {
    std::vector<std::string> n;
    for (int style = 1; style <= 2; ++style)
        for (int suit = 1; suit <= 4; ++suit)
            n.push_back("f" + std::to_string(style) + std::to_string(suit) + ".jpg");
    for (const char* s :
         {"aussetz.jpg",   "dran.jpg",      "ziehen.jpg", "schieb.jpg", "klopf.jpg",     "r1.jpg",
          "r2.jpg",        "f110.jpg",      "f111.jpg",   "f112.jpg",   "f_obenabe.jpg", "f_undenufe.jpg",
          "f_slalomo.jpg", "f_slalomu.jpg", "f_fox.jpg",  "f_karl.jpg", "f_dk.jpg",      "f_b.jpg",
          "f_d.jpg",       "f_f.jpg",       "f_bd.jpg",   "f_x.jpg",    "f_k.jpg",       "f_w.jpg",
          "f_sie.jpg",     "f_tout.jpg",    "f_u0.jpg",   "f_u1.jpg",   "f_u2.jpg",      "f_u3.jpg",
          "f_u4.jpg",      "f_u5.jpg",      "f_re.jpg",   "f_kontra.jpg", "logo2.jpg",  "logo3.bmp",  "back.bmp"})
        n.push_back(s);
    return n;
}

Canvas draw(const std::string& name) {
    if (name.size() == 7 && name[0] == 'f' && name.substr(3) == ".jpg" &&
        (name[1] == '1' || name[1] == '2') && name[2] >= '1' && name[2] <= '4')
        return suitTile(name[1] - '0', name[2] - '0');
    if (name == "logo2.jpg") return logo(256, 128, 0);
    if (name == "logo3.bmp") return logo(256, 64, 1);
    if (name == "back.bmp") return backdrop();
    if (name == "f_fox.jpg") return fox();

    Canvas c = darkTile();
    if (name == "aussetz.jpg") {
        c.circle(kC, kC, 20, rgb(0xC8202A));
        c.roundRect(kC - 13, kC - 4, kC + 13, kC + 4, 2, kWhite);
    } else if (name == "dran.jpg") {
        c.circle(kC, kC, 20, rgb(0x2A9A44));
        c.fill(Path().addPolygon({{kC - 7, kC - 12}, {kC + 12, kC}, {kC - 7, kC + 12}}), kWhite);
    } else if (name == "ziehen.jpg") {
        c.roundRect(18, 14, 40, 46, 3, kWhite);
        c.roundRect(24, 18, 46, 50, 3, rgb(0x2A4A9A));
        c.roundRectOutline(24, 18, 46, 50, 3, 1.5f, kWhite);
        label(c, "+", 24, kGold, 34);
    } else if (name == "schieb.jpg") {
        arrow(c, 14, kC, 50, kC, 6, kWhite);
    } else if (name == "klopf.jpg") {
        // A knuckle and the sound waves of the knock.
        c.circle(22, kC, 9, kWhite);
        for (int k = 0; k < 3; ++k) {
            std::vector<canvas::Pt> arc;
            const float r = 15.0f + 7 * k;
            for (int i = 0; i <= 12; ++i) {
                const float a = -0.8f + 1.6f * i / 12;
                arc.push_back({22 + r * std::cos(a), kC + r * std::sin(a)});
            }
            c.fill(Path().addStroke(arc, 2.4f), rgb(0xE8C060, static_cast<uint8_t>(240 - 60 * k)));
        }
    } else if (name == "r1.jpg" || name == "r2.jpg") {
        // Mau Mau's direction of play: r1 the seat numbers upwards, round the table clockwise as
        // the player sees it from below; r2 the other way round. One picture mirrors the other.
        const float dir = name == "r1.jpg" ? 1.0f : -1.0f;
        const float r = 19, a0 = -1.9f, a1 = a0 + 4.6f;
        auto punkt = [&](float a) { return canvas::Pt{kC + dir * r * std::cos(a), kC + r * std::sin(a)}; };
        std::vector<canvas::Pt> bogen;
        for (int i = 0; i <= 24; ++i) bogen.push_back(punkt(a0 + (a1 - a0) * i / 24));
        c.fill(Path().addStroke(bogen, 5.0f), kWhite);
        const canvas::Pt ende = punkt(a1 + 0.35f);
        arrow(c, bogen.back().x, bogen.back().y, ende.x, ende.y, 5.0f, kGold);
    } else if (name == "f110.jpg") {
        label(c, "Null", 20, kWhite);
    } else if (name == "f111.jpg") {
        label(c, "Grand", 18, kGold);
    } else if (name == "f112.jpg") {
        label(c, "Ramsch", 16, kWhite);
    } else if (name == "f_obenabe.jpg" || name == "f_undenufe.jpg") {
        // The highest card on top and the arrow down for Obenabe, the lowest at the bottom and
        // the arrow up for Undenufe; the direction's name below, as no trump suit tells it.
        const bool down = name == "f_obenabe.jpg";
        label(c, down ? "A" : "6", 15, kGold, down ? 13 : 37);
        arrow(c, kC, down ? 20 : 28, kC, down ? 42 : 6, 4.5f, kWhite);
        label(c, down ? "Obenabe" : "Undenufe", 11, kWhite, 53);
    } else if (name == "f_slalomo.jpg" || name == "f_slalomu.jpg") {
        const bool down = name == "f_slalomo.jpg";
        std::vector<canvas::Pt> z = {{20, 8}, {44, 17}, {20, 28}, {40, 40}};
        if (!down)
            for (auto& p : z) p.y = 48 - p.y;
        c.fill(Path().addStroke({z.begin(), z.end() - 1}, 4.0f), kWhite);
        arrow(c, z[2].x, z[2].y, z[3].x, z[3].y, 4.0f, kWhite);
        label(c, "Slalom", 11, kWhite, 53);
    } else if (name == "f_karl.jpg") {  // the Karlchen: the Kreuz-Bube
        suits::draw(c, suits::French, 1, 21, kC, 24);
        c.fill(bold().textPath(28, 33, kC + 10, "B"), kWhite);
    } else {
        static const struct {
            const char* file;
            const char* text;
        } texts[] = {{"f_dk.jpg", "DK"},   {"f_b.jpg", "B"},       {"f_d.jpg", "D"},  {"f_f.jpg", "F"},
                     {"f_bd.jpg", "BD"},   {"f_x.jpg", "X"},       {"f_k.jpg", "Geier"},  {"f_w.jpg", "W"},
                     {"f_sie.jpg", "Sie"}, {"f_tout.jpg", "Tout"}, {"f_u0.jpg", "?"}, {"f_u1.jpg", "1"},
                     {"f_u2.jpg", "2"},    {"f_u3.jpg", "3"},      {"f_u4.jpg", "4"}, {"f_u5.jpg", "5"},
                     {"f_re.jpg", "Re"},   {"f_kontra.jpg", "Kontra"}};
        for (const auto& t : texts)
            if (name == t.file) {
                label(c, t.text, std::string(t.text).size() > 2 ? 20.0f : 30.0f, kWhite);
                return c;
            }
        return Canvas();
    }
    return c;
}

}  // namespace icons
