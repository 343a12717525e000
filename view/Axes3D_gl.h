#pragma once
// Emission of the 3D coordinate system laid out in view/Axes3D.h. Needs a
// current OpenGL context; called while the scene's display list is compiled.
#include "view/Axes3D.h"

// Panels, grids, ticks and texts of the panel box; ends with lighting on.
void DrawPanelFrame(const Frame3DLayout& frame);

// Three blue axis lines and red cone heads; ends with lighting on.
void DrawThreeLineAxes(const ThreeLineAxesLayout& axes);
