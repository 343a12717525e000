#pragma once
// A material: one of thirteen named presets applied to front and back faces.
// Graph drawing and the 3D panels make a fresh object for each use. Preset
// numbers are the MaterialPreset values of the graph model (model/Cls9.h).
#include <array>
#include <cstdint>

class Cls11 {
public:
    int32_t MatType = 0;  // stored only; SetMaterial takes its preset as argument
    std::array<float, 4> Emission{};
    std::array<float, 1> Shininess{};
    std::array<float, 4> Specular{};
    std::array<float, 4> Diffuse{};
    std::array<float, 4> Ambient{};

    // Fills the five arrays with preset materType (1 to 13) and returns true;
    // any other number keeps the arrays as they are and returns false.
    bool LoadPreset(int32_t materType);

    // LoadPreset, then applies the arrays to GL_FRONT_AND_BACK (needs a
    // current OpenGL context; defined in Cls11_gl.cpp).
    void SetMaterial(int32_t materType);
    // Applies the arrays as they stand.
    void Apply() const;
};
