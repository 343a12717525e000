#pragma once
// Tangents, normals, inflection points and circles of curvature of a 2D
// function graph (explicit or parametric, Cartesian or polar).
#include "draw/OverlayPlan.h"

#include <QString>

class Cls9;

// The curve's coordinate texts and their derivatives by the graph's own
// variable, ready for the compiler (implicit products already inserted).
// y and z are ExpressY and ExpressZ: x and y of a Cartesian graph, the angle
// and the radius of a polar one.
struct CurveDerivativeTexts {
    QString y, z;
    QString dY, dZ;
    QString d2Y, d2Z; // empty until FormSecondDerivatives
};

// Forms dY and dZ. False (after the differentiator's message) when one of
// the texts cannot be differentiated.
bool FormFirstDerivatives(const QString& txtY, const QString& txtZ, CurveDerivativeTexts& out);
// Forms d2Y and d2Z from the first derivatives; false as above.
bool FormSecondDerivatives(CurveDerivativeTexts& texts);

// Tangent and normal segments with their position and slope lines
// (ShowQie, ShowNml). `scale` is g_SceneScale.
OverlayPlan PlanTangentsNormals(const Cls9& g, const CurveDerivativeTexts& texts, float scale);

// Inflection markers and lines, then the curvature block (ShowGuai,
// ShowCurv). Needs the second derivatives; forms them when they are
// missing and draws nothing when they cannot be formed or compiled. Reads
// the second-derivative row VertDev2 of an explicit Cartesian graph and
// throws std::out_of_range when it is missing.
OverlayPlan PlanInflectionCurvature(const Cls9& g, CurveDerivativeTexts& texts, float scale);

// Appends the tangents, normals, inflection points and curvature of a 2D
// function graph to its planned curve, after everything already there.
// txtY and txtZ are ExpressY and ExpressZ ready for the compiler.
void AppendTangentCurvature(const Cls9& g, const QString& txtY, const QString& txtZ, float scale,
                            Curve2DPlan& plan);
