// Cls13, the growable value stack the expression compiler keeps its operators on.
#include "expr/Cls13.h"

#include "expr/ExprError.h"

void Cls13::Push(const QVariant& value)
{
    ++m_count;
    if (m_count > Capacity())
        m_items.resize(Capacity() + 10);
    m_items[m_count - 1] = value;
}

QVariant Cls13::Pop()
{
    if (m_count == 0)
        throw ExprError(ErrPopEmpty, QStringLiteral("在空栈上调用Pop方法。"));
    // The slot keeps its value until a later push overwrites it.
    return m_items[--m_count];
}

QVariant Cls13::GetPopValue() const
{
    if (m_count == 0)
        throw ExprError(ErrPeekEmpty, QStringLiteral("在空栈上调用GetPopValue方法。"));
    return m_items[m_count - 1];
}
