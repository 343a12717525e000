#pragma once
// Saves and restores the globals that sampling reads and changes, and builds
// graphs for the sampling and box tests.
#include "expr/Globals.h"
#include "model/Cls9.h"
#include "model/Globals.h"

#include <gtest/gtest.h>

#include <memory>

class SamplingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_saved[0] = g_RangeMinX;
        m_saved[1] = g_RangeMaxX;
        m_saved[2] = g_RangeMinY;
        m_saved[3] = g_RangeMaxY;
        m_saved[4] = g_RangeMinZ;
        m_saved[5] = g_RangeMaxZ;
        m_frames = g_FrameCount;
        g_RangeMinX = -20;
        g_RangeMaxX = 20;
        g_RangeMinY = -20;
        g_RangeMaxY = 20;
        g_RangeMinZ = -50;
        g_RangeMaxZ = 50;
        g_FrameCount = 10;
    }
    void TearDown() override
    {
        g_RangeMinX = m_saved[0];
        g_RangeMaxX = m_saved[1];
        g_RangeMinY = m_saved[2];
        g_RangeMaxY = m_saved[3];
        g_RangeMinZ = m_saved[4];
        g_RangeMaxZ = m_saved[5];
        g_FrameCount = m_frames;
    }

    // A 2D function graph as the 2D dialog builds it: x-text "0", the
    // parameter over MinV..MaxV in StepV segments.
    static GraphRef Function(int32_t coord, int32_t form, const QString& y, const QString& z,
                             float minV, float maxV, int32_t steps,
                             int32_t type = GraphType2DFunction)
    {
        auto g = std::make_shared<Cls9>();
        g->GraphType = type;
        g->CoordType = coord;
        g->FunForm = form;
        g->ExpressX = QStringLiteral("0");
        g->ExpressY = y;
        g->ExpressZ = z;
        g->MinV = minV;
        g->MaxV = maxV;
        g->StepV = steps;
        g->StepU = 1;
        return g;
    }

    static GraphRef Point(int32_t coord, const QString& x, const QString& y, const QString& z,
                          int32_t type = GraphTypePoint)
    {
        auto g = std::make_shared<Cls9>();
        g->GraphType = type;
        g->CoordType = coord;
        g->ExpressX = x;
        g->ExpressY = y;
        g->ExpressZ = z;
        g->Animation = type == GraphTypePointAnimation;
        return g;
    }

    // s = start + i * d, as sampling forms it.
    static float Step(float start, int i, float d)
    {
        return static_cast<float>(static_cast<double>(start) + i * static_cast<double>(d));
    }

private:
    float m_saved[6] = {};
    int32_t m_frames = 10;
};
