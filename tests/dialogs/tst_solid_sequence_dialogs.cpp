// The curve intersection, limit, sequence, space-line and solid dialogs
// driven through their widgets: the graph each builds from its boxes
// (members and list label), the refusals with their messages and what they
// leave, edits in place on the real main window (OK without change, a
// refused edit, Cancel, a good edit that redraws), the colour boxes and the
// lists that take no typing.
#include "app/MainWindowFixture.h"

#include "app/frmF1_ui.h"
#include "dialogs/common/DialogHost.h"
#include "dialogs/figures/FigureDialogs_ui.h"
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

namespace {

// The main window as the dialogs' host, counting the rebuilds of the scene.
class CountingHost : public DialogHost {
public:
    explicit CountingHost(DialogHost* inner) : m_inner(inner) {}
    int ListIndex() const override { return m_inner->ListIndex(); }
    void SetEntryText(int row, const QString& text) override { m_inner->SetEntryText(row, text); }
    int AddListEntry(const QString& label) override { return m_inner->AddListEntry(label); }
    void SetEntryTicked(int row, bool ticked) override { m_inner->SetEntryTicked(row, ticked); }
    void BuildDisplayLists() override
    {
        ++rebuilds;
        m_inner->BuildDisplayLists();
    }
    void DrawCurrentFrame() override { m_inner->DrawCurrentFrame(); }
    void RepaintWindow() override { m_inner->RepaintWindow(); }
    void EnablePlaybackCommands() override { m_inner->EnablePlaybackCommands(); }

    int rebuilds = 0;

private:
    DialogHost* m_inner;
};

} // namespace

class TestSolidSequenceDialogs : public QObject {
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
    void editFillsBoxes();
    void colourBoxes_data();
    void colourBoxes();
    void listsTakeNoTyping();

private:
    frmF1* m_window = nullptr;
    std::unique_ptr<CountingHost> m_host;
    QTemporaryDir m_dataHome;
};

using namespace FigureDialogTesting;

namespace {

std::unique_ptr<QDialog> Make(FigureDialog which)
{
    return MakeFigureDialog(which, nullptr, QString(), EditedGraphFor(which).get());
}

int32_t KindOf(FigureDialog d)
{
    return IsSolidFigure(d) ? DocumentKind3D : DocumentKind2D;
}

} // namespace

void TestSolidSequenceDialogs::initTestCase()
{
    apptest::UseDataHome(m_dataHome);
    m_window = apptest::ShowMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_host = std::make_unique<CountingHost>(CurrentDialogHost());
    SetDialogHost(m_host.get());
}

void TestSolidSequenceDialogs::cleanupTestCase()
{
    SetDialogHost(m_window);
    ResetScenes(DocumentKind2D);
    m_window->List1->clear();
    delete m_window;
}

void TestSolidSequenceDialogs::init()
{
    m_window->List1->clear();
    ResetScenes(DocumentKind2D);
}

