// The text of a graph's entry in the graph list.
#include "model/ListLabel.h"

#include "expr/NumberText.h"
#include "model/Cls9.h"
#include "model/Globals.h"

namespace {

QString P(float value)
{
    return NumberText(value);
}

// Labels of the plane function graphs, still (type 0) or animated (type 9).
QString Function2DLabel(const Cls9& g, bool animated)
{
    const QString curve = animated ? QStringLiteral("二维曲线动画  ") : QStringLiteral("二维曲线  ");
    const bool polar = g.CoordType == CoordTypePolar;
    switch (g.FunForm) {
    case FunFormImplicit:
        return curve + g.ExpressZ + QStringLiteral("=0");
    case FunFormParametric:
        return curve + (polar ? QStringLiteral("a=") : QStringLiteral("x=")) + g.ExpressY +
               (polar ? QStringLiteral(", r=") : QStringLiteral(", y=")) + g.ExpressZ;
    case FunFormInequality:
        return (animated ? QStringLiteral("不等式动画  ") : QStringLiteral("不等式  ")) +
               g.ExpressZ + QStringLiteral("<=0");
    default:
        return curve + (polar ? QStringLiteral("r=") : QStringLiteral("y=")) + g.ExpressZ;
    }
}

// 2.5D graphs share one prefix; the still parametric Cartesian label has no
// blank after its comma.
QString Function25DLabel(const Cls9& g, bool animated)
{
    const QString prefix = QStringLiteral("二维半动画  ");
    const bool polar = g.CoordType == CoordTypePolar;
    if (g.FunForm == FunFormParametric) {
        if (polar)
            return prefix + QStringLiteral("a=") + g.ExpressY + QStringLiteral(", r=") + g.ExpressZ;
        return prefix + QStringLiteral("x=") + g.ExpressY +
               (animated ? QStringLiteral(", y=") : QStringLiteral(",y=")) + g.ExpressZ;
    }
    return prefix + (polar ? QStringLiteral("r=") : QStringLiteral("y=")) + g.ExpressZ;
}

QString PointLabel(const Cls9& g, int32_t documentKind, bool animated)
{
    const QString word = animated ? QStringLiteral("点动画   ") : QStringLiteral("点  ");
    if (documentKind == DocumentKind3D) {
        switch (g.CoordType) {
        case CoordTypeCylindrical:
            return word + QStringLiteral("a=") + g.ExpressX + QStringLiteral(", r=") + g.ExpressY +
                   QStringLiteral(", z=") + g.ExpressZ;
        case CoordTypeSpherical:
            return word + QStringLiteral("a=") + g.ExpressX + QStringLiteral(", b=") + g.ExpressY +
                   QStringLiteral(", r=") + g.ExpressZ;
        default:
            return word + QStringLiteral("x=") + g.ExpressX + QStringLiteral(", y=") + g.ExpressY +
                   QStringLiteral(", z=") + g.ExpressZ;
        }
    }
    if (g.CoordType == CoordTypePolar)
        return word + QStringLiteral("a=") + g.ExpressY + QStringLiteral(", r=") + g.ExpressZ;
    return word + QStringLiteral("x=") + g.ExpressY + QStringLiteral(", y=") + g.ExpressZ;
}

QString LineLabel(const Cls9& g)
{
    const QString w = QStringLiteral("直线  ");
    switch (g.GLineType) {
    case 1:
        return w + P(g.GPara1) + "x+" + P(g.GPara2) + "y+" + P(g.GPara3) + "=0";
    case 2:
        return w + "y-" + P(g.GPara2) + "=" + P(g.GPara3) + "(x-" + P(g.GPara1) + ")";
    case 3:
        return w + "y=" + P(g.GPara2) + "x+" + P(g.GPara1);
    case 4:
        return w + "(y-" + P(g.GPara2) + ")/(" + P(g.GPara4) + "-" + P(g.GPara2) + ")=(x-" +
               P(g.GPara1) + ")/(" + P(g.GPara3) + "-" + P(g.GPara1) + ")";
    default:
        return QStringLiteral("直线");
    }
}

QString CircleLabel(const Cls9& g)
{
    const QString w = QStringLiteral("圆  ");
    switch (g.GCircleType) {
    case 1:
        return w + "(x-" + P(g.GPara1) + ")^2+(y-" + P(g.GPara2) + ")^2=" + P(g.GPara3) + "^2";
    case 2:
        return w + "x^2+y^2+" + P(g.GPara1) + "x+" + P(g.GPara2) + "y+" + P(g.GPara3) + "=0";
    case 3:
        return w + "x=" + P(g.GPara3) + "sin(u)+" + P(g.GPara1) + ", y=" + P(g.GPara3) +
               "cos(u)+" + P(g.GPara2);
    default:
        return QStringLiteral("圆");
    }
}

QString EllipseLabel(const Cls9& g)
{
    const QString w = QStringLiteral("椭圆  ");
    switch (g.GEllipseType) {
    case 1:
        return w + "(x-" + P(g.GPara3) + ")^2/" + P(g.GPara1) + "^2+(y-" + P(g.GPara4) + ")^2/" +
               P(g.GPara2) + "^2=1";
    case 2:
        return w + "x=" + P(g.GPara1) + "sin(u)+" + P(g.GPara3) + ", y=" + P(g.GPara2) +
               "cos(u)+" + P(g.GPara4);
    default:
        return QStringLiteral("椭圆");
    }
}

QString HyperbolaLabel(const Cls9& g)
{
    const QString w = QStringLiteral("双曲线  ");
    switch (g.GHyperType) {
    case 1:
        return w + "(x-" + P(g.GPara3) + ")^2/" + P(g.GPara1) + "^2-(y-" + P(g.GPara4) + ")^2/" +
               P(g.GPara2) + "^2=1";
    case 2:
        return w + "-(x-" + P(g.GPara3) + ")^2/" + P(g.GPara1) + "^2+(y-" + P(g.GPara4) + ")^2/" +
               P(g.GPara2) + "^2=1";
    default:
        return QStringLiteral("双曲线");
    }
}

QString ParabolaLabel(const Cls9& g)
{
    const QString w = QStringLiteral("抛物线  ");
    switch (g.GParaType) {
    case 1:
        return w + "(y-" + P(g.GPara2) + ")^2=2*" + P(g.GPara3) + "*(x-" + P(g.GPara1) + ")";
    case 2:
        return w + "(x-" + P(g.GPara1) + ")^2=2*" + P(g.GPara3) + "*(y-" + P(g.GPara2) + ")";
    default:
        return QStringLiteral("抛物线");
    }
}

} // namespace

