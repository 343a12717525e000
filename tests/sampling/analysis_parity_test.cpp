// The parity rewrite f(x) -> f(-x) of 2D function texts.
#include "sampling/Parity.h"

#include <gtest/gtest.h>

namespace {

QString Negate(int32_t coord, int32_t form, const QString& text)
{
    Cls9 g;
    g.CoordType = coord;
    g.FunForm = form;
    return g.NegateFreeVariable(text);
}

TEST(Parity, NegatesTheFreeVariableOfEachForm)
{
    struct Row {
        int32_t coord, form;
        const char* text;
        const char* negated;
    } rows[] = {
        {CoordTypeCartesian2D, FunFormExplicit, "x", "-x"},
        {CoordTypeCartesian2D, FunFormExplicit, "x^2+3*x", "(-x)^2+3*(-x)"},
        {CoordTypeCartesian2D, FunFormExplicit, "exp(x)", "exp((-x))"},
        {CoordTypeCartesian2D, FunFormExplicit, "sin(x)/x", "sin((-x))/(-x)"},
        {CoordTypeCartesian2D, FunFormExplicit, "x1", "(-x)1"},
        {CoordTypeCartesian2D, FunFormExplicit, "ex", "ex"},
        {CoordTypeCartesian2D, FunFormExplicit, "a*x", "a*(-x)"},
        // The compiler reads X as x, so the rewrite must too.
        {CoordTypeCartesian2D, FunFormExplicit, "X^3", "(-X)^3"},
        {CoordTypeCartesian2D, FunFormExplicit, "X", "-X"},
        {CoordTypePolar, FunFormExplicit, "a", "-a"},
        {CoordTypePolar, FunFormExplicit, "atan(a)", "atan((-a))"},
        {CoordTypePolar, FunFormExplicit, "2*a+x", "2*(-a)+x"},
        {CoordTypeCartesian2D, FunFormParametric, "u", "-u"},
        {CoordTypePolar, FunFormParametric, "u^3-u", "(-u)^3-(-u)"},
        {CoordTypeCartesian2D, FunFormExplicit, "", ""},
        {CoordTypeCartesian2D, FunFormExplicit, "2", "2"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(Negate(r.coord, r.form, r.text).toStdString(), r.negated) << r.text;
}

TEST(Parity, OtherFormsGiveTheEmptyText)
{
    EXPECT_EQ(Negate(CoordTypeCartesian2D, FunFormImplicit, "x^2+y^2-1"), "");
    EXPECT_EQ(Negate(CoordTypePolar, FunFormInequality, "r-a"), "");
    for (int32_t coord : {CoordTypeCartesian3D, CoordTypeCylindrical, CoordTypeSpherical})
        EXPECT_EQ(Negate(coord, FunFormExplicit, "x"), "");
}

TEST(Parity, IsLetterTakesOneAsciiLetter)
{
    for (const char* yes : {"a", "z", "A", "Z", "x"})
        EXPECT_TRUE(Cls9::IsLetter(yes)) << yes;
    for (const char* no : {"", "ab", "1", "(", ".", "_", "é"})
        EXPECT_FALSE(Cls9::IsLetter(QString::fromUtf8(no))) << no;
}

} // namespace
