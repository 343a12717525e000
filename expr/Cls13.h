#pragma once
// Growable last-in, first-out stack of values (numbers or text). The
// compiler keeps its operators on one. Popping or peeking an empty stack
// raises ExprError and changes nothing.
#include <QVariant>
#include <QVector>
#include <cstdint>

class Cls13 {
public:
    // Error numbers of the two empty-stack errors.
    static constexpr long ErrPopEmpty = 0x800403F3L;
    static constexpr long ErrPeekEmpty = 0x800403F4L;

    int32_t StackSize() const { return m_count; }
    // Slots allocated so far; grows in steps of 10 and never shrinks.
    int32_t Capacity() const { return static_cast<int32_t>(m_items.size()); }

    void Push(const QVariant& value);
    QVariant Pop();
    QVariant GetPopValue() const;

private:
    QVector<QVariant> m_items;
    int32_t m_count = 0;
};
