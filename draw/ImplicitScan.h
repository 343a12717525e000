#pragma once
// Drawing of implicit and inequality scans; the scan itself is worked out in
// sampling/ImplicitScan.h.
#include "sampling/ImplicitScan.h"

// Emits a plan: the 2D point state, one colour and point size, the points.
// Defined in ImplicitScan_gl.cpp (GUI library).
void DrawScan(const ScanPlan& plan);