QString GraphListLabel(const Cls9& g, int32_t documentKind)
{
    switch (g.GraphType) {
    case GraphType2DFunction:
        return Function2DLabel(g, false);
    case GraphType2DFunctionAnimation:
        return Function2DLabel(g, true);
    case GraphType25DFunction:
        return Function25DLabel(g, false);
    case GraphType25DFunctionAnimation:
        return Function25DLabel(g, true);
    case GraphTypePoint:
        return PointLabel(g, documentKind, false);
    case GraphTypePointAnimation:
        return PointLabel(g, documentKind, true);
    case GraphTypeCurveIntersection:
        return QStringLiteral("相交关系  y=") + g.ExpressZ + QStringLiteral(", y=") + g.Exp2;
    case GraphTypeLimit:
        return QStringLiteral("极限  y=") + g.ExpressZ;
    case GraphTypeLine:
        return LineLabel(g);
    case GraphTypeCircle:
        return CircleLabel(g);
    case GraphTypeEllipse:
        return EllipseLabel(g);
    case GraphTypeHyperbola:
        return HyperbolaLabel(g);
    case GraphTypeParabola:
        return ParabolaLabel(g);
    case GraphTypePlaneVector:
        return QStringLiteral("平面向量");
    case GraphTypeVectorOperation:
        return QStringLiteral("平面向量运算");
    case GraphTypeSpaceLine:
        return QStringLiteral("空间直线");
    case GraphTypePrism:
        return QStringLiteral("棱柱");
    case GraphTypePyramid:
        return QStringLiteral("棱锥");
    case GraphTypePyramidFrustum:
        return QStringLiteral("棱台");
    case GraphTypeCylinder:
        return QStringLiteral("圆柱");
    case GraphTypeCone:
        return QStringLiteral("圆锥");
    case GraphTypeConeFrustum:
        return QStringLiteral("圆台");
    case GraphTypeSphere:
        return QStringLiteral("球");
    case GraphTypeArithmeticSequence:
        return QStringLiteral("等差数列");
    case GraphTypeGeometricSequence:
        return QStringLiteral("等比数列");
    default:
        return g.NameS;
    }
}
