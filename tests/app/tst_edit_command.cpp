// The graph list's editing command on the real main window: an edit through
// the dialog keeps the graph's ID and rewrites its entry and the result
// pane; Cancel changes nothing; each dialog is filled so that OK without a
// change gives back the same graph; entries and kinds it refuses.
#include "app/AnimationCommands_ui.h"
#include "app/EditCommand_ui.h"
#include "app/frmF1_ui.h"
#include "dialogs/common/ColorBox_ui.h"
#include "dialogs/common/DialogHost.h"
#include "dialogs/figures/FigureDialogs_ui.h"
#include "dialogs/graph/PointDialogCommon_ui.h"
#include "dialogs/graph/frmF16_ui.h"
#include "dialogs/graph/frmF17_ui.h"
#include "dialogs/graph/frmF4_ui.h"
#include "dialogs/graph/frmF5_ui.h"
#include "model/Cls8.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "model/ListLabel.h"
#include "io/DocumentWriter.h"
#include "model/Cls3.h"
#include "platform/MessageBox.h"
#include "dialogs/FigureDialogTesting.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <functional>

class TestEditCommand : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void popupItem();
    void editFunctionKeepsIdAndRelabels();
    void cancelLeavesGraphUnchanged();
    void okWithoutChangeGivesBackTheSameGraph();
    void okWithoutChangeKeepsLargeAndSmallNumbers();
    void namesTheDocumentCannotSaveAreRefused();
    void explicitFunctionFilled();
    void animatedFunctionFilled();
    void implicitPolarFunctionFilled();
    void pointsFilled();
    void refusedEntries();
    void kindsWithoutDialog();

private:
    // A graph made through its dialog in a document of `kind`.
    struct Case {
        const char* name;
        int32_t kind;
        std::function<void()> create;
    };
    // Makes each case's graph, edits it and presses OK without a change:
    // the edit is accepted and gives back the same record, ID and label.
    void CheckOkWithoutChange(const std::vector<Case>& cases);
    // Runs the command; `act` gets the modal dialog it opened (nullptr when
    // none was open) and must close it.
    bool RunCommand(const std::function<void(QDialog*)>& act);
    // Ends a creating dialog: OK, then the list entry as the Draw menu adds it.
    void FinishCreating(QDialog& d, const std::function<void()>& ok);
    // Creates a figure through its dialog from "control=value" pairs (a text
    // box takes the text, a list the index, a check box or option "1").
    void CreateFigure(FigureDialog which, const QStringList& controls);
    QString Record(int position) const;

    frmF1* m_window = nullptr;
    QTemporaryDir m_dataHome;
};

void TestEditCommand::initTestCase()
{
    QVERIFY(m_dataHome.isValid());
    qputenv("XDG_DATA_HOME", m_dataHome.path().toLocal8Bit());
}

void TestEditCommand::init()
{
    m_window = new frmF1;
    m_window->Form_Load(QString());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestEditCommand::cleanup()
{
    g_AllGraphs.FunSurfs.Clear();
    g_ShownGraphs.FunSurfs.Clear();
    g_DocumentKind = DocumentKind2D;
    g_EditingGraph = false;
    m_window->close();
    delete m_window;
    m_window = nullptr;
}

bool TestEditCommand::RunCommand(const std::function<void(QDialog*)>& act)
{
    // The timer can only fire inside a modal loop of the command; when the
    // command opens nothing it is stopped unfired.
    bool ran = false;
    QTimer timer;
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, m_window, [&] {
        ran = true;
        act(qobject_cast<QDialog*>(QApplication::activeModalWidget()));
    });
    timer.start(0);
    mnuFunEdit_Click(m_window);
    timer.stop();
    return ran;
}

void TestEditCommand::FinishCreating(QDialog& d, const std::function<void()>& ok)
{
    g_EditingGraph = false;
    const int32_t old = g_AllGraphs.FunSurfs.Count();
    ok();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    m_window->FinishCreatingCommand(old, 0.0f, 0.0f, 0.0f);
}

void TestEditCommand::CreateFigure(FigureDialog which, const QStringList& controls)
{
    std::unique_ptr<QDialog> d = MakeFigureDialog(which, m_window);
    FigureDialogTesting::SetControls(*d, controls);
    if (QTest::currentTestFailed())
        return;
    FinishCreating(*d, [&] { FigureDialogTesting::ClickOk(*d); });
}

QString TestEditCommand::Record(int position) const
{
    return g_AllGraphs.FunSurfs.Item(position)->Save().value_or(QStringLiteral("<no record>"));
}

void TestEditCommand::popupItem()
{
    const QList<QAction*> items = m_window->FunEdit->actions();
    QVERIFY(!items.isEmpty());
    QCOMPARE(items.first()->objectName(), QStringLiteral("mnuFunEdit"));
    QCOMPARE(items.first()->text(), QStringLiteral("编辑..."));
}

void TestEditCommand::editFunctionKeepsIdAndRelabels()
{
    for (const char* expr : {"x", "sin(x)"}) {
        frmF5 d(m_window);
        d.SetUpForDrawMenu(false);
        d.Text2->setText(QString::fromLatin1(expr));
        d.Text4->setText(QStringLiteral("-10"));
        d.Text5->setText(QStringLiteral("10"));
        FinishCreating(d, [&] { d.Command1_Click(); });
    }
    const int32_t id = g_AllGraphs.FunSurfs.Item(2)->ID;
    QCOMPARE(m_window->List1->count(), 2);
    const QString firstEntry = m_window->List1->item(0)->text();
    m_window->List1->setCurrentRow(1);

    // Through the pop-up item, as the user reaches it.
    QTimer::singleShot(0, m_window, [] {
        auto* d = qobject_cast<frmF5*>(QApplication::activeModalWidget());
        QVERIFY(d);
        QCOMPARE(d->Text2->text(), QStringLiteral("sin(x)"));
        d->Text2->setText(QStringLiteral("cos(x)"));
        d->Command1->click();
    });
    m_window->findChild<QAction*>("mnuFunEdit")->trigger();

    QCOMPARE(g_AllGraphs.FunSurfs.Count(), 2);
    QCOMPARE(g_ShownGraphs.FunSurfs.Count(), 2);
    const auto edited = g_AllGraphs.FunSurfs.Item(2);
    QCOMPARE(edited->ID, id);
    QCOMPARE(edited->ExpressZ, QStringLiteral("cos(x)"));
    QCOMPARE(g_ShownGraphs.FunSurfs.Item(2).get(), edited.get());
    QCOMPARE(m_window->List1->item(1)->text(), GraphListLabel(*edited, DocumentKind2D));
    QVERIFY(m_window->List1->item(1)->text().contains(QStringLiteral("cos(x)")));
    QCOMPARE(m_window->List1->item(0)->text(), firstEntry);
    QCOMPARE(m_window->List1->item(1)->checkState(), Qt::Checked);
    const QString pane = m_window->Result->toPlainText();
    QVERIFY2(pane.contains(QStringLiteral("函数 y=cos(x)")), qPrintable(pane));
    QVERIFY2(!pane.contains(QStringLiteral("sin")), qPrintable(pane));
    QVERIFY(!g_EditingGraph);
}

