// The GUI library's fixed-layout records. A dialog record is also the raw dialog file inside
// saved games, so every byte of it is placed here on purpose.
#pragma once
#include <cstddef>
#include <cstdint>

#include "platform/text.h"
#include "platform/vk.h"

namespace pvl {

constexpr int MaxElements = 125;
constexpr int MaxChildren = 80;
constexpr int FadeDuration = 300;

// Element kinds (TPVLElementKind).
enum TPVLElementKind : uint8_t {
    ekButton = 0,
    ekLabel = 1,
    ekText = 2,
    ekKind3 = 3,
    ekCheckBox = 4,
    ekHeading = 5,
    ekCustomPaint = 6,
    ekArrow = 7,
    ekVBar = 8,
    ekHBar = 9,
    ekImage = 10,
    ekKind11 = 11,
    ekEdit = 12,
    ekList = 13,
    ekPlainList = 14,
    ekScrollText = 15,
    ekLongText = 16,
    ekChooser = 17,
    ekContainer = 18,
    ekPagedContainer = 19,
};

// Sub-kinds of ekImage with a role of their own.
enum : uint8_t {
    skCloseIcon = 2,
    skMoveHandle = 3,
    skResizeHandle = 4,
    skMinimize = 5,
    skImage = 6,
    skCaptionButton = 7,
    skNoFocus = 8,
    skLibIcon = 11,
    skHintSwitch = 12,
};

// Event codes of the program's callback; a positive code is a dialog id.
enum PVLEvent : int {
    peStartup = -1,
    peFrame = -2,
    peFormMouseDown = -3,
    peLoadTextures = -4,
    peDestroy = -5,
    pePreStart = -7,
    peKey = -8,
    peOptionsApplied = -9,
    peDisplayReset = -10,
    peElementDown = -12,
    peElementOver = -13,
    peElementOut = -14,
    peGraphicsTest = -15,
    peWindowInit = -17,
    peAfterTest = -18,
    peRelayout = -22,
    peCloseButton = -33,
};

// Virtual-key codes as the input layer delivers them.
namespace vk = ::vk;

// Message box answers.
constexpr int idOk = 1, idYes = 6, idNo = 7;

#pragma pack(push, 1)

struct TPVLFade {  // 20 bytes
    uint8_t Shown;
    uint8_t Target;
    uint8_t reserved[2];
    int32_t Duration;
    uint32_t Start;
    int32_t State;  // 0 still, 1 fading in, 2 fading out
    float Alpha;
};
static_assert(sizeof(TPVLFade) == 20);
static_assert(offsetof(TPVLFade, Duration) == 4);
static_assert(offsetof(TPVLFade, Start) == 8);
static_assert(offsetof(TPVLFade, State) == 12);
static_assert(offsetof(TPVLFade, Alpha) == 16);

struct TPVLElement {  // 288 bytes
    uint8_t Kind;
    uint8_t reserved1;
    int16_t X;
    int16_t Y;
    uint8_t Enabled;
    uint8_t Visible;
    ShortString<24> Caption;
    ShortString<24> Hint;
    ShortString<24> Highlight;
    uint8_t reserved83;
    int16_t MouseState;
    int16_t PageIndex;
    int16_t LineHeight;
    uint8_t reserved90[2];
    int32_t Width;
    int32_t Height;
    int32_t AnimValue;  // bars: thumb length
    float AnimSpeed;
    uint8_t reserved108[4];
    uint8_t Checked;
    uint8_t Active;
    int16_t SelIndex;
    int16_t TopIndex;
    int16_t VisibleLines;
    int16_t TextView;
    int16_t TextLimit;
    int16_t PointerPos;
    int16_t ListOption;
    float Angle;
    float Scale;
    int16_t ParentElement;
    int8_t Children[MaxChildren];  // Children[1] first: use child(i)
    int8_t ChildCount;
    uint8_t reserved219;
    int32_t FirstSlot;
    int16_t SlotReserve;
    uint8_t PairedLines;
    uint8_t reserved227;
    int16_t LineCount;
    uint8_t reserved230[6];
    int16_t ScrollLimit;
    int16_t Ti;
    uint8_t SubKind;
    uint8_t reserved241[7];
    // Where a painter pointer lay. Painters live in a side table of the application, so a
    // record read from a file can never bring one back; these bytes stay zero.
    uint8_t PaintCall[8];
    TPVLFade Fade;
    int32_t ElemOrigX;
    int32_t ElemOrigWidth;
    uint8_t reserved284[4];

