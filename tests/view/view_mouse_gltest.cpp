// Left drags on the real drawing area under Mesa: a rotate drag turns the
// trackball and recompiles the scene list with the new rotation; zoom and
// pan drags change the camera only; drags with no mode or another button
// change nothing.
#include "model/Cls8.h"
#include "model/Globals.h"
#include "platform/MessageBox.h"
#include "view/Cls4.h"
#include "view/DrawingArea_gl.h"
#include "view/Scene.h"
#include "view/ViewCommands.h"
#include "view/ViewMouse_ui.h"
#include "view/ViewState.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <GL/gl.h>
#include <gtest/gtest.h>

namespace {

class ViewMouseTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        recorder = new MessageRecorder;
        area = new DrawingArea;
        area->resize(200, 100);
        area->Initialize();
        area->show();
        QElapsedTimer t;
        t.start();
        while (!area->IsReady() && t.elapsed() < 10000)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        new ViewMouse(
            area,
            [] {
                ++rebuilds;
                area->BuildDisplayLists();
            },
            [] { ++displays; });
    }
    static void TearDownTestSuite()
    {
        delete area;
        delete recorder;
    }

    void SetUp() override
    {
        ASSERT_TRUE(area->IsReady());
        g_ShownGraphs.FunSurfs.Clear();
        g_ShownGraphs.RotRoll = g_ShownGraphs.RotPitch = g_ShownGraphs.RotYaw = 0.0f;
        g_DocumentKind = DocumentKind3D;
        g_View.Reset();
        g_Camera.VolWidth = 40.0f;
        g_Camera.VolHeight = 40.0f;
        g_Camera.SetRef(0, 0, 0);
        g_Camera.SetEye(0, 0, 1000);
        area->BuildDisplayLists();
        rebuilds = displays = 0;
    }

    // Later suites expect the start camera and view.
    void TearDown() override
    {
        g_View.Reset();
        g_TrackballAxisMode = 0;
        g_Camera.VolWidth = 40.0f;
        g_Camera.VolHeight = 40.0f;
        g_Camera.SetRef(0, 0, 0);
        g_Camera.SetEye(0, 0, 1000);
        g_DocumentKind = DocumentKind2D;
    }

    static void Drag(Qt::MouseButton button, QPoint from, QPoint to)
    {
        QTest::mousePress(area, button, Qt::NoModifier, from);
        QTest::mouseMove(area, (from + to) / 2);
        QTest::mouseMove(area, to);
        QTest::mouseRelease(area, button, Qt::NoModifier, to);
    }

    // The rotation the still scene list applies.
    static std::array<float, 16> ListRotation()
    {
        area->makeCurrent();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glCallList(kStillSceneList);
        std::array<float, 16> m{};
        glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
        return m;
    }

    static inline DrawingArea* area = nullptr;
    static inline MessageRecorder* recorder = nullptr;
    static inline int rebuilds = 0;
    static inline int displays = 0;
};

} // namespace

TEST_F(ViewMouseTest, RotateDragTurnsTheTrackballAndRebuildsTheLists)
{
    const std::array<float, 16> before = ListRotation();
    EXPECT_NEAR(before[0], 1.0f, 1e-5f); // starts unrotated
    SetRotateMode(g_View, TrackballAxisFree);
    Drag(Qt::LeftButton, QPoint(100, 50), QPoint(140, 50));

    EXPECT_TRUE(g_View.mbolTrackball);
    EXPECT_GT(std::fabs(g_View.msngCurQuat[1]), 0.05f); // about the vertical axis
    EXPECT_NEAR(g_View.msngCurQuat[0], 0.0f, 1e-5f);
    EXPECT_EQ(rebuilds, 2); // one per move
    EXPECT_EQ(displays, 2);
    EXPECT_EQ(g_View.mlngDrawWidth, area->ScaleWidth());

    // The recompiled list carries the trackball's rotation.
    Mat16 expected{};
    Module1::BuildRotMatrix(expected, g_View.msngCurQuat);
    const std::array<float, 16> after = ListRotation();
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(after[i], expected[i], 1e-5f) << i;
    EXPECT_LT(after[0], 0.999f);
}

TEST_F(ViewMouseTest, ZoomAndPanDragsRepaintWithoutRebuilding)
{
    const float h = static_cast<float>(area->ScaleHeight());
    SetZoomMode(g_View);
    Drag(Qt::LeftButton, QPoint(50, 60), QPoint(50, 40)); // up: larger picture
    EXPECT_NEAR(g_Camera.VolHeight, 40.0f * (1 - 10 / h) * (1 - 10 / h), 1e-3f);
    EXPECT_EQ(rebuilds, 0);
    EXPECT_EQ(displays, 2);

    SetMoveMode(g_View);
    const float w = static_cast<float>(area->ScaleWidth());
    const float volW = g_Camera.VolWidth;
    Drag(Qt::LeftButton, QPoint(50, 50), QPoint(100, 50));
    EXPECT_NEAR(g_Camera.RefPos()->x, -volW * 50 / w, 1e-3f);
    EXPECT_EQ(rebuilds, 0);
    EXPECT_FALSE(g_View.mbolTrackball);
}

TEST_F(ViewMouseTest, NoModeOrOtherButtonChangesNothing)
{
    Drag(Qt::LeftButton, QPoint(100, 50), QPoint(160, 80)); // no mode chosen
    SetRotateMode(g_View, TrackballAxisFree);
    Drag(Qt::MiddleButton, QPoint(100, 50), QPoint(160, 80));
    EXPECT_EQ(rebuilds, 0);
    EXPECT_EQ(displays, 0);
    EXPECT_FALSE(g_View.mbolTrackball);
    EXPECT_EQ(g_Camera.VolHeight, 40.0f);
    EXPECT_EQ(g_Camera.RefPos()->x, 0.0f);
}
