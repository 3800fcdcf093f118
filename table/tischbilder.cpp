#include "table/tischbilder.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <vector>

#include "platform/fileio.h"
#include "platform/image.h"
#include "platform/text.h"
#include "table/render.h"

namespace tischbilder {

namespace fs = std::filesystem;

namespace {

std::vector<GLuint> loaded;

GLuint upload(const image::Image& img) {
    GLuint id = 0;
    glGenTextures(1, &id);
    glBindTexture(GL_TEXTURE_2D, id);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    const GLenum fmt = img.channels == 4 ? GL_RGBA : GL_RGB;
    gluBuild2DMipmaps(GL_TEXTURE_2D, static_cast<GLint>(fmt), img.width, img.height, fmt, GL_UNSIGNED_BYTE,
                      img.pixels.data());
    loaded.push_back(id);
    return id;
}

uint32_t loadFile(const fs::path& p) {
    image::Image img;
    if (!image::readImage(p, img) || img.empty()) return 0;
    return upload(img);
}

}  // namespace

// One cell of a 4 x 8 atlas; row 0 is the top row as the picture is viewed.
image::Image cell(const image::Image& atlas, int column, int row) {
    image::Image c;
    c.width = atlas.width / 4;
    c.height = atlas.height / 8;
    c.channels = atlas.channels;
    c.pixels.resize(static_cast<size_t>(c.width) * c.height * c.channels);
    const int y0 = atlas.height - (row + 1) * c.height;  // rows are stored bottom-up
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x) {
            const uint8_t* s = atlas.at(column * c.width + x, y0 + y);
            uint8_t* d = c.at(x, y);
            for (int k = 0; k < c.channels; ++k) d[k] = s[k];
        }
    return c;
}

bool readAtlas(const fs::path& p, image::Image& out) {
    // the atlases are JPEG whatever their extension
    std::string bytes;
    if (!fileio::readAll(p, bytes, image::kMaxFile)) return false;
    return image::decodeJpeg(bytes, out) && out.width >= 4 && out.height >= 8;
}

bool readparams(const std::string& content, TEnvParam& out, std::string& error) {
    struct Key {
        const char* name;
        int32_t TEnvParam::*field;
    };
    static const Key keys[] = {
        {"rund=", &TEnvParam::rund},
        {"reflection=", &TEnvParam::reflection},
        {"tbreite=", &TEnvParam::tbreite},
        {"thoehe=", &TEnvParam::thoehe},
        {"kbreite=", &TEnvParam::kbreite},
        {"bbreite=", &TEnvParam::bbreite},
        {"bhoehe=", &TEnvParam::bhoehe},
        {"blight=", &TEnvParam::blight},
        {"wbreite=", &TEnvParam::wbreite},
        {"whoehe=", &TEnvParam::whoehe},
        {"wlight=", &TEnvParam::wlight},
        {"gray=", &TEnvParam::gray},
        {"transparenz=", &TEnvParam::transparenz},
        {"ref_weg=", &TEnvParam::ref_weg},
    };
    TEnvParam tmp = out;
    size_t pos = 0;
    for (const Key& k : keys) {
        const size_t at = content.find(k.name, pos);
        const size_t v = at + std::string(k.name).size();
        if (at == std::string::npos || v + 2 > content.size()) {
            error = std::string("param.txt: ") + k.name + " fehlt";
            return false;
        }
        const char a = content[v], b = content[v + 1];
        if (a < '0' || a > '9' || b < '0' || b > '9') {
            error = std::string("param.txt: ") + k.name + " ohne zweistellige Zahl";
            return false;
        }
        tmp.*k.field = (a - '0') * 10 + (b - '0');
        pos = v + 2;
    }
    out = tmp;
    return true;
}

bool spiegelerlaubt(int env) { return env != 3 && env != 5; }

bool loadcards(const fs::path& bilder, int detail, int picture, int back) {
    using glu::tex;
    if (picture < 1) picture = 1;
    const fs::path dir = bilder / std::to_string(detail);
    image::Image first;
    if (!readAtlas(dir / ("kb" + std::to_string(picture) + ".dat"), first)) return false;
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 1; rank <= 8; ++rank) tex.face[suit][rank] = upload(cell(first, suit - 1, rank - 1));
    image::Image second;
    if (readAtlas(dir / ("kbp" + std::to_string(picture) + ".dat"), second) ||
        readAtlas(dir / "kbp.dat", second)) {
        for (int suit = 1; suit <= 4; ++suit)
            for (int rank = 9; rank <= 13; ++rank)
                tex.face[suit][rank] = upload(cell(second, suit - 1, rank - 9));
        tex.face[1][14] = upload(cell(second, 0, 5));
        for (int suit = 2; suit <= 4; ++suit) tex.face[suit][14] = tex.face[1][14];
    }
    tex.s0 = loadFile(dir / "s0.jpg");
    const int b = back >= 1 && back <= 9 ? back - 1 : 0;
    tex.back = loadFile(dir / ("h" + std::to_string(b) + ".jpg"));
    tex.backAlt = loadFile(dir / ("hr" + std::to_string(b) + ".jpg"));
    if (tex.back == 0) tex.back = tex.s0;
    return true;
}

bool loadenvironment(const fs::path& bilder, int detail, int env, std::string& error) {
    using glu::tex;
    if (env < 1) env = 1;
    const fs::path dir = bilder / std::to_string(detail) / ("env" + std::to_string(env));
    std::string content;
    if (!fileio::readAll(dir / "param.txt", content, 1 << 16)) {
        error = "param.txt fehlt: " + (dir / "param.txt").string();
        return false;
    }
    TEnvParam p = envParam;
    if (!readparams(content, p, error)) return false;
    // Every picture is decoded before anything is uploaded: a damaged required one leaves the
    // textures and the design values as they were.
    const char* names[] = {"wandlm.jpg", "bodenlm.jpg", "wand.jpg",   "out.jpg",
                           "boden.jpg",  "tisch.jpg",   "tisch2.jpg", "tisch3.jpg",
                           "tischk.jpg", "tischk2.jpg", "tischlm.jpg"};
    const bool required[] = {true, true, true, false, true, true, false, false, false, false, true};
    image::Image pics[std::size(names)];
    for (size_t i = 0; i < std::size(names); ++i) {
        const bool ok = image::readImage(dir / names[i], pics[i]) && !pics[i].empty();
        if (!ok && required[i]) {
            error =
                (fs::exists(dir / names[i]) ? text::w("Bild beschädigt: ") : std::string("Bild fehlt: ")) +
                names[i];
            return false;
        }
        if (!ok) pics[i] = image::Image{};
    }
    auto up = [&](size_t i) -> uint32_t { return pics[i].empty() ? 0 : upload(pics[i]); };
    glu::TableTextures t = tex;
    t.wandlm = up(0);
    t.bodenlm = up(1);
    t.wand = up(2);
    t.out = up(3);
    t.boden = up(4);
    t.tisch = up(5);
    t.tisch2 = up(6);
    t.tisch3 = up(7);
    t.tischk = up(8);
    t.tischk2 = up(9);
    if (t.tischk2 == 0) t.tischk2 = t.tischk;
    t.tischlm = up(10);
    tex = t;
    p.umgebung = env;
    p.spiegelErlaubt = spiegelerlaubt(env) ? 1 : 0;
    envParam = p;
    glu::clearcolor(p.gray);
    return true;
}

void release() {
    if (!loaded.empty()) glDeleteTextures(static_cast<GLsizei>(loaded.size()), loaded.data());
    loaded.clear();
    glu::tex = glu::TableTextures{};
}

}  // namespace tischbilder
