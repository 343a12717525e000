// Definite integrals, sector areas and arc lengths by the trapezoid rule with repeated halving.
#include "expr/NIModule.h"

#include "expr/Cls6.h"
#include "expr/ExprError.h"

#include <cmath>

namespace NIModule {

namespace {

float EvaluateCompiled(Cls6& c, const QString& buffer, float value, int32_t varMode)
{
    // The value is taken whatever the success flag says: an undefined point
    // counts as UndefinedSample.
    float result = 0.0f;
    if (varMode == VarModeX)
        c.DoEvaluate(buffer, false, result, 0, 0, value, 0, 0, 0, 0, 0, 0);
    else if (varMode == VarModeA)
        c.DoEvaluate(buffer, false, result, 0, 0, 0, 0, value, 0, 0, 0, 0);
    return result;
}

float Checked(float v)
{
    if (!std::isfinite(v))
        throw ExprError(Cls6::ErrOverflow, QStringLiteral("溢出"));
    return v;
}

} // namespace

float EvaluateExpressionAt(const QString& exprText, float value, int32_t varMode)
{
    Cls6 c;
    QString buffer;
    if (c.InfixToPostfix(exprText, buffer) != 0)
        return 0.0f;
    return EvaluateCompiled(c, buffer, value, varMode);
}

float IntegrateTrapezoid(float lower, float upper, float eps, const QString& exprText, int32_t varMode)
{
    // Compiled once for all the nodes, so a text that does not compile shows
    // its message once; each of its nodes would count 0 anyway.
    Cls6 c;
    QString buffer;
    if (c.InfixToPostfix(exprText, buffer) != 0)
        return 0.0f;
    auto f = [&](float at) { return EvaluateCompiled(c, buffer, at, varMode); };

    const float fa = f(lower);
    const float fb = f(upper);
    float h = upper - lower;
    int32_t n = 1;
    float T = Checked((fa + fb) * h / 2.0f);
    float d = eps + 1.0f; // at least one halving
    // The interval count is a 16-bit number: 15 halvings at most (16384
    // midpoints in the last). What is reached then is returned. Two coarse
    // estimates can agree by chance (sin(x)^2 over a whole period gives 0
    // twice), so the first five halvings are always made.
    constexpr int MinHalvings = 5;
    for (int step = 0; step < 15 && (d >= eps || step < MinHalvings); ++step) {
        float M = 0.0f;
        for (int32_t i = 0; i < n; ++i)
            M = Checked(M + f(static_cast<float>(lower + (i + 0.5) * static_cast<double>(h))));
        const float next = Checked((T + h * M) / 2.0f);
        d = std::fabs(T - next);
        n *= 2;
        h /= 2.0f;
        T = next;
    }
    return T;
}

} // namespace NIModule
