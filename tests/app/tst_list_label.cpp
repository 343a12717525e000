// Graph list labels: one builder for new, edited, opened and pasted graphs.
#include "model/Cls9.h"
#include "model/Globals.h"
#include "model/ListLabel.h"

#include <QtTest>

struct LabelCase {
    int32_t type;
    int32_t form;
    int32_t coord;
    int32_t kind;      // document kind
    int32_t figureForm; // GLineType, GCircleType ... as the type needs
    const char* label;
};

class TestListLabel : public QObject {
    Q_OBJECT
private slots:
    void labels_data();
    void labels();
};

void TestListLabel::labels_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("coord");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("figureForm");
    QTest::addColumn<QString>("label");
    // Expressions: X "x0", Y "y0", Z "z0", Exp2 "e2"; GPara1..4 = 2, -2, 0.5, 1E+07.
    const LabelCase cases[] = {
        {0, 1, 1, 1, 0, "二维曲线  z0=0"},
        {0, 2, 1, 1, 0, "二维曲线  y=z0"},
        {0, 2, 2, 1, 0, "二维曲线  r=z0"},
        {0, 3, 1, 1, 0, "二维曲线  x=y0, y=z0"},
        {0, 3, 2, 1, 0, "二维曲线  a=y0, r=z0"},
        {0, 4, 2, 1, 0, "不等式  z0<=0"},
        {9, 1, 1, 1, 0, "二维曲线动画  z0=0"},
        {9, 2, 2, 1, 0, "二维曲线动画  r=z0"},
        {9, 3, 1, 1, 0, "二维曲线动画  x=y0, y=z0"},
        {9, 4, 1, 1, 0, "不等式动画  z0<=0"},
        // Still 2.5D graphs carry the animation word; the still Cartesian
        // parametric one has no blank after its comma.
        {3, 2, 1, 2, 0, "二维半动画  y=z0"},
        {3, 3, 1, 2, 0, "二维半动画  x=y0,y=z0"},
        {3, 3, 2, 2, 0, "二维半动画  a=y0, r=z0"},
        {10, 3, 1, 2, 0, "二维半动画  x=y0, y=z0"},
        {10, 2, 2, 2, 0, "二维半动画  r=z0"},
        {7, 2, 2, 1, 0, "点  a=y0, r=z0"},
        {7, 2, 1, 2, 0, "点  x=y0, y=z0"},
        {7, 2, 4, 3, 0, "点  a=x0, r=y0, z=z0"},
        {7, 2, 5, 3, 0, "点  a=x0, b=y0, r=z0"},
        {7, 2, 3, 3, 0, "点  x=x0, y=y0, z=z0"},
        {8, 2, 1, 1, 0, "点动画   x=y0, y=z0"},
        {8, 2, 4, 3, 0, "点动画   a=x0, r=y0, z=z0"},
        {20, 2, 1, 1, 0, "相交关系  y=z0, y=e2"},
        {37, 2, 1, 1, 0, "极限  y=z0"},
        // A negative parameter keeps its sign right after "x+" / "y+".
        {41, 3, 1, 1, 1, "直线  2x+-2y+0.5=0"},
        {41, 3, 1, 1, 2, "直线  y--2=0.5(x-2)"},
        {41, 3, 1, 1, 3, "直线  y=-2x+2"},
        {41, 3, 1, 1, 4, "直线  (y--2)/(1E+07--2)=(x-2)/(0.5-2)"},
        {42, 3, 1, 1, 1, "圆  (x-2)^2+(y--2)^2=0.5^2"},
        {42, 3, 1, 1, 2, "圆  x^2+y^2+2x+-2y+0.5=0"},
        {42, 3, 1, 1, 3, "圆  x=0.5sin(u)+2, y=0.5cos(u)+-2"},
        {43, 3, 1, 1, 1, "椭圆  (x-0.5)^2/2^2+(y-1E+07)^2/-2^2=1"},
        {43, 3, 1, 1, 2, "椭圆  x=2sin(u)+0.5, y=-2cos(u)+1E+07"},
        {44, 2, 1, 1, 1, "双曲线  (x-0.5)^2/2^2-(y-1E+07)^2/-2^2=1"},
        {44, 2, 1, 1, 2, "双曲线  -(x-0.5)^2/2^2+(y-1E+07)^2/-2^2=1"},
        {45, 2, 1, 1, 1, "抛物线  (y--2)^2=2*0.5*(x-2)"},
        {45, 2, 1, 1, 2, "抛物线  (x-2)^2=2*0.5*(y--2)"},
        {46, 2, 1, 1, 0, "平面向量"},
        {47, 2, 1, 1, 0, "平面向量运算"},
        {50, 2, 3, 3, 0, "空间直线"},
        {53, 2, 3, 3, 0, "棱台"},
        {57, 2, 3, 3, 0, "球"},
        {61, 2, 1, 1, 0, "等差数列"},
        {62, 2, 1, 1, 0, "等比数列"},
    };
    for (const LabelCase& c : cases)
        QTest::newRow(c.label) << c.type << c.form << c.coord << c.kind << c.figureForm
                               << QString::fromUtf8(c.label);
}

void TestListLabel::labels()
{
    QFETCH(int, type);
    QFETCH(int, form);
    QFETCH(int, coord);
    QFETCH(int, kind);
    QFETCH(int, figureForm);
    QFETCH(QString, label);

    Cls9 g;
    g.GraphType = type;
    g.FunForm = form;
    g.CoordType = coord;
    g.ExpressX = QStringLiteral("x0");
    g.ExpressY = QStringLiteral("y0");
    g.ExpressZ = QStringLiteral("z0");
    g.Exp2 = QStringLiteral("e2");
    g.GPara1 = 2.0f;
    g.GPara2 = -2.0f;
    g.GPara3 = 0.5f;
    g.GPara4 = 1.0e7f;
    g.GLineType = g.GCircleType = g.GEllipseType = g.GHyperType = g.GParaType = figureForm;
    QCOMPARE(GraphListLabel(g, kind), label);
}

QTEST_APPLESS_MAIN(TestListLabel)
#include "tst_list_label.moc"
