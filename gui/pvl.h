// The GUI library's form: dialogs and their elements, input, focus, message boxes, the screen
// shapes and the dialog-state files. It runs without a display: the window, GL and the
// painters plug in through pvlhost::Host and the hooks below.
#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "gui/pvlhost.h"
#include "gui/pvlrec.h"

namespace pvl {

using TPVLClickEvent = std::function<void(int dialog, int element)>;
// The program's one callback: an event code (PVLEvent or a dialog id) and its argument.
using TPVLEventCall = std::function<void(int code, int arg)>;
// A custom element painter: dialog, element, element X and Y.
using TPVLPaintCall = std::function<void(int dialog, int element, int x, int y)>;

// Long texts and list lines: a pool of strings of up to 255 characters reached through a
// table of slots. Slots are handed out in blocks, in creation order, and never released.
struct TPVLStringContainer {
    static constexpr std::string_view EndMarker = "_pvl-stringcontainer error: invalid conpointer";

    int32_t SlotCount = 1;  // slot 0 is never handed out
    int32_t PoolCount = 0;
    std::vector<uint16_t> Slots = std::vector<uint16_t>(1, 0);
    std::vector<std::string> Pool = std::vector<std::string>(1);

    // Reserves n + 1 slots; returns the highest of them.
    int32_t Reserve(int n);
    // False when s is no slot or the pool is full (nothing is stored then).
    bool Write(int32_t s, std::string_view t);
    std::string Read(int32_t s) const;
};

struct TPVLDialogList {
    std::vector<TPVLDialog> Dialogs = std::vector<TPVLDialog>(1);  // [0] is never used
    int32_t Count = 0;
    int32_t KeyDialog = 0;
};

// What the GL side plugs in. Every hook may stay empty.
struct TPVLHooks {
    std::function<void()> beginFrame;    // clear the screen
    std::function<void()> paintDialogs;  // the dialog painter
    std::function<void()> viewport;      // viewport, projection and buffer texture after a resize
    // Width of a text in font units (the bitmap font's width table).
    std::function<float(std::string_view)> charwidth;
    // First window and GL set-up at the size (InitWindow); returns the colour bits of the context.
    std::function<int(int width, int height)> initWindow;
    // Leaves full screen at the end of the outer loop (nofu).
    std::function<void()> leaveFullScreen;
    // Releases the display-mode object (tFullScreen) and the GL context (DoneOGL).
    std::function<void()> freeFullScreen;
    std::function<void()> doneGL;
    // Video memory in megabytes for the first-start graphics test (0 = unknown).
    std::function<int()> videoMemory;
    // Switches to a display mode for a timed render; false when the mode is refused. (0, 0, 0)
    // goes back to the window.
    std::function<bool(int width, int height, int bits)> testMode;
    // "Jetzt ändern" applied a new display choice: switch window / full screen to it.
    std::function<void()> changeDisplay;
    // The window at Options.WindowWidth x WindowHeight in window mode (norms).
    std::function<void()> windowMode;
    // A new GL context at the client size with the textures loaded again; the texture event
    // goes out as at start-up, so the program loads its own textures too.
    std::function<void()> rebuildContext;
    // GL_AUX_BUFFERS after the compatibility check: 0 turns the blur pass off.
    std::function<int()> auxBuffers;
    // The debug wire-frame pass: the dialogs drawn again as untextured outlines, after the
    // frame's normal painting.
    std::function<void()> wireFrame;
    // Developer key Shift+Y: the program's statistics panel switches its display on or off.
    std::function<void()> toggleStatistics;
    // Run by msgbox right after its box is shown: the statistics panel's refresh
    // (statunit::aktualisieren), which clicks element 3 of the current dialog while it is on.
    std::function<void()> statisticsRefresh;
};

// Render debug flags (1..12, toggled by the developer keys) with a meaning inside the library.
constexpr int dbgWireFrame = 2;    // a second, wire-frame pass over every drawn frame
constexpr int dbgEvery200th = 12;  // only every 200th frame is drawn

struct DisplayMode {
    int32_t width = 0, height = 0, bits = 0;
};

// The graphics presets of the first-start test.
struct GraphicsPreset {
    int bits = 16;
    bool effects = false;
    int resolutionClass = 2;  // 4 desktop, 3 1024 x 768, 2 800 x 600, else 640 x 480
    int geometry = 3;
    int effectsDetail = 1;
};
// Size classes of the video memory (megabytes): 64, 128, 256.
bool memoryClass(int mb, int cls);
// Scores of the timed renders and the memory class to the preset; p is the class bonus.
GraphicsPreset choosePreset(int f640, int fs, int f800, int p, bool class128, bool class256);

// What makes a raw dialog record unusable (counts beyond their arrays, unknown kinds, sizes and
// factors the painters and the hit test cannot take), as a short text; empty when it is sound.
// Both readers of raw records, the dialog file and the saved game, take it.
std::string recordFault(const TPVLDialog& rec);

enum TkbcNext : uint8_t { kbcLeft = 0, kbcRight = 1, kbcUp = 2, kbcDown = 3, kbcTab = 4 };

class TPVLApplication {
public:
    TPVLApplication(pvlhost::Host& host, std::filesystem::path appDir, std::string exeName = "kartenspiele");
    ~TPVLApplication();
    TPVLApplication(const TPVLApplication&) = delete;
    TPVLApplication& operator=(const TPVLApplication&) = delete;

