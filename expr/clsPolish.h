#pragma once
// A postfix token list for the symbolic differentiator: each token is a rank
// code and a text. The parser builds these lists, the differentiator cuts
// and joins them, the printer turns them back into infix text.
#include <QString>
#include <cstdint>
#include <vector>

// Rank codes. The operator ranks double as binding strength (higher binds
// tighter); 0 and 6 only ever stand on the parser's working stack.
enum PolishRank : int16_t {
    PolishRankClose = 0,    // ")"
    PolishRankAdd = 1,      // "+" or "-"
    PolishRankMul = 2,      // "*", "/", or the "-" of a negation
    PolishRankPow = 3,      // "^"
    PolishRankFunction = 4, // one-argument function name in lower case
    PolishRankOperand = 5,  // variable letter or number text
    PolishRankOpen = 6,     // "("
};

class clsPolish {
public:
    int32_t ElementCount() const { return static_cast<int32_t>(m_tokens.size()); }
    void Clear() { m_tokens.clear(); }

    // Inserts a token at Index (0 .. ElementCount); Push(ElementCount(), ...)
    // appends. Throws std::out_of_range for any other index.
    void Push(int32_t Index, int16_t Rank, const QString& Data);

    // Removes Num tokens from Index on. Throws std::out_of_range when the run
    // reaches past the last token or either argument is negative.
    void Kill(int32_t Index, int32_t Num);

    // Throw std::out_of_range outside 0 .. ElementCount - 1.
    int16_t GetRank(int32_t Index) const;
    QString GetData(int32_t Index) const;
    // The token's text itself, for readers that only look (same bounds).
    const QString& DataAt(int32_t Index) const;

    // Appending without the index test of Push; AppendRange copies src
    // positions first .. last (nothing when first > last).
    void Append(int16_t rank, const QString& data) { m_tokens.push_back({rank, data}); }
    void AppendRange(const clsPolish& src, int32_t first, int32_t last);
    void Reserve(int32_t n) { m_tokens.reserve(static_cast<size_t>(n)); }

    bool operator==(const clsPolish& other) const;

private:
    struct Token {
        int16_t Rank;
        QString Data;
        bool operator==(const Token&) const = default;
    };
    std::vector<Token> m_tokens;
};
