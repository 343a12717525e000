#pragma once
// The camera of the drawing area: eye point, reference point, up vector, view
// volume and projection type, in OpenGL coordinates of the drawn scene. The
// camera never rotates the scene; the rotation lives in the display lists.
//
// Everything but Projection is plain arithmetic (Cls4.cpp, no display);
// Projection loads the matrices into the current context (Cls4_gl.cpp).
#include "model/Cls2.h"

#include <array>
#include <cstdint>

enum ProjectionType : int32_t {
    ProjectionOrthographic = 1,
    ProjectionPerspective = 2,
};

class Cls4 {
public:
    Cls4();

    int32_t ProjectType = ProjectionOrthographic; // other values load no projection
    float ScreenWidth = 200.0f;  // drawing area in device pixels, as last given to SetScreen
    float ScreenHeight = 200.0f;
    float VolWidth = 40.0f;      // view volume (its section at the near plane in perspective)
    float VolHeight = 40.0f;
    float VolNear = 0.001f;
    float VolFar = 2000.0f;
    // Nearest the perspective near plane comes to the eye.
    static constexpr float MinPerspectiveNear = 1.0f;
    // Sides of the view volume, recomputed from VolWidth and VolHeight by
    // every Projection.
    float Volleft = 0.0f;
    float VolRight = 0.0f;
    float VolTop = 0.0f;
    float VolBottom = 0.0f;

    // One component of the up vector; an index outside 0..2 throws
    // std::out_of_range and changes nothing.
    float VecUp(int32_t intIndex) const;
    void VecUp(int32_t intIndex, float value);

    // The eye and reference points are shared objects: replacing one makes
    // the camera move the caller's point from then on.
    const PointRef& EyePos() const { return m_eye; }
    const PointRef& RefPos() const { return m_ref; }
    void EyePos(PointRef p);
    void RefPos(PointRef p);

    void GetViewRect(float& Wide, float& Height) const;
    // Sets the view volume; its width follows the screen's aspect, so only
    // Height counts.
    void SetViewRect(float Wide, float Height);
    void SetVecup(float dx, float dy, float dz);
    void SetRef(float x, float y, float z);
    void SetEye(float x, float y, float z);
    // Viewport (0, 0, x, y) and screen size. A height of 0 keeps the viewport
    // height 0 but is stored (and written back to y) as 1, so the aspect
    // never divides by zero. The viewport reaches OpenGL at the next
    // Projection, when the drawing area's context is current.
    void SetScreen(int32_t& x, int32_t& y);
    // Pans eye and reference point by fractions of the view volume; a
    // positive dx moves the scene to the right on the screen.
    void MoveView(float dx, float dy);
    // Puts the eye on one of ten standard directions (1..10) around the
    // reference point; other values change nothing.
    void SetViewType(int32_t TypeView);
    // Fits the view volume to a box and centres the reference point on it,
    // keeping the viewing direction and distance.
    void ZoomAll(float x0, float y0, float z0, float x1, float y1, float z1);
    // Scales the view volume (above 1 shows more); scal <= 0 does nothing.
    void Zoom(float scal);
    void Selection(int32_t x, int32_t y);

    // Loads the projection matrix and leaves the modelview matrix holding the
    // view transform. Needs a current context. A perspective projection asks
    // the shown scene for its box (which sets g_SceneScale).
    void Projection();

    int32_t ViewportWidth() const { return m_viewportWidth; }
    int32_t ViewportHeight() const { return m_viewportHeight; }

private:
    void AlignUpVector();

    std::array<float, 3> m_up{0.0f, 1.0f, 0.0f};
    PointRef m_eye;
    PointRef m_ref;
    int32_t m_viewportWidth = 200;
    int32_t m_viewportHeight = 200;
};

// The one camera of the program, created on first use.
Cls4& Camera();
#define g_Camera (Camera())
