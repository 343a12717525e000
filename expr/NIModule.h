#pragma once
// Definite integrals of expression text by the trapezoid rule with repeated
// halving: areas, sector areas and arc lengths written to the result pane.
#include <QString>
#include <cstdint>

namespace NIModule {

// The integration variable: 1 binds it to x, 2 to a.
enum : int32_t { VarModeX = 1, VarModeA = 2 };

// Integral of exprText from lower to upper (lower > upper gives the negative),
// halving until two successive estimates differ by less than eps, at least 5
// and at most 15 times. A text that does not compile gives 0 after one syntax message.
// Throws ExprError when the integrand or a sum overflows.
float IntegrateTrapezoid(float lower, float upper, float eps, const QString& exprText, int32_t varMode);

// The integrand at one point, in radians, every other variable 0. Points
// outside its domain give UndefinedSample; a text that does not compile
// gives 0 (after the compiler's message); an unknown varMode gives 0.
float EvaluateExpressionAt(const QString& exprText, float value, int32_t varMode);

} // namespace NIModule
