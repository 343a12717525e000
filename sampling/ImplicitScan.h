#pragma once
// Implicit (f(x, y) = 0) and inequality (f(x, y) <= 0) graphs have no
// samples: they are found by evaluating f on a regular grid over the
// graph's parameter rectangle and marking every node that satisfies the
// form. Cartesian graphs scan x and y; polar graphs scan the angle a and the
// radius r and mark (r cos a, r sin a). Everything is worked out here,
// before any OpenGL call; draw/ImplicitScan_gl.cpp emits the result.
#include <QString>
#include <cstdint>
#include <vector>

class Cls6;
class Cls9;

// Nodes per unit of the scan variables.
inline constexpr int32_t ImplicitScanDensity = 40;
inline constexpr int32_t InequalityScanDensity = 30;

// An implicit node is drawn when |f| is strictly below this.
inline constexpr float ImplicitScanTolerance = 0.025f;

// At most this many nodes are evaluated in one scan (the default range of
// -20 to 20 needs about 2.6 million). A larger rectangle is scanned on every
// 2nd, 4th, ... node in both directions, so a huge range still ends in
// reasonable time and memory instead of hanging the program.
inline constexpr int64_t MaxScanNodes = int64_t(1) << 24;

struct ScanPlan {
    bool drawn = false;       // false: f did not compile; nothing is drawn
    bool polar = false;
    float pointSize = 2.0f;   // 2 implicit, 3 inequality
    int32_t color = 0;        // LineColor, 0x00BBGGRR
    int64_t stride = 1;       // 1 unless the node bound coarsened the grid
    int64_t nodes = 0;        // nodes evaluated
    std::vector<float> xy;    // marked points, x y pairs, divided by the scene scale
};

// The scan's node count along one variable: counters run from lo*D by 1
// while they stay <= hi*D. 0 when the range is inverted or not finite; a
// scan with no nodes along either variable evaluates nothing.
int64_t ScanNodeCount(float lo, float hi, int32_t density);

// The stride that keeps nu x nv nodes within MaxScanNodes (a power of 2).
int64_t ScanStride(int64_t nu, int64_t nv);

// Scans an implicit or inequality 2D function graph (FunForm 1 or 4).
// `txtZ` is ExpressZ prepared for the compiler, `evaluator` the drawing
// call's evaluator; f is compiled once and evaluated at every node.
// `scale` is the scene scale (g_SceneScale).
// Side effects: the graph's own extents are reset to 1000 / -1000; a polar
// scan grows them by every marked point, widens them to contain 0 and
// stores them in g_PolarScanBox (z bounds 0). A compile error (message from
// the compiler) returns a plan with `drawn` false and changes nothing.
// A node whose value is undefined, or whose evaluation fails or overflows,
// is not marked. Throws std::domain_error for a scale that is not a
// positive finite number.
// The rows of a large scan are split over `threads` threads (0: all cores),
// each with its own copy of the evaluator; the plan is the same, point for
// point, as on one thread. Buffers that draw random numbers, and scans made
// while evaluation errors are reported in messages, run on one thread.
ScanPlan PlanScan(Cls9& g, int32_t lngAnimStep, float scale, Cls6& evaluator,
                  const QString& txtZ, int threads = 0);

// Fits g_PolarScanBox to a polar implicit or inequality graph (GraphType 0
// or 9) without drawing: the same nodes and test as PlanScan, at the step's
// t. Cls9::GetBox calls it, so the scene is fitted to a polar scan already
// when it is drawn for the first time, and to the graph being boxed rather
// than whichever polar graph was drawn last. Does nothing for other graphs;
// f that does not compile leaves the box as it is, without a message (the
// drawing shows it).
void FitPolarScanBox(Cls9& g, int32_t lngAnimStep);
