// Tests of the compiler's value stack (Cls13).
#include "expr/Cls13.h"
#include "expr/ExprError.h"

#include <gtest/gtest.h>

TEST(ValueStack, GrowsByTenAndPopsInReverse)
{
    Cls13 s;
    for (int k = 1; k <= 11; ++k)
        s.Push(k);
    EXPECT_EQ(s.StackSize(), 11);
    EXPECT_EQ(s.Capacity(), 20);
    for (int k = 11; k >= 1; --k)
        EXPECT_EQ(s.Pop().toInt(), k);
    EXPECT_EQ(s.StackSize(), 0);
    EXPECT_EQ(s.Capacity(), 20);
    // Slots are reused after popping.
    s.Push(QStringLiteral("("));
    EXPECT_EQ(s.GetPopValue().toString(), QStringLiteral("("));
    EXPECT_EQ(s.Capacity(), 20);
}

TEST(ValueStack, PeekLeavesTheTop)
{
    Cls13 s;
    s.Push(1.5);
    s.Push(QStringLiteral("SIN"));
    EXPECT_EQ(s.GetPopValue().toString(), QStringLiteral("SIN"));
    EXPECT_EQ(s.GetPopValue().toString(), QStringLiteral("SIN"));
    EXPECT_EQ(s.StackSize(), 2);
    s.Pop();
    EXPECT_DOUBLE_EQ(s.Pop().toDouble(), 1.5);
}

TEST(ValueStack, EmptyStackErrors)
{
    Cls13 s;
    try {
        s.Pop();
        ADD_FAILURE();
    } catch (const ExprError& e) {
        EXPECT_EQ(e.Number(), 0x800403F3L);
        EXPECT_EQ(e.Description(), QStringLiteral("在空栈上调用Pop方法。"));
    }
    try {
        s.GetPopValue();
        ADD_FAILURE();
    } catch (const ExprError& e) {
        EXPECT_EQ(e.Number(), 0x800403F4L);
        EXPECT_EQ(e.Description(), QStringLiteral("在空栈上调用GetPopValue方法。"));
    }
    EXPECT_EQ(s.StackSize(), 0);
    // After the error the stack still works.
    s.Push(3);
    EXPECT_EQ(s.Pop().toInt(), 3);
    EXPECT_THROW(s.Pop(), ExprError);
}
