#pragma once
// Symbolic differentiation of expression text of one variable.
//
// The usual road is DerivativeText: parse the text into a postfix list,
// differentiate the list, print it as infix text and fold the sign pairs
// "+-" and "--"; a second derivative runs the same road on the first
// derivative's text. Nothing is simplified, so the texts are long; they
// compile with Cls6 like any expression.
#include "expr/clsPolish.h"

#include <QString>
#include <cstdint>

namespace Der {

// A new list holding the tokens of each argument in turn.
template <typename... Lists>
clsPolish ConcatPolishLists(const Lists&... lists)
{
    clsPolish out;
    out.Reserve((0 + ... + lists.ElementCount()));
    (out.AppendRange(lists, 0, lists.ElementCount() - 1), ...);
    return out;
}

// A new list holding src's tokens at first .. last (empty when first > last).
// Throws std::out_of_range for a range outside src.
clsPolish CopyPolishRange(const clsPolish& src, int32_t first, int32_t last);

// One operand of the operator or function at position index of a well-formed
// list: which == 1 the right operand (or a function's argument), any other
// value the left operand. Throws std::out_of_range when the walk runs past
// the start of the list (the list is not well formed).
clsPolish ExtractOperand(const clsPolish& src, int32_t index, int16_t which);

// Parses expression text into a postfix list. Letters are read in any case;
// the names are PI, the variables X Y A R U and the 25 functions the
// differentiator has rules for. On a syntax refusal errText says why and
// the list is empty, ok stays true. A name that cannot be differentiated
// shows "不能计算<name>的导数。" and sets ok false (list empty).
// A "-" where an operand is expected is a negation of what follows: it binds
// weaker than "^" and tighter than "*" and "/", as in the compiler, so
// x^-2 is x^(-2) and 2*-x is 2*(-x).
clsPolish ParseToPolish(const QString& text, QString& errText, bool& ok);

// The parser's reduction step on its working stack W and output Out.
void ReducePolishStack(clsPolish& W, clsPolish& Out);

// Infix text of a well-formed, non-empty list, with the parentheses it
// needs and no blanks. A malformed list gives the empty text.
QString PolishToInfix(const clsPolish& src);

// The postfix list of the derivative; x, y, a, r and u each count as the
// variable. Always returns at least one token; never shows a message.
clsPolish Differentiate(const clsPolish& src);

// The whole road: parse, differentiate, print, fold sign pairs. Returns
// false (out empty) when the text cannot be differentiated, after a message
// box titled "出错" saying so; true with the derivative text otherwise.
bool DerivativeText(const QString& expr, QString& out);

} // namespace Der
