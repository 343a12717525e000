// The graph record: the text form of one graph in documents and on the
// clipboard. The reader takes the tokens back in exactly this order, so
// every field is written here and nowhere else.
#include "model/Cls9.h"

#include "expr/Module1.h"
#include "expr/NumberText.h"
#include "model/Globals.h"
#include "model/SavedText.h"

#include <QStringList>
#include <cmath>

namespace {

class RecordWriter {
public:
    explicit RecordWriter(const QString& graphName) : m_name(graphName) {}

    void I(int32_t v) { m_tokens << QString::number(v); }
    void B(bool v) { m_tokens << (v ? QStringLiteral("1") : QStringLiteral("0")); }

    void F(float v)
    {
        if (!std::isfinite(v)) {
            Fail(QStringLiteral("图形“%1”含有无效的数值（无穷大或非数），无法保存。").arg(m_name));
            m_tokens << QString();
            return;
        }
        m_tokens << Module1::SanitizeExpressionText(NumberText(v));
    }

    void X(const QString& expression)
    {
        if (expression.contains(QLatin1Char(' ')))
            Fail(QStringLiteral("图形“%1”的表达式“%2”含有空格，无法保存。").arg(m_name, expression));
        m_tokens << expression;
    }

    void Q(const QString& text)
    {
        const QString problem = QuotedTextProblem(text);
        if (!problem.isEmpty())
            Fail(problem);
        m_tokens << QLatin1Char('@') + text + QLatin1Char('@');
    }

    // A list count and its elements 1..count (none for a count of 0 or less).
    void List(int32_t count, const PositionList& a)
    {
        I(count);
        if (!CountFits(count))
            return;
        for (int32_t i = 1; i <= count; ++i)
            F(a[i]);
    }

    void Pairs(int32_t count, const PositionList& x, const PositionList& y)
    {
        I(count);
        if (!CountFits(count))
            return;
        for (int32_t i = 1; i <= count; ++i) {
            F(x[i]);
            F(y[i]);
        }
    }

    bool Failed() const { return !m_error.isEmpty(); }
    const QString& Error() const { return m_error; }
    QString Text() const { return m_tokens.join(QLatin1Char(' ')); }

private:
    bool CountFits(int32_t count)
    {
        if (count <= PositionListUpper)
            return true;
        Fail(QStringLiteral("图形“%1”的位置个数 %2 超过 50，无法保存。").arg(m_name).arg(count));
        return false;
    }
    void Fail(const QString& why)
    {
        if (m_error.isEmpty())
            m_error = why; // keep the first reason
    }

    QString m_name;
    QString m_error;
    QStringList m_tokens;
};

} // namespace

