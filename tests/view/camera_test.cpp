// Tests of the camera (Cls4).
#include "view/Cls4.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

namespace {

void ExpectPoint(const Cls2& p, float x, float y, float z, float tol = 1e-3f)
{
    EXPECT_NEAR(p.x, x, tol);
    EXPECT_NEAR(p.y, y, tol);
    EXPECT_NEAR(p.z, z, tol);
}

} // namespace

TEST(Camera, NewCameraLooksDownZAtA40Volume)
{
    Cls4 cam;
    EXPECT_EQ(cam.ProjectType, ProjectionOrthographic);
    float w = 0, h = 0;
    cam.GetViewRect(w, h);
    EXPECT_EQ(w, 40.0f);
    EXPECT_EQ(h, 40.0f);
    EXPECT_FLOAT_EQ(cam.VolNear, 0.001f);
    EXPECT_EQ(cam.VolFar, 2000.0f);
    ExpectPoint(*cam.EyePos(), 0, 0, 1000, 0);
    ExpectPoint(*cam.RefPos(), 0, 0, 0, 0);
    EXPECT_EQ(cam.VecUp(0), 0.0f);
    EXPECT_EQ(cam.VecUp(1), 1.0f);
    EXPECT_EQ(cam.VecUp(2), 0.0f);
}

TEST(Camera, UpVectorIndexOutsideRangeThrowsAndChangesNothing)
{
    Cls4 cam;
    EXPECT_THROW(cam.VecUp(3, 5.0f), std::out_of_range);
    EXPECT_THROW(cam.VecUp(-1), std::out_of_range);
    EXPECT_EQ(cam.VecUp(1), 1.0f);
}

TEST(Camera, ScreenSizeAndAspect)
{
    Cls4 cam;
    int32_t w = 300, h = 0;
    cam.SetScreen(w, h);
    EXPECT_EQ(h, 1); // written back to the caller
    EXPECT_EQ(cam.ViewportHeight(), 0);
    EXPECT_EQ(cam.ScreenHeight, 1.0f);

    w = 400;
    h = 200;
    cam.SetScreen(w, h);
    cam.SetViewRect(999.0f, 10.0f); // the width follows the screen's aspect
    EXPECT_EQ(cam.VolHeight, 10.0f);
    EXPECT_EQ(cam.VolWidth, 20.0f);
}

TEST(Camera, ZoomScalesOnlyForPositiveFactors)
{
    Cls4 cam;
    for (float bad : {0.0f, -2.0f}) {
        cam.Zoom(bad);
        EXPECT_EQ(cam.VolWidth, 40.0f);
    }
    cam.Zoom(0.5f);
    EXPECT_EQ(cam.VolWidth, 20.0f);
    EXPECT_EQ(cam.VolHeight, 20.0f);
}

TEST(Camera, ZoomAllFitsTheLargestExtentAndKeepsTheViewingOffset)
{
    Cls4 cam;
    int32_t w = 200, h = 100;
    cam.SetScreen(w, h);
    cam.SetEye(1, 2, 103);
    cam.SetRef(1, 2, 3);
    cam.ZoomAll(-2, 0, 5, 4, 10, 5); // flat box: z1 == z0
    EXPECT_EQ(cam.VolHeight, 10.0f);
    EXPECT_EQ(cam.VolWidth, 20.0f);
    ExpectPoint(*cam.RefPos(), 1, 5, 5);
    ExpectPoint(*cam.EyePos(), 1, 5, 105);
}

TEST(Camera, MoveViewPansAgainstTheDrag)
{
    Cls4 cam;
    cam.MoveView(0.25f, 0.0f); // a quarter of the 40-unit volume
    ExpectPoint(*cam.EyePos(), -10, 0, 1000);
    ExpectPoint(*cam.RefPos(), -10, 0, 0);
    cam.MoveView(0.0f, -0.5f);
    ExpectPoint(*cam.RefPos(), -10, 20, 0);
}

TEST(Camera, MoveViewWithCoincidingPointsStaysFinite)
{
    Cls4 cam;
    cam.SetEye(0, 0, 0);
    cam.MoveView(0.5f, 0.5f);
    EXPECT_TRUE(std::isfinite(cam.EyePos()->x));
    EXPECT_TRUE(std::isfinite(cam.RefPos()->y));
}

TEST(Camera, StandardViewDirections)
{
    const float s = 10.0f / std::sqrt(3.0f);
    struct Case {
        int32_t type;
        float ex, ey, ez; // eye offset from the reference point (distance 10)
        float ux, uy, uz; // up vector
    };
    const Case cases[] = {
        {1, 0, 0, 10, 0, 1, 0},
        {2, 0, 0, -10, 0, 1, 0},
        {3, 0, 10, 0, 0, 0, 1},
        {4, 0, -10, 0, 0, 0, 1},
        {5, 10, 0, 0, 0, 1, 0},
        {6, -10, 0, 0, 0, 1, 0},
        // Oblique views: up is the screen's vertical through the y axis,
        // not normalised (length of d x (0,1,0), here sqrt(2/3)).
        {9, s, s, s, -1.0f / 3, 2.0f / 3, -1.0f / 3},
        {7, -s, s, -s, 1.0f / 3, 2.0f / 3, 1.0f / 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        Cls4 cam;
        cam.SetRef(1, 1, 1);
        cam.SetEye(1, 1, 11);
        cam.SetViewType(c.type);
        ExpectPoint(*cam.EyePos(), 1 + c.ex, 1 + c.ey, 1 + c.ez);
        ExpectPoint(*cam.RefPos(), 1, 1, 1);
        EXPECT_NEAR(cam.VecUp(0), c.ux, 1e-4f);
        EXPECT_NEAR(cam.VecUp(1), c.uy, 1e-4f);
        EXPECT_NEAR(cam.VecUp(2), c.uz, 1e-4f);
    }
}

TEST(Camera, ViewTypeDistanceRulesAndUnknownType)
{
    Cls4 cam;
    cam.SetEye(0, 0, 0); // coinciding points: 50 units
    cam.SetViewType(3);
    ExpectPoint(*cam.EyePos(), 0, 50, 0);

    cam.SetEye(0, 0, 40000); // very far: 10000 units
    cam.SetViewType(1);
    ExpectPoint(*cam.EyePos(), 0, 0, 10000);

    cam.SetViewType(11);
    cam.SetViewType(0);
    ExpectPoint(*cam.EyePos(), 0, 0, 10000);
    EXPECT_EQ(cam.VecUp(1), 1.0f);
}

TEST(Camera, ReplacedPointsAreShared)
{
    Cls4 cam;
    auto eye = std::make_shared<Cls2>();
    cam.EyePos(eye);
    cam.SetEye(3, 4, 5);
    ExpectPoint(*eye, 3, 4, 5, 0);
    int32_t x = 7, y = 9;
    cam.Selection(x, y); // does nothing
    ExpectPoint(*eye, 3, 4, 5, 0);
}
