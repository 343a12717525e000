#pragma once
// The one number formatter of the program: graph records, labels, dialogs,
// documents, the differentiator's constant exponents and the calculator all
// write 32-bit floats through it, so the same value always reads the same.
#include <QString>
#include <optional>

// 7 significant digits, ties away from zero, no trailing zeros, "0" before
// the point below 1, "-0" as "0", "E+dd" only for 8 or more integer digits,
// plain fixed notation below 0.0001 (the expression compiler reads no
// exponent). A non-finite value gives the empty text. Never locale dependent.
QString NumberText(float value);

// NumberText that never takes the exponent form (ten million reads
// 10000000), for numbers written into expression texts, which the compiler
// must read back. PlainNumberText64 keeps up to 15 significant digits of a
// 64-bit value.
QString PlainNumberText(float value);
QString PlainNumberText64(double value);

// Reads number text as documents and the clipboard hold it: fixed or
// exponent form, "." as decimal point, optional sign. Returns nothing for
// anything else (empty text, trailing junk, out of float range).
std::optional<float> ParseNumberText(const QString& text);
