// Tests of quaternions, the trackball and the view rotation.
#include "view/Trackball.h"
#include "view/ViewState.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Module1;

namespace {

constexpr float kPi = 3.14159265f;

// Turns v by the rotation matrix as glMultMatrixf applies it (column-major).
Vec4 ApplyGL(const Mat16& m, const Vec4& v)
{
    Vec4 r{};
    for (int i = 0; i < 3; ++i)
        r[i] = m[i] * v[0] + m[4 + i] * v[1] + m[8 + i] * v[2];
    return r;
}

// Turns v by the forward rotation of q (the matrix read by rows).
Vec4 Rotate(const Vec4& q, const Vec4& v)
{
    Mat16 m{};
    BuildRotMatrix(m, q);
    Vec4 r{};
    for (int i = 0; i < 3; ++i)
        r[i] = m[4 * i] * v[0] + m[4 * i + 1] * v[1] + m[4 * i + 2] * v[2];
    return r;
}

void ExpectVec(const Vec4& v, float x, float y, float z, float tol = 1e-4f)
{
    EXPECT_NEAR(v[0], x, tol);
    EXPECT_NEAR(v[1], y, tol);
    EXPECT_NEAR(v[2], z, tol);
}

struct AxisModeGuard {
    explicit AxisModeGuard(int32_t mode) : saved(g_TrackballAxisMode) { g_TrackballAxisMode = mode; }
    ~AxisModeGuard() { g_TrackballAxisMode = saved; }
    int32_t saved;
};

} // namespace

TEST(Trackball, EqualPointsGiveIdentityWhateverQHeld)
{
    AxisModeGuard mode(TrackballAxisFree);
    Vec4 q{0.3f, 0.2f, 0.1f, 0.9f};
    Trackball(q, 0.25f, -0.4f, 0.25f, -0.4f);
    EXPECT_EQ(q, (Vec4{0, 0, 0, 1}));
}

TEST(Trackball, ProjectsInsideOntoSphereAndOutsideOntoSheet)
{
    // Inside the inner disc (0.5 * 0.7071): the sphere of radius 0.5.
    EXPECT_NEAR(ProjectToSphere(0.5f, 0.1f, 0.2f), std::sqrt(0.25f - 0.05f), 1e-6f);
    // Outside: the hyperbolic sheet t^2 / d with t^2 about 0.125.
    EXPECT_NEAR(ProjectToSphere(0.5f, 0.6f, 0.8f), 0.125f / 1.0f, 2e-4f);
    EXPECT_NEAR(ProjectToSphere(0.5f, -2.0f, 0.0f), 0.125f / 2.0f, 1e-4f);
}

