#pragma once
// Text filters run on what users type and on stored expressions before the
// compiler sees them.
#include <QString>

namespace Module1 {

// Filters a box that takes a plain number: keeps "-0123456789Ee.", drops
// blanks, turns "," into ".". False at the first other character, with
// output holding what was kept before it. An empty text or a single blank
// becomes "0".
bool CleanNumberText(const QString& input, QString& output);

// The same filter for expression boxes: keeps digits, ".", "+-*/^()" and
// the ASCII letters.
bool CleanExpressionText(const QString& input, QString& output);

// The expression filter as a function: the filtered text, or the empty text
// when a character is refused. The empty text stays empty.
QString SanitizeExpressionText(const QString& text);

// Writes out the multiplications left implicit next to a number, a bracket
// or a one-letter variable: 2x -> 2*x, x(x+1) -> x*(x+1), pi2 -> pi*2.
QString InsertImplicitMultiply(const QString& text);

// Folds "+-" into "-" and "--" into "+" in one left-to-right pass.
QString FoldSignPairs(const QString& text);

} // namespace Module1
