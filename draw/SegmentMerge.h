#pragma once
// Joining runs of very short connected segments into longer chords before a
// curve goes into a display list. A smoothed line shorter than a pixel is
// drawn with only part of its coverage, so a curve of many thousand
// segments faded where it runs flat; chords that stay within a small
// fraction of a pixel of every sample keep its shape and draw it whole.
#include <vector>

// Nothing longer is joined, in GL units (a fraction of a pixel at the usual
// scene sizes); joined chords grow to at most kMergeChord and stay within
// kMergeTolerance of every sample they replace.
inline constexpr float kMergeShort = 0.01f;
inline constexpr float kMergeChord = 0.05f;
inline constexpr float kMergeTolerance = 0.002f;

// `segments` holds x y z of both ends of each segment (6 floats a segment).
// Returns the segments with every run of connected short segments in the
// plane z = 0 replaced by chords between samples of the run; everything
// else, and the order, stays as it was.
std::vector<float> MergeShortSegments(const std::vector<float>& segments);
