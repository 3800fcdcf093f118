#include "gui/gltex.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "gui/glframe.h"
#include "gui/glstate.h"
#include "platform/fileio.h"
#include "platform/image.h"
#include "platform/msgsink.h"
#include "platform/num.h"
#include "platform/sdl/glyphs.h"
#include "platform/text.h"

namespace gltex {

namespace fs = std::filesystem;
using glstate::gl;

namespace {

void fatal(const std::string& msg) {
    auto& g = gl();
    if (g.fatal) {
        g.fatal(msg);
        return;
    }
    msgsink::show(msg);
    std::exit(1);
}

std::string nameOf(const fs::path& p) { return text::fromUtf8(p.string()); }

bool isFile(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

// Reads the image as RGB whatever its file held.
bool readRgb(const fs::path& p, const std::string& ext, image::Image& img) {
    bool ok = false;
    if (ext == ".BMP")
        ok = image::readBmp(p, img);
    else if (ext == ".JPG" || ext == ".TMP" || ext == ".DAT")
        ok = image::readJpeg(p, img);
    if (ok && img.channels == 4) {
        std::vector<uint8_t> rgb(static_cast<size_t>(img.width) * img.height * 3);
        for (size_t i = 0, n = static_cast<size_t>(img.width) * img.height; i < n; ++i)
            for (int c = 0; c < 3; ++c) rgb[i * 3 + c] = img.pixels[i * 4 + c];
        img.pixels = std::move(rgb);
        img.channels = 3;
    }
    return ok;
}

}  // namespace

fs::path maskOf(const fs::path& fileName) {
    std::string s = fileName.string();
    // The four-character extension (".bmp", ".jpg") gives way to "a.bmp".
    if (s.size() >= 4) s.resize(s.size() - 4);
    return fs::path(s + "a.bmp");
}

bool filterFor(int detail, int& minFilter, int& magFilter) {
    switch (detail) {
        case 1:
            minFilter = GL_NEAREST, magFilter = GL_NEAREST;
            return true;
        case 2:
            minFilter = GL_NEAREST_MIPMAP_NEAREST, magFilter = GL_NEAREST;
            return true;
        case 3:
            minFilter = GL_LINEAR, magFilter = GL_LINEAR;
            return true;
        case 4:
            minFilter = GL_LINEAR_MIPMAP_LINEAR, magFilter = GL_LINEAR;
            return true;
        default:
            return false;
    }
}

bool TTexture::load(const fs::path& fileName, int id, bool withAlpha, const fs::path& maskFile) {
    Id = id;
    Width = Height = 0;
    RGB.clear();
    RGBA.clear();
    if (!isFile(fileName)) {
        fatal(nameOf(fileName) + " not found");
        return false;
    }
    const std::string ext = text::upper(fileName.extension().string());
    image::Image img;
    if (ext == ".TGA") {
        if (!image::readTga(fileName, img)) {
            fatal(nameOf(fileName) + " - unrecognized format");
            return false;
        }
        // A TGA gives colour only; alpha asked for it is not available.
        withAlpha = false;
        if (img.channels == 4) {
            image::Image rgb = img;
            rgb.channels = 3;
            rgb.pixels.resize(static_cast<size_t>(img.width) * img.height * 3);
            for (size_t i = 0, n = static_cast<size_t>(img.width) * img.height; i < n; ++i)
                for (int c = 0; c < 3; ++c) rgb.pixels[i * 3 + c] = img.pixels[i * 4 + c];
            img = std::move(rgb);
        }
    } else if (!readRgb(fileName, ext, img)) {
        msgsink::show("Error: cannot open/write " + nameOf(fileName));
        return false;
    }
    Width = img.width;
    Height = img.height;
    const fs::path mask = maskFile.empty() ? maskOf(fileName) : maskFile;
    if (!maskFile.empty()) withAlpha = true;
    if (!withAlpha) {
        RGB = std::move(img.pixels);
        return true;
    }
    const size_t n = static_cast<size_t>(Width) * Height;
    RGBA.resize(n * 4);
    for (size_t i = 0; i < n; ++i) {
        for (int c = 0; c < 3; ++c) RGBA[i * 4 + c] = img.pixels[i * 3 + c];
        const uint8_t* p = &img.pixels[i * 3];
        // Without a mask pure red is the transparent key.
        RGBA[i * 4 + 3] = (p[0] == 255 && p[1] == 0 && p[2] == 0) ? 0 : 255;
    }
    image::Image m;
    if (!isFile(mask)) return true;
    // The mask is read as it is; it is never written back.
    if (!image::readBmp(mask, m)) {
        msgsink::show("Error: cannot open/write " + nameOf(mask));
        return true;
    }
    for (int y = 0; y < Height && y < m.height; ++y)
        for (int x = 0; x < Width && x < m.width; ++x)
            RGBA[(static_cast<size_t>(y) * Width + x) * 4 + 3] = m.at(x, y)[2];  // the blue byte
    return true;
}

namespace {

bool powerOfTwo(int n) { return n > 0 && (n & (n - 1)) == 0; }

// The smaller levels of a glyph atlas keep the brightest texel of each 2 x 2 block instead of
// their mean: a thin stroke then never fades away or falls between the samples of small text.
// With a mask the ink is white and its coverage lies in alpha alone; coverage in both would be
// applied twice by the blend, and a stroke lying between two pixels faded to a quarter.
void uploadKeepingStrokes(const TTexture& t) {
    const int channels = t.RGBA.empty() ? 3 : 4;
    std::vector<uint8_t> level = t.RGBA.empty() ? t.RGB : t.RGBA;
    if (channels == 4)
        for (size_t i = 0; i < level.size(); i += 4) level[i] = level[i + 1] = level[i + 2] = 255;
    int w = t.Width, h = t.Height;
    const GLenum fmt = channels == 4 ? GL_RGBA : GL_RGB;
    for (int n = 0;; ++n) {
        glTexImage2D(GL_TEXTURE_2D, n, channels, w, h, 0, fmt, GL_UNSIGNED_BYTE, level.data());
        if (w == 1 && h == 1) break;
        const int w2 = std::max(1, w / 2), h2 = std::max(1, h / 2);
        std::vector<uint8_t> next(static_cast<size_t>(w2) * h2 * channels);
        for (int y = 0; y < h2; ++y)
            for (int x = 0; x < w2; ++x)
                for (int c = 0; c < channels; ++c) {
                    uint8_t m = 0;
                    for (int dy = 0; dy < (h > 1 ? 2 : 1); ++dy)
                        for (int dx = 0; dx < (w > 1 ? 2 : 1); ++dx)
                            m = std::max(
                                m, level[(static_cast<size_t>(y * 2 + dy) * w + x * 2 + dx) * channels + c]);
                    next[(static_cast<size_t>(y) * w2 + x) * channels + c] = m;
                }
        level = std::move(next);
        w = w2;
        h = h2;
    }
}

}  // namespace

int ltexLoad(const fs::path& fileName, int textureId, bool forceAlpha) {
    return texLoad(fileName, textureId, forceAlpha, false);
}

int texLoad(const fs::path& fileName, int textureId, bool forceAlpha, bool glyphs) {
    auto& g = gl();
    if (g.pump) g.pump();
    g.TexCounter += 1;
    const bool withAlpha = forceAlpha || isFile(maskOf(fileName));
    TTexture t;
    const int name = textureId != 0 ? textureId : g.TexCounter;
    if (t.load(fileName, name, withAlpha) && t.Width > 0) {
        int minF = GL_LINEAR_MIPMAP_LINEAR, magF = GL_LINEAR;
        // Glyphs are always filtered smoothly over their levels: at the coarser texture details
        // small text lost strokes ("+" read as "-").
        if (g.TexFilter != 0 && !glyphs) {
            minF = g.TexFilter;
            magF =
                (minF == GL_NEAREST || minF == GL_NEAREST_MIPMAP_NEAREST || minF == GL_NEAREST_MIPMAP_LINEAR)
                    ? GL_NEAREST
                    : GL_LINEAR;
        }
        glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(name));
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, magF);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minF);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        if (glyphs && powerOfTwo(t.Width) && powerOfTwo(t.Height))
            uploadKeepingStrokes(t);
        else if (!t.RGBA.empty())
            gluBuild2DMipmaps(GL_TEXTURE_2D, 4, t.Width, t.Height, GL_RGBA, GL_UNSIGNED_BYTE, t.RGBA.data());
        else
            gluBuild2DMipmaps(GL_TEXTURE_2D, 3, t.Width, t.Height, GL_RGB, GL_UNSIGNED_BYTE, t.RGB.data());
    }
    return g.TexCounter;
}

