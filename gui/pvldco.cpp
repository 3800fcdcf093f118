// Dialog-state files: the .dco text form of element states, the library's two settings
// files, and the raw dialog record of saved games.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "gui/gltext.h"
#include "gui/pvl.h"
#include "platform/fileio.h"
#include "platform/msgsink.h"
#include "platform/text.h"

namespace pvl {

namespace {

std::string strip(std::string s, char c) {
    s.erase(std::remove(s.begin(), s.end(), c), s.end());
    return s;
}

// The state of one element as a .dco file holds it.
struct DcoElement {
    bool enabled = false, visible = false, checked = false;
    std::string caption;
    int sel = 0, top = 0;
    std::vector<std::string> lines;
};

// Reads the characters up to a delimiter; the delimiter is consumed. ok() turns false when the
// data ran out before the delimiter.
class DcoReader {
public:
    explicit DcoReader(const std::string& s) : s_(s) {}
    std::string token(char delim) {
        size_t at = s_.find(delim, pos_);
        if (at == std::string::npos) {
            std::string t = s_.substr(pos_);
            pos_ = s_.size();
            ended_ = true;
            return t;
        }
        std::string t = s_.substr(pos_, at - pos_);
        pos_ = at + 1;
        return t;
    }
    bool more() const { return pos_ < s_.size(); }
    bool ended() const { return ended_; }

private:
    const std::string& s_;
    size_t pos_ = 0;
    bool ended_ = false;
};

bool flagToken(const std::string& t, bool& out) {
    if (t != "0" && t != "1") return false;
    out = t == "1";
    return true;
}

bool intToken(const std::string& t, int64_t lo, int64_t hi, int& out) {
    int64_t v = 0;
    if (t.empty() || !text::toInt(t, v) || v < lo || v > hi) return false;
    out = static_cast<int>(v);
    return true;
}

// The one colour-string decoder; a field that is not a colour keeps the colour as it was.
bool colorFrom(const std::string& s, TPVLColor& c) { return gltext::colorFromString(s, c); }

// Sizes beyond any screen; with them the element arithmetic (position plus size) stays far from
// the limits of int32.
constexpr int32_t kMaxExtent = 1 << 16;
// A .dco holds a few hundred lines of at most 255 characters; anything far larger is damage.
constexpr uint64_t kMaxDco = 4u << 20;
constexpr float kMaxScale = 100.0f;

bool finite(float v) { return std::isfinite(v); }

}  // namespace

std::string recordFault(const TPVLDialog& rec) {
    if (rec.ElementCount < 0 || rec.ElementCount > MaxElements)
        return "ElementCount " + text::fromInt(rec.ElementCount);
    for (float c : rec.Colors)
        if (!finite(c)) return "Colors";
    if (!finite(rec.Fade.Alpha)) return "Fade";
    for (int e = 1; e <= rec.ElementCount; ++e) {
        const TPVLElement& el = rec.el(e);
        const std::string at = " (e" + text::fromInt(e) + ")";
        if (el.Kind > ekPagedContainer) return "Kind " + text::fromInt(el.Kind) + at;
        if (el.ChildCount < 0 || el.ChildCount > MaxChildren)
            return "ChildCount " + text::fromInt(el.ChildCount) + at;
        if (el.Width < -kMaxExtent || el.Width > kMaxExtent) return "Width " + text::fromInt(el.Width) + at;
        if (el.Height < -kMaxExtent || el.Height > kMaxExtent)
            return "Height " + text::fromInt(el.Height) + at;
        if (el.ElemOrigWidth < -kMaxExtent || el.ElemOrigWidth > kMaxExtent || el.ElemOrigX < -kMaxExtent ||
            el.ElemOrigX > kMaxExtent)
            return "ElemOrig" + at;
        if (!finite(el.Scale) || el.Scale > kMaxScale || el.Scale < -kMaxScale) return "Scale" + at;
        if (!finite(el.Angle) || !finite(el.AnimSpeed) || !finite(el.Fade.Alpha)) return "Angle" + at;
    }
    if (rec.OrigWidth < -kMaxExtent || rec.OrigWidth > kMaxExtent || rec.OrigX < -kMaxExtent ||
        rec.OrigX > kMaxExtent)
        return "OrigWidth";
    return "";
}

std::filesystem::path TPVLApplication::settingsDir() const { return AppDir / "data" / "settings"; }

std::filesystem::path TPVLApplication::libraryDir() const {
    std::filesystem::path lib = AppDir / "data" / "pavlune";
    std::error_code ec;
    return std::filesystem::exists(lib / "pvlopt.dco", ec) ? lib : AppDir;
}

std::string TPVLApplication::PVLDcoFile(int d) {
    if (!dialog(d, "PVLDcoFile")) return {};
    std::string out = "*|" + text::fromInt(d) + "|";
    const int n = std::min<int>(dlg(d).ElementCount, MaxElements);
    for (int e = 1; e <= n; ++e) {
        const TPVLElement& el = dlg(d).el(e);
        std::string caption = el.Caption.str();
        if (caption == "@scon") caption = GetCaption(d, e, false).substr(0, 24);
        // The format has no escape: a "|" in a caption or a "<" in a line would end its token.
        out += ">|" + text::fromInt(e) + "|";
        out += el.Enabled ? "1|" : "0|";
        out += el.Visible ? "1|" : "0|";
        out += strip(caption, '|') + "|";
        out += el.Checked ? "1|" : "0|";
        out += el.Active ? "1|" : "0|";
        out += text::fromInt(el.SelIndex) + "|";
        out += text::fromInt(el.TopIndex) + "|";
        const int lines = std::max<int>(0, el.LineCount);
        out += text::fromInt(lines) + "|";
        for (int j = 1; j <= lines; ++j) {
            std::string l = ReadLine(d, e, j);
            if (l == TPVLStringContainer::EndMarker) l.clear();
            out += strip(l, '<') + "<";
        }
        out += "|";
    }
    return out;
}

bool TPVLApplication::writeDco(int d, const std::filesystem::path& file, std::string* index) {
    if (!dialog(d, "SaveToFile")) return false;
    std::error_code ec;
    std::filesystem::path full = std::filesystem::absolute(file, ec);
    const std::string line = dlg(d).Caption.str() + " <= " + text::fromUtf8(full.string()) + "\r\n";
    if (index)
        *index += line;
    else
        fileio::append(settingsDir() / "indexes.txt", line);
    // A dialog whose state is the file's already costs no write (start and end of every session
    // save about forty of them).
    if (!fileio::writeIfChanged(file, PVLDcoFile(d))) {
        wrp2(".dco: could not write " + text::fromUtf8(file.string()));
        return false;
    }
    return true;
}

void TPVLApplication::dcoNotSaved(const std::vector<std::filesystem::path>& files) {
    if (files.empty()) return;
    std::string names;
    for (const auto& f : files) names += (names.empty() ? "" : ", ") + text::fromUtf8(f.filename().string());
    msgsink::show(text::w("Fehler beim Speichern der Einstellungen: ") + names +
                  text::w(" konnte nicht geschrieben werden (Datenträger voll oder schreibgeschützt); die "
                          "bisherigen Einstellungen bleiben erhalten."));
}

bool TPVLApplication::SaveToFile(int d, const std::filesystem::path& file) {
    if (writeDco(d, file)) return true;
    if (validDialog(d)) dcoNotSaved({file});
    return false;
}

bool TPVLApplication::loadDco(int d, const std::string& data, int page, std::string& why) {
    const int count = std::min<int>(dlg(d).ElementCount, MaxElements);
    if (data.compare(0, 2, "*|") != 0) {
        why = "no header";
        return false;
    }
    std::vector<DcoElement> read;
    DcoReader r(data);
    bool first = true;
    while (r.more() && static_cast<int>(read.size()) < count) {
        std::string head = r.token('>');
        if (r.ended()) {
            if (first) break;  // a dialog saved without elements
            if (!text::trim(head).empty()) {
                why = "trailing data";
                return false;
            }
            break;
        }
        first = false;
        DcoElement s;
        int ignored = 0;
        int n = 0;
        const int e = static_cast<int>(read.size()) + 1;
        r.token('|');
        bool ok = intToken(r.token('|'), 0, 1000000, ignored) && flagToken(r.token('|'), s.enabled) &&
                  flagToken(r.token('|'), s.visible);
        if (ok) s.caption = r.token('|');
        bool active = false;
        ok = ok && flagToken(r.token('|'), s.checked) && flagToken(r.token('|'), active) &&
             intToken(r.token('|'), INT16_MIN, INT16_MAX, s.sel) &&
             intToken(r.token('|'), INT16_MIN, INT16_MAX, s.top) && intToken(r.token('|'), 0, 100000, n);
        if (!ok || r.ended()) {
            why = "element " + text::fromInt(e) + " damaged";
            return false;
        }
        for (int j = 1; j <= n; ++j) {
            s.lines.push_back(r.token('<'));
            if (r.ended()) {
                why = "element " + text::fromInt(e) + " cut short";
                return false;
            }
        }
        std::string end = r.token('|');
        if (r.ended() || !end.empty()) {
            why = "element " + text::fromInt(e) + " not closed";
            return false;
        }
        const TPVLElement& el = dlg(d).el(e);
        if ((page == 0 || el.PageIndex == page) && el.Kind != ekPlainList && n > 0 && !lineValid(d, e, n)) {
            why = "element " + text::fromInt(e) + " has more lines than room";
            return false;
        }
        read.push_back(std::move(s));
    }
    // Everything checked: now it is applied.
    for (size_t i = 0; i < read.size(); ++i) {
        const int e = static_cast<int>(i) + 1;
        const DcoElement& s = read[i];
        TPVLElement& el = dlg(d).el(e);
        if (page != 0 && el.PageIndex != page) continue;
        el.Enabled = s.enabled ? 1 : 0;
        el.Visible = s.visible ? 1 : 0;
        if (el.Kind == ekEdit && s.caption != "@scon") el.Caption = std::string_view(s.caption).substr(0, 24);
        el.Checked = s.checked ? 1 : 0;
        el.SelIndex = static_cast<int16_t>(s.sel);
        el.TopIndex = static_cast<int16_t>(s.top);
        if (el.Kind == ekPlainList) continue;
        for (size_t j = 0; j < s.lines.size(); ++j)
            WriteLine(d, e, static_cast<int>(j) + 1, std::string_view(s.lines[j]).substr(0, 255));
    }
    return true;
}

bool TPVLApplication::LoadFromFile(int d, const std::filesystem::path& file, int page) {
    if (!dialog(d, "LoadFromFile")) return false;
    std::string data;
    if (!fileio::readAll(file, data, kMaxDco)) return false;  // missing or oversized: the defaults stay
    std::string why;
    if (!loadDco(d, data, page, why)) {
        wrp2(".dco: " + text::fromUtf8(file.string()) + " abandoned (" + why + "), defaults kept");
        return false;
    }
    return true;
}

void TPVLApplication::saveall() {
    // The log of saved dialogs starts afresh and is written once, at the end.
    std::string index;
    std::vector<std::filesystem::path> failed;
    for (int d = GraphicsDialog + 1; d <= DialogList.Count; ++d) {
        const auto file = settingsDir() / ("di_" + std::to_string(d) + ".dco");
        if (validDialog(d) && !writeDco(d, file, &index)) failed.push_back(file);
    }
    fileio::writeIfChanged(settingsDir() / "indexes.txt", index);
    dcoNotSaved(failed);
}

void TPVLApplication::loadall() {
    for (int d = GraphicsDialog + 1; d <= DialogList.Count; ++d) {
        std::string c = dlg(d).Caption.str();
        if (!c.empty() && c[0] == '#') continue;
        LoadFromFile(d, settingsDir() / ("di_" + std::to_string(d) + ".dco"), 0);
    }
}

void TPVLApplication::savelibrary() {
    std::filesystem::path dir = libraryDir();
    std::vector<std::filesystem::path> failed;
    for (auto [d, name] :
         {std::pair{SettingsDialog, "pvlopt.dco"}, std::pair{GraphicsDialog, "pvlgraph.dco"}})
        if (validDialog(d) && !writeDco(d, dir / name)) failed.push_back(dir / name);
    dcoNotSaved(failed);
}

void TPVLApplication::loadlibrary() {
    std::filesystem::path dir = libraryDir();
    LoadFromFile(SettingsDialog, dir / "pvlopt.dco", 0);
    LoadFromFile(GraphicsDialog, dir / "pvlgraph.dco", 0);
}

void TPVLApplication::loadcompletely() {
    loadlibrary();
    auto num = [&](int e, int def) {
        return static_cast<int>(std::clamp<int64_t>(text::toIntDef(GetCaption(SettingsDialog, e, false), def),
                                                    -kMaxExtent, kMaxExtent));
    };
    pvlhost::Point s = Host.screen();
    // The fields are free text: a value beyond the screen is taken as the screen's edge, so the
    // arithmetic below cannot overflow.
    auto within = [](int v, int lo, int hi) { return v < lo ? lo : v > hi ? hi : v; };
    const int sx = std::max(s.x, 1), sy = std::max(s.y, 1);
    pvlhost::Rect w{within(num(Lib.winLeft, 0), -sx, sx), within(num(Lib.winTop, 0), -sy, sy),
                    within(num(Lib.winWidth, 640), 1, sx), within(num(Lib.winHeight, 480), 1, sy)};
    if (w.left + w.width > s.x) w.left = s.x - w.width;
    if (w.top + w.height > s.y) w.top = s.y - w.height;
    if (s.y <= w.height) w.height = s.y;
    Host.setWindow(w);
    Options.WindowWidth = w.width;
    Options.WindowHeight = w.height;
    PVLOptionFromDialog(true);
}

void TPVLApplication::PVLOptionFromDialog(bool apply) {
    const int sd = SettingsDialog, gd = GraphicsDialog;
    if (!validDialog(sd) || !validDialog(gd)) return;
    int64_t rot[3];
    bool numbers = true;
    for (int i = 0; i < 3; ++i) numbers = numbers && text::toInt(GetCaption(sd, Lib.rot[i], false), rot[i]);
    if (numbers) {
        for (int i = 0; i < 3; ++i) Options.RotSpeeds[i] = static_cast<int32_t>(rot[i]);
        Options.FontName = GetCaption(sd, Lib.font, false);
        // In the order of the settings dialog's fields: three text colours, borders 1 to 4, element.
        TPVLColor* targets[8] = {&Options.TextColor,         &Options.HighlightTextColor,
                                 &Options.DisabledTextColor, &Options.DefaultColors,
                                 &Options.DialogColor,       &Options.FrameColorLower,
                                 &Options.FrameColorEnd,     &Options.ElementColor};
        for (int i = 0; i < 8; ++i) colorFrom(GetCaption(sd, Lib.colors[i], false), *targets[i]);
        Options.TexturePath = GetCaption(sd, Lib.folder, false);
        Options.WindowStyle = dlg(sd).el(Lib.windowStyle).TopIndex;
        std::string pc = GetCaption(sd, Lib.percent, false);
        Options.TextFactor = pc.size() >= 3 ? static_cast<float>(text::toIntDef(pc, 100)) / 100.0f : 1.0f;
    } else {
        Options.RotSpeeds[0] = 550, Options.RotSpeeds[1] = 250, Options.RotSpeeds[2] = 50;
        Options.FontName = "Arial";
        Options.TextColor = Options.HighlightTextColor = Options.DisabledTextColor = {1.0f, 1.0f, 1.0f, 1.0f};
        const float h = 50.0f / 99.0f;
        // The next two after the text colours: border 1 and border 2.
        Options.DefaultColors = Options.DialogColor = {h, h, h, h};
        Options.TexturePath = text::w("data\\pavlune");
        Options.TextFactor = 1.0f;
        Options.WindowStyle = 1;
    }
    for (int i = 0; i < 3; ++i) RotSpeed[i] = Options.RotSpeeds[i];
    const int e = dlg(gd).el(Lib.effects).TopIndex;
    Options.ShadowsOn = (e == 3 || e == 4 || e == 5) ? 1 : 0;
    Options.ReflectionOn = (e == 2 || e == 4 || e == 5) ? 1 : 0;
    Options.FullScreen = dlg(gd).el(Lib.full).Checked;
    // One resolution list serves both modes: its line is the window choice s1 or, with
    // "Vollbild" checked, the full-screen choice s2.
    const int sel = dlg(gd).el(Lib.resolutions).SelIndex;
    const int s1 = Options.FullScreen ? 0 : sel, s2 = Options.FullScreen ? sel : 0;
    int c0 = dlg(gd).el(Lib.texture).TopIndex;
    if (c0 == 0) c0 = 1;
    Options.TextureDetail = c0;
    Options.GeometryDetail = dlg(gd).el(Lib.geometry).TopIndex;
    for (int i = 0; i < 3; ++i) Volumes[i] = 7 - dlg(gd).el(Lib.volume[i]).TopIndex;
    Music = dlg(gd).el(Lib.music).TopIndex;
    const int ed = dlg(gd).el(Lib.effectsDetail).TopIndex;
    Options.EffectsDetail = ed;
    Options.ChosenGraphics = c0 + 2 * s1 + 10 * s2;
    Options.ChosenDisplay = c0;
    auto sound = [](const int32_t* v) { return v[2] + 10 * v[0] + 100 * v[1]; };
    const bool changed = Options.ChosenGraphics != Options.AppliedGraphics || Music != AppliedMusic ||
                         sound(Volumes) != sound(AppliedVolumes);
    dlg(gd).el(Lib.change).Enabled = changed ? 1 : 0;
    if (apply) {
        Options.AppliedDisplay = Options.ChosenDisplay;
        Options.AppliedGraphics = Options.ChosenGraphics;
        AppliedMusic = Music;
        for (int i = 0; i < 3; ++i) AppliedVolumes[i] = Volumes[i];
    }
    Options.LowEffects = ed < 2 ? 1 : 0;
    Options.LowDetailShadows = ed < 3 ? 1 : 0;
    Options.SoftShadows = ed > 3 ? 1 : 0;
    checkTdetail();
}

bool TPVLApplication::SaveExactlyToFile(int d, const std::filesystem::path& file) {
    if (!dialog(d, "SaveExactlyToFile")) return false;
    TPVLDialog copy;
    std::memcpy(static_cast<void*>(&copy), &dlg(d), sizeof copy);
    for (TPVLElement& el : copy.Elements) std::memset(el.PaintCall, 0, sizeof el.PaintCall);
    if (!fileio::writeAll(file, &copy, sizeof copy)) {
        exceptme(text::w("Fehler in pvl.SaveExactlyToFile: ") + text::fromUtf8(file.string()) +
                 text::w(" nicht geschrieben"));
        return false;
    }
    return true;
}

bool TPVLApplication::LoadExactlyFromFile(int d, const std::filesystem::path& file) {
    if (!dialog(d, "LoadExactlyFromFile")) return false;
    const std::string name = text::fromUtf8(file.string());
    std::string data;
    if (!fileio::readAll(file, data)) {
        exceptme(text::w("Fehler in pvl.LoadExactlyFromFile: ") + name + text::w(" nicht lesbar"));
        return false;
    }
    if (data.size() != sizeof(TPVLDialog)) {
        exceptme(text::w("Fehler in pvl.LoadExactlyFromFile: ") + name + text::w(" hat ") +
                 text::fromInt(static_cast<int64_t>(data.size())) + text::w(" statt 36184 Bytes"));
        return false;
    }
    auto rec = std::make_unique<TPVLDialog>();
    std::memcpy(static_cast<void*>(rec.get()), data.data(), sizeof(TPVLDialog));
    std::string bad = recordFault(*rec);
    for (int e = 1; e <= rec->ElementCount && bad.empty(); ++e) {
        const TPVLElement& el = rec->el(e);
        if (el.FirstSlot < 0 || el.FirstSlot >= Scon.SlotCount)
            bad = "FirstSlot " + text::fromInt(el.FirstSlot) + " (e" + text::fromInt(e) + ")";
    }
    if (!bad.empty()) {
        exceptme(text::w("Fehler in pvl.LoadExactlyFromFile: ") + name + text::w(" beschädigt, ") + bad);
        return false;
    }
    for (TPVLElement& el : rec->Elements) std::memset(el.PaintCall, 0, sizeof el.PaintCall);
    std::memcpy(static_cast<void*>(&dlg(d)), rec.get(), sizeof(TPVLDialog));
    return true;
}

}  // namespace pvl
