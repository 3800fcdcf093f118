// The room and the card table of the chosen environment: wall with two windows, the view
// through them, the floor, and the table top in its shape (rectangular, round, oval or a
// shaped table with rail and cushion), in the base, light-map and mask passes.
#pragma once
#include <cstdint>

namespace glu {

// The working record the table parts share within one scene pass.
struct TischTeil {
    float ox = 2.05f, oy = -1.50f, oz = -6.43f;  // table origin (205, -150, -643) / 100
    float x0 = 0, y0 = 0, width = 0, height = 0;
    float z = 0, depth = 0;
    int segments = 3;
    int repeatW = 1, repeatH = 1;
    uint32_t texture = 0, edgeTexture = 0;
    bool lightMapPass = false, maskPass = false, maskOnly = false, flatMask = false;
};

// Outline segments of the round table at a detail level (48 outside 1..5); the screen-shape
// flag takes the lower row.
int roundsegments(int detail, bool shapeFlag);
// Strips of the oval table (22 outside 1..5) and outline segments of the shaped tables.
int ovalstrips(int detail);
int shapedsegments(int detail);
// Near (k = 0) and far (k = 1) edge of the oval table at t in 0..1, and its sag at x.
float ovaledge(int k, float t, float y0, float height);
float ovalsag(float x);
// Grey of a cushion vertex at ring height h, ring fraction u and outline fraction t.
float cushionshade(float h, float u, float t);
// Table scale: 1.0, in Black Jack 1.16 (x 1.04 with its flag).
float tablescale(uint8_t flag);

void windowframe(TischTeil& w);
void drawwindowview(TischTeil& w);
void wallframe(TischTeil& w);
void drawwall(TischTeil& w);
void floorframe(TischTeil& w);
void drawfloor(TischTeil& w);
void tablesetup(TischTeil& w);
void drawtablerect(TischTeil& w);
void drawtableround(TischTeil& w);
void drawtableoval(TischTeil& w);
void drawtableshaped(TischTeil& w);

// Layers 0 (room) and 1 (table) of a scene pass, kind 0 base, 1 light maps, 6 and 7 masks.
void drawroomandtable(uint8_t layer, uint8_t kind, bool maskOnly);

}  // namespace glu