TEST(Trackball, FixedAxisModesTakeTheirSignFromTheDrag)
{
    struct Case {
        int32_t mode;
        float p1x, p1y, p2x, p2y;
        Vec4 axis;
    };
    const Case cases[] = {
        {TrackballAxisZ, -0.2f, 0.0f, 0.2f, 0.3f, {0, 0, 1, 0}},  // left to right
        {TrackballAxisZ, 0.2f, -0.3f, -0.2f, 0.3f, {0, 0, -1, 0}}, // right to left
        {TrackballAxisX, 0.0f, -0.2f, 0.1f, 0.2f, {1, 0, 0, 0}},  // upwards
        {TrackballAxisX, 0.0f, 0.2f, 0.1f, -0.2f, {-1, 0, 0, 0}},
        {TrackballAxisY, -0.2f, 0.0f, 0.2f, 0.0f, {0, -1, 0, 0}}, // reversed: L to R is -y
        {TrackballAxisY, 0.2f, 0.0f, -0.2f, 0.0f, {0, 1, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " from (" << c.p1x << ","
                                        << c.p1y << ") to (" << c.p2x << "," << c.p2y << ")");
        AxisModeGuard mode(c.mode);
        Vec4 q{};
        Trackball(q, c.p1x, c.p1y, c.p2x, c.p2y);
        const float s = std::sqrt(1.0f - q[3] * q[3]);
        ASSERT_GT(s, 0.0f);
        ExpectVec({q[0] / s, q[1] / s, q[2] / s, 0}, c.axis[0], c.axis[1], c.axis[2]);
    }
}

TEST(Trackball, FreeDragMovesTheSceneWithTheMouse)
{
    AxisModeGuard mode(TrackballAxisFree);
    // A short drag to the right near the centre turns about the y axis, and
    // the point in front of the ball, as the list applies the matrix, moves
    // right with the mouse.
    Vec4 q{};
    Trackball(q, 0.0f, 0.0f, 0.1f, 0.0f);
    EXPECT_NEAR(std::abs(q[1]), std::sqrt(1.0f - q[3] * q[3]), 1e-4f);
    Mat16 m{};
    BuildRotMatrix(m, q);
    const Vec4 front{0.0f, 0.0f, ProjectToSphere(0.5f, 0.0f, 0.0f), 0};
    EXPECT_GT(ApplyGL(m, front)[0], 0.0f);
}

TEST(Trackball, LongDragClampsToHalfTurn)
{
    AxisModeGuard mode(TrackballAxisZ);
    Vec4 q{};
    Trackball(q, -1.0f, 0.0f, 1.0f, 0.0f);
    EXPECT_NEAR(q[3], 0.0f, 1e-6f); // cos(pi / 2)
    ExpectVec(q, 0, 0, 1);
}

TEST(Trackball, WithoutRotateCommandTurnsNothing)
{
    // Mode 0 has no axis; the drag must not produce NaN in the view rotation.
    AxisModeGuard mode(0);
    Vec4 q{0.1f, 0.1f, 0.1f, 0.1f};
    Trackball(q, 0.0f, 0.0f, 0.3f, 0.3f);
    EXPECT_EQ(q, (Vec4{0, 0, 0, 1}));
}

TEST(Quaternion, NormaliseAndZeroVectors)
{
    Vec4 zero{0, 0, 0, 0};
    NormalizeQuat(zero);
    EXPECT_EQ(zero, (Vec4{0, 0, 0, 0}));

    Vec4 v{0, 0, 0, 7};
    VecNormalize(v); // a zero 3-vector keeps its value instead of NaN
    EXPECT_EQ(v, (Vec4{0, 0, 0, 7}));

    Vec4 axis{0, 0, 2, 5};
    Vec4 q{};
    AxisToQuat(axis, kPi, q);
    EXPECT_EQ(axis, (Vec4{0, 0, 1, 5})); // the caller's axis is normalised
    ExpectVec(q, 0, 0, 1);
    EXPECT_NEAR(q[3], 0.0f, 1e-6f);
}

TEST(Quaternion, AddQuatsComposesFirstThenSecond)
{
    Vec4 ax{1, 0, 0, 0}, ay{0, 1, 0, 0};
    Vec4 q1{}, q2{}, both{};
    AxisToQuat(ax, kPi / 2, q1); // y -> z
    AxisToQuat(ay, kPi / 2, q2); // z -> x
    AddQuats(q1, q2, both);
    ExpectVec(Rotate(both, {0, 1, 0, 0}), 1, 0, 0);

    // The identity composed with q gives q normalised; outputs may alias.
    Vec4 ident{0, 0, 0, 1};
    Vec4 loose{0, 0, 2, 2};
    AddQuats(ident, loose, ident);
    const float h = std::sqrt(0.5f);
    EXPECT_NEAR(ident[2], h, 1e-6f);
    EXPECT_NEAR(ident[3], h, 1e-6f);

    Vec4 a{1, 2, 3, 0}, b{4, 5, 6, 0};
    VecCross(a, b, a);
    EXPECT_EQ(a, (Vec4{-3, 6, -3, 0}));
}

TEST(Quaternion, RotationMatrixOfIdentity)
{
    Mat16 m{};
    m.fill(9.0f);
    BuildRotMatrix(m, {0, 0, 0, 1});
    const Mat16 identity{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    EXPECT_EQ(m, identity);
}

TEST(ViewRotation, EulerAnglesOfTheIsoView)
{
    ViewState view;
    view.Reset();
    Mat16 m{};
    BuildViewRotation(view, 0.0f, -15.0f, 45.0f, m);
    // Up turns towards the viewer by 15 degrees, the x axis by -45 about y.
    ExpectVec(ApplyGL(m, {0, 1, 0, 0}), 0.0f, 0.9659f, 0.2588f);
    ExpectVec(ApplyGL(m, {1, 0, 0, 0}), 0.7071f, -0.1830f, 0.6830f);
    // The shown pose is kept for the next trackball drag.
    Mat16 fromQuat{};
    BuildRotMatrix(fromQuat, view.msngCurQuat);
    for (int i = 0; i < 16; ++i)
        EXPECT_FLOAT_EQ(fromQuat[i], m[i]);
}

TEST(ViewRotation, ZeroAnglesGiveIdentityAndTrackballIgnoresAngles)
{
    ViewState view;
    view.msngCurQuat = {0.5f, 0.5f, 0.5f, 0.5f};
    Mat16 m{};
    BuildViewRotation(view, 0, 0, 0, m);
    EXPECT_EQ(view.msngCurQuat, (Vec4{0, 0, 0, 1}));
    ExpectVec(ApplyGL(m, {0, 0, 1, 0}), 0, 0, 1, 0);

    view.mbolTrackball = true;
    view.msngCurQuat = {0, 0, std::sqrt(0.5f), std::sqrt(0.5f)}; // 90 degrees about z
    BuildViewRotation(view, 30, 40, 50, m);
    EXPECT_EQ(view.msngCurQuat, (Vec4{0, 0, std::sqrt(0.5f), std::sqrt(0.5f)}));
    ExpectVec(ApplyGL(m, {1, 0, 0, 0}), 0, -1, 0);
}