void TestSolidSequenceDialogs::buildsGraph_data()
{
    QTest::addColumn<FigureDialog>("dialog");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QStringList>("expected"); // member=value

    using F = FigureDialog;
    QTest::newRow("intersection")
        << F::Intersection << QStringList{"Text2=x^2", "Text3=2", "Text4=-3", "Text5=3"}
        << QStringList{"GraphType=20", "CoordType=1", "FunForm=2", "NameS=Untitled",
                       "ExpressZ=x^2", "Exp2=2", "MinV=-3", "MaxV=3", "StepV=200",
                       "LineColor=255", "LineWidth=2", "Material=4", "Show=2", "Smoothness=2",
                       "Show2DCurve=1", "Color2=16711680", "Width2=2", "ShowInter=1",
                       "InterColor=4210752", "InterSize=2", "InterSymbol=2", "ShowArea=1",
                       "AreaColor=8454016", "label=相交关系  y=x^2, y=2"};
    QTest::newRow("intersection, evaluated range, rounded segments, last items")
        << F::Intersection
        << QStringList{"Text2=x", "Text3=-x", "Text4=-2*3", "Text5=sqr(4)", "Text6=2,5",
                       "Combo1=7", "Combo2=0", "Combo3=7", "Combo4=5", "Check1=0", "Check2=0"}
        << QStringList{"MinV=-6", "MaxV=2", "StepV=2", "LineWidth=8", "Width2=1",
                       "InterSize=8", "InterSymbol=6", "ShowInter=0", "ShowArea=0"};
    QTest::newRow("intersection, segments that round to one")
        << F::Intersection << QStringList{"Text2=x", "Text3=1", "Text4=0", "Text5=1", "Text6=0,6"}
        << QStringList{"StepV=1"};
    QTest::newRow("intersection, one segment")
        << F::Intersection << QStringList{"Text2=x", "Text3=1", "Text4=0", "Text5=1", "Text6=1"}
        << QStringList{"StepV=1"};
    QTest::newRow("intersection, min above max kept")
        << F::Intersection << QStringList{"Text2=x", "Text3=1", "Text4=3", "Text5=1", "Text6=3,5"}
        << QStringList{"MinV=3", "MaxV=1", "StepV=4"};

    QTest::newRow("limit, fresh")
        << F::Limit << QStringList{}
        << QStringList{"GraphType=37", "CoordType=1", "FunForm=2", "NameS=", "ExpressZ=0",
                       "MinV=-4", "MaxV=4", "StepV=50", "LineColor=255", "LineWidth=1",
                       "Material=4", "LimitDir=1", "LimitX0=0", "LimitShowP=1", "LimitShowL=1",
                       "label=极限  y=0"};
    QTest::newRow("limit from the left")
        << F::Limit << QStringList{"Text3=l", "Text1=sin(x)/x", "Combo1=1", "Text2=1"}
        << QStringList{"NameS=l", "MinV=-3", "MaxV=1", "LimitDir=2", "LimitX0=1",
                       "label=极限  y=sin(x)/x"};
    QTest::newRow("limit from the right, x0 evaluated, no points")
        << F::Limit << QStringList{"Text1=x", "Combo1=2", "Text2=2*3", "Check1=0"}
        << QStringList{"MinV=6", "MaxV=10", "LimitDir=3", "LimitX0=6", "LimitShowP=0"};

    QTest::newRow("arithmetic sequence")
        << F::ArithmeticSequence << QStringList{"Text1=s", "Text2=1", "Text3=2", "Text4=5"}
        << QStringList{"GraphType=61", "CoordType=3", "FunForm=2", "NameS=s", "GPara1=1",
                       "GPara2=2", "EdgeNum=5", "Material=11", "Show=2", "Smoothness=3",
                       "label=等差数列"};
    QTest::newRow("geometric sequence, fresh")
        << F::GeometricSequence << QStringList{}
        << QStringList{"GraphType=62", "GPara1=0", "GPara2=0", "EdgeNum=0", "label=等比数列"};
    QTest::newRow("geometric sequence, n rounded down, product read as its first number")
        << F::GeometricSequence << QStringList{"Text2=2*3", "Text3=0,5", "Text4=12.99"}
        << QStringList{"GPara1=2", "GPara2=0.5", "EdgeNum=12"};
    QTest::newRow("geometric sequence, most terms")
        << F::GeometricSequence << QStringList{"Text2=1", "Text3=2", "Text4=101"}
        << QStringList{"EdgeNum=101"};

    QTest::newRow("space line, fresh")
        << F::SpaceLine << QStringList{}
        << QStringList{"GraphType=50", "CoordType=3", "FunForm=2", "GPara1=0", "GPara6=0",
                       "GeomColor=16711680", "GeomWidth=2", "EdgeNum=0", "Show=2",
                       "Smoothness=1", "Material=11", "label=空间直线"};
    QTest::newRow("space line, number texts")
        << F::SpaceLine
        << QStringList{"Text2=1,5", "Text3=1 000", "Text4=2*3", "Text5=3e2", "Text6=-4",
                       "Text7=pi", "Combo1=5"}
        << QStringList{"GPara1=1.5", "GPara2=1000", "GPara3=2", "GPara4=300", "GPara5=-4",
                       "GPara6=0", "GeomWidth=6"};
    QTest::newRow("prism, fresh")
        << F::Prism << QStringList{}
        << QStringList{"GraphType=51", "CoordType=3", "FunForm=2", "NameS=", "EdgeNum=6",
                       "GeomColor=255", "GeomWidth=0", "Show=3", "Smoothness=1",
                       "Material=11", "GPara4=0", "label=棱柱"};
    QTest::newRow("pyramid, wireframe, 12 sides")
        << F::Pyramid
        << QStringList{"Text2=2", "Text3=5", "Text4=1", "Text5=-2", "Text6=3", "Combo1=9",
                       "Option1=1"}
        << QStringList{"GraphType=52", "GPara4=2", "GPara5=5", "GPara1=1", "GPara2=-2",
                       "GPara3=3", "GPara6=0", "EdgeNum=12", "Show=2", "label=棱锥"};
    QTest::newRow("pyramid frustum, top wider than base")
        << F::PyramidFrustum
        << QStringList{"Text2=3", "Text3=2", "Text4=1", "Text5=4", "Text6=5", "Text7=6",
                       "Combo1=0"}
        << QStringList{"GraphType=53", "GPara4=3", "GPara5=2", "GPara6=1", "GPara1=4",
                       "GPara2=5", "GPara3=6", "EdgeNum=3", "Smoothness=1", "label=棱台"};
    QTest::newRow("cylinder")
        << F::Cylinder << QStringList{"Text2=1", "Text3=-2", "Text4=7"}
        << QStringList{"GraphType=54", "GPara4=1", "GPara5=-2", "GPara1=7", "EdgeNum=0",
                       "Smoothness=3", "label=圆柱"};
    QTest::newRow("cone") << F::Cone << QStringList{"Text2=0", "Text3=4", "Text6=1"}
                          << QStringList{"GraphType=55", "GPara5=4", "GPara3=1",
                                         "Smoothness=3", "label=圆锥"};
    QTest::newRow("cone frustum")
        << F::ConeFrustum << QStringList{"Text2=1", "Text3=2", "Text4=3", "Text7=9"}
        << QStringList{"GraphType=56", "GPara4=1", "GPara5=2", "GPara6=3", "GPara3=9",
                       "label=圆台"};
    QTest::newRow("sphere, radius between x and y")
        << F::Sphere << QStringList{"Text2=1", "Text3=-9", "Text4=2", "Text5=3"}
        << QStringList{"GraphType=57", "GPara1=1", "GPara4=-9", "GPara2=2", "GPara3=3",
                       "GPara5=0", "Show=3", "Smoothness=3", "label=球"};
}

