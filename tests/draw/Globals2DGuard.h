#pragma once
// The plot range and document kind of a new 2D document at a chosen scene
// scale, for the life of a test; the previous values come back afterwards.
#include "model/Globals.h"

#include <array>
#include <cstdint>

class Globals2D {
public:
    explicit Globals2D(float sceneScale = 1.0f)
        : m_range{g_RangeMinX, g_RangeMaxX, g_RangeMinY, g_RangeMaxY, g_RangeMinZ, g_RangeMaxZ},
          m_kind(g_DocumentKind), m_scale(g_SceneScale)
    {
        g_RangeMinX = g_RangeMinY = -20;
        g_RangeMaxX = g_RangeMaxY = 20;
        g_RangeMinZ = -50;
        g_RangeMaxZ = 50;
        g_DocumentKind = DocumentKind2D;
        g_SceneScale = sceneScale;
    }
    ~Globals2D()
    {
        g_RangeMinX = m_range[0];
        g_RangeMaxX = m_range[1];
        g_RangeMinY = m_range[2];
        g_RangeMaxY = m_range[3];
        g_RangeMinZ = m_range[4];
        g_RangeMaxZ = m_range[5];
        g_DocumentKind = m_kind;
        g_SceneScale = m_scale;
    }
    Globals2D(const Globals2D&) = delete;
    Globals2D& operator=(const Globals2D&) = delete;

private:
    std::array<float, 6> m_range;
    int32_t m_kind;
    float m_scale;
};