void TestEditCommand::cancelLeavesGraphUnchanged()
{
    frmF5 create(m_window);
    create.SetUpForDrawMenu(false);
    create.Text2->setText(QStringLiteral("sin(x)"));
    create.Text4->setText(QStringLiteral("-10"));
    create.Text5->setText(QStringLiteral("10"));
    FinishCreating(create, [&] { create.Command1_Click(); });
    const QString record = Record(1);
    const QString entry = m_window->List1->item(0)->text();
    const QString pane = m_window->Result->toPlainText();
    m_window->List1->setCurrentRow(0);

    QVERIFY(RunCommand([](QDialog* d) {
        auto* f = qobject_cast<frmF5*>(d);
        QVERIFY(f);
        f->Text2->setText(QStringLiteral("cos(x)"));
        f->Command2->click();
    }));
    QCOMPARE(Record(1), record);
    QCOMPARE(m_window->List1->item(0)->text(), entry);
    QCOMPARE(m_window->Result->toPlainText(), pane);
    QCOMPARE(g_AllGraphs.FunSurfs.Count(), 1);
    // Edit mode ends with the command, so the next dialog's OK creates.
    QVERIFY(!g_EditingGraph);
}

void TestEditCommand::okWithoutChangeGivesBackTheSameGraph()
{
    const std::vector<Case> cases = {
        {"explicit function with overlays", DocumentKind2D,
         [this] {
             frmF5 d(m_window);
             d.SetUpForDrawMenu(false);
             d.Text2->setText(QStringLiteral("x^3-x"));
             d.Text4->setText(QStringLiteral("-3"));
             d.Text5->setText(QStringLiteral("3"));
             d.Text6->setText(QStringLiteral("150"));
             d.Combo2->setCurrentIndex(2);
             d.Picture1->SetColor(0x123456);
             d.Check1->setChecked(true);
             d.Picture2->SetColor(0x00AA00);
             d.Combo4->setCurrentIndex(3);
             d.Check4->setChecked(true);
             d.Text13->setText(QStringLiteral("-1.5"));
             d.Text14->setText(QStringLiteral("2.25"));
             d.Check9->setChecked(true);
             d.Combo12->setCurrentIndex(8);
             d.Combo13->setCurrentIndex(4);
             d.Check14->setChecked(true);
             d.List2->addItems({QStringLiteral("1.5"), QStringLiteral("-2"), QStringLiteral("0.25")});
             d.Check13->setChecked(true);
             d.Text17->setText(QStringLiteral("-1"));
             d.Text18->setText(QStringLiteral("1"));
             FinishCreating(d, [&] { d.Command1_Click(); });
         }},
        {"animated parametric polar function", DocumentKind2D,
         [this] {
             frmF5 d(m_window);
             SetUpFrmF5ForAnimation(d, true);
             d.SetCombo3Index(1);
             d.Text2->setText(QStringLiteral("u"));
             d.Text3->setText(QStringLiteral("1+t*u"));
             d.Text4->setText(QStringLiteral("0"));
             d.Text5->setText(QStringLiteral("6.28"));
             d.Text6->setText(QStringLiteral("60"));
             d.Text7->setText(QStringLiteral("0"));
             d.Text8->setText(QStringLiteral("2"));
             FinishCreating(d, [&] { d.Command1_Click(); });
         }},
        {"inequality", DocumentKind2D,
         [this] {
             frmF5 d(m_window);
             d.SetUpForDrawMenu(false);
             d.SetCombo3Index(3);
             d.Text2->setText(QStringLiteral("x^2+y^2-4"));
             d.Text4->setText(QStringLiteral("-3"));
             d.Text5->setText(QStringLiteral("3"));
             d.Text10->setText(QStringLiteral("-2.5"));
             d.Text11->setText(QStringLiteral("2.5"));
             FinishCreating(d, [&] { d.Command1_Click(); });
         }},
        {"animated parametric polar 2.5D function", DocumentKind25D,
         [this] {
             frmF4 d(m_window);
             d.SetUpForAnimation(true);
             d.SetCombo2Index(1);
             d.Text2->setText(QStringLiteral("u"));
             d.Text3->setText(QStringLiteral("2+t"));
             d.Text5->setText(QStringLiteral("0"));
             d.Text6->setText(QStringLiteral("3"));
             d.Text7->setText(QStringLiteral("30"));
             d.Text4->setText(QStringLiteral("0"));
             d.Text8->setText(QStringLiteral("1"));
             d.Option4->setChecked(true);
             d.Picture4->SetColor(0x00FF00);
             d.SetList1Index(6);
             d.Option6->setChecked(true);
             d.Option8->setChecked(true);
             FinishCreating(d, [&] { d.Command1_Click(); });
         }},
        {"hollow 2D point", DocumentKind2D,
         [this] {
             frmF16 d(m_window);
             d.SetUpForDrawMenu();
             d.SetCombo1Index(1);
             d.Text2->setText(QStringLiteral("0.5"));
             d.Text3->setText(QStringLiteral("3"));
             d.Option2->setChecked(true);
             d.Combo2->setCurrentIndex(8);
             d.Picture1->SetColor(0x00FFFF);
             FinishCreating(d, [&] { d.Command1_Click(); });
         }},
        {"2.5D point", DocumentKind25D,
         [this] {
             frmF16 d(m_window);
             d.SetUpForDrawMenu();
             d.Text2->setText(QStringLiteral("1"));
             d.Text3->setText(QStringLiteral("2"));
             d.Picture1->SetColor(0xFF00FF);
             FinishCreating(d, [&] { d.Command1_Click(); });
         }},
        {"spherical 3D point", DocumentKind3D,
         [this] {
             frmF16 d(m_window);
             d.SetUpForDrawMenu();
             d.SetCombo1Index(2);
             d.Text2->setText(QStringLiteral("0.5"));
             d.Text3->setText(QStringLiteral("1"));
             d.Text4->setText(QStringLiteral("4"));
             d.Combo2->setCurrentIndex(5);
             FinishCreating(d, [&] { d.Command1_Click(); });
         }},
        {"hollow point animation", DocumentKind2D,
         [this] {
             frmF17 d(m_window);
             d.SetUpForAnimationMenu();
             d.Text2->setText(QStringLiteral("t"));
             d.Text3->setText(QStringLiteral("t^2"));
             d.Text5->setText(QStringLiteral("-2"));
             d.Text6->setText(QStringLiteral("2"));
             d.Option2->setChecked(true);
             d.Combo2->setCurrentIndex(3);
             FinishCreating(d, [&] { d.Command1_Click(); });
         }},
        {"2.5D explicit function", DocumentKind25D,
         [this] {
             frmF4 d(m_window);
             d.SetUpForDrawMenu(false);
             d.Text2->setText(QStringLiteral("sin(x)"));
             d.Text5->setText(QStringLiteral("-2"));
             d.Text6->setText(QStringLiteral("2"));
             d.Text7->setText(QStringLiteral("40"));
             FinishCreating(d, [&] { d.Command1_Click(); });
         }},
        {"animated 2.5D function in a 3D document", DocumentKind3D,
         [this] {
             frmF4 d(m_window);
             d.SetUpForAnimation(false);
             d.Text2->setText(QStringLiteral("sin(x+t)"));
             d.Text5->setText(QStringLiteral("-3"));
             d.Text6->setText(QStringLiteral("3"));
             d.Text7->setText(QStringLiteral("20"));
             d.Text4->setText(QStringLiteral("0"));
             d.Text8->setText(QStringLiteral("2"));
             d.Option5->setChecked(true);
             FinishCreating(d, [&] { d.Command1_Click(); });
         }},
        {"animated point in a 2.5D document", DocumentKind25D,
         [this] {
             frmF17 d(m_window);
             d.SetUpForAnimationMenu();
             d.SetCombo1Index(1);
             d.Text2->setText(QStringLiteral("t"));
             d.Text3->setText(QStringLiteral("2"));
             d.Text5->setText(QStringLiteral("0"));
             d.Text6->setText(QStringLiteral("3"));
             FinishCreating(d, [&] { d.Command1_Click(); });
         }},
        {"cylindrical animated point in a 3D document", DocumentKind3D,
         [this] {
             frmF17 d(m_window);
             d.SetUpForAnimationMenu();
             d.SetCombo1Index(1);
             d.Text2->setText(QStringLiteral("t"));
             d.Text3->setText(QStringLiteral("2"));
             d.Text4->setText(QStringLiteral("t/2"));
             d.Text5->setText(QStringLiteral("-1"));
             d.Text6->setText(QStringLiteral("1"));
             d.Combo2->setCurrentIndex(6);
             d.Picture1->SetColor(0x00FF00);
             FinishCreating(d, [&] { d.Command1_Click(); });
         }},
        {"curve intersection", DocumentKind2D,
         [this] {
             CreateFigure(FigureDialog::Intersection,
                          {"Text1=i", "Text2=x^2", "Text3=x+1", "Text4=-2.5", "Text5=3",
                           "Text6=120", "Combo1=3", "Combo2=0", "Check1=0", "Combo3=5",
                           "Combo4=4"});
         }},
        {"limit", DocumentKind2D,
         [this] {
             CreateFigure(FigureDialog::Limit,
                          {"Text1=sin(x)/x", "Combo1=1", "Text2=0.5", "Check1=0"});
         }},
        {"line with a point and a second line", DocumentKind2D,
         [this] {
             CreateFigure(FigureDialog::Line,
                          {"Combo1=1", "Text2=1", "Text3=2", "Text4=-0.5", "Check1=1",
                           "Text8=3", "Text9=1", "Option1=1", "Check2=1", "Combo2=2",
                           "Text10=1", "Text11=1"});
         }},
        {"circle with a tangent", DocumentKind2D,
         [this] {
             CreateFigure(FigureDialog::Circle,
                          {"Text2=1", "Text3=2", "Text4=2", "Check2=1", "Option2=1",
                           "Text7=0.5"});
         }},
        {"parametric ellipse", DocumentKind2D,
         [this] {
             CreateFigure(FigureDialog::Ellipse,
                          {"Combo1=1", "Text2=3", "Text3=2", "Text4=-1", "Check1=1"});
         }},
        {"hyperbola", DocumentKind2D,
         [this] {
             CreateFigure(FigureDialog::Hyperbola, {"Combo1=1", "Text2=2", "Text3=1.5"});
         }},
        {"parabola", DocumentKind2D,
         [this] { CreateFigure(FigureDialog::Parabola, {"Text2=1", "Text4=0.25"}); }},
        {"plane vector", DocumentKind2D,
         [this] {
             CreateFigure(FigureDialog::Vector, {"Text2=1", "Text3=-2", "Text5=3", "Text6=4"});
         }},
        {"vector times a constant", DocumentKind2D,
         [this] {
             CreateFigure(FigureDialog::VectorOperation,
                          {"Combo1=2", "Text2=1", "Text3=2", "Text4=-1.5"});
         }},
        {"arithmetic sequence", DocumentKind2D,
         [this] {
             CreateFigure(FigureDialog::ArithmeticSequence,
                          {"Text1=a", "Text2=-2", "Text3=0.5", "Text4=12"});
         }},
        {"geometric sequence", DocumentKind2D,
         [this] {
             CreateFigure(FigureDialog::GeometricSequence,
                          {"Text2=1", "Text3=0.5", "Text4=6"});
         }},
        {"space line", DocumentKind3D,
         [this] {
             CreateFigure(FigureDialog::SpaceLine, {"Text2=1", "Text3=-1", "Text4=0.5",
                                                    "Text5=2", "Text6=3", "Text7=4",
                                                    "Combo1=5"});
         }},
        {"wireframe prism of 5 sides", DocumentKind3D,
         [this] {
             CreateFigure(FigureDialog::Prism,
                          {"Text2=2", "Text3=3", "Text4=1", "Combo1=2", "Option1=1"});
         }},
        {"pyramid", DocumentKind3D,
         [this] {
             CreateFigure(FigureDialog::Pyramid, {"Text2=1.5", "Text3=2", "Text6=-1",
                                                  "Combo1=9"});
         }},
        {"pyramid frustum", DocumentKind3D,
         [this] {
             CreateFigure(FigureDialog::PyramidFrustum,
                          {"Text2=1", "Text3=2", "Text4=3", "Text5=4", "Text6=5", "Text7=6"});
         }},
        {"cylinder", DocumentKind3D,
         [this] { CreateFigure(FigureDialog::Cylinder, {"Text2=1", "Text3=2", "Text5=3"}); }},
        {"wireframe cone", DocumentKind3D,
         [this] {
             CreateFigure(FigureDialog::Cone, {"Text2=1", "Text3=2", "Option1=1"});
         }},
        {"cone frustum", DocumentKind3D,
         [this] {
             CreateFigure(FigureDialog::ConeFrustum,
                          {"Text2=0.5", "Text3=1", "Text4=2", "Text5=-3"});
         }},
        {"sphere", DocumentKind3D,
         [this] {
             CreateFigure(FigureDialog::Sphere, {"Text2=1", "Text3=2.5", "Text4=-1",
                                                 "Text5=0.25"});
         }},
    };
    CheckOkWithoutChange(cases);
}

