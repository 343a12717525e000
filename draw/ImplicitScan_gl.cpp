// Emits a planned implicit or inequality scan into the display list being
// compiled.
#include "draw/ImplicitScan.h"

#include "model/Cls9.h"

#include <GL/gl.h>


namespace {

// Scanned points are drawn unlit, round and blended; the state is given back
// so the next graph in the list is lit as usual.
class PointState2D {
public:
    PointState2D()
    {
        glDisable(GL_LIGHTING);
        glEnable(GL_POINT_SMOOTH);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glHint(GL_POINT_SMOOTH_HINT, GL_NICEST);
    }
    ~PointState2D()
    {
        glEnable(GL_LIGHTING);
        glDisable(GL_BLEND);
        glDisable(GL_POINT_SMOOTH);
    }
    PointState2D(const PointState2D&) = delete;
    PointState2D& operator=(const PointState2D&) = delete;
};

} // namespace

void DrawScan(const ScanPlan& plan)
{
    if (!plan.drawn)
        return;
    PointState2D state;
    // All points share one colour and size, so one GL_POINTS block draws
    // them: the same pixels as a block per point, with a far smaller list
    // (a scan can mark more than a million nodes).
    glPointSize(plan.pointSize);
    double r = 0, g = 0, b = 0;
    Cls9::ColorToRGB(plan.color, r, g, b);
    glColor3d(r, g, b);
    if (plan.xy.size() < 2)
        return;
    // One vertex array (z is 0): compiled into the list far faster than a
    // vertex call per point.
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(2, GL_FLOAT, 0, plan.xy.data());
    glDrawArrays(GL_POINTS, 0, static_cast<GLsizei>(plan.xy.size() / 2));
    glPopClientAttrib();
}
