// Building the scene's display lists, with the messages raised while
// drawing kept until the lists are closed, and the frame display.
#include "view/Scene.h"

#include "model/Cls3.h"
#include "model/Cls8.h"
#include "model/Globals.h"
#include "view/Cls10.h"
#include "view/Cls4.h"
#include "view/DrawingMessages.h"
#include "view/ViewState.h"

#include <QDebug>
#include <QTimer>

#include <GL/gl.h>

#include <exception>

namespace {

// Runs one piece of the scene drawing. A failure inside it ends only that
// piece: what it compiled so far stays in the list, and the builder goes on
// with the next graph.
template <typename F>
void DrawGuarded(const char* what, F&& draw)
{
    try {
        draw();
    } catch (const std::exception& e) {
        qWarning().noquote() << "drawing" << what << "failed:" << e.what();
    } catch (...) {
        qWarning().noquote() << "drawing" << what << "failed";
    }
}

std::shared_ptr<Cls1> ShownBox(int32_t step)
{
    try {
        return SceneBoxByGraph(g_ShownGraphs, step);
    } catch (const std::exception& e) {
        qWarning().noquote() << "scene box of step" << step << "failed:" << e.what();
    } catch (...) {
        qWarning().noquote() << "scene box of step" << step << "failed";
    }
    return nullptr;
}

// Closes the list being compiled however its drawing ends.
struct ListScope {
    explicit ListScope(int32_t list) { glNewList(static_cast<GLuint>(list), GL_COMPILE); }
    ~ListScope() { glEndList(); }
    ListScope(const ListScope&) = delete;
    ListScope& operator=(const ListScope&) = delete;
};

struct Bounds {
    float minX, maxX, minY, maxY, minZ, maxZ;
};

void RotationBlock()
{
    Mat16 m{};
    BuildViewRotation(g_View, g_ShownGraphs.RotRoll, g_ShownGraphs.RotPitch, g_ShownGraphs.RotYaw,
                      m);
    glMultMatrixf(m.data());
}

// Messages raised while a graph is drawn belong to it.
struct SourceScope {
    explicit SourceScope(const GraphRef& graph)
    {
        if (DrawingMessageScope* scope = DrawingMessageScope::Current())
            scope->SetGraph(graph);
    }
    ~SourceScope()
    {
        if (DrawingMessageScope* scope = DrawingMessageScope::Current())
            scope->SetGraph(nullptr);
    }
    SourceScope(const SourceScope&) = delete;
    SourceScope& operator=(const SourceScope&) = delete;
};

void DrawGraphs(int32_t step)
{
    for (const GraphRef& graph : g_ShownGraphs.FunSurfs) {
        if (!graph)
            continue;
        SourceScope source(graph);
        DrawGuarded("a graph", [&] { graph->Draw(graph->Animation ? step : 0); });
    }
}

// Point graphs are drawn once more after the axes, so that the axes never
// hide them.
void DrawPointsAgain()
{
    for (const GraphRef& graph : g_ShownGraphs.FunSurfs) {
        if (graph && graph->GraphType == GraphTypePoint) {
            SourceScope source(graph);
            DrawGuarded("a point", [&] { graph->Draw(); });
        }
    }
}

void DrawBackgroundAndGrid(Bounds& b)
{
    DrawGuarded("the background", [&] {
        g_CoordSystem.DrawBackground(b.minX, b.maxX, b.minY, b.maxY, b.minZ, b.maxZ);
    });
    DrawGuarded("the 2D grid", [&] {
        g_CoordSystem.Draw2DGrid(b.minX, b.maxX, b.minY, b.maxY, b.minZ, b.maxZ);
    });
}

void DrawAxes(Bounds& b)
{
    DrawGuarded("the coordinate system", [&] {
        g_CoordSystem.Draw(2, b.minX, b.maxX, b.minY, b.maxY, b.minZ, b.maxZ);
    });
}

Bounds BoundsOf(const Cls1& box)
{
    return {box.MinX, box.MaxX, box.MinY, box.MaxY, box.MinZ, box.MaxZ};
}

void BuildAnimatedLists()
{
    // Union of every step's box, widened by 0.1: the frames share one
    // background, grid and axes. A step without a box adds nothing.
    Bounds frame{9999999.0f, -9999999.0f, 9999999.0f, -9999999.0f, 9999999.0f, -9999999.0f};
    bool anyBox = false;
    for (int32_t s = 0; s <= g_FrameCount; ++s) {
        const std::shared_ptr<Cls1> box = ShownBox(s);
        if (!box)
            continue;
        anyBox = true;
        if (box->MinX < frame.minX) frame.minX = box->MinX;
        if (box->MaxX > frame.maxX) frame.maxX = box->MaxX;
        if (box->MinY < frame.minY) frame.minY = box->MinY;
        if (box->MaxY > frame.maxY) frame.maxY = box->MaxY;
        if (box->MinZ < frame.minZ) frame.minZ = box->MinZ;
        if (box->MaxZ > frame.maxZ) frame.maxZ = box->MaxZ;
    }
    frame.minX -= 0.1f;
    frame.minY -= 0.1f;
    frame.minZ -= 0.1f;
    frame.maxX += 0.1f;
    frame.maxY += 0.1f;
    frame.maxZ += 0.1f;

    const bool hasGraphs = g_ShownGraphs.FunSurfs.Count() > 0;
    for (int32_t s = 0; s <= g_FrameCount; ++s) {
        ListScope list(kFrameListBase + 1 + s);
        RotationBlock();
        // The frame box is passed on as the coordinate system leaves it, so
        // later frames of the same build see its write-backs.
        if (hasGraphs && anyBox && g_DocumentKind == DocumentKind2D)
            DrawBackgroundAndGrid(frame);
        DrawGraphs(s);
        if (hasGraphs) {
            if (g_CoordSystem.Show && anyBox)
                DrawAxes(frame);
            DrawPointsAgain();
        }
    }
}

void BuildStillList()
{
    const bool hasGraphs = g_ShownGraphs.FunSurfs.Count() > 0;
    ListScope list(kStillSceneList);
    RotationBlock();
    if (hasGraphs && g_DocumentKind == DocumentKind2D) {
        if (std::shared_ptr<Cls1> box = ShownBox(0)) {
            g_SceneBox = box;
            Bounds b = BoundsOf(*box);
            DrawBackgroundAndGrid(b);
        }
    }
    DrawGraphs(0);
    if (hasGraphs) {
        if (g_CoordSystem.Show) {
            if (std::shared_ptr<Cls1> box = ShownBox(0)) {
                g_SceneBox = box;
                Bounds b = BoundsOf(*box);
                DrawAxes(b);
            }
        }
        DrawPointsAgain();
    }
}

} // namespace