void TestEditCommand::CheckOkWithoutChange(const std::vector<Case>& cases)
{
    for (const Case& c : cases) {
        g_AllGraphs.FunSurfs.Clear();
        g_ShownGraphs.FunSurfs.Clear();
        m_window->List1->clear();
        g_DocumentKind = c.kind;
        c.create();
        QVERIFY2(g_AllGraphs.FunSurfs.Count() == 1, c.name);
        const QString before = Record(1);
        const int32_t id = g_AllGraphs.FunSurfs.Item(1)->ID;
        m_window->List1->setCurrentRow(0);

        bool accepted = false;
        QVERIFY2(RunCommand([&](QDialog* d) {
                     QVERIFY2(d, c.name);
                     d->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
                     accepted = d->result() == QDialog::Accepted;
                     if (!accepted)
                         d->reject(); // a refused OK leaves the dialog open
                 }),
                 c.name);
        QVERIFY2(accepted, c.name);
        QVERIFY2(!g_EditingGraph, c.name);
        QVERIFY2(g_AllGraphs.FunSurfs.Item(1)->ID == id, c.name);
        QCOMPARE(g_AllGraphs.FunSurfs.Count(), 1);
        if (Record(1) != before)
            QFAIL(qPrintable(QStringLiteral("%1:\n%2\n%3").arg(QString::fromLatin1(c.name), before,
                                                             Record(1))));
        QVERIFY2(m_window->List1->item(0)->text() ==
                     GraphListLabel(*g_AllGraphs.FunSurfs.Item(1), c.kind),
                 c.name);
    }
}