    // The running state after the window exists: event -1 (the program builds its dialogs),
    // AppState 2, the message box buttons, the wide-screen originals; from now on the
    // program's consistency messages appear in message boxes.
    void Startup();

    // ---- records and ids
    TPVLDialogList DialogList;
    TPVLStringContainer Scon;
    TPVLOptions Options{};
    bool validDialog(int d) const { return d >= 1 && d <= DialogList.Count; }
    bool validElement(int d, int e) const;
    // Checked access: an invalid id is reported in the library's error style and gives nullptr.
    TPVLDialog* dialog(int d, const char* where = "dialog");
    TPVLElement* element(int d, int e, const char* where = "element");
    TPVLDialog& dlg(int d) { return DialogList.Dialogs[d]; }  // unchecked

    // ---- creation
    int CreateCustomDialog(int x, int y, int width, int height, bool exclusive, std::string_view caption,
                           uint8_t style, uint16_t extra, std::string_view text, float scale);
    int CreateCapDialog(bool large, std::string_view caption);
    int CreateDialog(bool large) { return CreateCapDialog(large, ""); }
    void SetCreateIn(int d) { CreateInDialog = d; }
    int CreateCustomObject(int kind, int x, int y, std::string_view caption, int width, int height,
                           float option, float scale);
    int CreateObject(int kind, int x, int y, std::string_view caption) {
        return CreateCustomObject(kind, x, y, caption, -1, -1, 0.0f, 1.0f);
    }
    int CreateSpecialObject(int kind, int x, int y, int width, int height, uint8_t subKind,
                            std::string_view caption);
    int CreateCustomSpecialObject(int kind, int x, int y, int width, int height, uint8_t subKind,
                                  std::string_view caption, std::string_view spare, int textView, int shift,
                                  int selIndex, int topIndex, float scale);
    void AddString(int e, std::string_view text, int position);
    void AddChild(int parent, int child);
    void AddBaby(int parent, int child);
    void ShowDialog(int d);
    void CallDialog(int d);
    void HideDialog(int d);
    void VsbDialog(int d, uint8_t visible);
    void InvsbDialog(int d) { VsbDialog(d, 0); }
    void DialogBlendCheck();
    // Re-dresses a dialog: a new Extra, and with a text a caption scale and style that move
    // the elements down to make room.
    void SetNewDialog(int d, int16_t extra, std::string_view text, float scale, uint8_t style);

    // ---- string container lines (dialog id + 1000 = second string of a paired line)
    bool lineValid(int d, int e, int line) const;
    std::string ReadLine(int d, int e, int line) const;
    bool WriteLine(int d, int e, int line, std::string_view text);

    // ---- element properties
    bool isChecked(int d, int e);
    void ReadBoolean(int d, int e, bool& v) { v = isChecked(d, e); }
    void SetBoolean(int d, int e, bool v);
    bool isEnabled(int d, int e);
    void SetEnabled(int d, int e, bool v);
    bool isVisible(int d, int e);
    void SetVisible(int d, int e, bool v);
    void SetVisibleAbsolute(int d, int e, bool v);
    void ReadCaption(int d, int e, std::string& t) { t = GetCaption(d, e, false); }
    void ReadHint(int d, int e, std::string& t) { t = GetHint(d, e, false); }
    void ReadHighlight(int d, int e, std::string& t) { t = GetHighlight(d, e, false); }
    std::string GetCaption(int d, int e, bool zeroIfEmpty);
    std::string GetHint(int d, int e, bool zeroIfEmpty);
    std::string GetHighlight(int d, int e, bool zeroIfEmpty);
    std::string GetText(int d, int e, bool zeroIfEmpty);
    void ReadText(int d, int e, std::string& t) { t = GetText(d, e, false); }
    void ReadSelIndex(int d, int e, int& v);
    void ReadTopIndex(int d, int e, int& v);
    void SetSelIndex(int d, int e, int v);
    void SetTopIndex(int d, int e, int v);
    void SetPageIndex(int d, int e, int page);
    void SetTi(int d, int e, int v);
    void SetCaption(int d, int e, std::string_view t);
    void SetHint(int d, int e, std::string_view t);
    void SetHighlight(int d, int e, std::string_view t);
    void ChangeCaption(int d, int e, std::string_view t);
    void DelStrings(int d, int e, bool reset);
    std::string GetLine(int d, int e, int line);
    void WriteString(int d, int e, std::string_view t, int line);
    void SetDIndex(int d) { DialogList.KeyDialog = d; }
    bool SetTes(std::string_view t) {
        Tes = t;
        return true;
    }
    void DrehDialog(int value, bool set, bool reverse);
    void SetPaintCall(int d, int e, TPVLPaintCall call);
    const TPVLPaintCall* PaintCallOf(int d, int e) const;

