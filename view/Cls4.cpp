// Cls4, the camera of the drawing area: the values, without OpenGL.
#include "view/Cls4.h"

#include <cmath>
#include <stdexcept>

namespace {

struct V3 {
    float x, y, z;
};

V3 Cross(const V3& a, const V3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

float Length(const V3& v)
{
    return static_cast<float>(std::sqrt(double(v.x) * v.x + double(v.y) * v.y + double(v.z) * v.z));
}

V3 Position(const Cls2& p)
{
    return {p.x, p.y, p.z};
}

// Unit vector from the eye to the reference point. Coinciding points have
// no direction; the zero vector keeps the arithmetic finite.
V3 ViewDirection(const Cls2& eye, const Cls2& ref)
{
    V3 d{ref.x - eye.x, ref.y - eye.y, ref.z - eye.z};
    const float len = Length(d);
    if (len == 0.0f)
        return {0.0f, 0.0f, 0.0f};
    return {d.x / len, d.y / len, d.z / len};
}

} // namespace

Cls4::Cls4()
    : m_eye(std::make_shared<Cls2>())
    , m_ref(std::make_shared<Cls2>())
{
    m_eye->z = 1000.0f;
}

float Cls4::VecUp(int32_t intIndex) const
{
    if (intIndex < 0 || intIndex > 2)
        throw std::out_of_range("VecUp index out of range");
    return m_up[static_cast<size_t>(intIndex)];
}

void Cls4::VecUp(int32_t intIndex, float value)
{
    if (intIndex < 0 || intIndex > 2)
        throw std::out_of_range("VecUp index out of range");
    m_up[static_cast<size_t>(intIndex)] = value;
}

void Cls4::EyePos(PointRef p)
{
    if (p)
        m_eye = std::move(p);
}

void Cls4::RefPos(PointRef p)
{
    if (p)
        m_ref = std::move(p);
}

void Cls4::GetViewRect(float& Wide, float& Height) const
{
    Wide = VolWidth;
    Height = VolHeight;
}

void Cls4::SetViewRect(float Wide, float Height)
{
    VolWidth = Wide;
    VolHeight = Height;
    VolWidth = Height * (ScreenWidth / ScreenHeight);
}

void Cls4::SetVecup(float dx, float dy, float dz)
{
    m_up = {dx, dy, dz};
}

void Cls4::SetRef(float x, float y, float z)
{
    m_ref->x = x;
    m_ref->y = y;
    m_ref->z = z;
}

void Cls4::SetEye(float x, float y, float z)
{
    m_eye->x = x;
    m_eye->y = y;
    m_eye->z = z;
}

void Cls4::SetScreen(int32_t& x, int32_t& y)
{
    m_viewportWidth = x;
    m_viewportHeight = y;
    if (y == 0)
        y = 1;
    ScreenWidth = static_cast<float>(x);
    ScreenHeight = static_cast<float>(y);
}

void Cls4::MoveView(float dx, float dy)
{
    const V3 d = ViewDirection(*m_eye, *m_ref);
    const V3 s = Cross(d, {m_up[0], m_up[1], m_up[2]});
    const V3 u = Cross(s, d);
    const V3 a{s.x * VolWidth * dx, s.y * VolWidth * dx, s.z * VolWidth * dx};
    const V3 b{u.x * VolHeight * dy, u.y * VolHeight * dy, u.z * VolHeight * dy};
    for (Cls2* p : {m_eye.get(), m_ref.get()}) {
        p->x = p->x - a.x - b.x;
        p->y = p->y - a.y - b.y;
        p->z = p->z - a.z - b.z;
    }
}

void Cls4::SetViewType(int32_t TypeView)
{
    if (TypeView < 1 || TypeView > 10)
        return;
    const V3 ref = Position(*m_ref);
    const V3 eye = Position(*m_eye);
    float r = Length({eye.x - ref.x, eye.y - ref.y, eye.z - ref.z});
    if (r == 0.0f)
        r = 50.0f;
    if (r > 30000.0f)
        r = 10000.0f;
    const float s = static_cast<float>(1.0 / std::sqrt(3.0));

    V3 offset{0.0f, 0.0f, 0.0f};
    V3 up{0.0f, 1.0f, 0.0f};
    switch (TypeView) {
    case 1: offset = {0.0f, 0.0f, r}; break;
    case 2: offset = {0.0f, 0.0f, -r}; break;
    case 3: offset = {0.0f, r, 0.0f}; up = {0.0f, 0.0f, 1.0f}; break;
    case 4: offset = {0.0f, -r, 0.0f}; up = {0.0f, 0.0f, 1.0f}; break;
    case 5: offset = {r, 0.0f, 0.0f}; break;
    case 6: offset = {-r, 0.0f, 0.0f}; break;
    case 7: offset = {-r * s, r * s, -r * s}; break;
    case 8: offset = {r * s, -r * s, r * s}; break;
    case 9: offset = {r * s, r * s, r * s}; break;
    case 10: offset = {-r * s, r * s, r * s}; break;
    }
    SetEye(ref.x + offset.x, ref.y + offset.y, ref.z + offset.z);
    if (TypeView >= 7)
        AlignUpVector();
    else
        SetVecup(up.x, up.y, up.z);
}

void Cls4::AlignUpVector()
{
    const V3 d = ViewDirection(*m_eye, *m_ref);
    const V3 s = Cross(d, {0.0f, 1.0f, 0.0f});
    const V3 up = Cross(s, d);
    SetVecup(up.x, up.y, up.z);
}

void Cls4::ZoomAll(float x0, float y0, float z0, float x1, float y1, float z1)
{
    float m = x1 - x0;
    if (y1 - y0 > m)
        m = y1 - y0;
    if (z1 - z0 > m)
        m = z1 - z0;
    SetViewRect(m, m);
    const V3 o{m_eye->x - m_ref->x, m_eye->y - m_ref->y, m_eye->z - m_ref->z};
    const V3 c{(x0 + x1) / 2.0f, (y0 + y1) / 2.0f, (z0 + z1) / 2.0f};
    SetRef(c.x, c.y, c.z);
    SetEye(c.x + o.x, c.y + o.y, c.z + o.z);
}

void Cls4::Zoom(float scal)
{
    if (scal > 0.0f) {
        VolWidth *= scal;
        VolHeight *= scal;
    }
}

void Cls4::Selection(int32_t, int32_t)
{
}

Cls4& Camera()
{
    static Cls4 instance;
    return instance;
}