void TestEditCommand::okWithoutChangeKeepsLargeAndSmallNumbers()
{
    // Numbers of eight or more integer digits have an exponent form in
    // number text ("1E+08"), which neither the expression compiler nor the
    // number filter reads: every box an edit fills must hold plain text.
    const QString big = QStringLiteral("100000000");
    const QString tiny = QStringLiteral("0.00001");
    const std::vector<Case> cases = {
        {"explicit function", DocumentKind2D,
         [&] {
             frmF5 d(m_window);
             d.SetUpForDrawMenu(false);
             d.Text2->setText(QStringLiteral("x"));
             d.Text4->setText(QStringLiteral("-") + big);
             d.Text5->setText(big);
             d.Text6->setText(QStringLiteral("100"));
             d.Text13->setText(tiny);
             d.Text14->setText(QStringLiteral("20000000"));
             d.Text17->setText(QStringLiteral("-30000000"));
             d.Text18->setText(tiny);
             d.List2->addItems({big, tiny});
             FinishCreating(d, [&] { d.Command1_Click(); });
         }},
        {"animated function", DocumentKind2D,
         [&] {
             frmF5 d(m_window);
             SetUpFrmF5ForAnimation(d, false);
             d.Text2->setText(QStringLiteral("t*x"));
             d.Text4->setText(QStringLiteral("0"));
             d.Text5->setText(tiny);
             d.Text6->setText(QStringLiteral("10"));
             d.Text7->setText(QStringLiteral("-200000000"));
             d.Text8->setText(QStringLiteral("300000000"));
             FinishCreating(d, [&] { d.Command1_Click(); });
         }},
        {"implicit function", DocumentKind2D,
         [&] {
             frmF5 d(m_window);
             d.SetUpForDrawMenu(false);
             d.SetCombo3Index(2);
             d.Text2->setText(QStringLiteral("x-y"));
             d.Text4->setText(QStringLiteral("-") + big);
             d.Text5->setText(big);
             d.Text10->setText(QStringLiteral("-0.00002"));
             d.Text11->setText(tiny);
             FinishCreating(d, [&] { d.Command1_Click(); });
         }},
        {"animated 2.5D function", DocumentKind25D,
         [&] {
             frmF4 d(m_window);
             d.SetUpForAnimation(false);
             d.Text2->setText(QStringLiteral("x+t"));
             d.Text5->setText(QStringLiteral("-50000000"));
             d.Text6->setText(tiny);
             d.Text7->setText(QStringLiteral("10"));
             d.Text4->setText(QStringLiteral("-") + big);
             d.Text8->setText(big);
             FinishCreating(d, [&] { d.Command1_Click(); });
         }},
        {"animated point", DocumentKind2D,
         [&] {
             frmF17 d(m_window);
             d.SetUpForAnimationMenu();
             d.Text2->setText(QStringLiteral("t"));
             d.Text3->setText(QStringLiteral("1"));
             d.Text5->setText(QStringLiteral("-") + big);
             d.Text6->setText(big);
             FinishCreating(d, [&] { d.Command1_Click(); });
         }},
        {"curve intersection", DocumentKind2D,
         [&] {
             CreateFigure(FigureDialog::Intersection,
                          {"Text2=x", "Text3=-x", "Text4=-10000000", "Text5=10000000"});
         }},
        {"limit", DocumentKind2D,
         [&] { CreateFigure(FigureDialog::Limit, {"Text1=x", "Text2=" + big}); }},
        {"line with a second line", DocumentKind2D,
         [&] {
             CreateFigure(FigureDialog::Line,
                          {"Combo1=1", "Text2=" + tiny, "Text3=2", "Text4=" + big,
                           "Text6=-" + big, "Text7=" + big, "Check2=1", "Combo2=3",
                           "Text10=1", "Text11=" + tiny, "Text12=" + big, "Text13=2"});
         }},
        {"circle from three points", DocumentKind2D,
         [&] {
             CreateFigure(FigureDialog::Circle,
                          {"Text2=" + tiny, "Text3=" + big, "Text4=2", "Check3=1",
                           "Option7=1", "Text21=0", "Text22=0", "Text23=1", "Text24=" + big,
                           "Text25=" + tiny, "Text26=1"});
         }},
        {"circle, centre and a point", DocumentKind2D,
         [&] {
             CreateFigure(FigureDialog::Circle, {"Text4=1", "Check3=1", "Option5=1",
                                                 "Text12=" + big, "Text15=" + tiny});
         }},
        {"ellipse", DocumentKind2D,
         [&] { CreateFigure(FigureDialog::Ellipse, {"Text2=" + big, "Text3=" + tiny}); }},
        {"hyperbola", DocumentKind2D,
         [&] {
             CreateFigure(FigureDialog::Hyperbola,
                          {"Text2=" + big, "Text3=0.5", "Text5=" + tiny});
         }},
        {"parabola", DocumentKind2D,
         [&] { CreateFigure(FigureDialog::Parabola, {"Text2=" + big, "Text4=" + tiny}); }},
        {"plane vector", DocumentKind2D,
         [&] { CreateFigure(FigureDialog::Vector, {"Text2=" + big, "Text6=" + tiny}); }},
        {"vector times a constant", DocumentKind2D,
         [&] {
             CreateFigure(FigureDialog::VectorOperation,
                          {"Combo1=2", "Text2=" + tiny, "Text4=" + big});
         }},
        {"arithmetic sequence", DocumentKind2D,
         [&] {
             CreateFigure(FigureDialog::ArithmeticSequence,
                          {"Text2=" + big, "Text3=" + tiny, "Text4=3"});
         }},
        {"space line", DocumentKind3D,
         [&] { CreateFigure(FigureDialog::SpaceLine, {"Text2=" + big, "Text7=" + tiny}); }},
        {"sphere", DocumentKind3D,
         [&] { CreateFigure(FigureDialog::Sphere, {"Text2=" + tiny, "Text3=" + big}); }},
    };
    CheckOkWithoutChange(cases);
}