int ctexLoad(const fs::path& fileName, int detail) {
    auto& g = gl();
    const int32_t keep = g.TexFilter;
    int minF = 0, magF = 0;
    if (detail != -1 && filterFor(detail, minF, magF)) g.TexFilter = minF;
    g.Count += 1;
    g.Names.resize(static_cast<size_t>(g.Count) + 1);
    g.Ids.resize(static_cast<size_t>(g.Count) + 1);
    g.Names[g.Count] = fileName.string();
    g.Ids[g.Count] = 1000 + g.Count;
    ltexLoad(fileName, 1000 + g.Count, false);
    g.TexFilter = keep;
    return 1000 + g.Count;
}

int registered(const fs::path& fileName) {
    const auto& g = gl();
    for (int i = 1; i <= g.Count; ++i)
        if (g.Names[i] == fileName.string()) return g.Ids[i];
    return 0;
}

void newContext() {
    auto& g = gl();
    g.TexCounter = 0;
    for (auto& t : g.LibTextures) t = 0;
    for (auto& t : g.LoadTextures) t = 0;
    for (auto& t : g.BorderTextures) t = 0;
    g.IconTexture = 0;
}

unsigned freshName() {
    static unsigned next = 1u << 20;
    return next++;
}

namespace {

// A file of the library registered once per run: later reloads put it back into its name.
int registerOnce(const fs::path& file) {
    if (const int id = registered(file)) {
        ltexLoad(file, id, false);
        return id;
    }
    return ctexLoad(file, -1);
}

void measureGlyphs() {
    auto& g = gl();
    if (!glyphs::load(g.FontName)) {
        msgsink::show("Error: cannot open/write " + g.FontName);
        return;
    }
    for (int c = 1; c <= 250; ++c) {
        const std::string three(3, static_cast<char>(c));
        g.GlyphWidths[c] = static_cast<int16_t>(num::round(glyphs::textWidth(three, 32) * 0.94));
    }
    const struct {
        char c;
        double f;
    } widen[] = {{'M', 1.16}, {'N', 1.11}, {'T', 0.78}, {'P', 0.9}};
    for (const auto& w : widen)
        g.GlyphWidths[static_cast<uint8_t>(w.c)] =
            static_cast<int16_t>(num::round(g.GlyphWidths[static_cast<uint8_t>(w.c)] * w.f));
    g.GlyphWidths[static_cast<uint8_t>('/')] = 70;
    g.GlyphWidths[static_cast<uint8_t>('&')] = 100;
    g.GlyphWidths[128] = 118;
}

}  // namespace

