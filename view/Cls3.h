#pragma once
// Coordinate-system settings. (Grows with the view: axes, grids, panels,
// background, record.) The settings themselves need no display.
class Cls3 {
public:
    bool ShowPI = false;
};

// The one coordinate system of the program, created on first use.
Cls3& CoordSystem();
#define g_CoordSystem (CoordSystem())
