// The line, circle, conic and vector dialogs driven through their widgets:
// the graph each builds from its boxes (members, curve texts, list label),
// the refusals with their messages, edits in place on the real main window
// (OK without change, a failed edit, Cancel) and the colour boxes.
#include "app/MainWindowFixture.h"

#include "dialogs/common/DialogHost.h"
#include "app/frmF1_ui.h"
#include "dialogs/figures/PlaneFigureDialogs_ui.h"
#include "model/Cls8.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "model/ListLabel.h"
#include "platform/MessageBox.h"
#include "FigureDialogTesting.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <map>

Q_DECLARE_METATYPE(FigureDialog)

class TestPlaneFigureDialogs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void buildsGraph_data();
    void buildsGraph();
    void refusals_data();
    void refusals();
    void editInPlace_data();
    void editInPlace();
    void colourBoxes_data();
    void colourBoxes();
    void editFillsBoxesAndLayout();
    void listsTakeNoTyping();

private:
    frmF1* m_window = nullptr;
    QTemporaryDir m_dataHome;
};

using namespace FigureDialogTesting;

void TestPlaneFigureDialogs::initTestCase()
{
    apptest::UseDataHome(m_dataHome);
    m_window = apptest::ShowMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestPlaneFigureDialogs::cleanupTestCase()
{
    ResetScenes();
    m_window->List1->clear();
    delete m_window;
}

void TestPlaneFigureDialogs::init()
{
    m_window->List1->clear();
    ResetScenes();
}

void TestPlaneFigureDialogs::buildsGraph_data()
{
    QTest::addColumn<FigureDialog>("dialog");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QStringList>("expected"); // member=value

    using F = FigureDialog;
    QTest::newRow("line general")
        << F::Line << QStringList{"Text2=2", "Text3=4", "Text4=6", "Text6=-5", "Text7=5"}
        << QStringList{"GraphType=41", "CoordType=1", "FunForm=3", "ExpressY=u",
                       "ExpressZ=-0.5u-(1.5)", "MinV=-5", "MaxV=5", "StepV=100", "Material=4",
                       "GLineType=1", "Glinewidth=1", "GShowLinePoint=0", "GLinePointSize=0",
                       "label=直线  2x+4y+6=0"};
    QTest::newRow("line horizontal") << F::Line << QStringList{"Text2=0", "Text3=2", "Text4=4"}
                                     << QStringList{"ExpressY=u", "ExpressZ=-2"};
    QTest::newRow("line vertical") << F::Line << QStringList{"Text2=2", "Text3=0", "Text4=4"}
                                   << QStringList{"ExpressY=-2", "ExpressZ=u"};
    // Large slopes are written out, never in exponent form.
    QTest::newRow("line steep") << F::Line << QStringList{"Text2=1e10", "Text3=1", "Text4=0"}
                                << QStringList{"ExpressZ=-10000000000u-(0)",
                                               "label=直线  1E+10x+1y+0=0"};
    QTest::newRow("line point-slope")
        << F::Line << QStringList{"Combo1=1", "Text2=1", "Text3=2", "Text4=3"}
        << QStringList{"ExpressZ=3u+(-1)", "label=直线  y-2=3(x-1)"};
    QTest::newRow("line slope-intercept")
        << F::Line << QStringList{"Combo1=2", "Text2=1", "Text3=2"}
        << QStringList{"ExpressZ=2u+(1)", "GPara1=1", "GPara2=2", "label=直线  y=2x+1"};
    QTest::newRow("line two points")
        << F::Line << QStringList{"Combo1=3", "Text2=0", "Text3=0", "Text4=2", "Text5=4"}
        << QStringList{"ExpressZ=2u+(0)", "label=直线  (y-0)/(4-0)=(x-0)/(2-0)"};
    QTest::newRow("line two points, 64-bit slope")
        << F::Line << QStringList{"Combo1=3", "Text2=0", "Text3=0", "Text4=3", "Text5=1"}
        << QStringList{"ExpressZ=0.333333333333333u+(0)"};
    QTest::newRow("line two points, vertical")
        << F::Line << QStringList{"Combo1=3", "Text2=1", "Text3=1", "Text4=1", "Text5=5"}
        << QStringList{"ExpressY=1", "ExpressZ=u"};
    // The range is evaluated, a parameter box read by its leading number.
    QTest::newRow("line range expression")
        << F::Line << QStringList{"Text2=2*3", "Text3=1", "Text6=1,5", "Text7=2*3"}
        << QStringList{"GPara1=2", "MinV=1.5", "MaxV=6"};
    QTest::newRow("line with point and other line")
        << F::Line
        << QStringList{"Text2=1", "Text3=1", "Check1=1", "Text8=3", "Option2=1", "Combo4=2",
                       "Check2=1", "Combo2=3", "Text10=0", "Text11=0", "Text12=0", "Text13=0"}
        << QStringList{"GShowLinePoint=1", "GLinePointX=3", "GLinePointType=2",
                       "GLinePointColor=255", "GLinePointSize=3", "GLineLineType=4"};

    QTest::newRow("circle standard")
        << F::Circle << QStringList{"Text2=1", "Text3=-2", "Text4=3"}
        << QStringList{"GraphType=42", "FunForm=3", "ExpressY=3sin(u)+(1)",
                       "ExpressZ=3cos(u)+(-2)", "MinV=0", "MaxV=6.28319979", "GShowCircle=1",
                       "GCircleTangType=0", "label=圆  (x-1)^2+(y--2)^2=3^2"};
    QTest::newRow("circle general")
        << F::Circle << QStringList{"Combo1=1", "Text2=-2", "Text3=4", "Text4=-4"}
        << QStringList{"ExpressY=3sin(u)+(1)", "ExpressZ=3cos(u)+(-2)", "GCircleType=2",
                       "GPara1=-2", "label=圆  x^2+y^2+-2x+4y+-4=0"};
    QTest::newRow("circle parametric")
        << F::Circle << QStringList{"Combo1=2", "Text2=1", "Text3=2", "Text4=0.5"}
        << QStringList{"ExpressY=0.5sin(u)+(1)", "label=圆  x=0.5sin(u)+1, y=0.5cos(u)+2"};
    QTest::newRow("circle hidden, general form unchecked")
        << F::Circle << QStringList{"Check1=0", "Combo1=1", "Text4=1"}
        << QStringList{"ExpressY=", "ExpressZ=", "GShowCircle=0", "GCircleType=1", "GPara3=1"};
    QTest::newRow("circle tangent by slope")
        << F::Circle << QStringList{"Text4=1", "Check2=1", "Option2=1", "Text7=0,5", "Text5=9"}
        << QStringList{"GCircleTangType=2", "GCircleTangK=0.5", "GCircleTangPointX=0",
                       "GCircleTangColor=255"};
    QTest::newRow("circle from three points")
        << F::Circle
        << QStringList{"Text4=1", "Check3=1", "Option7=1", "Text21=1", "Text26=6", "Combo4=4"}
        << QStringList{"GCircleEquaType=4", "GPara5=1", "GPara10=6", "GCircleEquaWidth=5"};

    QTest::newRow("ellipse standard")
        << F::Ellipse
        << QStringList{"Text2=3", "Text3=2", "Text4=1", "Text5=-1", "Combo2=4", "Check1=1"}
        << QStringList{"GraphType=43", "FunForm=3", "ExpressY=3sin(u)+(1)",
                       "ExpressZ=2cos(u)+(-1)", "MinV=0", "MaxV=6.28319979", "StepV=100",
                       "GEllipseType=1", "GEllipseWidth=5", "GEllipseCompute=1",
                       "label=椭圆  (x-1)^2/3^2+(y--1)^2/2^2=1"};
    QTest::newRow("ellipse parametric")
        << F::Ellipse << QStringList{"Combo1=1", "Text2=3", "Text3=2", "Text4=1", "Text5=-1"}
        << QStringList{"ExpressY=3sin(u)+(1)", "GEllipseType=2",
                       "label=椭圆  x=3sin(u)+1, y=2cos(u)+-1"};
    QTest::newRow("hyperbola form 1")
        << F::Hyperbola << QStringList{"Text2=2", "Text3=1"}
        << QStringList{"GraphType=44", "FunForm=2", "ExpressY=x",
                       "ExpressZ=0.5sqr((x-(0))^2-4)+(0)", "MinV=-4", "MaxV=4", "StepV=200",
                       "GHyperType=1", "label=双曲线  (x-0)^2/2^2-(y-0)^2/1^2=1"};
    QTest::newRow("hyperbola form 2, negative a")
        << F::Hyperbola << QStringList{"Combo1=1", "Text2=-2", "Text3=1", "Text4=1"}
        << QStringList{"ExpressZ=-0.5sqr((x-(1))^2+4)+(0)", "MinV=-3", "MaxV=5",
                       "label=双曲线  -(x-1)^2/-2^2+(y-0)^2/1^2=1"};
    QTest::newRow("parabola form 1, p negative")
        << F::Parabola << QStringList{"Text4=-1"}
        << QStringList{"GraphType=45", "FunForm=2", "ExpressZ=sqr(2*(-1)*(x-(0)))+(0)",
                       "MinV=0", "MaxV=-4", "StepV=100", "GPara4=0",
                       "label=抛物线  (y-0)^2=2*-1*(x-0)"};
    QTest::newRow("parabola form 2, p zero")
        << F::Parabola << QStringList{"Combo1=1", "Text2=1", "Text3=2"}
        << QStringList{"ExpressZ=(x-(1))^2/2/(0)+(2)", "MinV=-2", "MaxV=4", "GParaType=2",
                       "label=抛物线  (x-1)^2=2*0*(y-2)"};

    QTest::newRow("plane vector")
        << F::Vector
        << QStringList{"Text1=v", "Text2=1", "Text3=2", "Text5=3", "Text6=4,5"}
        << QStringList{"GraphType=46", "CoordType=3", "FunForm=2", "Material=11",
                       "Smoothness=1", "NameS=v", "GPara1=1", "GPara4=4.5", "VecOperation=0",
                       "label=平面向量"};
    QTest::newRow("vector times a constant")
        << F::VectorOperation
        << QStringList{"Combo1=2", "Text2=2", "Text3=3", "Text4=1,5", "Text5=7", "Text6=8"}
        << QStringList{"GraphType=47", "CoordType=3", "GPara1=2", "GPara2=3", "GPara3=1.5",
                       "GPara4=0", "VecOperation=3", "label=平面向量运算"};
    QTest::newRow("line, general form, a two-point box beyond the float range")
        << F::Line
        << QStringList{"Combo1=3", "Text5=1e39", "Combo1=0", "Text2=1", "Text3=2", "Text4=3",
                       "Check2=1", "Combo2=3", "Text13=1e39", "Combo2=0", "Text10=1"}
        << QStringList{"GLineType=1", "GPara1=1", "GPara3=3", "GPara4=0", "GLineLineType=1",
                       "ExpressZ=-0.5u-(1.5)"};
    QTest::newRow("vector dot product")
        << F::VectorOperation << QStringList{"Combo1=3", "Text4=9", "Text5=7", "Text6=8"}
        << QStringList{"GPara3=7", "GPara4=8", "VecOperation=4"};
}

void TestPlaneFigureDialogs::buildsGraph()
{
    QFETCH(FigureDialog, dialog);
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, expected);

    std::unique_ptr<QDialog> d = MakePlaneFigureDialog(dialog, nullptr);
    QVERIFY(d);
    CheckBuilds(*d, inputs, expected);
}

