// Drag modes and drag steps of the drawing area: zoom and pan factors, the
// trackball step, buttons that take no step, a collapsed area, ISO view and
// fit.
#include "model/Cls8.h"
#include "model/Globals.h"
#include "view/Cls4.h"
#include "view/ViewCommands.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr float W = 400.0f;
constexpr float H = 200.0f;

class ViewCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_axisMode = g_TrackballAxisMode;
        view.Reset();
        int32_t w = 400, h = 200;
        camera.SetScreen(w, h);
        camera.SetViewRect(40.0f, 40.0f);
    }
    void TearDown() override { g_TrackballAxisMode = m_axisMode; }

    ViewState view;
    Cls4 camera;

private:
    int32_t m_axisMode = 0;
};

bool QuatFinite(const Vec4& q)
{
    for (float v : q) {
        if (!std::isfinite(v))
            return false;
    }
    return true;
}

} // namespace

TEST_F(ViewCommandsTest, ModeCommandsAreExclusive)
{
    struct Case {
        const char* name;
        void (*command)(ViewState&);
        bool move, zoom, rotate;
        int32_t axis; // -1: unchanged
    };
    const Case cases[] = {
        {"move", SetMoveMode, true, false, false, -1},
        {"zoom", SetZoomMode, false, true, false, -1},
        {"rotate free", [](ViewState& v) { SetRotateMode(v, TrackballAxisFree); }, false, false, true, 1},
        {"about x", [](ViewState& v) { SetRotateMode(v, TrackballAxisX); }, false, false, true, 3},
        {"about y", [](ViewState& v) { SetRotateMode(v, TrackballAxisY); }, false, false, true, 4},
        {"about z", [](ViewState& v) { SetRotateMode(v, TrackballAxisZ); }, false, false, true, 2},
        {"open", ClearDragModes, false, false, false, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Start from every other mode set at once, so each flag is seen cleared.
        view.mbolMoveMode = view.mbolZoomMode = view.mbolRotateMode = true;
        g_TrackballAxisMode = 0;
        c.command(view);
        EXPECT_EQ(view.mbolMoveMode, c.move);
        EXPECT_EQ(view.mbolZoomMode, c.zoom);
        EXPECT_EQ(view.mbolRotateMode, c.rotate);
        EXPECT_EQ(g_TrackballAxisMode, c.axis == -1 ? 0 : c.axis);
    }
}

TEST_F(ViewCommandsTest, ZoomStepScalesTheViewVolumeByTheDrag)
{
    struct Case {
        float fromY, toY, factor;
    };
    const Case cases[] = {
        {100, 50, 0.75f},  // up a quarter of the height: picture larger
        {100, 150, 1.25f}, // down a quarter: smaller
        {100, 100, 1.0f},
        {200, 0, 0.0f},    // factor 0 is ignored by the camera
        {200, -100, -0.5f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.toY);
        camera.SetViewRect(40.0f, 40.0f);
        SetZoomMode(view);
        ViewMouseDown(view, ViewButtonLeft, 10, c.fromY);
        EXPECT_EQ(ViewDragStep(view, camera, ViewButtonLeft, 30, c.toY, W, H), ViewRedraw::Repaint);
        EXPECT_FLOAT_EQ(view.msngZoom, c.factor);
        EXPECT_FLOAT_EQ(camera.VolHeight, c.factor > 0 ? 40.0f * c.factor : 40.0f);
        EXPECT_EQ(view.msngLastX, 30.0f);
        EXPECT_EQ(view.msngLastY, c.toY);
    }
}

TEST_F(ViewCommandsTest, MoveStepPansByTheDragAsAFractionOfTheVolume)
{
    SetMoveMode(view);
    ViewMouseDown(view, ViewButtonLeft, 100, 100);
    // Right by half the width, up by a quarter of the height.
    EXPECT_EQ(ViewDragStep(view, camera, ViewButtonLeft, 300, 50, W, H), ViewRedraw::Repaint);
    // The camera moves the other way, so the scene follows the mouse.
    EXPECT_NEAR(camera.RefPos()->x, -0.5f * camera.VolWidth, 1e-4f);
    EXPECT_NEAR(camera.RefPos()->y, -0.25f * camera.VolHeight, 1e-4f);
    EXPECT_NEAR(camera.EyePos()->x, -0.5f * camera.VolWidth, 1e-4f);
    EXPECT_NEAR(camera.EyePos()->z, 1000.0f, 1e-3f);
    EXPECT_EQ(view.msngLastX, 300.0f);
    EXPECT_EQ(view.msngLastY, 50.0f);
}

TEST_F(ViewCommandsTest, RotateStepComposesTheTrackballRotation)
{
    SetRotateMode(view, TrackballAxisFree);
    ViewMouseDown(view, ViewButtonLeft, 200, 100); // the centre
    ASSERT_EQ(ViewDragStep(view, camera, ViewButtonLeft, 240, 100, W, H), ViewRedraw::Rebuild);
    EXPECT_TRUE(view.mbolTrackball);
    Vec4 expected{};
    Module1::Trackball(expected, 0.0f, 0.0f, 0.2f, 0.0f);
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(view.msngCurQuat[i], expected[i], 1e-6f) << i;
    // A horizontal drag turns about the screen's vertical axis.
    EXPECT_NEAR(view.msngCurQuat[0], 0.0f, 1e-6f);
    EXPECT_NEAR(view.msngCurQuat[2], 0.0f, 1e-6f);
    EXPECT_GT(std::fabs(view.msngCurQuat[1]), 0.01f);

    // A second step goes on top of the first.
    const Vec4 before = view.msngCurQuat;
    ASSERT_EQ(ViewDragStep(view, camera, ViewButtonLeft, 240, 60, W, H), ViewRedraw::Rebuild);
    Vec4 step{}, composed{};
    Module1::Trackball(step, 0.2f, 0.0f, 0.2f, 0.4f);
    Module1::AddQuats(step, before, composed);
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(view.msngCurQuat[i], composed[i], 1e-6f) << i;
}

TEST_F(ViewCommandsTest, RotateStepWithoutMovementStillRebuilds)
{
    SetRotateMode(view, TrackballAxisFree);
    view.msngCurQuat = {0.0f, 0.38268343f, 0.0f, 0.92387953f};
    const Vec4 before = view.msngCurQuat;
    ViewMouseDown(view, ViewButtonLeft, 120, 80);
    EXPECT_EQ(ViewDragStep(view, camera, ViewButtonLeft, 120, 80, W, H), ViewRedraw::Rebuild);
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(view.msngCurQuat[i], before[i], 1e-6f) << i;
}

TEST_F(ViewCommandsTest, OnlyTheLeftButtonAloneTakesAStep)
{
    struct Case {
        const char* name;
        int32_t buttons;
    };
    const Case cases[] = {{"none", 0}, {"right", ViewButtonRight}, {"left and right", 3},
                          {"middle", ViewButtonMiddle}, {"left and middle", 5}};
    for (void (*mode)(ViewState&) : {SetZoomMode, SetMoveMode}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            mode(view);
            ViewMouseDown(view, c.buttons, 5, 5); // not a start either
            EXPECT_EQ(view.msngLastX, 0.0f);
            EXPECT_EQ(ViewDragStep(view, camera, c.buttons, 300, 150, W, H), ViewRedraw::None);
            EXPECT_EQ(camera.VolHeight, 40.0f);
            EXPECT_EQ(camera.RefPos()->x, 0.0f);
            EXPECT_EQ(view.msngLastY, 0.0f);
            // The size is stored at every move.
            EXPECT_EQ(view.mlngDrawWidth, 400);
            EXPECT_EQ(view.mlngDrawHeight, 200);
        }
    }
}