    int child(int i) const { return Children[i - 1]; }
};
static_assert(sizeof(TPVLElement) == 288);
static_assert(offsetof(TPVLElement, X) == 2);
static_assert(offsetof(TPVLElement, Y) == 4);
static_assert(offsetof(TPVLElement, Enabled) == 6);
static_assert(offsetof(TPVLElement, Visible) == 7);
static_assert(offsetof(TPVLElement, Caption) == 8);
static_assert(offsetof(TPVLElement, Hint) == 33);
static_assert(offsetof(TPVLElement, Highlight) == 58);
static_assert(offsetof(TPVLElement, MouseState) == 84);
static_assert(offsetof(TPVLElement, PageIndex) == 86);
static_assert(offsetof(TPVLElement, LineHeight) == 88);
static_assert(offsetof(TPVLElement, Width) == 92);
static_assert(offsetof(TPVLElement, Height) == 96);
static_assert(offsetof(TPVLElement, AnimValue) == 100);
static_assert(offsetof(TPVLElement, AnimSpeed) == 104);
static_assert(offsetof(TPVLElement, Checked) == 112);
static_assert(offsetof(TPVLElement, Active) == 113);
static_assert(offsetof(TPVLElement, SelIndex) == 114);
static_assert(offsetof(TPVLElement, TopIndex) == 116);
static_assert(offsetof(TPVLElement, VisibleLines) == 118);
static_assert(offsetof(TPVLElement, TextView) == 120);
static_assert(offsetof(TPVLElement, TextLimit) == 122);
static_assert(offsetof(TPVLElement, PointerPos) == 124);
static_assert(offsetof(TPVLElement, ListOption) == 126);
static_assert(offsetof(TPVLElement, Angle) == 128);
static_assert(offsetof(TPVLElement, Scale) == 132);
static_assert(offsetof(TPVLElement, ParentElement) == 136);
static_assert(offsetof(TPVLElement, Children) == 138);
static_assert(offsetof(TPVLElement, ChildCount) == 218);
static_assert(offsetof(TPVLElement, FirstSlot) == 220);
static_assert(offsetof(TPVLElement, SlotReserve) == 224);
static_assert(offsetof(TPVLElement, PairedLines) == 226);
static_assert(offsetof(TPVLElement, LineCount) == 228);
static_assert(offsetof(TPVLElement, ScrollLimit) == 236);
static_assert(offsetof(TPVLElement, Ti) == 238);
static_assert(offsetof(TPVLElement, SubKind) == 240);
static_assert(offsetof(TPVLElement, PaintCall) == 248);
static_assert(offsetof(TPVLElement, Fade) == 256);
static_assert(offsetof(TPVLElement, ElemOrigX) == 276);
static_assert(offsetof(TPVLElement, ElemOrigWidth) == 280);

struct TPVLDialog {  // 36,184 bytes; the raw dialog file
    uint8_t Exists;
    uint8_t Visible;
    int16_t X;
    int16_t Y;
    int16_t Width;
    int16_t Height;
    uint8_t reserved10[2];
    float Colors[4];
    uint8_t reserved28[4];
    TPVLElement Elements[MaxElements];  // Elements[1] first: use el(i)
    int16_t ElementCount;
    int16_t LastClicked;
    int16_t Pressed;
    int16_t Focused;
    uint8_t reserved36040;
    uint8_t Exclusive;
    int16_t Parent;
    ShortString<100> Caption;
    uint8_t reserved36145;
    int16_t PaintFlag;
    uint8_t Style;
    uint8_t Stay;
    int16_t Extra;
    TPVLFade Fade;
    int32_t OrigX;
    int32_t OrigWidth;
    uint8_t reserved36180[4];

