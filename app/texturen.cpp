#include "app/texturen.h"

#include <array>
#include <cmath>
#include <exception>

#include "app/dialoge.h"
#include "app/glapp.h"
#include "app/pendrelshare.h"
#include "core/cg.h"
#include "core/gtool.h"
#include "core/panel.h"
#include "core/spiele.h"
#include "gui/gltex.h"
#include "platform/fileio.h"
#include "platform/image.h"
#include "platform/num.h"
#include "platform/text.h"
#include "table/overlays.h"
#include "table/render.h"
#include "table/tischbilder.h"

namespace fs = std::filesystem;

namespace texturen {

Tempo tempo(int animationsStufe, int anzeigeStufe, bool entwickler) {
    static const int32_t speed[7] = {16, 4, 9, 16, 22, 30, 50};
    static const int32_t speedDev[7] = {16, 2, 9, 16, 22, 50, 10000000};
    static const int32_t delay[7][2] = {{420, 950}, {900, 2800}, {600, 1700}, {420, 950},
                                        {180, 620}, {90, 400},   {20, 50}};
    const int a = animationsStufe >= 1 && animationsStufe <= 6 ? animationsStufe : 0;
    const int z = anzeigeStufe >= 1 && anzeigeStufe <= 6 ? anzeigeStufe : 0;
    Tempo t;
    t.kartenSpeed = entwickler ? speedDev[a] : speed[a];
    t.kiVerzoegerung = delay[z][0];
    t.zweiteVerzoegerung = delay[z][1];
    if (entwickler && z == 6) t.kiVerzoegerung = t.zweiteVerzoegerung = 0;
    return t;
}

void spielTempo(int spielId, int anzeigeStufe, Tempo& t) {
    auto mal = [](int32_t& v, double f) { v = static_cast<int32_t>(num::round(v * f)); };
    switch (spielId) {
        case spiele::kBlackJack:
        case spiele::kSiebzehnUndVier:
            mal(t.kiVerzoegerung, 1.5);
            mal(t.zweiteVerzoegerung, 1.5);
            break;
        case spiele::kPoker:
            if (anzeigeStufe == 4) {
                mal(t.kiVerzoegerung, 1.65);
                mal(t.zweiteVerzoegerung, 1.65);
            }
            mal(t.kiVerzoegerung, 1.45);
            mal(t.zweiteVerzoegerung, 1.45);
            break;
        case spiele::kSchwimmen:
            mal(t.zweiteVerzoegerung, 0.5);
            break;
        case spiele::kJass:
            mal(t.kiVerzoegerung, 1.5);
            mal(t.zweiteVerzoegerung, 2.0);
            break;
        default:
            break;
    }
}

float kartenSkala(int groesse, int spielId) {
    float s = groesse == 1 ? 0.7f : groesse == 2 ? 0.85f : 1.0f;
    switch (spielId) {
        case spiele::kPoker:
            s *= 0.95f;
            break;
        case spiele::kCanasta:
            s *= 0.7f;
            break;
        case spiele::kRomme:
            s *= 0.8f;
            break;
        case spiele::kDoppelkopf:
            s *= 0.9f * 0.95f;
            break;
        case spiele::kSchafkopf:
        case spiele::kJass:
            s *= 0.92f * 0.95f;
            break;
        case spiele::kMauMau:
            s *= 0.98f * 0.95f;
            break;
        case spiele::kSkat:
            s *= 0.96f;
            break;
        case spiele::kSchwimmen:
            s *= 0.99f;
            break;
        case spiele::kSchnapsen:
        case spiele::kSechsundsechzig:
            s *= 1.05f;
            break;
        default:
            break;
    }
    return s;
}

bool LoadTableParams(const fs::path& ordner, TEnvParam& p, std::string& error) {
    const fs::path datei = ordner / "param.txt";
    std::string inhalt;
    std::error_code ec;
    // A design file is a few hundred bytes; anything large is not one.
    if (!fs::is_regular_file(datei, ec) || fs::file_size(datei, ec) > 65536 ||
        !fileio::readAll(datei, inhalt)) {
        error = "param.txt fehlt: " + datei.string();
        return false;
    }
    return tischbilder::readparams(inhalt, p, error);
}

fs::path kartenDatei(const fs::path& cache, int suit, int rank) {
    return cache / ("kb" + std::to_string(suit) + std::to_string(rank) + ".tmp");
}

std::string stempelText(const fs::path& atlas, int picture, int detail) {
    std::error_code ec;
    const auto groesse = fs::file_size(atlas, ec);
    const auto zeit = fs::last_write_time(atlas, ec).time_since_epoch().count();
    return std::to_string(picture) + " " + std::to_string(detail) + " " + std::to_string(groesse) + " " +
           std::to_string(zeit) + " " + atlas.string() + "\n";
}

uint32_t textur(const fs::path& datei, bool neu) {
    if (const int id = gltex::registered(datei)) {
        if (neu) gltex::ltexLoad(datei, id, false);
        return static_cast<uint32_t>(id);
    }
    return static_cast<uint32_t>(gltex::ctexLoad(datei, -1));
}

bool cacheGueltig(const fs::path& cache, const fs::path& atlas, int picture, int detail) {
    std::string stempel;
    std::error_code ec;
    if (fs::file_size(cache / "kb.stamp", ec) > 4096 || !fileio::readAll(cache / "kb.stamp", stempel))
        return false;
    if (stempel != stempelText(atlas, picture, detail)) return false;
    for (int s = 1; s <= 4; ++s)
        for (int r = 1; r <= 14; ++r)
            if ((s == 1 || r != 14) && !fs::is_regular_file(kartenDatei(cache, s, r), ec)) return false;
    return true;
}

}  // namespace texturen