int LoadText(const fs::path& path) {
    auto& g = gl();
    // Every call follows a new context: the old names are gone with it.
    newContext();
    SetiCaption("PVL Texturen laden..");
    SetPos(0, true);
    GLint r = 0, gr = 0, b = 0, a = 0;
    glGetIntegerv(GL_RED_BITS, &r);
    glGetIntegerv(GL_GREEN_BITS, &gr);
    glGetIntegerv(GL_BLUE_BITS, &b);
    glGetIntegerv(GL_ALPHA_BITS, &a);
    g.ColorBits = r + gr + b + a;

    fs::path dir = path;
    if (dir.empty() || !isFile(dir / "border.bmp")) dir = "data/pavlune";
    if (!isFile(dir / "border.bmp")) dir = fileio::local(g.ProgramTexturePath);

    measureGlyphs();
    int minF = 0, magF = 0;
    if (filterFor(g.TextureDetail, minF, magF)) g.TexFilter = minF;

    g.LoadTextures[4] = static_cast<uint16_t>(registerOnce(dir / "load0.jpg"));
    g.LoadTextures[3] = static_cast<uint16_t>(registerOnce(dir / "load1.jpg"));
    g.LibTextures[3] = registerOnce(dir / "logo3.bmp");

    SetiCaption("Fonttexturen laden..");
    SetPos(3, true);
    g.LibTextures[0] = ltexLoad(dir / "elem.bmp", 0, false);
    g.LibTextures[1] = isFile(dir / "logo.bmp") ? ltexLoad(dir / "logo.bmp", 0, true) : 1;
    g.LibTextures[2] = isFile(dir / "logo2.bmp") ? ltexLoad(dir / "logo2.bmp", 0, false) : 1;
    g.LibTextures[4] = 1;
    g.LibTextures[5] = 0;
    g.LibTextures[6] = texLoad(dir / "font.bmp", 0, true, true);
    g.LibTextures[7] = texLoad(dir / "fonth.bmp", 0, false, true);

    SetiCaption("Komponententexturen laden..");
    SetPos(6, true);
    g.LibTextures[8] = 6, g.LibTextures[9] = 7, g.LibTextures[14] = 8, g.LibTextures[15] = 9;
    g.LibTextures[10] = 26;
    SetPos(9);
    g.LibTextures[11] = 27, g.LibTextures[12] = 24, g.LibTextures[13] = 25;
    SetPos(12);
    g.IconTexture = 5, g.LibTextures[16] = 5;
    g.LoadTextures[0] = 12, g.LoadTextures[1] = 14;
    SetPos(15);
    g.LoadTextures[2] = 30;
    g.BorderTextures[0] = 19, g.BorderTextures[1] = 18;
    SetPos(16);
    g.BorderTextures[2] = 17, g.BorderTextures[3] = 20, g.BorderTextures[4] = 16;

    SetiCaption("Programmtexturen laden..");
    SetPos(17);
    const int result = g.TexCounter;
    SetiCaption("Custom Textures laden..");
    SetPos(18);
    for (int i = 1; i <= g.Count; ++i) {
        ltexLoad(g.Names[i], g.Ids[i], false);
        SetPos(19);
    }
    SetPos(20);
    if (!g.NoTextureEvent && g.event) g.event(-4);
    return result;
}

