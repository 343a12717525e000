// Geometry of the main window's panes in twips, from the two bar positions and the client size.
#include "app/WindowLayout.h"

namespace {

// Moves a control unless the new size is negative.
void Place(QRect& rect, int left, int top, int width, int height)
{
    if (width < 0 || height < 0)
        return;
    rect = QRect(left, top, width, height);
}

} // namespace

void ComputeWindowLayout(const WindowLayoutInput& in, WindowLayoutRects& r)
{
    const int sw = in.clientWidth;
    const int sh = in.clientHeight;
    const int band = 2 * in.toolbarHeight;
    const int s = in.statusHeight;
    const int l = in.splitterLeft;
    const int t = in.splitter2Top;

    Place(r.splitter, l, band, SplitterWidthTwips, sh - band - s);
    Place(r.splitter2, 0, t, l, Splitter2HeightTwips);
    const int barWidth = r.splitter.width();
    Place(r.picDraw, l + barWidth, band, sw - l - barWidth, sh - band - s);
    Place(r.result, 0, t + Splitter2HeightTwips, l, sh - 60 - s - t);
    Place(r.list1, 0, band, l, sh - band - s - r.splitter2.height() - r.result.height());
}

int StartSplitter2Top(int clientHeight, int toolbarHeight)
{
    return clientHeight - 3 * toolbarHeight - 40;
}

int ClampSplitterLeft(int left, int clientWidth)
{
    const int upper = clientWidth - 1000;
    if (left < 1000)
        left = 1000;
    if (left > upper)
        left = upper;
    return left;
}

int ClampSplitter2Top(int top, int clientHeight, int toolbarHeight)
{
    const int upper = clientHeight - 3 * toolbarHeight;
    if (top < 2000)
        top = 2000;
    if (top > upper)
        top = upper;
    return top;
}
