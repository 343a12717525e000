// clsPolish, the postfix token list of the symbolic differentiator.
#include "expr/clsPolish.h"

#include <stdexcept>

void clsPolish::Push(int32_t Index, int16_t Rank, const QString& Data)
{
    if (Index < 0 || Index > ElementCount())
        throw std::out_of_range("clsPolish::Push: index out of range");
    m_tokens.insert(m_tokens.begin() + Index, Token{Rank, Data});
}

void clsPolish::Kill(int32_t Index, int32_t Num)
{
    if (Index < 0 || Num < 0 || static_cast<int64_t>(Index) + Num > ElementCount())
        throw std::out_of_range("clsPolish::Kill: run out of range");
    m_tokens.erase(m_tokens.begin() + Index, m_tokens.begin() + Index + Num);
}

int16_t clsPolish::GetRank(int32_t Index) const
{
    if (Index < 0 || Index >= ElementCount())
        throw std::out_of_range("clsPolish::GetRank: index out of range");
    return m_tokens[static_cast<size_t>(Index)].Rank;
}

QString clsPolish::GetData(int32_t Index) const
{
    return DataAt(Index);
}

const QString& clsPolish::DataAt(int32_t Index) const
{
    if (Index < 0 || Index >= ElementCount())
        throw std::out_of_range("clsPolish::DataAt: index out of range");
    return m_tokens[static_cast<size_t>(Index)].Data;
}

void clsPolish::AppendRange(const clsPolish& src, int32_t first, int32_t last)
{
    if (first > last)
        return;
    if (first < 0 || last >= src.ElementCount())
        throw std::out_of_range("clsPolish::AppendRange: range out of range");
    m_tokens.insert(m_tokens.end(), src.m_tokens.begin() + first, src.m_tokens.begin() + last + 1);
}

bool clsPolish::operator==(const clsPolish& other) const
{
    return m_tokens == other.m_tokens;
}
