// Implicit and inequality graphs through the main window on real Mesa: the
// Draw menu's 2D command with its dialog, the scene lists and the picture
// in the drawing area, read back from its framebuffer.
#include "app/frmF1_ui.h"
#include "dialogs/graph/frmF5_ui.h"
#include "model/Cls1.h"
#include "model/Cls8.h"
#include "view/DrawingArea_gl.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class TestScanEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void circleAndDiscAppearInTheDrawingArea();
    void polarRingAppearsAtItsFirstDrawing();

private:
    QTemporaryDir m_dataHome;
};

namespace {

// Pixels of the drawing area that are clearly blue (the default colour).
int BluePixels(DrawingArea* area)
{
    const QImage image = area->grabFramebuffer();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.blue() > 200 && c.red() < 80 && c.green() < 80)
                ++count;
        }
    return count;
}

// Runs the 2D command of the Draw menu with the form (2 implicit,
// 3 inequality) and f, the first variable over [lo1, hi1], the second over
// [lo2, hi2].
void Draw2D(frmF1& window, int form, const QString& f, bool polar = false,
            const char* lo1 = "-5", const char* hi1 = "5", const char* lo2 = "-5",
            const char* hi2 = "5")
{
    QTimer::singleShot(0, [=] {
        auto* d = qobject_cast<frmF5*>(QApplication::activeModalWidget());
        QVERIFY(d);
        d->SetCombo3Index(form);
        d->Text2->setText(f);
        d->Text4->setText(QString::fromLatin1(lo1));
        d->Text5->setText(QString::fromLatin1(hi1));
        d->Text10->setText(QString::fromLatin1(lo2));
        d->Text11->setText(QString::fromLatin1(hi2));
        d->Command1->click();
    });
    window.findChild<QAction*>(polar ? "mnuDraw2DPolar" : "mnuDraw2DCart")->trigger();
}

} // namespace

void TestScanEndToEnd::initTestCase()
{
    QVERIFY(m_dataHome.isValid());
    qputenv("XDG_DATA_HOME", m_dataHome.path().toLocal8Bit());
}

void TestScanEndToEnd::circleAndDiscAppearInTheDrawingArea()
{
    frmF1 window;
    window.Form_Load(QString());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(BluePixels(window.picDraw), 0);

    Draw2D(window, 2, QStringLiteral("x^2+y^2-16"));
    QCOMPARE(window.List1->count(), 1);
    const int ring = BluePixels(window.picDraw);
    QVERIFY(ring > 50);

    // The disc covers far more of the picture than the dotted ring.
    window.SetEntryTicked(0, false);
    QCOMPARE(BluePixels(window.picDraw), 0);
    Draw2D(window, 3, QStringLiteral("x^2+y^2-16"));
    QCOMPARE(window.List1->count(), 2);
    QVERIFY(BluePixels(window.picDraw) > 4 * ring);

    g_AllGraphs.FunSurfs.Clear();
    g_ShownGraphs.FunSurfs.Clear();
}

// A polar scan's box is known only once it has been drawn; the scene is
// still fitted to the ring the first time it is shown.
void TestScanEndToEnd::polarRingAppearsAtItsFirstDrawing()
{
    *g_PolarScanBox = Cls1{};
    frmF1 window;
    window.Form_Load(QString());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    Draw2D(window, 2, QStringLiteral("r-2"), true, "0", "6.3", "0", "3");
    QCOMPARE(window.List1->count(), 1);
    QVERIFY(BluePixels(window.picDraw) > 50);
    QVERIFY(g_PolarScanBox->MaxX > 1.9f);

    g_AllGraphs.FunSurfs.Clear();
    g_ShownGraphs.FunSurfs.Clear();
}

QTEST_MAIN(TestScanEndToEnd)
#include "tst_scan_end_to_end.moc"
