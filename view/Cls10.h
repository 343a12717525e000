#pragma once
// The light of the scene: two positional lights (the second mirrored through
// the origin) plus the global ambient level, applied at the start of every
// frame. The values need no display; only SetLight talks to OpenGL.
#include <array>

class Cls10 {
public:
    bool Enabled = true;
    // RGBA colours shared by both lights.
    std::array<float, 4> Specular{1.0f, 1.0f, 1.0f, 1.0f};
    std::array<float, 4> Amission{1.0f, 1.0f, 1.0f, 1.0f};  // ambient colour
    std::array<float, 4> Diffuse{1.0f, 1.0f, 1.0f, 1.0f};
    // Homogeneous position of the first light.
    std::array<float, 4> Position{100.0f, 100.0f, 100.0f, 1.0f};
    // The light dialog sets the level to 1 or 0.
    std::array<float, 1> GlobalAmbient{1.0f};
    // Two-sided lighting when not 0.
    std::array<float, 1> TwoSides{1.0f};

    // Where the second light stands: the first one mirrored through the origin,
    // always positional.
    std::array<float, 4> SecondPosition() const;
    // The light-model ambient colour made from the single level: grey of that
    // level, opaque.
    std::array<float, 4> AmbientColor() const;

    // Applies the light to the current OpenGL context (needs one; defined in
    // Cls10_gl.cpp). Positions are transformed by the current modelview matrix.
    void SetLight() const;
};

// The one light of the program, created on first use.
Cls10& Light();
#define g_Light (Light())
