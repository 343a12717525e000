#pragma once
// Saves the program state that documents change and puts it back, so
// document tests leave no trace for the tests that follow.
#include "io/DocumentWindow.h"
#include "model/Cls3.h"
#include "model/Cls8.h"
#include "model/Globals.h"

#include <vector>

class ProgramStateGuard {
public:
    ProgramStateGuard()
        : m_all(Graphs(g_AllGraphs)), m_shown(Graphs(g_ShownGraphs)), m_axes(g_CoordSystem),
          m_kind(g_DocumentKind), m_lastID(g_LastGraphID), m_frames(g_FrameCount),
          m_fps(g_FramesPerSecond), m_curFrame(g_CurFrame), m_window(GetDocumentWindow()),
          m_roll(g_ShownGraphs.RotRoll), m_pitch(g_ShownGraphs.RotPitch),
          m_yaw(g_ShownGraphs.RotYaw)
    {
    }
    ~ProgramStateGuard()
    {
        Restore(g_AllGraphs, m_all);
        Restore(g_ShownGraphs, m_shown);
        g_CoordSystem = m_axes;
        g_DocumentKind = m_kind;
        g_LastGraphID = m_lastID;
        g_FrameCount = m_frames;
        g_FramesPerSecond = m_fps;
        g_CurFrame = m_curFrame;
        g_ShownGraphs.RotRoll = m_roll;
        g_ShownGraphs.RotPitch = m_pitch;
        g_ShownGraphs.RotYaw = m_yaw;
        SetDocumentWindow(m_window);
    }

    static std::vector<GraphRef> Graphs(const Cls8& scene)
    {
        std::vector<GraphRef> graphs;
        for (const GraphRef& g : scene.FunSurfs)
            graphs.push_back(g);
        return graphs;
    }

private:
    static void Restore(Cls8& scene, const std::vector<GraphRef>& graphs)
    {
        scene.FunSurfs.Clear();
        for (const GraphRef& g : graphs)
            scene.FunSurfs.Add(g, GraphCollection::KeyOf(*g));
    }

    std::vector<GraphRef> m_all, m_shown;
    Cls3 m_axes;
    int32_t m_kind, m_lastID, m_frames, m_fps, m_curFrame;
    DocumentWindow m_window;
    float m_roll, m_pitch, m_yaw;
};
