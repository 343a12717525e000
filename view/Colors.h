#pragma once
// Colour integers (0x00BBGGRR: R + 256*G + 65536*B) and single-byte text for
// the OpenGL side of the view.
#include <QByteArray>
#include <QString>
#include <cstdint>

namespace Module1 {

int32_t ColorRed(int32_t c);   // c And 255
int32_t ColorGreen(int32_t c); // (c \ 256) And 255
int32_t ColorBlue(int32_t c);  // (c \ 65536) And 255

// Sets the current OpenGL colour to the colour's fractions (glColor3f).
// Needs a current context; defined in Colors_gl.cpp.
void SetGLColor(int32_t c);

// The single-byte codes of the text followed by one zero byte. Characters
// outside 0..127 have no single-byte code that every font block knows and
// become '?'. An empty text gives an empty array (no terminator).
QByteArray StringToAnsiBytes(const QString& s);

} // namespace Module1