std::optional<QString> Cls9::Save(QString* error) const
{
    RecordWriter w(NameS);

    // Definition and style.
    w.I(GraphType);
    w.I(ID);
    w.Q(NameS);
    w.I(CoordType);
    w.X(ExpressX);
    w.X(ExpressY);
    w.X(ExpressZ);
    w.I(StepU);
    w.I(StepV);
    w.F(MinU);
    w.F(MaxU);
    w.F(MinV);
    w.F(MaxV);
    w.I(FillStyle);
    w.I(FirstColor);
    w.I(SecondColor);
    w.I(LineColor);
    w.I(LineWidth);
    w.I(Material);
    w.I(Show);
    w.I(Smoothness);
    w.I(PointColor);
    w.F(PointSize);
    w.B(PointHollow);
    w.B(Animation);

    // Animation range with the program's frame settings at this moment.
    if (Animation) {
        w.F(MinT);
        w.F(MaxT);
        w.I(g_FrameCount);
        w.I(g_FramesPerSecond);
    }

    // Plane analysis.
    w.I(FunForm);
    w.B(Show2DCurve);
    w.B(ShowInverse);
    w.I(InvColor);
    w.I(InvWidth);
    w.B(ShowDev);
    w.I(DevColor);
    w.I(DevWidth);
    w.B(ShowInt);
    w.I(IntColor);
    w.F(IntFrom);
    w.F(IntTo);
    w.B(ShowMax);
    w.I(MaxColor);
    w.I(MaxSize);
    w.I(MaxSymbol);
    w.B(ShowMin);
    w.I(MinColor);
    w.I(MinSize);
    w.I(MinSymbol);
    w.B(ShowGuai);
    w.I(GuaiColor);
    w.I(GuaiSize);
    w.I(GuaiSymbol);
    w.B(ShowJO);
    w.I(JOColor);
    w.I(JOWidth);
    w.B(ShowRoot);
    w.I(RootColor);
    w.I(RootSize);
    w.I(RootSymbol);
    w.B(ShowCurv);
    w.I(CurvColor);
    w.I(CurvWidth);
    w.List(CurvNum, CurvX);

    // Arc length and tangent positions.
    w.B(ShowLen);
    w.F(LenFrom);
    w.F(LenTo);
    w.B(ShowQie);
    w.I(QieColor);
    w.I(QieWidth);
    w.List(QieNum, QieX);

    // Normal positions.
    w.B(ShowNml);
    w.I(NmlColor);
    w.I(NmlWidth);
    w.List(NmlNum, NmlX);

    // Steps, stems, intersection, surface.
    w.B(ShowStep);
    w.I(StepColor);
    w.I(StepWidth);
    w.B(ShowStem);
    w.I(StemHeadColor);
    w.I(StemHeadSize);
    w.I(StemHeadSymbol);
    w.I(StemBodyColor);
    w.I(StemBodyWidth);
    w.X(Exp2);
    w.I(Color2);
    w.I(Width2);
    w.B(ShowInter);
    w.I(InterColor);
    w.I(InterSize);
    w.I(InterSymbol);
    w.B(ShowArea);
    w.I(AreaColor);
    w.B(ShowSurface);
    w.B(ShowSurPX);
    w.B(ShowSurPY);
    w.B(ShowTangent);
    w.Pairs(TangentNum, TangentX, TangentY);

    // Surface normals.
    w.B(ShowNormal);
    w.Pairs(NormalNum, NormalX, NormalY);

    // Vectors, differential equation, limit, series, texture, contour.
    w.F(VecBeginX);
    w.F(VecBeginY);
    w.F(VecBeginZ);
    w.F(VecEndX);
    w.F(VecEndY);
    w.F(VecEndZ);
    w.B(ShowVecBegin);
    w.B(ShowVecEnd);
    w.I(VecColor);
    w.I(VecWidth);
    w.B(ShowVecPrj);
    w.B(ShowVecB);
    w.I(VecOperation);
    w.F(VecConstant);
    w.F(VecDX);
    w.F(VecDY);
    w.F(VecDZ);
    w.F(VecDX2);
    w.F(VecDY2);
    w.F(VecDZ2);
    w.B(ODEInitial);
    w.F(ODEInitX);
    w.F(ODEInitY);
    w.I(ODEColor);
    w.I(ODEWidth);
    w.F(LimitX0);
    w.I(LimitDir);
    w.B(LimitShowP);
    w.B(LimitShowL);
    w.I(SeriesN1);
    w.I(SeriesN2);
    w.I(SeriesColor);
    w.I(SeriesWidth);
    w.F(SeriesA0);
    w.B(ShowTex);
    w.I(TexMode);
    w.B(ShowTrans);
    w.F(TransAlpha);
    w.Q(TexName);
    w.B(ShowContour);
    w.B(ShowVector);
    w.B(ShowColormap);
    w.I(ContourLevel);

    // Figure parameters.
    w.I(GLineType);
    w.F(GPara1);
    w.F(GPara2);
    w.F(GPara3);
    w.F(GPara4);
    w.I(GLineColor);
    w.I(Glinewidth);
    w.B(GShowLinePoint);
    w.F(GLinePointX);
    w.F(GLinePointY);
    w.I(GLinePointType);
    w.I(GLinePointColor);
    w.I(GLinePointSize);
    w.B(GShowLineLine);
    w.I(GLineLineType);
    w.F(GPara5);
    w.F(GPara6);
    w.F(GPara7);
    w.F(GPara8);
    w.F(GPara9);
    w.F(GPara10);
    w.I(GLineLineColor);
    w.I(GLineLineWidth);
    w.B(GShowCircle);
    w.I(GCircleType);
    w.I(GCircleColor);
    w.I(GCircleWidth);
    w.B(GShowCircleTangent);
    w.I(GCircleTangType);
    w.F(GCircleTangPointX);
    w.F(GCircleTangPointY);
    w.F(GCircleTangK);
    w.I(GCircleTangColor);
    w.I(GCircleTangWidth);
    w.B(GShowCircleEqua);
    w.I(GCircleEquaType);
    w.I(GCircleEquaColor);
    w.I(GCircleEquaWidth);
    w.I(GEllipseType);
    w.I(GEllipseColor);
    w.I(GEllipseWidth);
    w.B(GEllipseCompute);
    w.I(GHyperType);
    w.I(GHyperColor);
    w.I(GHyperWidth);
    w.B(GHyperCompute);
    w.I(GParaType);
    w.I(GParaColor);
    w.I(GParaWidth);
    w.B(GParaCompute);
    w.I(EdgeNum);
    w.I(GeomColor);
    w.I(GeomWidth);

    if (w.Failed()) {
        if (error)
            *error = w.Error();
        return std::nullopt;
    }
    return w.Text();
}
