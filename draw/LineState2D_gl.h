#pragma once
// The unlit, antialiased line state of 2D graphs and figures, entered for a
// scope and given back however the drawing ends.
#include <GL/gl.h>

// While it lives lighting is off and lines are smoothed and blended; its end
// turns lighting back on and smoothing and blending off, so the next graph
// in the list is lit as usual.
class LineState2D {
public:
    LineState2D()
    {
        glDisable(GL_LIGHTING);
        glEnable(GL_LINE_SMOOTH);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
    }
    ~LineState2D()
    {
        glEnable(GL_LIGHTING);
        glDisable(GL_LINE_SMOOTH);
        glDisable(GL_BLEND);
    }
    LineState2D(const LineState2D&) = delete;
    LineState2D& operator=(const LineState2D&) = delete;
};
