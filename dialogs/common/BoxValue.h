#pragma once
// How the dialogs read numbers out of their boxes, and the message for a
// box they cannot read.
#include <QString>
#include <cstdint>
#include <optional>

// The number at the start of a text: blanks skipped, an optional sign, digits
// with at most one ".", an optional exponent; 0 when the text does not start
// with a number. "2*pi" reads 2, "pi" reads 0, "1e400" reads infinity.
double Val(const QString& text);

// Rounds to the nearest 32-bit integer, halves to the even neighbour (2.5
// gives 2, 3.5 gives 4). Nothing when the value does not fit.
std::optional<int32_t> RoundToInt32(double value);

// "存在非法数据。", titled "出错".
void ShowBadData();