    // ---- frame loop and modal waits
    void Mainloop(bool modal);
    void waitforclick();
    void freezeme();
    void setfreeze(uint8_t v) { Freeze = v; }
    bool closing() const { return AppState == 3; }
    void closeme();

    // ---- start-up and shut-down
    // The start (paintgoon): graphics test on a first start, event -7, the window, event -1,
    // AppState 2, then the outer loop until closing. args are the command-line arguments.
    void paintgoon(const std::vector<std::string>& args);
    // The first-start graphics test (timed renders, presets into the graphics dialog).
    void graphicsTest(bool showCounts);
    // Shut-down in logged steps; once only. The program calls it before the form goes.
    void Destroy();
    // An exception that reached a frame: errors.txt, message, close.
    void pException(std::string_view message);
    void sException(std::string_view t) { pException(t); }
    void appendfile(const std::filesystem::path& file, std::string_view line);
    // The resolution list of the graphics dialog from the display modes (width, height).
    void listResolutions(const std::vector<DisplayMode>& modes);
    // 1-based index of a display mode in DisplayModes, 0 when none.
    int modeIndex(int width, int height, int bits) const;
    void checkEffects(int bits);
    void doCompatibilityChecks();
    // Three texture detail levels exist; anything else falls back to the standard one.
    void checkTdetail() {
        if (Options.TextureDetail < 1 || Options.TextureDetail > 3) Options.TextureDetail = 2;
    }

    // ---- input (the host's message handlers call these)
    bool Coords(int x, int y, int mode, bool allowDrag, bool samePos, bool wheel);
    void pointAt(int x, int y);
    void FormMouseDown(int x, int y);
    void FormMouseUp(int x, int y);
    void FormMouseWheel(int delta);
    // A key press: the message hook (event -8, navigation), then the form's key handler.
    void KeyDown(int key);
    void KeyUp(int key);
    void MessageKeyDown(int key, bool shift);
    void FormKeyDown(int key, bool shift);
    void CreateMouseOverEvent(int d, int e);
    void CreateMouseOutEvent(int d, int e);
    void CreateMouseDownEvent(int d, int e);
    void CreateMouseDragEvent(int d, int e);
    void CreateClickEvent(int d, int e);
    void CreateMouseUpEvent(int, int) {}
    void CreateExitEvent(int d, int e);
    void CreateKeyDownEvent(int d, int e, int ch, bool shift);
    void kbcJumpTo(int d, int e);
    void kbcActivateNext(TkbcNext direction);
    void AbleChilds(int d, int e, bool enabled);
    void VsbChilds(int d, int e, bool visible);
    void buttonup();
    bool canFocusDialog(int d) const;
    bool canFocusElement(int d, int e) const;

    // ---- message boxes
    int msgbox(std::string_view text, std::string_view title, int kind, std::string_view buttonLabel,
               int xmode, bool overlay);
    // The same box with one button, but it returns at once: `answered` runs when the button is
    // pressed. A game step shows its round's result this way, so that no wait loop holds the
    // step while the player saves, loads or starts another game from the menus meanwhile.
    void msgboxThen(std::string_view text, std::string_view title, std::string_view buttonLabel,
                    std::function<void()> answered);
    // Closes a box of msgboxThen without running its `answered` (its game was replaced).
    void msgboxDrop();
    void showme(std::string_view text, std::string_view title);
    void exceptme(std::string_view text);
    // The renderer, version and extension strings of the GL context in the message box.
    void showglinfo();

