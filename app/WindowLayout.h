#pragma once
// Geometry of the main window's panes, in twips (1/1440 inch) of the client
// area: the graph list above the result pane on the left, the drawing area on
// the right, a vertical bar between them and a horizontal bar between the list
// and the result pane. Only the two bar positions are state; everything else
// follows from them and the client size on every resize.
#include <QRect>

struct WindowLayoutInput {
    int clientWidth = 0;    // ScaleWidth
    int clientHeight = 0;   // ScaleHeight, docked bars included
    int toolbarHeight = 0;  // height of one toolbar; the band holds two
    int statusHeight = 0;
    int splitterLeft = 0;   // L, the left column's width
    int splitter2Top = 0;   // T
};

// Current places of the five controls. A step whose width or height would be
// negative leaves its control where it was, so a minimised or tiny window
// never produces a broken layout.
struct WindowLayoutRects {
    QRect splitter;   // vertical bar
    QRect splitter2;  // horizontal bar
    QRect picDraw;
    QRect result;
    QRect list1;
};

inline constexpr int SplitterWidthTwips = 60;
inline constexpr int Splitter2HeightTwips = 40;
inline constexpr int StartSplitterLeftTwips = 5220;
inline constexpr int StartClientWidthTwips = 12690;
inline constexpr int StartClientHeightTwips = 8505;

void ComputeWindowLayout(const WindowLayoutInput& in, WindowLayoutRects& rects);

// Where the horizontal bar starts: 40 above its lowest allowed place.
int StartSplitter2Top(int clientHeight, int toolbarHeight);

// Limits applied when a bar is released; the lower limit first, so a window
// too small for both ends at the upper one.
int ClampSplitterLeft(int left, int clientWidth);
int ClampSplitter2Top(int top, int clientHeight, int toolbarHeight);
