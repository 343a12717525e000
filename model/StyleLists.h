#pragma once
// The line widths and marker sizes that the dialogs offer, one list each. A
// document (or a pasted graph) may hold any value in these members; drawing
// shows a value beyond its list at the list's nearer end and leaves the
// stored value as it is, so that the document is written back unchanged.
// Members that no dialog sets are drawn within the list of the dialog whose
// graph they accompany.
#include <algorithm>
#include <cstdint>

struct StyleList {
    int32_t first; // the list's smallest value
    int32_t last;  // the list's largest value

    // The value as drawn: within first..last.
    constexpr int32_t Clamp(int32_t value) const { return std::clamp(value, first, last); }
    // A size held as a float; one that is not a number is drawn as the smallest.
    constexpr float Clamp(float value) const
    {
        if (!(value >= static_cast<float>(first)))
            return static_cast<float>(first);
        return std::min(value, static_cast<float>(last));
    }
};

// Every width of the line, circle, ellipse, hyperbola and parabola dialogs:
// the figure itself, the second line, tangents and the derived circle.
inline constexpr StyleList kPlaneFigureWidths{1, 5};
// Size of the marker of the line dialog's point.
inline constexpr StyleList kLinePointSizes{1, 5};
// Width of the space line.
inline constexpr StyleList kSpaceLineWidths{1, 6};

// Every width of the 2D function dialog: the curve, the inverse, the
// derivative, the parity curve, curvature circles, tangents and normals.
// Its lists offer 1 to 8 but take a typed width up to 100. Steps, stems
// and the series curve, which no dialog makes, are drawn within it too.
inline constexpr StyleList kFunctionWidths{1, 100};
// Every marker size of the 2D function dialog: maxima, minima, inflection
// points and roots; stem heads too. Offered 1 to 9, typed up to 100.
inline constexpr StyleList kFunctionMarkerSizes{1, 100};
// Widths of the two curves of the curve-intersection dialog.
inline constexpr StyleList kIntersectionWidths{1, 8};
// Size of the curve-intersection dialog's crossing markers.
inline constexpr StyleList kIntersectionMarkerSizes{1, 8};
// Marker size of the point and animated-point dialogs: offered 1 to 9, and a
// typed size is drawn up to the 2D function dialog's largest.
inline constexpr StyleList kPointSizes{1, 100};
// Width of the 2D axes in the 2D coordinate-system dialog.
inline constexpr StyleList kAxisWidths{1, 5};