    // ---- stopwatches (developer timing): [0] is the total, 1..20 the watches
    struct TPVLTimer {
        uint32_t Start[21] = {};
        int64_t Ms[21] = {};
        int32_t Count = 0;
        std::string Names[21];
    } Timer;
    // Notes the total's start, the number of watches shown and clears every time.
    void timeini(int count);
    void timestart(int i, std::string_view name);
    void timestart0(int i);
    // Adds the time since the watch's start, when it is positive.
    void timestop(int i);
    // One line per watch ("Nr. i: ms ms share %") and the total, in a message box.
    void timeshow();
    std::string timeText() const;

    // ---- screen shape
    void FormResize(int width, int height);
    void ResizeViewport(int width, int height);
    void newAspect() { Relayout(false); }
    void Relayout(bool save);
    float linRatAddition(float v16x9, float v16x10, float v4x3) const;
    float linRatMultiplication(float v16x9, float v16x10, float v4x3) const {
        return linRatAddition(v16x9, v16x10, v4x3);
    }
    bool Is4x3() const { return Options.AspectFlags[0] != 0; }
    bool Is16x9() const { return Options.AspectFlags[1] != 0; }
    bool Is16x10() const { return Options.AspectFlags[2] != 0; }
    bool Is5x4() const { return Options.AspectFlags[3] != 0; }
    bool IsFree() const { return Options.AspectFlags[4] != 0; }

    // ---- dialog-state files
    bool SaveToFile(int d, const std::filesystem::path& file);
    bool LoadFromFile(int d, const std::filesystem::path& file, int page);
    std::string PVLDcoFile(int d);
    void saveall();
    void loadall();
    void savelibrary();
    void loadlibrary();
    void loadcompletely();
    void PVLOptionFromDialog(bool apply);
    // Options.WindowWidth x WindowHeight := the display mode of the resolution list's window
    // choice, 4:3 at its height; false when there is no such mode.
    bool windowSizeFromChoice();
    bool SaveExactlyToFile(int d, const std::filesystem::path& file);
    bool LoadExactlyFromFile(int d, const std::filesystem::path& file);

    // ---- logs
    void wrp2(std::string_view line);
    void wrp(std::string_view) {}
    float charwidth(std::string_view t) const;

    // ---- program hooks
    TPVLEventCall OnEvent;  // the program's single callback
    TPVLClickEvent ClickCall, DragCall, DownCall, OverCall, OutCall;
    std::function<void(int, int)> DblClick;  // the form's double-click handler
    std::function<bool()> CloseQueryCall;
    std::function<void(int, int)> SavedMouseDown, SavedMouseUp;
    std::function<void()> SavedResize;
    std::function<void()> SavedPaint;  // the form's own paint handler, run before event -7
    TPVLHooks Hooks;

    // ---- fields
    pvlhost::Host& Host;
    std::filesystem::path AppDir;
    std::string ExeName;
    int32_t CurrentDialog = 0, FallbackDialog = 0, CreateInDialog = 0;
    uint8_t KbdFocusOn = 0, KbdNavigation = 1;
    int32_t KbdFocusElement = 0, KbdFocusDialog = 0;
    float TextWidthFactor = 1.0f;
    uint8_t AppState = 0, WaitFlag = 0, Freeze = 0;
    std::string Tes;
    float TurnAngle = 0.0f;
    uint8_t TurnOn = 0;

    // frame timing
    int32_t FrameCount = 0;
    uint32_t RateTick = 0, SmoothTick = 0;
    float RawRate = 0.0f;
    float RateRing[5] = {};
    int32_t RateIndex = 1;
    float Fps = 0.0f;
    float FpsHistory[3] = {};
    float FpsSmooth = 0.0f;
    uint32_t FpsBlendTick = 0;
    uint8_t FpsUpdated = 0;
    int32_t InactiveFrames = 0;
    int32_t TestStart = -1, TestFrames = 0;  // first-start frame-rate test: -1 off, 1 armed, else start tick
    uint8_t NoPaint = 0, NoPresent = 0;      // suppress painting / the swap for this frame
    uint8_t Quiet = 0;                       // pException writes errors.txt but shows nothing
    uint8_t EffectsBlocked = 0, BlurOn = 1;
    uint8_t Destroyed = 0;
    std::vector<DisplayMode> DisplayModes;  // the resolution list's modes, [0] = line 1