void TestEditCommand::namesTheDocumentCannotSaveAreRefused()
{
    // The dialogs of each family, with boxes OK accepts, and their name box.
    struct Dialog {
        const char* what;
        int32_t kind;
        std::function<std::unique_ptr<QDialog>()> make;
        const char* nameBox;
    };
    auto figure = [this](FigureDialog which, QStringList controls) {
        return [this, which, controls] {
            std::unique_ptr<QDialog> d = MakeFigureDialog(which, m_window);
            FigureDialogTesting::SetControls(*d, controls);
            return d;
        };
    };
    const std::vector<Dialog> dialogs = {
        {"2D function", DocumentKind2D,
         [this] {
             auto d = std::make_unique<frmF5>(m_window);
             d->SetUpForDrawMenu(false);
             d->Text2->setText(QStringLiteral("x"));
             d->Text4->setText(QStringLiteral("-1"));
             d->Text5->setText(QStringLiteral("1"));
             return std::unique_ptr<QDialog>(std::move(d));
         },
         "Text1"},
        {"2.5D function", DocumentKind25D,
         [this] {
             auto d = std::make_unique<frmF4>(m_window);
             d->SetUpForDrawMenu(false);
             d->Text2->setText(QStringLiteral("x"));
             d->Text5->setText(QStringLiteral("-1"));
             d->Text6->setText(QStringLiteral("1"));
             d->Text7->setText(QStringLiteral("10"));
             return std::unique_ptr<QDialog>(std::move(d));
         },
         "Text1"},
        {"point", DocumentKind2D,
         [this] {
             auto d = std::make_unique<frmF16>(m_window);
             d->SetUpForDrawMenu();
             return std::unique_ptr<QDialog>(std::move(d));
         },
         "Text1"},
        {"animated point", DocumentKind2D,
         [this] {
             auto d = std::make_unique<frmF17>(m_window);
             d->SetUpForAnimationMenu();
             d->Text2->setText(QStringLiteral("t"));
             d->Text3->setText(QStringLiteral("1"));
             d->Text5->setText(QStringLiteral("0"));
             d->Text6->setText(QStringLiteral("1"));
             return std::unique_ptr<QDialog>(std::move(d));
         },
         "Text1"},
        {"limit", DocumentKind2D, figure(FigureDialog::Limit, {"Text1=x"}), "Text3"},
        {"circle", DocumentKind2D, figure(FigureDialog::Circle, {"Text4=1"}), "Text1"},
        {"vector", DocumentKind2D, figure(FigureDialog::Vector, {"Text2=1"}), "Text1"},
        {"sequence", DocumentKind2D, figure(FigureDialog::GeometricSequence, {"Text4=2"}),
         "Text1"},
        {"prism", DocumentKind3D, figure(FigureDialog::Prism, {"Text2=1", "Text3=1"}), "Text1"},
    };
    QStringList words;
    for (int i = 0; i < 102; ++i)
        words << QStringLiteral("w");
    // The tag character is dropped by iconv without an error; a lone
    // surrogate is refused alone, not with the "@" the record puts after it.
    const QStringList refused = {QStringLiteral("a@ b"), words.join(u' '),
                                 QString::fromUtf8("曲线😀"),
                                 QStringLiteral("a") + QString::fromUcs4(U"\U000E0041") +
                                     QStringLiteral("b"),
                                 QString(QChar(0xD800)), QString(QChar(0xD800)) + u'@'};
    // What the writer says of a graph of that name.
    auto writerSays = [](const QString& name) {
        Cls8 scene;
        auto g = Cls9::Init(1, name, GraphTypePoint, CoordTypeCartesian2D, "0", "1", "1", 1, 1,
                            0, 1, 0, 0, 4, 0, 0, 0, 1, 4, 2, 2);
        scene.FunSurfs.Add(g, QStringLiteral("1"));
        QString why;
        const std::optional<QString> text = BuildDocumentText(DocumentKind2D, scene, Cls3(), &why);
        const bool saved = text && BuildDocumentFile(*text, &why).has_value();
        return saved ? QString() : why;
    };
    auto nameBox = [](QDialog& d, const char* name) {
        return d.findChild<QLineEdit*>(QString::fromLatin1(name));
    };

    for (const Dialog& dialog : dialogs) {
        g_AllGraphs.FunSurfs.Clear();
        g_ShownGraphs.FunSurfs.Clear();
        m_window->List1->clear();
        g_DocumentKind = dialog.kind;
        g_LastGraphID = 3;
        g_EditingGraph = false;
        for (const QString& name : refused) {
            const QString what = QStringLiteral("%1, %2").arg(dialog.what, name.left(12));
            const QString expected = writerSays(name);
            QVERIFY2(!expected.isEmpty(), qPrintable(what));
            std::unique_ptr<QDialog> d = dialog.make();
            nameBox(*d, dialog.nameBox)->setText(name);
            MessageRecorder recorder;
            FigureDialogTesting::ClickOk(*d);
            QVERIFY2(recorder.Count() == 1, qPrintable(what));
            QVERIFY2(recorder.Messages()[0].text == expected,
                     qPrintable(what + QStringLiteral(": ") + recorder.Messages()[0].text));
            QCOMPARE(recorder.Messages()[0].title, QStringLiteral("出错"));
            QVERIFY2(d->result() == QDialog::Rejected, qPrintable(what));
            QVERIFY2(g_AllGraphs.FunSurfs.Count() == 0, qPrintable(what));
            QVERIFY2(g_ShownGraphs.FunSurfs.Count() == 0, qPrintable(what));
            QVERIFY2(g_LastGraphID == 3, qPrintable(what));
        }

        // A name that only looks odd is stored as typed ...
        const QString odd = QString::fromUtf8("@a 圆€ b@");
        QVERIFY(writerSays(odd).isEmpty());
        {
            std::unique_ptr<QDialog> d = dialog.make();
            nameBox(*d, dialog.nameBox)->setText(odd);
            FinishCreating(*d, [&] { FigureDialogTesting::ClickOk(*d); });
        }
        QVERIFY2(g_AllGraphs.FunSurfs.Count() == 1, dialog.what);
        QCOMPARE(g_AllGraphs.FunSurfs.Item(1)->NameS, odd);

        // ... and an edit cannot rename it to what cannot be saved.
        const QString before = Record(1);
        m_window->List1->setCurrentRow(0);
        int shown = -1;
        QVERIFY2(RunCommand([&](QDialog* d) {
                     QVERIFY(d);
                     nameBox(*d, dialog.nameBox)->setText(refused.front());
                     MessageRecorder recorder;
                     FigureDialogTesting::ClickOk(*d);
                     shown = recorder.Count();
                     d->reject();
                 }),
                 dialog.what);
        QVERIFY2(shown == 1, dialog.what);
        QCOMPARE(Record(1), before);
    }
}

