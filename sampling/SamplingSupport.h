#pragma once
// Helpers shared by the sampling and bounding-box sources.
#include "model/Cls2.h"
#include "model/PointGrid.h"

#include <cstdint>
#include <initializer_list>

class Cls9;

// Variables bound for one evaluation; every variable not named is 0.
struct Binding {
    float u = 0.0f, v = 0.0f, x = 0.0f, y = 0.0f, a = 0.0f, r = 0.0f, b = 0.0f, t = 0.0f;
};

// Largest number of points one grid of a graph may hold (and the largest
// count along one index); larger definitions are refused rather than
// exhausting memory.
inline constexpr int64_t MaxGridPoints = 4'000'000;

// Makes the grid anew with these upper bounds, every slot a fresh point.
// When the grid already has this shape, the points nobody else holds are
// reset in place instead of being allocated again: the grid reads the same,
// and re-sampling a graph costs no allocation per point.
void RenewGrid(PointGrid& grid, std::initializer_list<int32_t> upperBounds);

// d = (max - min) / count as a 32-bit float; false when it does not fit.
bool Increment(float minValue, float maxValue, int32_t count, float& d);

// start + i * d, the product in double precision and the sum rounded to a
// 32-bit float; false when it does not fit.
bool StepValue(float start, int32_t i, float d, float& value);

// (r cos a, r sin a). An undefined radius, or an undefined angle when the
// angle came from an expression, gives an undefined point.
void PolarToPlane(float r, float a, bool angleFromExpression, float& x, float& y);

// Cylindrical (theta, rho) into the stored members x (rho sin theta) and
// z (rho cos theta); undefined when either is.
void CylindricalToStored(float theta, float rho, float& x, float& z);

// Spherical (phi, theta from the vertical, r) into the stored members:
// z = r sin theta cos phi, x = r sin theta sin phi, y = r cos theta.
void SphericalToStored(float phi, float theta, float r, float& x, float& y, float& z);

// Replaces each stored coordinate outside its interval of the plot range
// (bounds included) by UndefinedSample; the others keep their values.
void ClipToPlotRange(Cls2& p);

// Shows the message of the first figure check of the graph that fails (an
// impossible circle or tangent), if any. Called once per definition, when
// the graph is sampled; the box computations themselves stay silent.
void ReportFigureProblems(const Cls9& g);