namespace glapp {

namespace {

using texturen::kartenDatei;

// The faces cut from the atlases, [suit][rank] with suit 1..4 and rank 1..14 (the joker of
// suit 1 only), until they are written to the cache.
std::array<std::array<image::Image, 15>, 5> karten;
int geladenesBild = -1, geladeneUmgebung = -1, geladenesDetail = -1;
uint32_t rueckseiten[10] = {}, rueckseitenAlt[10] = {};

// The library's texture detail as a folder of data/bilder (1..3 are drawn).
int detailOrdner(const Tglapp& a) { return num::clamp<int>(a.Options.TextureDetail, 1, 3); }

fs::path bilderOrdner() { return fs::current_path() / "data" / "bilder"; }

using texturen::textur;

uint32_t texturWennDa(const fs::path& datei) {
    std::error_code ec;
    return fs::is_regular_file(datei, ec) ? textur(datei, false) : 0;
}

fs::path atlasDatei(int detail, int bild) {
    return bilderOrdner() / std::to_string(detail) / ("kb" + std::to_string(bild) + ".dat");
}

void lesenOptionen(Tglapp& a) {
    const dialoge::Ids& d = dialoge::ids();
    auto wahl = [&](int e, int32_t& ziel) {
        if (!a.validElement(d.anzeige, e)) return;
        int v = 0;
        a.ReadTopIndex(d.anzeige, e, v);
        ziel = v;
    };
    const int32_t bildVorher = envParam.Kartenstil;
    wahl(d.umgebung, envParam.umgebung);
    wahl(d.rueckseite, envParam.rueckseite);
    wahl(d.kartenbild, envParam.Kartenstil);
    if (envParam.Kartenstil == 0) envParam.Kartenstil = 1;
    if (envParam.Kartenstil != bildVorher) dialoge::bildrebuild(a);
    wahl(d.ausblenden, envParam.ausblenden);
    wahl(d.animationen, envParam.animationsStufe);
    wahl(d.anzeigedauer, envParam.anzeigeStufe);
    wahl(d.austeilen, envParam.austeilen);
    wahl(d.richtung, envParam.spielrichtung);
    wahl(d.haeufigkeit, envParam.kommentare);
    if (a.validElement(d.anzeige, d.hinweise))
        envParam.hinweiseAn = a.isChecked(d.anzeige, d.hinweise) ? 1 : 0;
}

// The chosen card back (both its variants) of the loaded detail, read the first time it is
// chosen: the start reads one design instead of all of them. Gives the back's number 1..9.
int rueckseiteHolen(const Tglapp& a) {
    const int rs = num::clamp<int>(envParam.rueckseite, 1, 9);
    if (!mitGL() || rueckseiten[rs] != 0) return rs;
    const fs::path bilder = bilderOrdner() / std::to_string(detailOrdner(a));
    rueckseiten[rs] = texturWennDa(bilder / ("h" + std::to_string(rs - 1) + ".jpg"));
    rueckseitenAlt[rs] = texturWennDa(bilder / ("hr" + std::to_string(rs - 1) + ".jpg"));
    return rs;
}

void umgebungLaden(Tglapp& a, int env, bool first) {
    const int detail = detailOrdner(a);
    const fs::path ordner = bilderOrdner() / std::to_string(detail) / ("env" + std::to_string(env));
    ladeAnzeige("", 70);
    envParam.umgebungsOrdner = "\\" + std::to_string(detail) + "\\env" + std::to_string(env);
    std::string fehler;
    TEnvParam p = envParam;
    if (texturen::LoadTableParams(ordner, p, fehler)) {
        envParam = p;
    } else {
        // The design values stay as they were; the table is still drawn.
        a.wrp2("Loadenv: " + fehler);
    }
    envParam.spiegelErlaubt = tischbilder::spiegelerlaubt(env) ? 1 : 0;
    if (!mitGL()) return;
    glu::clearcolor(envParam.gray);
    ladeAnzeige("Umgebungstexturen laden..", 75);
    // Every required picture must decode before any is used: a damaged one keeps the old room.
    const char* noetig[] = {"wandlm.jpg", "bodenlm.jpg", "wand.jpg", "boden.jpg", "tisch.jpg", "tischlm.jpg"};
    for (const char* n : noetig) {
        image::Image probe;
        if (!image::readImage(ordner / n, probe) || probe.empty()) {
            a.wrp2(text::w("Loadenv: Bild fehlt oder ist beschädigt: ") + (ordner / n).string());
            return;
        }
    }
    glu::TableTextures& t = glu::tex;
    t.wandlm = textur(ordner / "wandlm.jpg", false);
    t.bodenlm = textur(ordner / "bodenlm.jpg", false);
    ladeAnzeige("", 80);
    t.wand = textur(ordner / "wand.jpg", false);
    t.out = texturWennDa(ordner / "out.jpg");
    ladeAnzeige("", 85);
    t.boden = textur(ordner / "boden.jpg", false);
    ladeAnzeige("", 90);
    t.tisch = textur(ordner / "tisch.jpg", false);
    t.tisch2 = texturWennDa(ordner / "tisch2.jpg");
    t.tisch3 = texturWennDa(ordner / "tisch3.jpg");
    ladeAnzeige("", 95);
    t.tischk = texturWennDa(ordner / "tischk.jpg");
    t.tischk2 = texturWennDa(ordner / "tischk2.jpg");
    if (t.tischk2 == 0) t.tischk2 = t.tischk;
    ladeAnzeige("", 100);
    t.tischlm = textur(ordner / "tischlm.jpg", false);
    if (first) t.backdrop = texturWennDa(bilderOrdner() / "back.bmp");
    geladeneUmgebung = env;
}

}  // namespace

void Tglapp::setksize() {
    const dialoge::Ids& d = dialoge::ids();
    if (validElement(d.anzeige, d.kartengroesse)) {
        int v = 0;
        ReadTopIndex(d.anzeige, d.kartengroesse, v);
        envParam.kartenGroesse = v;
    }
    cg.kartenSkala = texturen::kartenSkala(envParam.kartenGroesse, cg.spielId);
    cg.ablauf.kartenSkala = cg.kartenSkala;
    envParam.labelSkala = cg.kartenSkala * 0.5f + 0.5f;
}

void Tglapp::loadenv(bool first) {
    for (int s = 1; s <= 6; ++s) {
        envParam.namen[s] = cg.spieler.at(s).name.str().substr(0, 100);
        envParam.stimmen[s] = cg.spieler.at(s).stimme;
    }
    const int umgebungVorher = geladeneUmgebung;
    const int bildVorher = geladenesBild;
    setksize();
    lesenOptionen(*this);
    texturen::Tempo t = texturen::tempo(envParam.animationsStufe, envParam.anzeigeStufe, DevMode != 0);
    texturen::spielTempo(cg.spielId, envParam.anzeigeStufe, t);
    envParam.kartenSpeed = t.kartenSpeed;
    envParam.kiVerzoegerung = t.kiVerzoegerung;
    envParam.zweiteVerzoegerung = t.zweiteVerzoegerung;
    // A speech bubble stays for the longer of the two waits.
    gtool::umgebung.blasenZeit = envParam.zweiteVerzoegerung;
    if (envParam.umgebung < 1 || envParam.umgebung > 5) envParam.umgebung = 1;
    const int detail = detailOrdner(*this);
    const bool detailNeu = detail != geladenesDetail;
    if (envParam.Kartenstil != bildVorher || first || detailNeu) {
        kbladen();
        lkb(false);
        qjladen();
    }
    const int rs = rueckseiteHolen(*this);
    if (rueckseiten[rs]) glu::tex.back = rueckseiten[rs];
    if (rueckseitenAlt[rs]) glu::tex.backAlt = rueckseitenAlt[rs];
    if (envParam.umgebung != umgebungVorher || first || detailNeu)
        umgebungLaden(*this, envParam.umgebung, first);
    geladenesDetail = detail;
    dialoge::mauMauListen(*this);
}

// A new "Texturdetail" in the graphics dialog: the cards, the table design and the chips come
// from the other picture folder. Before the first load there is nothing to replace.
void Tglapp::detailNachladen() {
    if (geladenesDetail == -1 || detailOrdner(*this) == geladenesDetail) return;
    loadenv(false);
    pk_loadchips2();
}

void Tglapp::kbladen() {
    if (!mitGL()) return;
    const int bild = envParam.Kartenstil >= 1 ? envParam.Kartenstil : 1;
    envParam.Kartenstil = bild;
    const dialoge::Ids& d = dialoge::ids();
    for (int s = 1; s <= 4; ++s) {
        const int quelle = bild == 3 ? 1 : bild;
        const fs::path f = bilderOrdner() / ("f" + std::to_string(quelle) + std::to_string(s) + ".jpg");
        const uint32_t id = texturWennDa(f);
        if (id && validElement(d.ipanel, d.ipanelFarbe[s]))
            SetTi(d.ipanel, d.ipanelFarbe[s], static_cast<int>(id));
        // the same suit icon stands beside the seats: a Rufspiel's called Ass, a Solo's trump
        if (id) {
            panel::bilder.ansage[s] = static_cast<int32_t>(id);
            glu::markerIcons.suit[s] = static_cast<int32_t>(id);
            dialoge::ids().tex.farbe[s] = static_cast<int32_t>(id);
        }
    }
    const int detail = detailOrdner(*this);
    const fs::path cache = pendrelshare::TempDir();
    if (texturen::cacheGueltig(cache, atlasDatei(detail, bild), bild, detail)) {
        for (auto& reihe : karten)
            for (auto& k : reihe) k = image::Image{};
        return;  // lkb reads the cached faces
    }
    ladeAnzeige("Kartentexturen vorbereiten..", 30);
    image::Image erster, zweiter;
    if (!tischbilder::readAtlas(atlasDatei(detail, bild), erster)) {
        wrp2(text::w("Kartenbild fehlt oder ist beschädigt: ") + atlasDatei(detail, bild).string());
        return;
    }
    for (int s = 1; s <= 4; ++s)
        for (int r = 1; r <= 8; ++r) karten[s][r] = tischbilder::cell(erster, s - 1, r - 1);
    ladeAnzeige("", 40);
    const fs::path bilder = bilderOrdner() / std::to_string(detail);
    if (tischbilder::readAtlas(bilder / ("kbp" + std::to_string(bild) + ".dat"), zweiter) ||
        tischbilder::readAtlas(bilder / "kbp.dat", zweiter)) {
        for (int s = 1; s <= 4; ++s)
            for (int r = 9; r <= 13; ++r) karten[s][r] = tischbilder::cell(zweiter, s - 1, r - 9);
        karten[1][14] = tischbilder::cell(zweiter, 0, 5);
    }
}

void Tglapp::lkb(bool nurNeuLaden) {
    if (!mitGL()) return;
    const fs::path cache = pendrelshare::TempDir();
    std::error_code ec;
    fs::create_directories(cache, ec);
    if (!nurNeuLaden) ladeAnzeige("Kartentexturen laden..", 50);
    const bool geschnitten = !karten[1][1].empty();
    bool alleDa = true;
    for (int s = 1; s <= 4; ++s) {
        for (int r = 1; r <= 14; ++r) {
            if (nurNeuLaden && r != 4 && r != 5) continue;
            if (r == 14 && s > 1) {
                glu::tex.face[s][14] = glu::tex.face[1][14];
                continue;
            }
            const fs::path f = kartenDatei(cache, s, r);
            bool neu = false;
            if (geschnitten && !karten[s][r].empty()) {
                if (!image::writeJpeg(f, karten[s][r], 90)) {
                    wrp2("Kartentextur kann nicht geschrieben werden: " + f.string());
                    alleDa = false;
                    continue;
                }
                neu = true;
            }
            if (fs::is_regular_file(f, ec))
                glu::tex.face[s][r] = textur(f, neu);
            else
                alleDa = false;
            ladeAnzeige("", nurNeuLaden ? 20 * s : 50 + 5 * s + static_cast<int>(num::round(r / 3.0)));
        }
    }
    if (geschnitten && alleDa) {
        const int detail = detailOrdner(*this);
        fileio::writeAll(cache / "kb.stamp", texturen::stempelText(atlasDatei(detail, envParam.Kartenstil),
                                                                   envParam.Kartenstil, detail));
    }
    for (auto& reihe : karten)
        for (auto& k : reihe) k = image::Image{};
    geladenesBild = envParam.Kartenstil;
    if (nurNeuLaden) return;
    glu::tex.s0 = texturWennDa(bilderOrdner() / std::to_string(detailOrdner(*this)) / "s0.jpg");
    for (int i = 0; i < 10; ++i) rueckseiten[i] = rueckseitenAlt[i] = 0;
    const int rs = rueckseiteHolen(*this);
    glu::tex.back = rueckseiten[rs] ? rueckseiten[rs] : glu::tex.s0;
    glu::tex.backAlt = rueckseitenAlt[rs];
}

}  // namespace glapp