void TestSolidSequenceDialogs::buildsGraph()
{
    QFETCH(FigureDialog, dialog);
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, expected);

    g_DocumentKind = KindOf(dialog);
    std::unique_ptr<QDialog> d = Make(dialog);
    QVERIFY(d);
    CheckBuilds(*d, inputs, expected);
}

void TestSolidSequenceDialogs::refusals_data()
{
    QTest::addColumn<FigureDialog>("dialog");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("message"); // empty: the expression engine's own
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("idUsed"); // a failed sampling uses up its ID

    using F = FigureDialog;
    const QString bad = QStringLiteral("存在非法数据。");
    const QString badExpression = QStringLiteral("存在非法表达式。");
    const QString error = QStringLiteral("出错");
    const QString note = QStringLiteral("注意");
    const QStringList filled = {"Text2=x", "Text3=1", "Text4=-1", "Text5=1"};

    QTest::newRow("intersection, fresh") << F::Intersection << QStringList{}
                                         << QStringLiteral("请输入所有参数。") << note << false;
    QTest::newRow("intersection, second function")
        << F::Intersection << filled + QStringList{"Text3=x#"} << badExpression << error << false;
    QTest::newRow("intersection, segments not a number")
        << F::Intersection << filled + QStringList{"Text6=x"} << bad << error << false;
    QTest::newRow("intersection, no segments")
        << F::Intersection << filled + QStringList{"Text6=0"}
        << QStringLiteral("段数 x 不能小于1。") << note << false;
    QTest::newRow("intersection, negative segments")
        << F::Intersection << filled + QStringList{"Text6=-5"}
        << QStringLiteral("段数 x 不能小于1。") << note << false;
    QTest::newRow("intersection, segments round to none")
        << F::Intersection << filled + QStringList{"Text6=0,4"}
        << QStringLiteral("段数 x 不能小于1。") << note << false;
    QTest::newRow("intersection, too many segments")
        << F::Intersection << filled + QStringList{"Text6=10001"}
        << QStringLiteral("段数 x 不能大于10000。") << note << false;
    QTest::newRow("intersection, segments beyond every range")
        << F::Intersection << filled + QStringList{"Text6=1e400"}
        << QStringLiteral("段数 x 不能大于10000。") << note << false;
    QTest::newRow("intersection, range does not compile")
        << F::Intersection << filled + QStringList{"Text4=sin("} << QString() << QString()
        << false;
    QTest::newRow("intersection, function does not compile")
        << F::Intersection << filled + QStringList{"Text2=sin("} << QString() << QString()
        << true;

    // Sampling that fails without a compile error (a value beyond the float
    // range) is told, and uses no ID.
    const QString cannotCompute = QStringLiteral("无法计算该图形。");
    QTest::newRow("intersection, cannot be computed")
        << F::Intersection
        << QStringList{"Text2=x^50", "Text3=x", "Text4=0", "Text5=1000"} << cannotCompute
        << error << false;
    QTest::newRow("limit, x^100 near 10")
        << F::Limit << QStringList{"Text1=x^100", "Text2=10"} << cannotCompute << error << false;
    QTest::newRow("limit, exp(1000)")
        << F::Limit << QStringList{"Text1=exp(1000)"} << cannotCompute << error << false;

    QTest::newRow("limit, function") << F::Limit << QStringList{"Text1=#"} << badExpression
                                     << error << false;
    QTest::newRow("limit, x0") << F::Limit << QStringList{"Text2=#"} << bad << error << false;
    QTest::newRow("limit, x0 does not compile")
        << F::Limit << QStringList{"Text2=(1"} << QString() << QString() << false;

    QTest::newRow("arithmetic, negative n")
        << F::ArithmeticSequence << QStringList{"Text4=-0.5"}
        << QStringLiteral("项数 n 不能小于0。") << note << false;
    QTest::newRow("arithmetic, n past the spline")
        << F::ArithmeticSequence << QStringList{"Text4=102"}
        << QStringLiteral("项数 n 不能大于101。") << note << false;
    QTest::newRow("geometric, n beyond every range")
        << F::GeometricSequence << QStringList{"Text4=1e400"}
        << QStringLiteral("项数 n 不能大于101。") << note << false;
    QTest::newRow("geometric, refused character")
        << F::GeometricSequence << QStringList{"Text3=="} << bad << error << false;
    QTest::newRow("geometric, terms overflow")
        << F::GeometricSequence << QStringList{"Text2=1", "Text3=10", "Text4=101"} << bad
        << error << false;
    QTest::newRow("arithmetic, sum overflows")
        << F::ArithmeticSequence << QStringList{"Text2=3e38", "Text3=0", "Text4=3"} << bad
        << error << false;
    QTest::newRow("arithmetic, a1 beyond the float range")
        << F::ArithmeticSequence << QStringList{"Text2=1e39"} << bad << error << false;

    QTest::newRow("space line, 1e39") << F::SpaceLine << QStringList{"Text7=1e39"} << bad
                                      << error << false;
    QTest::newRow("space line, 1e400") << F::SpaceLine << QStringList{"Text2=1e400"} << bad
                                       << error << false;
    QTest::newRow("space line, refused character")
        << F::SpaceLine << QStringList{"Text4=#"} << bad << error << false;
    QTest::newRow("prism, 1e400") << F::Prism << QStringList{"Text2=1e400"} << bad << error
                                  << false;
    QTest::newRow("pyramid frustum, 1e39 height")
        << F::PyramidFrustum << QStringList{"Text4=1e39"} << bad << error << false;
    QTest::newRow("cone frustum, refused character")
        << F::ConeFrustum << QStringList{"Text7=#"} << bad << error << false;
    QTest::newRow("sphere, -1e39 centre") << F::Sphere << QStringList{"Text5=-1e39"} << bad
                                          << error << false;
}

