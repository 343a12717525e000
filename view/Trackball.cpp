// Vectors, rotation quaternions and the virtual trackball.
#include "view/Trackball.h"

#include <cmath>

int32_t g_TrackballAxisMode = 0;

namespace Module1 {

double ArcSinValue(double x)
{
    if (x == 1.0)
        return 1.570796326794895;
    return std::atan(x / std::sqrt(1.0 - x * x));
}

void VecZero(Vec4& v)
{
    v[0] = v[1] = v[2] = 0.0f;
}

void VecSet(Vec4& v, float x, float y, float z)
{
    v[0] = x;
    v[1] = y;
    v[2] = z;
}

void VecSub(const Vec4& a, const Vec4& b, Vec4& r)
{
    const float x = a[0] - b[0], y = a[1] - b[1], z = a[2] - b[2];
    VecSet(r, x, y, z);
}

void VecCopy4(const Vec4& src, Vec4& dst)
{
    dst = src;
}

void VecCross(const Vec4& a, const Vec4& b, Vec4& r)
{
    const Vec4 t{a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2],
                 a[0] * b[1] - a[1] * b[0], 0.0f};
    r = t;
}

float VecLength(const Vec4& v)
{
    return static_cast<float>(
        std::sqrt(double(v[0]) * v[0] + double(v[1]) * v[1] + double(v[2]) * v[2]));
}

void VecScale(Vec4& v, float s)
{
    v[0] *= s;
    v[1] *= s;
    v[2] *= s;
}

void VecNormalize(Vec4& v)
{
    // A zero vector has no direction; scaling by 1/0 would fill the view
    // rotation with NaN for good, so it is left alone.
    const float len = VecLength(v);
    if (len == 0.0f)
        return;
    VecScale(v, 1.0f / len);
}

float VecDot(const Vec4& a, const Vec4& b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

void VecAdd(const Vec4& a, const Vec4& b, Vec4& r)
{
    const float x = a[0] + b[0], y = a[1] + b[1], z = a[2] + b[2];
    VecSet(r, x, y, z);
}

void AxisToQuat(Vec4& axis, float phi, Vec4& q)
{
    VecNormalize(axis);
    VecCopy4(axis, q);
    VecScale(q, static_cast<float>(std::sin(phi / 2.0)));
    q[3] = static_cast<float>(std::cos(phi / 2.0));
}

float ProjectToSphere(float r, float x, float y)
{
    const float d = static_cast<float>(std::sqrt(double(x) * x + double(y) * y));
    const float inner = r * 7071.0f / 10000.0f;
    if (d < inner)
        return static_cast<float>(std::sqrt(double(r) * r - double(d) * d));
    const float t = static_cast<float>(r / 1.414);
    return t * t / d;
}

void Trackball(Vec4& q, float p1x, float p1y, float p2x, float p2y)
{
    if (p1x == p2x && p1y == p2y) {
        q = {0.0f, 0.0f, 0.0f, 1.0f};
        return;
    }
    constexpr float radius = 0.5f;
    Vec4 p1{}, p2{}, axis{};
    VecSet(p1, p1x, p1y, ProjectToSphere(radius, p1x, p1y));
    VecSet(p2, p2x, p2y, ProjectToSphere(radius, p2x, p2y));

    switch (g_TrackballAxisMode) {
    case TrackballAxisFree:
        VecCross(p2, p1, axis);
        break;
    case TrackballAxisZ:
        VecSet(axis, 0.0f, 0.0f, p1x < p2x ? 1.0f : -1.0f);
        break;
    case TrackballAxisX:
        VecSet(axis, p1y < p2y ? 1.0f : -1.0f, 0.0f, 0.0f);
        break;
    case TrackballAxisY:
        VecSet(axis, 0.0f, p1x > p2x ? 1.0f : -1.0f, 0.0f);
        break;
    default:
        // No rotate command chosen: a drag has no axis and turns nothing.
        q = {0.0f, 0.0f, 0.0f, 1.0f};
        return;
    }

    Vec4 d{};
    VecSub(p1, p2, d);
    float t = VecLength(d) / (2.0f * radius);
    if (t > 1.0f)
        t = 1.0f;
    if (t < -1.0f)
        t = -1.0f;
    const float phi = static_cast<float>(2.0 * ArcSinValue(t));
    AxisToQuat(axis, phi, q);
}

void AddQuats(const Vec4& q1, const Vec4& q2, Vec4& dest)
{
    Vec4 t1 = q1, t2 = q2, t3{}, tf{};
    VecScale(t1, q2[3]);
    VecScale(t2, q1[3]);
    VecCross(q2, q1, t3);
    VecAdd(t1, t2, tf);
    VecAdd(t3, tf, tf);
    tf[3] = q1[3] * q2[3] - VecDot(q1, q2);
    dest = tf;
    NormalizeQuat(dest);
}

void NormalizeQuat(Vec4& q)
{
    float m = static_cast<float>(std::sqrt(double(q[0]) * q[0] + double(q[1]) * q[1] +
                                           double(q[2]) * q[2] + double(q[3]) * q[3]));
    if (m == 0.0f)
        m = 1.0f;
    for (float& e : q)
        e /= m;
}

void BuildRotMatrix(Mat16& m, const Vec4& q)
{
    const float q0 = q[0], q1 = q[1], q2 = q[2], q3 = q[3];
    m[0] = 1.0f - 2.0f * (q1 * q1 + q2 * q2);
    m[1] = 2.0f * (q0 * q1 - q2 * q3);
    m[2] = 2.0f * (q2 * q0 + q1 * q3);
    m[3] = 0.0f;
    m[4] = 2.0f * (q0 * q1 + q2 * q3);
    m[5] = 1.0f - 2.0f * (q2 * q2 + q0 * q0);
    m[6] = 2.0f * (q1 * q2 - q0 * q3);
    m[7] = 0.0f;
    m[8] = 2.0f * (q2 * q0 - q1 * q3);
    m[9] = 2.0f * (q1 * q2 + q0 * q3);
    m[10] = 1.0f - 2.0f * (q1 * q1 + q0 * q0);
    m[11] = 0.0f;
    m[12] = m[13] = m[14] = 0.0f;
    m[15] = 1.0f;
}

} // namespace Module1
