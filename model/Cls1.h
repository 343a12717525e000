#pragma once
// Bounding box: six 32-bit bounds that travel between the graphs, the scene,
// the display-list builder and the camera. It checks nothing; a box may be
// inverted (minimum above maximum), e.g. the box of an empty scene.
// Boxes are shared by reference (std::shared_ptr<Cls1>).
#include <memory>

class Cls1 {
public:
    float MinX = 0.0f;
    float MaxX = 0.0f;
    float MinY = 0.0f;
    float MaxY = 0.0f;
    float MinZ = 0.0f;
    float MaxZ = 0.0f;

    // Does nothing; kept for the interface.
    void Draw() const {}
};

// Box of the polar implicit or inequality graph that drawing scanned last.
// Created with all bounds 0 on first use; always the same object, so
// Cls9::GetBox hands out this very box and drawing writes into it.
const std::shared_ptr<Cls1>& PolarScanBox();
#define g_PolarScanBox (PolarScanBox())