void TestSolidSequenceDialogs::refusals()
{
    QFETCH(FigureDialog, dialog);
    QFETCH(QStringList, inputs);
    QFETCH(QString, message);
    QFETCH(QString, title);
    QFETCH(bool, idUsed);

    // A kind of document the 2D dialogs would change: a refusal leaves it.
    g_DocumentKind = DocumentKind25D;
    g_LastGraphID = 3;
    std::unique_ptr<QDialog> d = Make(dialog);
    SetControls(*d, inputs);
    MessageRecorder recorder;
    Click(*d, "Command1");
    QCOMPARE(recorder.Count(), 1);
    if (!message.isEmpty()) {
        QCOMPARE(recorder.Messages()[0].text, message);
        QCOMPARE(recorder.Messages()[0].title, title);
        QCOMPARE(recorder.Messages()[0].icon, MsgIcon::Warning);
    }
    QCOMPARE(d->result(), int(QDialog::Rejected));
    QCOMPARE(g_AllGraphs.FunSurfs.Count(), 0);
    QCOMPARE(g_ShownGraphs.FunSurfs.Count(), 0);
    QCOMPARE(g_LastGraphID, idUsed ? 4 : 3);
    QCOMPARE(g_DocumentKind, int(DocumentKind25D));
}

void TestSolidSequenceDialogs::editInPlace_data()
{
    QTest::addColumn<FigureDialog>("dialog");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QStringList>("change");  // a good edit
    QTest::addColumn<QString>("changedLabel");
    QTest::addColumn<QStringList>("failing"); // an edit OK refuses

    using F = FigureDialog;
    QTest::newRow("intersection")
        << F::Intersection
        << QStringList{"Text1=i", "Text2=sin(x)", "Text3=0.5", "Text4=-pi", "Text5=2.5",
                       "Text6=150", "Combo1=3", "Combo2=5", "Check1=0", "Combo3=6", "Combo4=3"}
        << QStringList{"Text3=cos(x)"} << QStringLiteral("相交关系  y=sin(x), y=cos(x)")
        << QStringList{"Text3=sin("};
    QTest::newRow("limit") << F::Limit
                           << QStringList{"Text1=sin(x)/x", "Combo1=2", "Text2=0.1",
                                          "Check2=0"}
                           << QStringList{"Text1=x^2", "Combo1=0"} << QStringLiteral("极限  y=x^2")
                           << QStringList{"Text1=x^"};
    QTest::newRow("limit, edit that cannot be computed")
        << F::Limit << QStringList{"Text1=sin(x)/x", "Combo1=2", "Text2=0.1", "Check2=0"}
        << QStringList{"Text1=x^2", "Combo1=0"} << QStringLiteral("极限  y=x^2")
        << QStringList{"Text1=x^100", "Text2=10"};
    QTest::newRow("arithmetic sequence")
        << F::ArithmeticSequence << QStringList{"Text2=-1.5", "Text3=0.25", "Text4=9"}
        << QStringList{"Text4=3"} << QStringLiteral("等差数列") << QStringList{"Text4=200"};
    QTest::newRow("geometric sequence")
        << F::GeometricSequence << QStringList{"Text1=g", "Text2=3", "Text3=-0.5", "Text4=7"}
        << QStringList{"Text3=0.5"} << QStringLiteral("等比数列") << QStringList{"Text2=#"};
    QTest::newRow("space line")
        << F::SpaceLine
        << QStringList{"Text2=1", "Text3=2", "Text4=3", "Text5=-1", "Text6=-2.5", "Text7=0.1",
                       "Combo1=4"}
        << QStringList{"Text7=4"} << QStringLiteral("空间直线") << QStringList{"Text5=1e39"};
    QTest::newRow("prism") << F::Prism
                           << QStringList{"Text2=2", "Text3=3", "Text4=1", "Combo1=0",
                                          "Option1=1"}
                           << QStringList{"Combo1=9"} << QStringLiteral("棱柱")
                           << QStringList{"Text2=1e400"};
    QTest::newRow("pyramid") << F::Pyramid << QStringList{"Text2=1", "Text3=2", "Combo1=9"}
                             << QStringList{"Option1=1"} << QStringLiteral("棱锥")
                             << QStringList{"Text6=#"};
    QTest::newRow("pyramid frustum")
        << F::PyramidFrustum
        << QStringList{"Text2=1", "Text3=2", "Text4=3", "Text5=4", "Text6=5", "Text7=6"}
        << QStringList{"Text4=-3"} << QStringLiteral("棱台") << QStringList{"Text7=1e39"};
    QTest::newRow("cylinder") << F::Cylinder << QStringList{"Text2=1", "Text3=2", "Option1=1"}
                              << QStringList{"Option2=1"} << QStringLiteral("圆柱")
                              << QStringList{"Text3=#"};
    QTest::newRow("cone") << F::Cone << QStringList{"Text2=1", "Text3=2", "Text4=0.5"}
                          << QStringList{"Text2=7"} << QStringLiteral("圆锥")
                          << QStringList{"Text4=-1e400"};
    QTest::newRow("cone frustum")
        << F::ConeFrustum << QStringList{"Text2=1", "Text3=2", "Text4=3", "Text6=-8"}
        << QStringList{"Text6=8"} << QStringLiteral("圆台") << QStringList{"Text2=#"};
    QTest::newRow("sphere") << F::Sphere << QStringList{"Text2=1", "Text3=2", "Text5=-3"}
                            << QStringList{"Text3=4"} << QStringLiteral("球")
                            << QStringList{"Text3=1e39"};
}