void TestEditCommand::explicitFunctionFilled()
{
    Cls9 g;
    g.GraphType = GraphType2DFunction;
    g.FunForm = FunFormExplicit;
    g.CoordType = CoordTypeCartesian2D;
    g.NameS = QStringLiteral("f");
    g.ExpressX = QStringLiteral("0");
    g.ExpressY = QStringLiteral("x");
    g.ExpressZ = QStringLiteral("x^2-1");
    g.MinV = -2.5f;
    g.MaxV = 4.0f;
    g.StepV = 120;
    g.LineColor = 0x0000FF;
    g.LineWidth = 3;
    g.ShowInverse = true;
    g.InvWidth = 8;
    g.ShowRoot = true;
    g.RootSize = 9;
    g.RootSymbol = 6;
    g.ShowQie = true;
    g.QieNum = 3;
    g.QieX[1] = 2.0f;
    g.QieX[2] = -0.5f;
    g.QieX[3] = 0.125f;

    auto dialog = MakeEditDialog(g, m_window);
    auto* d = qobject_cast<frmF5*>(dialog.get());
    QVERIFY(d);
    QCOMPARE(d->windowTitle(), QStringLiteral("二维函数图形属性"));
    QCOMPARE(d->Combo3->currentText(), QStringLiteral("y=f(x)"));
    QCOMPARE(d->Combo1->currentIndex(), 0);
    QCOMPARE(d->Label3->text(), QStringLiteral("y(x)"));
    QCOMPARE(d->Text2->text(), QStringLiteral("x^2-1"));
    QCOMPARE(d->Text4->text(), QStringLiteral("-2.5"));
    QCOMPARE(d->Text5->text(), QStringLiteral("4"));
    QCOMPARE(d->Text6->text(), QStringLiteral("120"));
    QVERIFY(!frmF5::IsShown(d->Label10));
    QVERIFY(!frmF5::IsShown(d->Text3));
    QCOMPARE(d->Picture1->Color(), 0x0000FF);
    QCOMPARE(d->Combo2->currentIndex(), 2);
    QVERIFY(d->Check1->isChecked() && d->Check9->isChecked() && d->Check14->isChecked());
    QVERIFY(!d->Check2->isChecked());
    QCOMPARE(d->Combo4->currentIndex(), 7);
    QCOMPARE(d->Combo12->currentIndex(), 8);
    QCOMPARE(d->Combo13->currentIndex(), 5);
    QCOMPARE(d->List2->count(), 3);
    QCOMPARE(d->List2->item(0)->text(), QStringLiteral("2"));
    QCOMPARE(d->List2->item(1)->text(), QStringLiteral("-0.5"));
    QCOMPARE(d->List2->item(2)->text(), QStringLiteral("0.125"));
    QVERIFY(d->Check14->isEnabled());

    // A stored width outside the list, and more positions than a graph can
    // hold, leave the dialog usable instead of reading past the arrays.
    g.LineWidth = 9;
    g.QieNum = 80;
    auto again = MakeEditDialog(g, m_window);
    auto* e = qobject_cast<frmF5*>(again.get());
    QVERIFY(e);
    QVERIFY(e->Combo2->currentText() == QStringLiteral("1"));
    QCOMPARE(e->List2->count(), int(PositionListUpper));
}