void SetupContextState()
{
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_DITHER);
    glDepthFunc(GL_LEQUAL);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
}

void BuildSceneLists(SceneMessages when)
{
    std::vector<MessageRequest> messages;
    {
        DrawingMessageScope scope;
        // Sets g_SceneScale before anything is drawn.
        ShownBox(0);
        if (g_ShownGraphs.Animation())
            BuildAnimatedLists();
        else
            BuildStillList();
        messages = scope.Finish();
    }
    // Every list is closed now.
    if (messages.empty())
        return;
    if (when == SceneMessages::Later)
        QTimer::singleShot(0, [messages] { ShowMessages(messages); });
    else
        ShowMessages(messages);
}

void DrawSceneFrame(int32_t lngAnimStep)
{
    // Painting must not open a box either (the camera boxes the scene); any
    // message waits for the event loop.
    DrawingMessageScope scope;
    struct Later {
        DrawingMessageScope& s;
        ~Later()
        {
            std::vector<MessageRequest> messages = s.Finish();
            if (!messages.empty())
                QTimer::singleShot(0, [messages] { ShowMessages(messages); });
        }
    } later{scope};
    g_Light.SetLight();
    glShadeModel(GL_SMOOTH);
    g_Camera.Projection();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    glCallList(static_cast<GLuint>(
        SceneListFor(g_ShownGraphs.Animation(), g_CurFrame, lngAnimStep, g_FrameCount)));
    glPopMatrix();
    glFinish();
}
