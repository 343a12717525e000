#pragma once
// Vectors, rotation quaternions and the virtual trackball.
//
// A vector or quaternion is four floats: x, y, z and (for a quaternion) the
// scalar part w in element 3; the identity rotation is (0, 0, 0, 1). A matrix
// is sixteen floats. Output arrays may be the same arrays as the inputs: each
// routine reads all of its inputs before it writes.
#include <array>
#include <cstdint>

using Vec4 = std::array<float, 4>;
using Mat16 = std::array<float, 16>;

// Rotation constraint of a trackball drag (set by the View menu's rotate
// commands): 1 free, 2 about the z axis, 3 about x, 4 about y (OpenGL axes).
// Any other value (0 until a rotate command is chosen) rotates nothing.
extern int32_t g_TrackballAxisMode;

enum TrackballAxisMode : int32_t {
    TrackballAxisFree = 1,
    TrackballAxisZ = 2,
    TrackballAxisX = 3,
    TrackballAxisY = 4,
};

namespace Module1 {

// Arc sine for x in [0, 1], through the arc tangent; exactly pi/2 for 1.
double ArcSinValue(double x);

void VecZero(Vec4& v);
void VecSet(Vec4& v, float x, float y, float z);
void VecSub(const Vec4& a, const Vec4& b, Vec4& r);
void VecCopy4(const Vec4& src, Vec4& dst);
void VecCross(const Vec4& a, const Vec4& b, Vec4& r); // r[3] becomes 0
float VecLength(const Vec4& v);
void VecScale(Vec4& v, float s);
// Scales v to unit length; a zero vector is left as it is.
void VecNormalize(Vec4& v);
float VecDot(const Vec4& a, const Vec4& b);
void VecAdd(const Vec4& a, const Vec4& b, Vec4& r);

// q = rotation by phi radians about axis; the axis is normalised in place.
void AxisToQuat(Vec4& axis, float phi, Vec4& q);
// Depth of (x, y) on a sphere of radius r that turns into a hyperbolic
// sheet away from the centre, so drags outside the ball still rotate.
float ProjectToSphere(float r, float x, float y);
// q = rotation for a drag from (p1x, p1y) to (p2x, p2y); the drawing area
// spans -1 .. 1 and the ball has radius 0.5. Equal points give the identity.
void Trackball(Vec4& q, float p1x, float p1y, float p2x, float p2y);
// dest = rotation q1 followed by q2 (Hamilton product q2 * q1), normalised.
void AddQuats(const Vec4& q1, const Vec4& q2, Vec4& dest);
// q / |q|; a zero quaternion is left unchanged.
void NormalizeQuat(Vec4& q);
// m = rotation matrix of q, rows in 0-2, 4-6, 8-10 (OpenGL reads them as
// columns, so glMultMatrixf(m) turns vertices by the inverse rotation).
void BuildRotMatrix(Mat16& m, const Vec4& q);

} // namespace Module1
