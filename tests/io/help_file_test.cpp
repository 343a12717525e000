// The HTML help shipped with the program against the expression compiler:
// it names every function as the compiler reads it, the expressions it
// gives as written the right way compile and those it gives as wrong are
// refused, expressions it calls equal have equal values, and it offers no
// choice of angle unit that the program does not have.
#include "expr/Cls6.h"
#include "platform/MessageBox.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QSet>

namespace {
QString HelpText()
{
    QFile file(QStringLiteral(QG_SOURCE_DIR "/help/index.html"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << "help/index.html";
    return QString::fromUtf8(file.readAll());
}

// The texts of every match of `pattern`'s first group.
QStringList Captured(const QString& text, const QString& pattern)
{
    QStringList found;
    const QRegularExpression re(pattern, QRegularExpression::DotMatchesEverythingOption);
    for (auto it = re.globalMatch(text); it.hasNext();)
        found << it.next().captured(1);
    return found;
}

// 0 when `expression` compiles, else the compiler's error position.
int32_t Compile(const QString& expression, QString& buffer)
{
    Cls6 compiler;
    return compiler.InfixToPostfix(expression, buffer);
}
} // namespace

TEST(HelpFile, ListsEveryFunctionAsTheCompilerReadsIt)
{
    const QString help = HelpText();
    QSet<QString> listed;
    for (const QString& name : Captured(help, QStringLiteral("<code>([a-z]+)\\(x\\)</code>")))
        listed << name;

    // Every name the help lists compiles as a function call...
    MessageRecorder messages;
    for (const QString& name : listed) {
        QString buffer;
        EXPECT_EQ(Compile(name + QStringLiteral("(1)"), buffer), 0) << name.toStdString();
    }
    EXPECT_EQ(messages.Count(), 0);

    // ...and every function of the language is there, the square root too
    // for a reader looking for "sqrt".
    const QStringList functions = {
        "sin",  "cos",  "log",  "exp",   "abs",   "atan",  "int",  "rnd",   "sqr",   "tan",
        "sec",  "csec", "ctan", "asin",  "acos",  "asec",  "acsec", "actan", "sinh", "cosh",
        "tanh", "ctanh", "sech", "csech", "asinh", "acosh", "atanh", "asech", "acsech", "actanh"};
    for (const QString& f : functions)
        EXPECT_TRUE(listed.contains(f)) << f.toStdString();
    EXPECT_TRUE(help.contains(QStringLiteral("sqrt")));
}

TEST(HelpFile, ExpressionsItShowsAreReadAsItSays)
{
    const QString help = HelpText();
    const QStringList good = Captured(help, QStringLiteral("<code class=\"expr\">(.*?)</code>"));
    const QStringList bad = Captured(help, QStringLiteral("<code class=\"bad\">(.*?)</code>"));
    ASSERT_FALSE(good.isEmpty());
    ASSERT_FALSE(bad.isEmpty());
    {
        MessageRecorder messages;
        for (const QString& e : good) {
            QString buffer;
            EXPECT_EQ(Compile(e, buffer), 0) << e.toStdString();
        }
        EXPECT_EQ(messages.Count(), 0);
    }
    for (const QString& e : bad) {
        MessageRecorder messages; // the compiler's syntax message
        QString buffer;
        EXPECT_NE(Compile(e, buffer), 0) << e.toStdString();
    }

    // "A 即 B": both have one value wherever they are defined.
    const QStringList pairs = Captured(help, QStringLiteral("<span class=\"same\">(.*?)</span>"));
    ASSERT_FALSE(pairs.isEmpty());
    MessageRecorder messages;
    for (const QString& pair : pairs) {
        const QStringList sides = Captured(pair, QStringLiteral("<code class=\"expr\">(.*?)</code>"));
        ASSERT_EQ(sides.size(), 2) << pair.toStdString();
        QString left, right;
        ASSERT_EQ(Compile(sides[0], left), 0);
        ASSERT_EQ(Compile(sides[1], right), 0);
        for (const float x : {-1.5f, 0.25f, 2.0f}) {
            Cls6 eval;
            float a = 0.0f, b = 0.0f;
            ASSERT_TRUE(eval.DoEvaluate(left, false, a, 0, 0, x, 0.5f, 0, 0, 0, 0, 0));
            ASSERT_TRUE(eval.DoEvaluate(right, false, b, 0, 0, x, 0.5f, 0, 0, 0, 0, 0));
            EXPECT_EQ(a, b) << pair.toStdString() << " at x=" << x;
        }
    }
}

TEST(HelpFile, OffersNoChoiceOfAngleUnit)
{
    // The calculator works in degrees and graphs in radians; neither can be
    // switched, so the help must not tell the user to choose.
    const QString help = HelpText();
    for (const char* claim : {"角度或弧度", "弧度或角度", "可选角度", "选择角度", "可选弧度", "选择弧度"})
        EXPECT_FALSE(help.contains(QString::fromUtf8(claim))) << claim;
    EXPECT_TRUE(help.contains(QStringLiteral("不能改为弧度")));
}
