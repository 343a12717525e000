#pragma once
// Expression compiler and evaluator. Every user makes its own object.
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class Cls6 {
public:
    Cls6() = default;
    // Copies share the buffers already read; each object keeps its own
    // record of the buffer it evaluated last.
    Cls6(const Cls6& other);
    Cls6& operator=(const Cls6& other);

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

    // Row evaluation: one buffer at many points that share every variable but
    // one, each instruction applied to the whole row before the next. The
    // outcome of each point is what DoEvaluate would give it: a value, an
    // undefined sample (DoEvaluate returns true with UndefinedSample), or an
    // error (DoEvaluate throws ExprError).
    enum class RowOutcome : uint8_t { Value = 0, Undefined = 1, Error = 2 };

    // True when EvaluateRow can stand in for DoEvaluate on this buffer: it
    // reads as a whole, leaves a value, draws no random numbers (their order
    // would differ), and no domain error is to be reported in a message.
    // Compiles the buffer into this object's cache, so copies made after it
    // share the compiled form.
    bool CanEvaluateRow(const QString& sExpression);

    // Evaluates at `count` points: the variables U V X Y A R B T are `fixed`
    // except variable `varying` (0 U .. 7 T), which takes values[i] at point
    // i; N is lngN. Writes out[i] and outcome[i]. Call only where
    // CanEvaluateRow is true; never shows a message and never throws.
    void EvaluateRow(const QString& sExpression, bool bolDegree, const float fixed[8],
                     int32_t lngN, int varying, const float* values, int count, float* out,
                     RowOutcome* outcome);

    // Error numbers raised by the evaluator (the stack's own are in Cls13).
    static constexpr long ErrBadToken = 0x800403EAL;
    static constexpr long ErrOverflow = 6;
    static constexpr long ErrInvalidOperation = 5;

private:
    struct Program; // a buffer read once into instructions

    static int32_t GetOperatorPrecedence(const QString& token);
    static bool IsIdentStartChar(const QString& text);
    int32_t SyntaxError(int32_t position, const QString& message);
    const Program& ProgramFor(const QString& buffer);
    static void Translate(const QString& buffer, Program* program);

    // Message of the last syntax error.
    QString m_lastError;

    // Buffers are evaluated many times each (once per sample), so each one
    // is read into instructions once and kept here, keyed by its text.
    struct CacheEntry {
        QString key;
        std::shared_ptr<const Program> program;
    };
    const Program& Remember(const CacheEntry& entry);
    std::vector<CacheEntry> m_cache;
    std::size_t m_nextSlot = 0;
    // The entry used last, checked first.
    const char16_t* m_lastText = nullptr;
    qsizetype m_lastSize = -1;
    const Program* m_lastProgram = nullptr;
    std::vector<double> m_deepStack; // for unusually deep buffers only
    std::vector<double> m_rowStack;  // the value rows of EvaluateRow
};