void TestSolidSequenceDialogs::editInPlace()
{
    QFETCH(FigureDialog, dialog);
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, change);
    QFETCH(QString, changedLabel);
    QFETCH(QStringList, failing);

    g_DocumentKind = KindOf(dialog);
    CheckEditInPlace([&] { return Make(dialog); }, m_window->List1, inputs, change, changedLabel,
                     failing, &m_host->rebuilds);
}

void TestSolidSequenceDialogs::editFillsBoxes()
{
    // Numbers without a leading blank, counts as whole numbers, the look and
    // the side count from the stored values.
    auto add = [&](const std::shared_ptr<Cls9>& g) {
        g_AllGraphs.FunSurfs.Add(g, QString::number(g->ID));
        g_ShownGraphs.FunSurfs.Add(g, QString::number(g->ID));
        m_window->AddListEntry(GraphListLabel(*g, g_DocumentKind));
    };
    auto prism = Cls9::Init(1, QStringLiteral("p"), GraphTypePrism, CoordTypeCartesian3D, "0",
                            "x", "0", 1, 100, 0, 1, 0, 1, 4, 0, 0, 0, 2, 11, 2, 1);
    prism->GPara4 = 2.5f;
    prism->GPara1 = -1.0f;
    prism->EdgeNum = 12;
    auto sphere = Cls9::Init(2, QStringLiteral("s"), GraphTypeSphere, CoordTypeCartesian3D, "0",
                             "x", "0", 1, 100, 0, 1, 0, 1, 4, 0, 0, 0, 2, 11, 7, 3);
    sphere->GPara4 = 0.5f;
    auto sequence = Cls9::Init(3, QStringLiteral("q"), GraphTypeArithmeticSequence,
                               CoordTypeCartesian3D, "0", "x", "0", 1, 100, 0, 1, 0, 1, 4, 0, 0,
                               0, 2, 11, 2, 3);
    sequence->EdgeNum = 40;
    sequence->GPara2 = -0.25f;
    for (const auto& g : {prism, sphere, sequence})
        add(g);
    g_EditingGraph = true;

    m_window->List1->setCurrentRow(0);
    std::unique_ptr<QDialog> d = Make(FigureDialog::Prism);
    auto text = [&](const char* name) { return d->findChild<QLineEdit*>(name)->text(); };
    QCOMPARE(text("Text2"), QStringLiteral("2.5"));
    QCOMPARE(text("Text4"), QStringLiteral("-1"));
    QCOMPARE(d->findChild<QComboBox*>("Combo1")->currentText(), QStringLiteral("12"));
    QVERIFY(d->findChild<QRadioButton*>("Option1")->isChecked());

    // A look other than wireframe shows as a solid.
    m_window->List1->setCurrentRow(1);
    d = Make(FigureDialog::Sphere);
    QCOMPARE(text("Text3"), QStringLiteral("0.5"));
    QVERIFY(d->findChild<QRadioButton*>("Option2")->isChecked());

    m_window->List1->setCurrentRow(2);
    d = Make(FigureDialog::ArithmeticSequence);
    QCOMPARE(text("Text3"), QStringLiteral("-0.25"));
    QCOMPARE(text("Text4"), QStringLiteral("40"));
    g_EditingGraph = false;
}

