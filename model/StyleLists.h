#pragma once
// The line widths and marker sizes that the figure dialogs offer, one list
// each. A document may hold any 32-bit value in these members; drawing shows
// a value beyond its list at the list's nearer end and leaves the stored
// value as it is, so that the document is written back unchanged.
#include <algorithm>
#include <cstdint>

struct StyleList {
    int32_t first; // the list's smallest value
    int32_t last;  // the list's largest value

    // The value as drawn: within first..last.
    constexpr int32_t Clamp(int32_t value) const { return std::clamp(value, first, last); }
};

// Every width of the line, circle, ellipse, hyperbola and parabola dialogs:
// the figure itself, the second line, tangents and the derived circle.
inline constexpr StyleList kPlaneFigureWidths{1, 5};
// Size of the marker of the line dialog's point.
inline constexpr StyleList kLinePointSizes{1, 5};
// Width of the space line.
inline constexpr StyleList kSpaceLineWidths{1, 6};