void TestPlaneFigureDialogs::refusals_data()
{
    QTest::addColumn<FigureDialog>("dialog");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");

    using F = FigureDialog;
    const QString bad = QStringLiteral("存在非法数据。");
    const QString error = QStringLiteral("出错");
    const QString hint = QStringLiteral("提示");
    const QString notALine = QStringLiteral("请检查数据，你给定的可能不是合法的直线方程。");

    QTest::newRow("line, fresh") << F::Line << QStringList{} << notALine << hint;
    QTest::newRow("line, same point twice")
        << F::Line << QStringList{"Combo1=3", "Text2=3", "Text3=3", "Text4=3", "Text5=3"}
        << QStringLiteral("请检查数据，你给定的点重合。") << hint;
    QTest::newRow("line, other line not a line")
        << F::Line << QStringList{"Text2=1", "Check2=1"} << notALine << hint;
    QTest::newRow("line, sum in the number box")
        << F::Line << QStringList{"Text2=1", "Combo2=3", "Text12=1+2"} << bad << error;
    QTest::newRow("line, refused character on an unused tab")
        << F::Line << QStringList{"Text2=1", "Text9=#"} << bad << error;
    QTest::newRow("line, beyond the float range")
        << F::Line << QStringList{"Text2=1e39", "Text3=1"} << bad << error;
    QTest::newRow("line, slope overflows")
        << F::Line << QStringList{"Text2=1e30", "Text3=1e-30"} << bad << error;

    QTest::newRow("circle, a point")
        << F::Circle << QStringList{"Combo1=1", "Text2=2", "Text3=4", "Text4=5"}
        << QStringLiteral("根据该方程画出来的圆是一个点。") << hint;
    QTest::newRow("circle, no circle")
        << F::Circle << QStringList{"Combo1=1", "Text4=1"}
        << QStringLiteral("根据该方程无法画出圆来。") << hint;
    QTest::newRow("circle, general form overflows")
        << F::Circle << QStringList{"Combo1=1", "Text2=1e30", "Text3=1e30"} << bad << error;
    QTest::newRow("circle, huge D and F")
        << F::Circle << QStringList{"Combo1=1", "Text2=1e20", "Text4=1e38"} << bad << error;
    QTest::newRow("circle, refused character in the last box")
        << F::Circle << QStringList{"Text26=#"} << bad << error;
    QTest::newRow("circle, product in the number box")
        << F::Circle << QStringList{"Text24=2*3"} << bad << error;

    QTest::newRow("hyperbola, fresh")
        << F::Hyperbola << QStringList{} << QStringLiteral("请检查数据，双曲线的参数a不能为0。")
        << hint;
    QTest::newRow("hyperbola, b is 0")
        << F::Hyperbola << QStringList{"Text2=2", "Text3=0", "Text4=1"}
        << QStringLiteral("请检查数据，双曲线的参数b不能为0。") << hint;
    QTest::newRow("hyperbola, b/a overflows")
        << F::Hyperbola << QStringList{"Text2=1e-30", "Text3=1e30"} << bad << error;
    QTest::newRow("ellipse, refused character") << F::Ellipse << QStringList{"Text5=#"} << bad
                                                << error;
    QTest::newRow("parabola, range overflows")
        << F::Parabola << QStringList{"Text2=3e38", "Text4=3e38"} << bad << error;
    QTest::newRow("vector, refused character") << F::Vector << QStringList{"Text6=x;"} << bad
                                               << error;
    QTest::newRow("vector operation, hidden second vector still filtered")
        << F::VectorOperation << QStringList{"Combo1=2", "Text5=#"} << bad << error;

    // Sampling that fails without a compile error (a value beyond the float
    // range) is told, and uses no ID.
    const QString cannotCompute = QStringLiteral("无法计算该图形。");
    QTest::newRow("circle, cannot be computed")
        << F::Circle << QStringList{"Text2=2e38", "Text4=2e38"} << cannotCompute << error;
    QTest::newRow("ellipse, cannot be computed")
        << F::Ellipse << QStringList{"Text2=3e38", "Text4=3e38"} << cannotCompute << error;
    QTest::newRow("parabola form 2, cannot be computed")
        << F::Parabola << QStringList{"Combo1=1", "Text2=3e38", "Text4=1"}
        << cannotCompute << error;
}