    TPVLElement& el(int i) { return Elements[i - 1]; }
    const TPVLElement& el(int i) const { return Elements[i - 1]; }
};
static_assert(sizeof(TPVLDialog) == 36184);
static_assert(offsetof(TPVLDialog, X) == 2);
static_assert(offsetof(TPVLDialog, Y) == 4);
static_assert(offsetof(TPVLDialog, Width) == 6);
static_assert(offsetof(TPVLDialog, Height) == 8);
static_assert(offsetof(TPVLDialog, Colors) == 12);
static_assert(offsetof(TPVLDialog, Elements) == 32);
static_assert(offsetof(TPVLDialog, ElementCount) == 36032);
static_assert(offsetof(TPVLDialog, LastClicked) == 36034);
static_assert(offsetof(TPVLDialog, Pressed) == 36036);
static_assert(offsetof(TPVLDialog, Focused) == 36038);
static_assert(offsetof(TPVLDialog, Exclusive) == 36041);
static_assert(offsetof(TPVLDialog, Parent) == 36042);
static_assert(offsetof(TPVLDialog, Caption) == 36044);
static_assert(offsetof(TPVLDialog, PaintFlag) == 36146);
static_assert(offsetof(TPVLDialog, Style) == 36148);
static_assert(offsetof(TPVLDialog, Stay) == 36149);
static_assert(offsetof(TPVLDialog, Extra) == 36150);
static_assert(offsetof(TPVLDialog, Fade) == 36152);
static_assert(offsetof(TPVLDialog, OrigX) == 36172);
static_assert(offsetof(TPVLDialog, OrigWidth) == 36176);

struct TPVLColor {
    float r, g, b, a;
};
static_assert(sizeof(TPVLColor) == 16);

struct TPVLBlendSlot {  // one fade slot of blendinout
    float Level;
    int32_t State;  // 0 idle, 1 fading in, 2 fading out
    uint32_t Start;
    int32_t Duration;
};
static_assert(sizeof(TPVLBlendSlot) == 16);

// The library's switches, colours and bookkeeping (1,260 bytes). Never stored in a file; the
// four strings are short strings here so the record keeps its fixed size.
struct TPVLOptions {
    uint8_t ShowFps;          // render debug flag 1
    uint8_t RenderFlags[11];  // render debug flags 2..12: RenderFlags[f - 2]
    TPVLBlendSlot Blend[11];  // Blend[0..10]
    TPVLColor TextColor;
    TPVLColor HighlightTextColor;
    TPVLColor DisabledTextColor;
    TPVLColor DefaultColors;
    TPVLColor DialogColor;
    TPVLColor FrameColorLower;
    TPVLColor FrameColorEnd;
    TPVLColor CornerColor;
    TPVLColor ElementColor;
    int32_t WindowStyle;
    int32_t GeometryDetail;
    int32_t TextureDetail;
    int32_t EffectsDetail;
    uint8_t AspectFlags[5];  // Is4x3, Is16x9, Is16x10, Is5x4, IsFree
    uint8_t FullScreen;
    uint8_t ShadowsOn;
    uint8_t ReflectionOn;
    float Aspect;
    int32_t WideOffsets[3];
    int32_t WindowResIndex;
    int32_t FullResIndex;
    int32_t AppliedDisplay, ChosenDisplay;
    int32_t AppliedGraphics, ChosenGraphics;
    int32_t WindowWidth, WindowHeight, WindowLeft, WindowTop;
    int32_t RotSpeeds[3];
    float TextFactor;
    uint8_t LowDetailShadows, SoftShadows, LowEffects, reserved;
    int32_t SettingsDialog, GraphicsDialog, TopPanel, FpsLabel, FpsField, FirstStartMarker;
    int32_t WindowCheck, FullCheck, ResolutionList, TextureChooser, EffectsChooser, GeometryChooser,
        EffectsDetailChooser;
    ShortString<63> FontName;
    ShortString<63> TexturePath;
    ShortString<63> ProgramTexturePath;
    ShortString<63> StatusText;
    uint8_t reserved_tail[520];
};
static_assert(sizeof(TPVLOptions) == 1260);
static_assert(offsetof(TPVLOptions, Blend) == 12);

#pragma pack(pop)

}  // namespace pvl
