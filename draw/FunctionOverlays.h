#pragma once
// Analysis overlays of an explicit or parametric 2D function that work on
// its own samples and texts: the integral shading and value, the steps and
// stems of a step-and-stem graph, the parity curve, and the derivative
// curve with the extremes and the arc length. Planned like the curve
// itself, before any OpenGL call, so a fault leaves no half primitive.
#include "draw/Curve2D.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

class Cls9;

// A filled piece of the integral shading, corners already divided by the
// scene scale.
struct ShadePiece {
    enum class Kind { Quad, Triangle };
    Kind kind = Kind::Quad;
    int32_t color = 0; // 0x00BBGGRR
    float v[4][3] = {};
};

// The variable an overlay binds the point to when it evaluates a text.
enum class OverlayVariable { X, A, U };

// The variable of the graph's own form: x for y = f(x), a for r = f(a), u
// for the parametric forms.
OverlayVariable VariableOf(const Cls9& g);

// Definite integral of text from lower to upper by the trapezoid rule with
// repeated halving (tolerance 0.001, at most 15 halvings). The estimate is
// trusted only after the interval is cut into 32 pieces: a coarser estimate
// can agree with itself by chance (sin(x)^2 over a whole period gives 0 at
// the first two levels). Points where the text has no value add nothing.
// Nothing when the text does not compile (after the compiler's message) or
// the sum overflows.
std::optional<float> IntegrateOverlay(float lower, float upper, const QString& text,
                                      OverlayVariable variable);

struct IntegralPlan {
    bool endsGraph = false;           // f does not compile: the graph ends here
    std::vector<ShadePiece> shading;  // drawn under the curve
    QStringList lines;                // bounds, value, empty line
};

// The integral overlay (ShowInt). txtZ is ExpressZ with implicit products
// inserted; scale is g_SceneScale.
IntegralPlan PlanIntegral(const Cls9& g, const QString& txtZ, float scale);

// The step of one segment p1-p2 of a step-and-stem graph (ShowStep): up or
// down at the left sample, level at the height of the right one.
void AppendStep(const Cls9& g, const Cls2& p1, const Cls2& p2, float scale,
                std::vector<DrawOp>& ops);

// The stems with their heads (step-and-stem graphs, ShowStem), then the
// parity curve (ShowJO) where sampling made the parity row. Throws
// std::out_of_range when the graph's own samples are missing.
void AppendStemsAndParity(const Cls9& g, float scale, std::vector<DrawOp>& ops);

// True when an option that needs the first derivative is on.
bool NeedsDerivative(const Cls9& g);

struct DerivativePlan {
    bool endsGraph = false; // a derivative text was refused: nothing further is drawn
    std::vector<DrawOp> ops;
    QStringList lines;      // extremes (then an empty line), arc length (then an empty line)
};

// The derivative curve (ShowDev), the extremes (ShowMax, ShowMin) and the
// arc length (ShowLen). The curve and the extremes of y = f(x) read the
// derivative row VertDev where sampling made one; without it there is no
// curve and the extremes come from the derivative text.
DerivativePlan PlanDerivative(const Cls9& g, const QString& txtX, const QString& txtY,
                              const QString& txtZ, float scale);

// The integral overlay in its place in a planned curve: its lines right
// after the header (call it after anything else that inserts there), its
// shading into `shading`. False when the graph's drawing ends here (f does
// not compile); plan then holds the header only.
bool AddIntegral(const Cls9& g, const QString& txtZ, float scale, Curve2DPlan& plan,
                 std::vector<ShadePiece>& shading);

// The stems, the parity curve and the derivative overlays appended to a
// planned curve after its segment pass. False when the graph's drawing ends
// here (a derivative text refused): the overlays after it are not planned.
bool AddAfterPassOverlays(const Cls9& g, const QString& txtX, const QString& txtY,
                          const QString& txtZ, float scale, Curve2DPlan& plan);

// Emits shading pieces (one primitive each, colour set inside). Needs a
// current OpenGL context; defined in FunctionOverlays_gl.cpp.
void DrawShading(const std::vector<ShadePiece>& shading);
