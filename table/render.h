// One frame of the 3D table: the fixed sequence of scene passes (room, table, mirror image,
// stacks, chips, stencil shadows, labels) with the stencil and mask steps between them, the
// render globals every drawing routine reads, and the table's textures.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace glu {

// ---- render globals (set before each layer is drawn)
extern uint8_t renderPass;       // 0 normal, 1 selection or mask, 2 shadow volume, 3 mirror, 5 labels
extern uint8_t shadowFrontPass;  // 1 in the first shadow-volume pass, 0 in the second
extern uint8_t coarseCards;      // 1: cards with fewer corner segments

// The library's graphics switches this renderer reads (the form copies them from its options).
struct RenderOptions {
    uint8_t ShadowsOn = 1;
    uint8_t ReflectionOn = 1;
    uint8_t LowDetailShadows = 0;  // detail level 2 or lower
    uint8_t LowestDetail = 0;      // detail level 1 or lower
    uint8_t SoftShadows = 0;       // detail level above 3
    uint8_t NoEffects = 0;
    uint8_t NoLighting = 0;
    uint8_t NoTextures = 0;
    uint8_t NoBlend = 0;
    uint8_t Unshaded = 0;     // cards drawn without their darkening toward the lower end
    int32_t detail = 3;       // geometry detail 1..5 (others count as the default)
    uint8_t gameOnTable = 1;  // the shell's game-state byte: a game is on the table
    uint8_t keineTische = 0;  // developer switch of key 7: no cards at all
};
extern RenderOptions renderOptions;
// Where the renderer's log lines go (stderr until the shell installs its log).
extern std::function<void(const std::string&)> renderLog;

// The table's textures (GL names, 0 = none). Faces by suit 1..4 and rank 1..14.
struct TableTextures {
    uint32_t face[5][15] = {};
    uint32_t back = 0;     // the chosen card back
    uint32_t backAlt = 0;  // its second variant
    uint32_t s0 = 0;       // the card set's back picture
    uint32_t wand = 0, wandlm = 0, boden = 0, bodenlm = 0, out = 0;
    uint32_t tisch = 0, tisch2 = 0, tisch3 = 0, tischk = 0, tischk2 = 0, tischlm = 0;
    uint32_t backdrop = 0;  // the menu backdrop
};
extern TableTextures tex;

// ---- the frame as data
enum class Step : uint8_t {
    Scene,  // glu::drawscene(layer, kind, maskOnly)
    DepthMaskOff,
    DepthMaskOn,
    ColorMaskOff,
    ColorMaskOn,
    BeginMirrorMask,
    BeginDrawMirror,
    EndMirror,
    BeginShadowVolume,
    ShadowBackFaces,
    BeginShadowDarken,
    DepthTestOff,
    DepthTestOn,
    EndShadow,
    DepthLequal,
};
struct FrameStep {
    Step step = Step::Scene;
    uint8_t layer = 0, kind = 0;
    bool maskOnly = false;
};
struct FramePlan {
    FrameStep s[40];
    int n = 0;
    bool reflection = false, shadows = false;
    int scenes() const;
};
// The steps of one frame in mode 0 plain, 1 picking, 2 shadows, 3 reflection, 4 both; the
// environment's mirror flag and `reflection` value and the NoEffects switch thin them.
FramePlan frameplan(uint8_t mode, bool mirrorFlag, int reflectionValue, bool noEffects);

// ---- entries
void drawwithreflection(uint8_t mode, bool test);
void drawscene(uint8_t layer, uint8_t kind, bool maskOnly, bool test);
void enablegl(unsigned cap);
void clearcolor(int grey);
void beginmirrormask();
void begindrawmirror();
void endmirror();
void beginshadowvolume();
void shadowbackfaces();
void beginshadowdarken();
void endshadow();
void drawbackdrop(uint8_t kind);
void drawbackdropflat(uint8_t kind);

// Seam to the chip stacks, drawn with the render pass; also in the pick pass, so that their
// pick names can be hit.
extern void (*chipDraw)(uint8_t pass);

// The environment's mirror flag (false for environments 5 and 8).
bool mirrorflag();

}  // namespace glu