TEST_F(ViewCommandsTest, NoModeNoStep)
{
    ViewMouseDown(view, ViewButtonLeft, 10, 10);
    EXPECT_EQ(ViewDragStep(view, camera, ViewButtonLeft, 300, 150, W, H), ViewRedraw::None);
    EXPECT_FALSE(view.mbolTrackball);
    EXPECT_EQ(camera.VolHeight, 40.0f);
    EXPECT_EQ(camera.RefPos()->x, 0.0f);
}

TEST_F(ViewCommandsTest, CollapsedAreaTakesNoStepAndKeepsNumbersFinite)
{
    struct Case {
        float w, h;
    };
    const Case sizes[] = {{0, 200}, {400, 0}, {0, 0}, {0.4f, 0.3f}};
    for (void (*mode)(ViewState&) :
         {SetZoomMode, SetMoveMode, +[](ViewState& v) { SetRotateMode(v, TrackballAxisFree); }}) {
        for (const Case& s : sizes) {
            SCOPED_TRACE(s.w);
            mode(view);
            ViewMouseDown(view, ViewButtonLeft, 0, 0);
            EXPECT_EQ(ViewDragStep(view, camera, ViewButtonLeft, 0, 0, s.w, s.h), ViewRedraw::None);
            EXPECT_TRUE(QuatFinite(view.msngCurQuat));
            EXPECT_TRUE(std::isfinite(camera.VolHeight));
            EXPECT_TRUE(std::isfinite(camera.RefPos()->x));
            EXPECT_TRUE(std::isfinite(view.msngZoom));
        }
    }
    // A position that is no number is not taken either.
    SetMoveMode(view);
    EXPECT_EQ(ViewDragStep(view, camera, ViewButtonLeft, NAN, 3, W, H), ViewRedraw::None);
    EXPECT_TRUE(std::isfinite(camera.RefPos()->x));
}

