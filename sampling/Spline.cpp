// Smooth curve through plane points: a cubic spline over the chord length.
#include "sampling/Spline.h"

#include "platform/MessageBox.h"

#include <array>
#include <cmath>
#include <stdexcept>

namespace Module1 {

double Hypot(float a, float b)
{
    const double da = a;
    const double db = b;
    return std::sqrt(da * da + db * db);
}

namespace {

using Table = std::array<float, SplineMaxSegments + 1>;

// Slopes m(0..n) of one coordinate over the chord-length parameter, from the
// tridiagonal system with the end rows of endType. a, b, c are the matrix
// (shared by x and y, so passed by value and eliminated here).
void SolveSlopes(int n, int endType, float d0, float dn, const Table& p, const Table& h,
                 Table a, Table b, Table c, Table& m)
{
    Table r{};
    switch (endType) {
    case SplineEndParabolaSlope: {
        const float d1 = (p[1] - p[0]) / h[1];
        const float d2 = (p[2] - p[1]) / h[2];
        const float c0 = (d2 - d1) / (h[1] + h[2]);
        const float dN = (p[n] - p[n - 1]) / h[n];
        const float dN1 = (p[n - 1] - p[n - 2]) / h[n - 1];
        const float cN = (dN - dN1) / (h[n - 1] + h[n]);
        r[0] = d1 - h[1] * c0;
        r[n] = dN + h[n] * cN;
        break;
    }
    case SplineEndGivenSlope:
        r[0] = d0;
        r[n] = dn;
        break;
    case SplineEndNatural:
        r[0] = 3.0f * (p[1] - p[0]) / h[1];
        r[n] = 3.0f * (p[n] - p[n - 1]) / h[n];
        break;
    default: { // SplineEndParabolaCurvature
        const float d1 = (p[1] - p[0]) / h[1];
        const float dN = (p[n] - p[n - 1]) / h[n];
        const float t0 = ((p[2] - p[1]) * h[1] / h[2] - p[1] + p[0]) / (h[2] + h[1]);
        const float tN = ((p[n] - p[n - 1]) - (p[n - 1] - p[n - 2]) * h[n] / h[n - 1])
                         / (h[n - 1] + h[n]);
        r[0] = 3.0f * d1 - t0;
        r[n] = 3.0f * dN + tN;
        break;
    }
    }
    for (int i = 1; i < n; ++i) {
        r[i] = 3.0f * ((p[i] - p[i - 1]) * h[i + 1] / h[i] + (p[i + 1] - p[i]) * h[i] / h[i + 1]);
    }

    // Forward elimination and back substitution.
    c[0] = c[0] / b[0];
    for (int i = 1; i < n; ++i) {
        b[i] = b[i] - a[i] * c[i - 1];
        c[i] = c[i] / b[i];
    }
    b[n] = b[n] - a[n] * c[n - 1];
    Table rr{};
    rr[0] = r[0] / b[0];
    for (int i = 1; i <= n; ++i)
        rr[i] = (r[i] - rr[i - 1] * a[i]) / b[i];
    m[n] = rr[n];
    for (int i = n - 1; i >= 0; --i)
        m[i] = rr[i] - m[i + 1] * c[i];
}

} // namespace

void ParametricSplineCurve(int16_t n, int16_t endType, float dx0, float dxn, float dy0,
                           float dyn, const std::vector<float>& x, const std::vector<float>& y,
                           std::vector<float>& outX, std::vector<float>& outY, int32_t& count)
{
    count = 0;
    if (n > SplineMaxSegments)
        throw std::out_of_range("ParametricSplineCurve: more than 100 segments");
    if (n < 0)
        return;
    if (x.size() < static_cast<size_t>(n) + 1 || y.size() < static_cast<size_t>(n) + 1)
        throw std::out_of_range("ParametricSplineCurve: points missing");
    if (outX.size() < SplineMaxSamples + 1)
        outX.resize(SplineMaxSamples + 1);
    if (outY.size() < SplineMaxSamples + 1)
        outY.resize(SplineMaxSamples + 1);

    // Chord lengths, passing over points that repeat the one before: a zero
    // chord would divide by zero and adds nothing to the curve.
    Table px{}, py{}, h{};
    px[0] = x[0];
    py[0] = y[0];
    int k = 0;
    for (int j = 1; j <= n; ++j) {
        const float dx = x[j] - px[k];
        const float dy = y[j] - py[k];
        const float len = static_cast<float>(Hypot(dx, dy));
        if (!(len > 0.0f))
            continue;
        ++k;
        px[k] = x[j];
        py[k] = y[j];
        h[k] = len;
    }
    if (k == 0) {
        outX[0] = px[0];
        outY[0] = py[0];
        count = 1;
        return;
    }
    int end = endType;
    if (end < SplineEndParabolaSlope || end > SplineEndParabolaCurvature)
        end = SplineEndNatural;
    if (k < 2 && (end == SplineEndParabolaSlope || end == SplineEndParabolaCurvature))
        end = SplineEndNatural;

    Table a{}, b{}, c{};
    if (end == SplineEndParabolaSlope || end == SplineEndGivenSlope) {
        b[0] = 1;
        c[0] = 0;
        b[k] = 1;
        a[k] = 0;
    } else {
        b[0] = 2;
        c[0] = 1;
        b[k] = 2;
        a[k] = 1;
    }
    for (int i = 1; i < k; ++i) {
        b[i] = 2.0f * (h[i + 1] + h[i]);
        a[i] = h[i + 1];
        c[i] = h[i];
    }
    Table mx{}, my{};
    SolveSlopes(k, end, dx0, dxn, px, h, a, b, c, mx);
    SolveSlopes(k, end, dy0, dyn, py, h, a, b, c, my);

    for (int j = 0; j < k; ++j) {
        const float hj = h[j + 1];
        const float q2x = (3.0f * (px[j + 1] - px[j]) / hj - 2.0f * mx[j] - mx[j + 1]) / hj;
        const float q3x = (2.0f * (px[j] - px[j + 1]) / hj + mx[j] + mx[j + 1]) / hj / hj;
        const float q2y = (3.0f * (py[j + 1] - py[j]) / hj - 2.0f * my[j] - my[j + 1]) / hj;
        const float q3y = (2.0f * (py[j] - py[j + 1]) / hj + my[j] + my[j + 1]) / hj / hj;
        float t = 0.0f;
        while (t <= hj) {
            if (count >= SplineMaxSamples) {
                ShowMessage(QStringLiteral("平滑曲线时插值点数超过2000个，无法正常绘曲线。"),
                            QStringLiteral("注意"), MsgIcon::Critical, MsgButtons::Ok);
                return;
            }
            outX[count] = ((t * q3x + q2x) * t + mx[j]) * t + px[j];
            outY[count] = ((t * q3y + q2y) * t + my[j]) * t + py[j];
            ++count;
            t = static_cast<float>(static_cast<double>(t) + 0.2);
        }
        outX[count] = px[j + 1];
        outY[count] = py[j + 1];
        ++count;
    }
}

} // namespace Module1