void TestEditCommand::animatedFunctionFilled()
{
    Cls9 g;
    g.GraphType = GraphType2DFunctionAnimation;
    g.FunForm = FunFormExplicit;
    g.CoordType = CoordTypeCartesian2D;
    g.ExpressZ = QStringLiteral("sin(x+t)");
    g.MinT = 0.0f;
    g.MaxT = 6.5f;
    g.MinV = -5.0f;
    g.MaxV = 5.0f;
    g.StepV = 50;
    const int32_t frames = g_FrameCount;
    g_FrameCount = 37; // made with another count; the current one shows
    auto dialog = MakeEditDialog(g, m_window);
    g_FrameCount = frames;
    auto* d = qobject_cast<frmF5*>(dialog.get());
    QVERIFY(d);
    QCOMPARE(d->windowTitle(), QStringLiteral("二维函数图形属性"));
    QVERIFY(d->AnimationMode());
    QVERIFY(frmF5::IsShown(d->Text9));
    QVERIFY(!d->Text9->isEnabled());
    QCOMPARE(d->Text9->text(), QStringLiteral("37"));
    QCOMPARE(d->Text7->text(), QStringLiteral("0"));
    QCOMPARE(d->Text8->text(), QStringLiteral("6.5"));
    QCOMPARE(d->Combo3->itemText(0), QStringLiteral("y=f(x,t)"));
    QCOMPARE(d->Combo3->currentIndex(), 0);
    QCOMPARE(d->Label3->text(), QStringLiteral("y(x,t)"));
    QCOMPARE(d->Text2->text(), QStringLiteral("sin(x+t)"));
}

void TestEditCommand::implicitPolarFunctionFilled()
{
    Cls9 g;
    g.GraphType = GraphType2DFunction;
    g.FunForm = FunFormImplicit;
    g.CoordType = CoordTypePolar;
    g.ExpressZ = QStringLiteral("r-a");
    g.MinU = -1.0f;
    g.MaxU = 3.5f;
    g.MinV = 0.25f;
    g.MaxV = 8.0f;
    auto dialog = MakeEditDialog(g, m_window);
    auto* d = qobject_cast<frmF5*>(dialog.get());
    QVERIFY(d);
    QCOMPARE(d->Combo1->currentIndex(), 1);
    QCOMPARE(d->Combo3->currentText(), QStringLiteral("f(a,r)=0"));
    QCOMPARE(d->Text4->text(), QStringLiteral("-1"));
    QCOMPARE(d->Text5->text(), QStringLiteral("3.5"));
    QCOMPARE(d->Text10->text(), QStringLiteral("0.25"));
    QCOMPARE(d->Text11->text(), QStringLiteral("8"));
    const QStringList labels = {d->Label3->text(), d->Label5->text(), d->Label6->text(),
                                d->Label14->text(), d->Label15->text()};
    QCOMPARE(labels, (QStringList{QStringLiteral("f(a,r)"), QStringLiteral("最小 a"),
                                  QStringLiteral("最大 a"), QStringLiteral("最小 r"),
                                  QStringLiteral("最大 r")}));
    QVERIFY(frmF5::IsShown(d->Text10));
    QVERIFY(!frmF5::IsShown(d->Text6));
}

