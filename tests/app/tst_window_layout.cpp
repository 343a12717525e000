// Pane geometry of the main window in twips: the layout from the two bar
// positions and the limits applied when a bar is released.
#include "app/WindowLayout.h"

#include <QtTest>

class TestWindowLayout : public QObject {
    Q_OBJECT
private slots:
    void startLayout();
    void enlargingGrowsResultAndDrawingArea();
    void negativeSizesKeepPreviousPlaces();
    void dragLimits_data();
    void dragLimits();
};

namespace {
WindowLayoutInput StartInput()
{
    WindowLayoutInput in;
    in.clientWidth = StartClientWidthTwips;
    in.clientHeight = StartClientHeightTwips;
    in.toolbarHeight = 420;
    in.statusHeight = 300;
    in.splitterLeft = StartSplitterLeftTwips;
    in.splitter2Top = StartSplitter2Top(in.clientHeight, in.toolbarHeight);
    return in;
}
} // namespace

void TestWindowLayout::startLayout()
{
    const WindowLayoutInput in = StartInput();
    QCOMPARE(in.splitter2Top, 8505 - 3 * 420 - 40);
    WindowLayoutRects r;
    ComputeWindowLayout(in, r);
    QCOMPARE(r.splitter, QRect(5220, 840, 60, 8505 - 840 - 300));
    QCOMPARE(r.splitter2, QRect(0, in.splitter2Top, 5220, 40));
    QCOMPARE(r.picDraw, QRect(5280, 840, 12690 - 5280, 8505 - 840 - 300));
    QCOMPARE(r.result, QRect(0, in.splitter2Top + 40, 5220, 8505 - 60 - 300 - in.splitter2Top));
    // The list ends half-way into the horizontal bar.
    QCOMPARE(r.list1.top(), 840);
    QCOMPARE(r.list1.top() + r.list1.height(), in.splitter2Top + 20);
    // The result pane ends 20 above the status bar.
    QCOMPARE(r.result.top() + r.result.height(), 8505 - 300 - 20);
}

void TestWindowLayout::enlargingGrowsResultAndDrawingArea()
{
    WindowLayoutInput in = StartInput();
    WindowLayoutRects before;
    ComputeWindowLayout(in, before);
    in.clientWidth += 3000;
    in.clientHeight += 2000;
    WindowLayoutRects after = before;
    ComputeWindowLayout(in, after);
    QCOMPARE(after.list1, before.list1);
    QCOMPARE(after.splitter2, before.splitter2);
    QCOMPARE(after.result.height(), before.result.height() + 2000);
    QCOMPARE(after.picDraw.width(), before.picDraw.width() + 3000);
    QCOMPARE(after.picDraw.height(), before.picDraw.height() + 2000);
}

void TestWindowLayout::negativeSizesKeepPreviousPlaces()
{
    WindowLayoutInput in = StartInput();
    WindowLayoutRects r;
    ComputeWindowLayout(in, r);
    const WindowLayoutRects start = r;

    // Narrower than the left column: only the drawing area stays put.
    in.clientWidth = 4000;
    ComputeWindowLayout(in, r);
    QCOMPARE(r.picDraw, start.picDraw);
    QCOMPARE(r.list1, start.list1);

    // Minimised: every height is negative, nothing moves.
    in.clientWidth = 0;
    in.clientHeight = 0;
    r = start;
    ComputeWindowLayout(in, r);
    QCOMPARE(r.splitter, start.splitter);
    QCOMPARE(r.picDraw, start.picDraw);
    QCOMPARE(r.result, start.result);

    // Restoring lays everything out again.
    in = StartInput();
    ComputeWindowLayout(in, r);
    QCOMPARE(r.picDraw, start.picDraw);
    QCOMPARE(r.result, start.result);
}

void TestWindowLayout::dragLimits_data()
{
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<int>("released");
    QTest::addColumn<int>("clientSize");
    QTest::addColumn<int>("expected");
    QTest::newRow("left of 1000") << true << 400 << 12690 << 1000;
    QTest::newRow("inside") << true << 6000 << 12690 << 6000;
    QTest::newRow("beyond width - 1000") << true << 12000 << 12690 << 11690;
    QTest::newRow("window too narrow for both") << true << 500 << 1500 << 500;
    QTest::newRow("above 2000") << false << 1500 << 8505 << 2000;
    QTest::newRow("inside h") << false << 5000 << 8505 << 5000;
    QTest::newRow("below height - 3 toolbars") << false << 8400 << 8505 << 8505 - 1260;
    QTest::newRow("start place is 40 above the limit")
        << false << StartSplitter2Top(8505, 420) << 8505 << 8505 - 1260 - 40;
}

void TestWindowLayout::dragLimits()
{
    QFETCH(bool, vertical);
    QFETCH(int, released);
    QFETCH(int, clientSize);
    QFETCH(int, expected);
    const int got = vertical ? ClampSplitterLeft(released, clientSize)
                             : ClampSplitter2Top(released, clientSize, 420);
    QCOMPARE(got, expected);
}

QTEST_APPLESS_MAIN(TestWindowLayout)
#include "tst_window_layout.moc"
