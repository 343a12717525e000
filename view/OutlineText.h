#pragma once
// 3D text from the two outline-font blocks built with the drawing area's
// context. Each block holds 128 display lists, one per character code 0..127;
// list base + c draws glyph c in em units, 0.1 deep, and moves right by its
// advance. A base of 0 means the block does not exist.
//
// Everything here needs the drawing area's context to be current (it is
// while display lists are compiled and frames are drawn).
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

extern int32_t g_FontListNormal; // "Arial" regular: tick labels
extern int32_t g_FontListBold;   // "Arial" bold: axis titles

namespace Module1 {

// Builds a block of 128 outline-font lists for the face and stores its first
// list number in listBase; sets the current colour to `color` first. The
// height only names the logical font: glyphs are always one em high.
// "无法创建字体。" is shown when no list numbers are free (listBase 0) or the
// glyphs cannot be built (lists freed again, listBase keeps the number).
// Returns whether the block was built.
bool CreateOutlineFont(int32_t& listBase, const QString& faceName, int32_t height,
                       int32_t weight, int32_t italic, int32_t color);

// Draws text with the block at listBase at (x, y, z), scaled by 0.7 and
// turned by rotation[0] degrees about (rotation[1], rotation[2],
// rotation[3]). With a colour, that colour is set first and stays current
// afterwards; the list base also stays as set. Characters outside 0..127
// have no glyph in a block and are skipped.
void DrawOutlineText(int32_t listBase, const QString& text, float x, float y, float z,
                     const std::array<float, 4>& rotation,
                     std::optional<int32_t> color = std::nullopt);

} // namespace Module1
