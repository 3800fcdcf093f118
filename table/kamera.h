// The table camera: zoom by screen shape, the view transform of every table drawing, the
// projection, the small matrix helpers of the card and chip geometry, and the pick pass that
// finds the card under the mouse.
#pragma once
#include <cstdint>

namespace glu {

// Field of view in degrees; the vertical angle handed to the projection is 3/4 of it.
extern int32_t fieldOfView;
// Developer rotation mode 0..3 of the main form, and its view angle (degrees).
extern int32_t kameraModus;
extern float kameraWinkel;

float zoomoffset();
float zoomfactor();
float blackjackzoom(uint8_t flag);

// Aspect of a viewport; a zero or negative height gives the 4:3 default instead of a
// division by zero.
double safeaspect(int width, int height);
void perspective(float fovy, float aspect, float znear, float zfar);
// glMatrixMode(projection), the table projection for the window layer's aspect, back to
// the model-view matrix.
void setprojection();
void setcamera();

// out := upper-left 3 x 3 of the column-major matrix times (x, y, z).
void rotatebymatrix(const double m[16], double out[3], float x, float y, float z);
// out := inverse of the upper-left 3 x 3 (column-major like the input). A singular matrix
// (zero determinant) leaves the identity in out and returns false.
bool invertmatrix3(const double m[16], double out[9]);

// One pick pass at the mouse position (window pixels, y from the top). Runs only when the
// human may click (see pickallowed); its result is in glu::hover.
void pickobject(int x, int y);
// Whether a pick pass runs this frame: the seat on turn is no computer seat, the table mode
// byte is 1 and the decision accepts a pile click, a card play or its third answer kind.
bool pickallowed();
// Set while a pick pass draws the scene.
extern bool pickingFlag;
// Developer display of the last pick: hit count and names.
extern char pickText[64];

}  // namespace glu