void TestEditCommand::pointsFilled()
{
    Cls9 p;
    p.GraphType = GraphTypePoint;
    p.CoordType = CoordTypeSpherical;
    p.ExpressX = QStringLiteral("1");
    p.ExpressY = QStringLiteral("2");
    p.ExpressZ = QStringLiteral("3");
    p.PointColor = 0x00FF00;

    struct SizeCase {
        float size;
        int index;
    };
    g_DocumentKind = DocumentKind3D;
    for (const SizeCase c : {SizeCase{9.0f, 8}, SizeCase{2.5f, 1}, SizeCase{4.0f, 3}}) {
        p.PointSize = c.size;
        auto dialog = MakeEditDialog(p, m_window);
        auto* d = qobject_cast<frmF16*>(dialog.get());
        QVERIFY(d);
        QCOMPARE(d->Combo2->currentIndex(), c.index);
        QCOMPARE(d->Combo1->currentText(), QStringLiteral("球面坐标"));
        QCOMPARE(d->Text2->text(), QStringLiteral("1"));
        QCOMPARE(d->Text4->text(), QStringLiteral("3"));
        QVERIFY(PointDialog::IsShown(d->Text4));
        QVERIFY(PointDialog::IsShown(d->Frame2));
        QCOMPARE(d->Picture1->Color(), 0x00FF00);
    }

    // In a plane document the z row is hidden; the 2.5D one hides the
    // hollow choice too.
    p.CoordType = CoordTypePolar;
    p.PointHollow = true;
    for (int32_t kind : {int32_t(DocumentKind2D), int32_t(DocumentKind25D)}) {
        g_DocumentKind = kind;
        auto dialog = MakeEditDialog(p, m_window);
        auto* d = qobject_cast<frmF16*>(dialog.get());
        QVERIFY(d);
        QCOMPARE(d->Combo1->count(), 2);
        QCOMPARE(d->Combo1->currentText(), QStringLiteral("极坐标"));
        QCOMPARE(d->Text2->text(), QStringLiteral("2"));
        QCOMPARE(d->Text3->text(), QStringLiteral("3"));
        QVERIFY(!PointDialog::IsShown(d->Text4));
        QCOMPARE(PointDialog::IsShown(d->Frame2), kind == DocumentKind2D);
        QVERIFY(d->Option2->isChecked());
    }

    Cls9 a;
    a.GraphType = GraphTypePointAnimation;
    a.CoordType = CoordTypeCartesian2D;
    a.ExpressY = QStringLiteral("t");
    a.ExpressZ = QStringLiteral("2*t");
    a.MinT = -1.0f;
    a.MaxT = 0.75f;
    a.PointHollow = true;
    a.PointSize = 5.0f;
    g_DocumentKind = DocumentKind2D;
    auto dialog = MakeEditDialog(a, m_window);
    auto* d = qobject_cast<frmF17*>(dialog.get());
    QVERIFY(d);
    QCOMPARE(d->Combo1->currentIndex(), 0);
    QCOMPARE(d->Text5->text(), QStringLiteral("-1"));
    QCOMPARE(d->Text6->text(), QStringLiteral("0.75"));
    QCOMPARE(d->Text7->text(), QString::number(g_FrameCount));
    QVERIFY(!d->Text7->isEnabled());
    QVERIFY(d->Option2->isChecked());
    QCOMPARE(d->Combo2->currentIndex(), 4);
    QVERIFY(!PointDialog::IsShown(d->Text4));
}

void TestEditCommand::refusedEntries()
{
    frmF5 create(m_window);
    create.SetUpForDrawMenu(false);
    create.Text2->setText(QStringLiteral("x"));
    create.Text4->setText(QStringLiteral("-1"));
    create.Text5->setText(QStringLiteral("1"));
    FinishCreating(create, [&] { create.Command1_Click(); });

    struct Case {
        const char* name;
        int row;
        bool ticked;
    };
    for (const Case& c : {Case{"unticked entry", 0, false}, Case{"no entry selected", -1, true}}) {
        m_window->SetEntryTicked(0, c.ticked);
        m_window->List1->setCurrentRow(c.row);
        for (bool editing : {false, true}) {
            g_EditingGraph = editing;
            MessageRecorder messages;
            QVERIFY2(!RunCommand([](QDialog* d) {
                         if (d)
                             d->reject();
                     }),
                     c.name);
            QVERIFY2(messages.Count() == 1, c.name);
            QCOMPARE(messages.Messages()[0].text, QStringLiteral("请首先选择一个函数项。"));
            QCOMPARE(messages.Messages()[0].title, QStringLiteral("注意"));
            QVERIFY(messages.Messages()[0].icon == MsgIcon::Warning);
            QVERIFY2(g_EditingGraph == editing, c.name);
        }
    }
}

void TestEditCommand::kindsWithoutDialog()
{
    struct Case {
        const char* name;
        int32_t kind;
        int32_t type;
        int32_t form;
    };
    const Case cases[] = {
        {"step graph in 2D", DocumentKind2D, GraphTypeStepStem, 0},
        {"line figure in 3D", DocumentKind3D, GraphTypeLine, 0},
        {"sequence in 3D", DocumentKind3D, GraphTypeArithmeticSequence, 0},
        {"prism in 2D", DocumentKind2D, GraphTypePrism, 0},
        {"space line in 2.5D", DocumentKind25D, GraphTypeSpaceLine, 0},
        {"2.5D function in 2D", DocumentKind2D, GraphType25DFunction, FunFormExplicit},
        {"implicit 2.5D function", DocumentKind25D, GraphType25DFunction, FunFormImplicit},
        {"2D function of no form", DocumentKind2D, GraphType2DFunction, 0},
    };
    for (const Case& c : cases) {
        g_DocumentKind = c.kind;
        Cls9 g;
        g.GraphType = c.type;
        g.FunForm = c.form;
        g.CoordType = CoordTypeCartesian2D;
        QVERIFY2(!MakeEditDialog(g, m_window), c.name);
    }

    // The command on such an entry opens nothing, says so and ends edit
    // mode again.
    g_DocumentKind = DocumentKind2D;
    auto step = std::make_shared<Cls9>();
    step->GraphType = GraphTypeStepStem;
    step->ID = 5;
    g_AllGraphs.FunSurfs.Add(step, QStringLiteral("5"));
    m_window->AddListEntry(QStringLiteral("step"));
    {
        const QSignalBlocker block(m_window->List1);
        m_window->List1->item(0)->setCheckState(Qt::Checked);
    }
    g_ShownGraphs.FunSurfs.Add(step, QStringLiteral("5"));
    m_window->List1->setCurrentRow(0);
    MessageRecorder messages;
    QVERIFY(!RunCommand([](QDialog* d) {
        if (d)
            d->reject();
    }));
    QCOMPARE(messages.Count(), 1);
    QCOMPARE(messages.Messages()[0].text, QStringLiteral("这种图形不能编辑。"));
    QCOMPARE(messages.Messages()[0].title, QStringLiteral("注意"));
    QVERIFY(!g_EditingGraph);
}

QTEST_MAIN(TestEditCommand)
#include "tst_edit_command.moc"