void SetiCaption(const std::string& t) { gl().LoadingCaption = t; }

void SetPos(int percent, bool clear) {
    auto& g = gl();
    g.LoadingPos = percent > 100 ? 100 : percent;
    const int fill = num::round(g.LoadingPos * 300 / 100.0);
    glClearColor(0, 0, 0, 1);
    glClearDepth(1.0);
    if (clear) glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (g.LoadTextures[4] != 0 && g.LoadTextures[3] != 0) {
        paintquadcustom(g.LoadTextures[4], 250, 558, 300, 14, 0, false, 0, 0, 0, 1, 1);
        if (fill > 0)
            paintquadcustom(g.LoadTextures[3], 250, 558, fill, 14, 0, false, 0, 0, 0, 1, fill / 300.0f);
    }
    if (g.LibTextures[3] != 0)
        paintquadcustom(g.LibTextures[3], num::round(400 - 413 * 0.5), num::round(300 - 88 * 0.5), 413, 88, 0,
                        false, 0, 0, 0, 1, 1);
    if (g.Windowed && g.LoadTextures[2] != 0) {
        const double wide = g.ViewAspect * 3 / 4;
        glframe::shadowFrame(-2 - num::round((wide * 813 - 813) / 2), -1, num::round(wide * 812), 609, true,
                             false, true, 1);
    }
    if (g.present) g.present();
}

namespace {

// Bottom-left, bottom-right, top-right, top-left: counter-clockwise, front-facing.
void quad(float w, float h, float s0, float t0, float s1, float t1) {
    glBegin(GL_QUADS);
    glTexCoord2f(s0, t0);
    glVertex2f(-w / 2, -h / 2);
    glTexCoord2f(s1, t0);
    glVertex2f(w / 2, -h / 2);
    glTexCoord2f(s1, t1);
    glVertex2f(w / 2, h / 2);
    glTexCoord2f(s0, t1);
    glVertex2f(-w / 2, h / 2);
    glEnd();
}

void endQuad() {
    glDisable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    if (!gl().NoLighting) glEnable(GL_LIGHTING);
}

// Transform and blending shared by the quad painters; returns the quad's alpha.
float beginQuad(float x, float y, float width, float height, int layerMode, bool plain, float blendMode,
                float depth, uint8_t tileMode, float alphaFactor) {
    auto& g = gl();
    float alpha = layerMode == 3 ? 0.4f : 1.0f;
    if (plain || g.NoBlend)
        glDisable(GL_BLEND);
    else
        glEnable(GL_BLEND);
    glDisable(GL_LIGHTING);
    if (blendMode == -8) alpha = depth;
    if (blendMode == -7)
        glBlendFunc(GL_ONE, GL_ONE);
    else
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    if (alphaFactor < 1) alpha *= alphaFactor;
    float z = -1.5f;
    if (layerMode == 1 && tileMode == 0) z = -1.5f + depth;
    if (layerMode == 2) z = -1.5f - depth;
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glColor4f(1, 1, 1, alpha);
    glTranslated(-0.635, 0.476, z);
    if (g.turn) g.turn();
    glTranslated((x + width / 2) / 637.0, -(y + height / 2) / 637.0, 0);
    if (tileMode == 4) {
        if (blendMode == 2) glTranslated(0, 0, -0.1);
        glRotatef(g.RotAngle[0], 1, 0, 0);
        glRotatef(g.RotAngle[1], 0, 1, 0);
        glRotatef(g.RotAngle[2], 0, 0, 1);
    }
    return alpha;
}

}  // namespace

