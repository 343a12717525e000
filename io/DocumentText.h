#pragma once
// The token level of documents and of the clipboard's graph text: cutting
// the text at blanks, the number and Boolean rules of reading, and the
// "@...@" fields that may hold blanks. Readers never guess past the end of
// the text: a field asked for beyond the last token is an error, so a cut
// file is refused instead of being read with made-up values.
#include <QString>
#include <QStringList>
#include <cstdint>

// Cuts text at every blank (U+0020 only). Two blanks in a row give an empty
// token, a leading blank an empty first token, a trailing blank nothing.
QStringList CutIntoTokens(const QString& text);

// The number at the start of the token: optional sign, digits with at most
// one ".", optionally E or e with optional sign and digits. 0 when the token
// does not start with a number; the rest of the token is ignored.
double LeadingNumber(QStringView token);

// Whether a token may stand in a number field: it starts with a number
// (digits after an optional sign, with or without a point), or it is empty
// (two blanks in a row, read as 0). "abc" or "-" there is damage, not 0.
bool IsNumberField(QStringView token);

enum class TokenError {
    None,
    EndOfText,   // the text ended inside a record
    OutOfRange,  // a number outside the 32-bit integer or float range
    NotANumber,  // a number field that does not start with a number
};

// Reads fields one after the other from a token list.
class TokenReader {
public:
    // Cuts the text as CutIntoTokens does, without copying the tokens.
    explicit TokenReader(const QString& text);
    explicit TokenReader(QStringList tokens);
    TokenReader(const TokenReader&) = delete;
    TokenReader& operator=(const TokenReader&) = delete;

    qsizetype Position() const { return m_pos; }     // tokens consumed so far
    qsizetype Remaining() const { return m_tokens.size() - m_pos; }
    TokenError Error() const { return m_error; }
    bool Failed() const { return m_error != TokenError::None; }

    // The next token without consuming it (empty beyond the end).
    QStringView Peek() const;

    // Each reader consumes one token (a quoted field may take several or
    // none). After the first failure every later read fails too and the
    // value is left as it was.
    bool Long(int32_t& value);      // rounded to nearest, halves to even
    bool Single(float& value);      // rounded to the nearest float
    bool Boolean(bool& value);      // true for exactly "1" or "True"
    bool StrictBoolean(bool& value);// true for exactly "1"
    bool Expression(QString& value);// the token unchanged
    bool PointSize(float& value);   // set only by "1" .. "9"
    bool Quoted(QString& value);    // absent field leaves value and token

private:
    bool Next(QStringView& token);
    bool Fail(TokenError error);

    QString m_text;          // the text the views point into
    QStringList m_owned;     // or the tokens they point into
    QList<QStringView> m_tokens;
    qsizetype m_pos = 0;
    TokenError m_error = TokenError::None;
};