void TestSolidSequenceDialogs::colourBoxes_data()
{
    QTest::addColumn<FigureDialog>("dialog");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("initial");
    QTest::addColumn<QString>("member");

    using F = FigureDialog;
    const QStringList filled = {"Text2=x", "Text3=1", "Text4=-1", "Text5=1"};
    QTest::newRow("first curve") << F::Intersection << filled << "Picture1" << 0x0000FF
                                 << "LineColor";
    QTest::newRow("second curve") << F::Intersection << filled << "Picture2" << 0xFF0000
                                  << "Color2";
    QTest::newRow("crossings") << F::Intersection << filled << "Picture3" << 0x404040
                               << "InterColor";
    QTest::newRow("area") << F::Intersection << filled << "Picture4" << 0x80FF80
                          << "AreaColor";
    QTest::newRow("space line") << F::SpaceLine << QStringList{} << "Picture1" << 0xFF0000
                                << "GeomColor";
    QTest::newRow("cone") << F::Cone << QStringList{} << "Picture1" << 0x0000FF << "GeomColor";
}

void TestSolidSequenceDialogs::colourBoxes()
{
    QFETCH(FigureDialog, dialog);
    QFETCH(QStringList, inputs);
    QFETCH(QString, box);
    QFETCH(int, initial);
    QFETCH(QString, member);

    g_DocumentKind = KindOf(dialog);
    std::unique_ptr<QDialog> d = Make(dialog);
    PickGreenAndOk(*d, inputs, box, initial);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(Member(*g_AllGraphs.FunSurfs.Item(1), member), I(0x00FF00));
}