void paintquadcustom(int texture, float x, float y, float width, float height, int layerMode, bool plain,
                     float blendMode, float depth, uint8_t tileMode, float alphaFactor, float uScale) {
    auto& g = gl();
    const float alpha =
        beginQuad(x, y, width, height, layerMode, plain, blendMode, depth, tileMode, alphaFactor);
    float s0 = 0, t0 = 0, sw = 1, th = 1;
    int name = texture;
    if ((texture >= 0 && texture <= 31) || tileMode == 4) {
        const int n = texture < 0 ? 0 : texture % 32;
        s0 = (n % 8) * 0.125f;
        t0 = (n / 8) * 0.25f;
        sw = n == 1 ? 0.5f : 0.125f;
        th = n == 5 ? 0.5f : 0.25f;
        name = g.LibTextures[0];
    }
    if (blendMode == -8) {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_COLOR, GL_ONE_MINUS_SRC_COLOR);
        glColor4f(alpha, alpha, alpha, 1);
    }
    if (blendMode != -8 && (plain || texture < 0)) {
        glDisable(GL_TEXTURE_2D);
        if (plain)
            glColor4f(blendMode, 0, 0, alpha);
        else
            switch (texture) {
                case -1:
                    glColor4f(0, 0, 0, alpha * 0.4f);
                    break;
                case -2:
                    glColor4f(1, 1, 1, alpha * 0.64f - 0.08f);
                    break;
                case -3:
                    glColor4f(1, 1, 1, alpha * 0.45f);
                    break;
                case -4:
                    glColor4f(0, 0, 0.5f, alpha * 0.8f);
                    break;
                case -5:
                    glColor4f(1, 1, 1, alpha * 0.4f);
                    break;
                default:
                    glColor4f(1, 1, 1, alpha);
                    break;
            }
    } else {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(name));
    }
    quad(width / 637.0f, height / 637.0f, s0, t0, s0 + sw * uScale, t0 + th);
    endQuad();
}

void paintquadtexture(unsigned name, float x, float y, float width, float height) {
    beginQuad(x, y, width, height, 0, false, 0, 0, 0, 1);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, name);
    quad(width / 637.0f, height / 637.0f, 0, 0, 1, 1);
    endQuad();
}

void paintquad3h(float x, float y, float width, float height, int layerMode, float depth, float alpha) {
    auto& g = gl();
    const float a = beginQuad(x, y, width, height, layerMode, false, 0, depth, 1, alpha);
    glColor4f(1, 1, 1, a);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(g.LibTextures[0]));
    const float cap = (width < 10 ? width / 2 : 5) / 637.0f;
    const float l = -width / 2 / 637.0f, r = width / 2 / 637.0f, b = -height / 2 / 637.0f,
                t = height / 2 / 637.0f;
    const float xs[4] = {l, l + cap, r - cap, r};
    const float us[4] = {0.5f, 0.525f, 0.6f, 0.625f};
    glBegin(GL_QUADS);
    for (int i = 0; i < 3; ++i) {
        glTexCoord2f(us[i], 0.5f);
        glVertex2f(xs[i], b);
        glTexCoord2f(us[i + 1], 0.5f);
        glVertex2f(xs[i + 1], b);
        glTexCoord2f(us[i + 1], 0.75f);
        glVertex2f(xs[i + 1], t);
        glTexCoord2f(us[i], 0.75f);
        glVertex2f(xs[i], t);
    }
    glEnd();
    endQuad();
}

void paintquad3v(float x, float y, float width, float height, int layerMode, float depth, float alpha) {
    auto& g = gl();
    const float a = beginQuad(x, y, width, height, layerMode, false, 0, depth, 1, alpha);
    glColor4f(1, 1, 1, a);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(g.LibTextures[0]));
    const float cap = (height < 10 ? height / 2 : 5) / 637.0f;
    const float l = -width / 2 / 637.0f, r = width / 2 / 637.0f, b = -height / 2 / 637.0f,
                t = height / 2 / 637.0f;
    // Top to bottom: the caps at the ends of the strip keep their size.
    const float ys[4] = {t, t - cap, b + cap, b};
    const float vs[4] = {0.5f, 0.6f, 0.9f, 1.0f};
    glBegin(GL_QUADS);
    for (int i = 0; i < 3; ++i) {
        glTexCoord2f(0.625f, vs[i + 1]);
        glVertex2f(l, ys[i + 1]);
        glTexCoord2f(0.75f, vs[i + 1]);
        glVertex2f(r, ys[i + 1]);
        glTexCoord2f(0.75f, vs[i]);
        glVertex2f(r, ys[i]);
        glTexCoord2f(0.625f, vs[i]);
        glVertex2f(l, ys[i]);
    }
    glEnd();
    endQuad();
}

}  // namespace gltex