    // input
    int32_t MouseX = 0, MouseY = 0;
    int32_t LastX = -1, LastY = -1, LastMode = 0;
    uint8_t MouseButtonDown = 0;
    pvlhost::Point PressPoint;  // the last press in window pixels, as the window reported it
    pvlhost::Point DragStart;
    uint8_t OverGui = 0, EnterHeld = 0, KbdDirection = 0, HintsOn = 0;
    int32_t HintDialog = 0, HintLabel = 0, HintedDialog = 0, HintedElement = 0;
    uint8_t HintShown = 0;
    float RotAngle[3] = {};  // RotAngle[i - 1] for the angles 1..3
    int32_t RotSpeed[3] = {};
    int32_t DebugRotation = 0;
    std::string TypedKeys;  // the last three key characters
    uint8_t DevMode = 0;
    int32_t ClickedDialog = 0, ClickedElement = 0;
    int32_t ViewWidth = 800, ViewHeight = 600;
    double ViewAspect = 4.0 / 3.0;
    int32_t CaptionRelayout = 0;
    uint8_t EventHandled = 0;

    // message boxes
    int32_t MsgDialog = 0, MsgText = 0;
    int32_t MsgButtons[3] = {};  // yes, no, OK
    int32_t MsgValues[3] = {};
    int32_t MsgAnswer = 0;
    uint8_t InMsgBox = 0;
    int32_t ErrorDialog = 0, ErrorOk = 0, ErrorText = 0;

    // screen shape
    int32_t WindowWidth = 0, WindowHeight = 0;
    uint8_t WideLayout = 0;
    uint8_t Minimized = 0;

    // library dialogs
    int32_t FirstPanel = 0, HelpPanel = 0, TopPanel = 0, FpsLabel = 0, SettingsDialog = 0, GraphicsDialog = 0;
    // Elements of the library's own dialogs.
    struct LibraryIds {
        int32_t pages = 0, page1 = 0, page2 = 0, close = 0, apply = 0, graphics = 0, glinfo = 0;
        int32_t font = 0, colors[8] = {}, folder = 0, percent = 0, windowStyle = 0, highlight = 0;
        int32_t fps = 0, winLeft = 0, winTop = 0, winWidth = 0, winHeight = 0, rot[3] = {}, marker = 0;
        int32_t glSwitches[7] = {};  // the "OpenGL" developer choosers of the settings dialog
        int32_t back = 0, resolutions = 0, windowed = 0, full = 0, change = 0, texture = 0, geometry = 0,
                effects = 0, effectsDetail = 0, volume[3] = {}, music = 0, fullResolutions = 0;
    } Lib;
    // Sound choices of the graphics dialog (volumes as 7 minus the chooser's TopIndex, music as
    // its TopIndex) and the values in force; "Jetzt ändern" lights while they differ.
    int32_t Volumes[3] = {}, Music = 0, AppliedVolumes[3] = {}, AppliedMusic = 0;

    void event(int code, int arg);

private:
    struct MsgLevel;
    struct LongText {
        int32_t firstSlot = 0;
        int16_t reserve = 0;
    };
    std::map<std::pair<int, int>, TPVLPaintCall> painters_;
    // Long hints and highlights keep blocks of their own, apart from a long caption.
    std::map<std::tuple<int, int, int>, LongText> longTexts_;
    std::vector<MsgLevel*> msgStack_;
    // What the open box of msgboxThen runs when answered; empty while none is open.
    std::function<void()> msgThen_;
    void msgLayout(std::string_view txt, std::string_view title, int kind, std::string_view buttonLabel,
                   int xmode);
    void msgShow(bool overlay);
    // The rate of the last active frame, brought back when the window is active again.
    struct TimingCopy {
        uint32_t rateTick = 0, smoothTick = 0, savedAt = 0;
        float fps = 0.0f, ring[5] = {};
    } timingSaved_;
    uint32_t restoreUntil_ = 0;
    bool restoring_ = false;

    void fadeStep(TPVLFade& f, bool target);
    void setLongText(int d, int e, int which, std::string_view t);
    std::string readLongText(int d, int e, int which) const;
    std::string shortOrLong(int d, int e, int which, const char* routine, bool zeroIfEmpty);
    std::string joinLines(int d, int e, int from, int to) const;
    void stringError(int d, int e);
    void idError(const char* where, int d, int e);
    int neighbour(int d, int e, bool forward) const;
    int firstLast(int d, bool last) const;
    void libraryClick(int d, int e);
    void listBarFollow(int d, int list);
    void buildLibraryDialogs();
    void msgButtons();
    void timingFrame();
    void frameRateTest();
    std::filesystem::path settingsDir() const;
    std::filesystem::path libraryDir() const;
    bool loadDco(int d, const std::string& data, int page, std::string& why);
    // With index, the dialog's line of indexes.txt is added there instead of to the file.
    bool writeDco(int d, const std::filesystem::path& file, std::string* index = nullptr);
    void dcoNotSaved(const std::vector<std::filesystem::path>& files);
};

}  // namespace pvl