void TestSolidSequenceDialogs::listsTakeNoTyping()
{
    // Every list is picked from, never typed into, so OK always reads one
    // of its items; each opens on its default.
    using F = FigureDialog;
    const std::map<F, QStringList> defaults = {
        {F::Intersection, {"2", "2", "2", "空心圆"}},
        {F::Limit, {"两侧"}},
        {F::SpaceLine, {"2"}},
        {F::Prism, {"6"}},
        {F::Pyramid, {"6"}},
        {F::PyramidFrustum, {"6"}},
    };
    for (F kind : {F::Intersection, F::Limit, F::ArithmeticSequence, F::GeometricSequence,
                   F::SpaceLine, F::Prism, F::Pyramid, F::PyramidFrustum, F::Cylinder, F::Cone,
                   F::ConeFrustum, F::Sphere}) {
        std::unique_ptr<QDialog> d = Make(kind);
        QStringList shown;
        for (int i = 1; i <= 4; ++i) {
            if (const auto* combo = d->findChild<QComboBox*>(QStringLiteral("Combo%1").arg(i))) {
                QVERIFY2(!combo->isEditable(), qPrintable(combo->objectName()));
                shown << combo->currentText();
            }
        }
        const auto it = defaults.find(kind);
        QCOMPARE(shown, it == defaults.end() ? QStringList{} : it->second);
    }
}

QTEST_MAIN(TestSolidSequenceDialogs)
#include "tst_solid_sequence_dialogs.moc"
