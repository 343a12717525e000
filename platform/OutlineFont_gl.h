#pragma once
// Outline glyphs as OpenGL display lists: a block of consecutive lists, one
// per character code, each drawing its glyph as a solid and then moving the
// current position by the glyph's advance, so that calling the lists of a
// string one after another lays it out on a line.
//
// Glyph outlines come from FreeType (unhinted, in em units: the em square is
// 1 unit high), are flattened, filled with the GLU tessellator (non-zero
// winding) and extruded: the front face lies in z = 0 facing +z, the back
// face at z = -extrusion facing -z, and the sides carry outward normals.
#include <QString>
#include <cstdint>

// The font file that stands for a face name: "Arial" is Liberation Sans,
// "Times New Roman" Liberation Serif, "Courier New" Liberation Mono; other
// names are asked of fontconfig as they are. A weight of 600 or more picks
// the bold style. Empty when no file is found.
QString FindOutlineFontFile(const QString& face, int32_t weight, bool italic);

// Compiles lists base + 0 .. base + count - 1 for the character codes
// first .. first + count - 1 (codes without a glyph get a list that draws
// nothing and does not move). Needs a current OpenGL context. Returns false,
// with the reason in *error, when the font cannot be read; no list is
// touched then.
bool CompileOutlineGlyphLists(uint32_t base, int32_t first, int32_t count, const QString& face,
                              int32_t weight, bool italic, float extrusion,
                              QString* error = nullptr);