TEST_F(ViewCommandsTest, IsoViewHandsTheRotationBackToTheAngles)
{
    Cls8 scene;
    scene.RotRoll = 10.0f;
    scene.RotPitch = 20.0f;
    scene.RotYaw = 30.0f;
    SetRotateMode(view, TrackballAxisFree);
    ViewMouseDown(view, ViewButtonLeft, 200, 100);
    ViewDragStep(view, camera, ViewButtonLeft, 260, 100, W, H);
    ASSERT_TRUE(view.mbolTrackball);
    ApplyIsoView(view, scene);
    EXPECT_FALSE(view.mbolTrackball);
    EXPECT_EQ(scene.RotRoll, 0.0f);
    EXPECT_EQ(scene.RotPitch, -15.0f);
    EXPECT_EQ(scene.RotYaw, 45.0f);
    EXPECT_TRUE(view.mbolRotateMode); // the drag mode stays
}

TEST_F(ViewCommandsTest, FitCentresTwiceTheLargestExtent)
{
    const int32_t kind = g_DocumentKind;
    g_DocumentKind = DocumentKind3D;
    Cls8 scene;
    EXPECT_FALSE(FitCameraToScene(camera, scene)); // empty: nothing happens
    EXPECT_EQ(camera.VolHeight, 40.0f);

    // A plane vector from (-5, 0) to (5, 4): a 10 x 4 x 0 box, padded by 0.04.
    auto g = std::make_shared<Cls9>();
    g->ID = 1;
    g->GraphType = GraphTypePlaneVector;
    g->GPara1 = -5.0f;
    g->GPara2 = 0.0f;
    g->GPara3 = 5.0f;
    g->GPara4 = 4.0f;
    scene.FunSurfs.Add(g, "1");
    ASSERT_TRUE(FitCameraToScene(camera, scene));
    EXPECT_NEAR(camera.VolHeight, 2.0f * 10.08f, 1e-3f);
    EXPECT_NEAR(camera.VolWidth, 2.0f * 10.08f * 2.0f, 1e-3f); // 2:1 screen
    EXPECT_NEAR(camera.RefPos()->x, 0.0f, 1e-4f);
    EXPECT_NEAR(camera.RefPos()->y, 2.0f, 1e-4f);
    EXPECT_NEAR(camera.EyePos()->z - camera.RefPos()->z, 1000.0f, 1e-3f);
    g_DocumentKind = kind;
}
