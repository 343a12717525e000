// The whole road of one graph on real Mesa: the Draw menu's command with its
// modal dialog, the list tick, the display lists and the picture in the
// drawing area, read back from its framebuffer.
#include "app/frmF1_ui.h"
#include "dialogs/common/ColorBox_ui.h"
#include "dialogs/common/DialogHost.h"
#include "dialogs/graph/frmF5_ui.h"
#include "draw/ResultPane.h"
#include "model/Cls8.h"
#include "model/Globals.h"
#include "view/DrawingArea_gl.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class TestEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void sineCurveDrawnInItsColour();

private:
    QTemporaryDir m_dataHome;
};

namespace {

// Pixels of the drawing area that are clearly blue (the default curve
// colour) or clearly red.
int ColoredPixels(DrawingArea* area, bool red)
{
    const QImage image = area->grabFramebuffer();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int strong = red ? c.red() : c.blue();
            const int other = red ? c.blue() : c.red();
            if (strong > 200 && other < 80 && c.green() < 80)
                ++count;
        }
    }
    return count;
}

int BluePixels(DrawingArea* area)
{
    return ColoredPixels(area, false);
}

} // namespace

void TestEndToEnd::initTestCase()
{
    QVERIFY(m_dataHome.isValid());
    qputenv("XDG_DATA_HOME", m_dataHome.path().toLocal8Bit());
}

void TestEndToEnd::sineCurveDrawnInItsColour()
{
    frmF1 window;
    window.Form_Load(QString());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(BluePixels(window.picDraw), 0);

    QTimer::singleShot(0, [] {
        auto* d = qobject_cast<frmF5*>(QApplication::activeModalWidget());
        QVERIFY(d);
        d->Text2->setText(QStringLiteral("sin(x)"));
        d->Text4->setText(QStringLiteral("-10"));
        d->Text5->setText(QStringLiteral("10"));
        d->Command1->click();
    });
    window.findChild<QAction*>("mnuDraw2DCart")->trigger();
    QCOMPARE(window.List1->count(), 1);
    QVERIFY(BluePixels(window.picDraw) > 50);
    // Drawing the graph wrote its analysis into the result pane.
    QVERIFY(!window.Result->toPlainText().isEmpty());
    QCOMPARE(window.Result->toPlainText(),
             QString(::Result().Text()).replace(g_CrLf, QStringLiteral("\n")));

    // A successful edit redraws at once: the curve turns red.
    window.List1->setCurrentRow(0);
    g_EditingGraph = true;
    {
        frmF5 d(&window);
        d.SetUpForDrawMenu(false);
        d.Text2->setText(QStringLiteral("sin(x)"));
        d.Text4->setText(QStringLiteral("-10"));
        d.Text5->setText(QStringLiteral("10"));
        d.Picture1->SetColor(0x0000FF);
        d.Command1_Click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }
    QCOMPARE(BluePixels(window.picDraw), 0);
    QVERIFY(ColoredPixels(window.picDraw, true) > 50);

    // Unticked, the curve leaves the picture.
    window.SetEntryTicked(0, false);
    QCOMPARE(ColoredPixels(window.picDraw, true), 0);

    g_AllGraphs.FunSurfs.Clear();
    g_ShownGraphs.FunSurfs.Clear();
}

QTEST_MAIN(TestEndToEnd)
#include "tst_end_to_end.moc"