void TestPlaneFigureDialogs::refusals()
{
    QFETCH(FigureDialog, dialog);
    QFETCH(QStringList, inputs);
    QFETCH(QString, message);
    QFETCH(QString, title);

    g_LastGraphID = 3;
    std::unique_ptr<QDialog> d = MakePlaneFigureDialog(dialog, nullptr);
    SetControls(*d, inputs);
    MessageRecorder recorder;
    ClickOk(*d);
    QCOMPARE(recorder.Count(), 1);
    QCOMPARE(recorder.Messages()[0].text, message);
    QCOMPARE(recorder.Messages()[0].title, title);
    QCOMPARE(recorder.Messages()[0].icon,
             title == QStringLiteral("提示") ? MsgIcon::Critical : MsgIcon::Warning);
    // Nothing changed: no graph, no ID used, the document kind kept, the
    // dialog still open.
    QCOMPARE(d->result(), int(QDialog::Rejected));
    QCOMPARE(g_AllGraphs.FunSurfs.Count(), 0);
    QCOMPARE(g_ShownGraphs.FunSurfs.Count(), 0);
    QCOMPARE(g_LastGraphID, 3);
    QCOMPARE(g_DocumentKind, int(DocumentKind2D));
}

void TestPlaneFigureDialogs::editInPlace_data()
{
    QTest::addColumn<FigureDialog>("dialog");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QStringList>("change");  // a good edit
    QTest::addColumn<QString>("changedLabel");
    QTest::addColumn<QStringList>("failing"); // an edit OK refuses

    using F = FigureDialog;
    QTest::newRow("line")
        << F::Line
        << QStringList{"Text1=l", "Combo1=3", "Text2=0.1", "Text3=-2", "Text4=1e-5", "Text5=7",
                       "Text6=pi", "Text7=2*pi", "Combo3=2", "Check2=1", "Combo2=1", "Text10=5"}
        << QStringList{"Combo1=0", "Text2=1", "Text3=2", "Text4=3"}
        << QStringLiteral("直线  1x+2y+3=0") << QStringList{"Text2=0", "Text3=0", "Combo1=0"};
    QTest::newRow("line with point")
        << F::Line << QStringList{"Text2=1", "Check1=1", "Text8=2", "Text9=-3", "Option1=1"}
        << QStringList{"Combo1=2", "Text2=1", "Text3=2"} << QStringLiteral("直线  y=2x+1")
        << QStringList{"Text8=#"};
    QTest::newRow("circle")
        << F::Circle
        << QStringList{"Combo1=1", "Text2=-2", "Text3=4", "Text4=-4", "Check2=1", "Text5=1",
                       "Text6=1", "Check3=1", "Option6=1", "Text16=1", "Text18=1", "Text20=5"}
        << QStringList{"Combo1=0", "Text2=1", "Text3=1", "Text4=2"}
        << QStringLiteral("圆  (x-1)^2+(y-1)^2=2^2")
        << QStringList{"Text2=2", "Text3=4", "Text4=5"};
    QTest::newRow("circle, tangent by slope")
        << F::Circle << QStringList{"Text4=2", "Check2=1", "Option2=1", "Text7=-1"}
        << QStringList{"Combo1=2"} << QStringLiteral("圆  x=2sin(u)+0, y=2cos(u)+0")
        << QStringList{"Text24=1+1"};
    QTest::newRow("ellipse")
        << F::Ellipse << QStringList{"Combo1=1", "Text2=3", "Text3=2", "Check1=1"}
        << QStringList{"Combo1=0"} << QStringLiteral("椭圆  (x-0)^2/3^2+(y-0)^2/2^2=1")
        << QStringList{"Text4=#"};
    QTest::newRow("hyperbola")
        << F::Hyperbola << QStringList{"Text2=2", "Text3=1", "Text5=-0.25"}
        << QStringList{"Text2=4"} << QStringLiteral("双曲线  (x-0)^2/4^2-(y--0.25)^2/1^2=1")
        << QStringList{"Text2="};
    QTest::newRow("parabola")
        << F::Parabola << QStringList{"Combo1=1", "Text4=0.5", "Combo2=2"}
        << QStringList{"Text2=1"} << QStringLiteral("抛物线  (x-1)^2=2*0.5*(y-0)")
        << QStringList{"Text4=3e38", "Text2=3e38", "Combo1=0"};
    QTest::newRow("vector") << F::Vector << QStringList{"Text2=1", "Text6=-1"}
                            << QStringList{"Text1=w"} << QStringLiteral("平面向量")
                            << QStringList{"Text3=#"};
    QTest::newRow("vector operation, constant")
        << F::VectorOperation << QStringList{"Combo1=2", "Text2=1", "Text4=-3"}
        << QStringList{"Combo1=1", "Text5=2"} << QStringLiteral("平面向量运算")
        << QStringList{"Text6=#"};
    QTest::newRow("vector operation, sum")
        << F::VectorOperation << QStringList{"Text2=1", "Text5=2", "Text6=3"}
        << QStringList{"Text1=s"} << QStringLiteral("平面向量运算")
        << QStringList{"Text2=1e40"};
}

