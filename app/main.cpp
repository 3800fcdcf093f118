// The program: the main form on the SDL window, its start and its frame loop.
#include "app/glapp.h"

int main() { return 0; }
