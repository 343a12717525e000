#pragma once
// Plane vectors (GraphTypePlaneVector) and vector operations
// (GraphTypeVectorOperation): the result-pane text and the arrows, worked out
// from the graph's parameters before any OpenGL call (PlaneVectors.cpp), and
// their emission (PlaneVectors_gl.cpp).
#include <QString>
#include <vector>

class Cls9;

// One drawing step in GL units (already divided by the scene scale), in a
// fixed colour given as red, green and blue fractions.
struct VectorPrim {
    enum class Kind {
        Segment,  // a GL_LINES segment from (x1, y1) to (x2, y2)
        Triangle, // a filled arrow head (x1, y1), (x2, y2), (x3, y3)
        Dot,      // a zero vector: one point at (x1, y1)
    };
    Kind kind = Kind::Segment;
    float r = 0.0f, g = 0.0f, b = 0.0f;
    float x1 = 0.0f, y1 = 0.0f, x2 = 0.0f, y2 = 0.0f, x3 = 0.0f, y3 = 0.0f;
};

struct PlaneVectorPlan {
    // The whole text of the result pane. The lines end with g_CrLf, except
    // that an unknown operation leaves "平面向量运算--" without one.
    QString text;
    std::vector<VectorPrim> prims; // in drawing order
};

// The text of the angle between u and v in degrees, worked out with π
// itself: a right angle reads "90", anti-parallel vectors "180"; when a
// vector is zero the angle does not exist and a sound text says so.
QString VectorAngleText(float ux, float uy, float vx, float vy);

// Plans a plane vector or a vector operation at scene scale `scale`. Reads
// the graph only. An arrow of length zero is a dot (no head of an undefined
// direction); a vector with a coordinate that is not finite (an overflowing
// sum or product) is not drawn and its text reads "溢出".
PlaneVectorPlan PlanPlaneVector(const Cls9& g, float scale);

// Unlit and antialiased at line width 1, then lighting on and smoothing and
// blending off; writes the pane. Needs a current OpenGL context.
void DrawPlaneVectorPlan(const PlaneVectorPlan& plan);