void TestPlaneFigureDialogs::editInPlace()
{
    QFETCH(FigureDialog, dialog);
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, change);
    QFETCH(QString, changedLabel);
    QFETCH(QStringList, failing);

    CheckEditInPlace([&] { return MakePlaneFigureDialog(dialog, nullptr); }, m_window->List1,
                     inputs, change, changedLabel, failing);
}

void TestPlaneFigureDialogs::colourBoxes_data()
{
    QTest::addColumn<FigureDialog>("dialog");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("initial");

    using F = FigureDialog;
    QTest::newRow("line") << F::Line << QStringList{"Text2=1"} << "Picture1" << 0xFF0000;
    QTest::newRow("line point") << F::Line << QStringList{"Text2=1", "Check1=1"} << "Picture2"
                                << 0x0000FF;
    QTest::newRow("circle equation") << F::Circle << QStringList{"Check3=1"} << "Picture3"
                                     << 0xFF0000;
    QTest::newRow("parabola") << F::Parabola << QStringList{} << "Picture1" << 0xFF0000;
}

void TestPlaneFigureDialogs::colourBoxes()
{
    QFETCH(FigureDialog, dialog);
    QFETCH(QStringList, inputs);
    QFETCH(QString, box);
    QFETCH(int, initial);

    std::unique_ptr<QDialog> d = MakePlaneFigureDialog(dialog, nullptr);
    PickGreenAndOk(*d, inputs, box, initial);
    if (QTest::currentTestFailed())
        return;
    const Cls9& g = *g_AllGraphs.FunSurfs.Item(1);
    const int32_t stored = box == QStringLiteral("Picture2") ? g.GLinePointColor
                           : dialog == FigureDialog::Circle  ? g.GCircleEquaColor
                           : dialog == FigureDialog::Line    ? g.GLineColor
                                                             : g.GParaColor;
    QCOMPARE(stored, 0x00FF00);
}

