#pragma once
// OpenGL emission of the planned limit and sequences. Needs a
// current context; defined in OverlayDraw_gl.cpp.
#include "draw/LimitSequence.h"
#include "draw/OverlayPlan.h"

#include <vector>

// The limit graph, unlit and antialiased; the state is given back after.
void DrawLimit(const OverlayPlan& plan);
// A sequence: writes its text into the result pane and draws it.
void DrawSequence(const SequencePlan& plan);
