#pragma once
// Expression compiler and evaluator. Every user makes its own object.
#include <QString>
#include <cstdint>

class Cls6 {
public:
    // Compiles infix text and appends its postfix tokens to sBuffer.
    // Returns 0 on success, else the 1-based position of the syntax error
    // (after its message box).
    int32_t InfixToPostfix(const QString& sExpression, QString& sBuffer);

    // Evaluates a postfix buffer. True with sngResult set (UndefinedSample
    // outside a domain); False for an empty stack or a reported domain error.
    // Throws ExprError for a malformed buffer or an arithmetic overflow.
    bool DoEvaluate(const QString& sExpression, bool bolDegree, float& sngResult,
                    float sngU, float sngV, float sngX, float sngY, float sngA,
                    float sngR, float sngB, float sngT, int32_t lngN);
};