void TestPlaneFigureDialogs::editFillsBoxesAndLayout()
{
    // The edit shows numbers padded and each form's boxes, as a user's
    // choice would leave them.
    auto line = Cls9::Init(1, QStringLiteral("l"), GraphTypeLine, CoordTypeCartesian2D, "0", "u",
                           "u", 1, 100, 0, 1, -1.5f, 2, 4, 0, 0, 0, 2, 4, 2, 2);
    line->GLineType = LineFormSlopeIntercept;
    line->GPara1 = 2.5f;
    line->GPara2 = -1.0f;
    line->GShowLineLine = true;
    line->GLineLineType = LineFormTwoPoint;
    auto op = Cls9::Init(2, QStringLiteral("o"), GraphTypeVectorOperation, CoordTypeCartesian3D,
                         "0", "x", "0", 1, 100, 0, 1, 0, 1, 4, 0, 0, 0, 2, 11, 2, 1);
    op->VecOperation = VecOperationScale;
    op->GPara3 = 4.0f;
    for (const auto& g : {line, op}) {
        g_AllGraphs.FunSurfs.Add(g, QString::number(g->ID));
        g_ShownGraphs.FunSurfs.Add(g, QString::number(g->ID));
        m_window->AddListEntry(GraphListLabel(*g, DocumentKind2D));
    }
    g_EditingGraph = true;

    m_window->List1->setCurrentRow(0);
    std::unique_ptr<QDialog> d = MakePlaneFigureDialog(FigureDialog::Line, nullptr);
    QCOMPARE(d->windowTitle(), QStringLiteral("直线及其与点和直线的关系"));
    auto text = [&](const char* name) { return d->findChild<QLineEdit*>(name); };
    QCOMPARE(text("Text2")->text(), QStringLiteral(" 2.5"));
    QCOMPARE(text("Text3")->text(), QStringLiteral("-1"));
    QCOMPARE(text("Text6")->text(), QStringLiteral("-1.5"));
    QVERIFY(text("Text4")->isHidden());
    QVERIFY(!text("Text13")->isHidden());
    QVERIFY(d->findChild<QRadioButton*>("Option2")->isChecked());

    m_window->List1->setCurrentRow(1);
    d = MakePlaneFigureDialog(FigureDialog::VectorOperation, nullptr);
    QCOMPARE(d->findChild<QLineEdit*>("Text4")->text(), QStringLiteral(" 4"));
    QVERIFY(!d->findChild<QLineEdit*>("Text4")->isHidden());
    QVERIFY(d->findChild<QWidget*>("Frame2")->isHidden());
    // The wrong dialog for the selected graph opens unfilled.
    d = MakePlaneFigureDialog(FigureDialog::Vector, nullptr);
    QCOMPARE(d->findChild<QLineEdit*>("Text1")->text(), QString());
    g_EditingGraph = false;
}

void TestPlaneFigureDialogs::listsTakeNoTyping()
{
    // Every form, operation and width list is picked from, never typed
    // into, so OK always reads one of its items.
    using F = FigureDialog;
    for (F kind : {F::Line, F::Circle, F::Ellipse, F::Hyperbola, F::Parabola, F::Vector,
                   F::VectorOperation}) {
        std::unique_ptr<QDialog> d = MakePlaneFigureDialog(kind, nullptr);
        for (const QComboBox* combo : d->findChildren<QComboBox*>()) {
            QVERIFY2(!combo->isEditable(), qPrintable(combo->objectName()));
            QCOMPARE(combo->currentIndex(), 0);
        }
    }
}

QTEST_MAIN(TestPlaneFigureDialogs)
#include "tst_plane_figure_dialogs.moc"
