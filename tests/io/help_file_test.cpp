// The HTML help shipped with the program names every function the
// expression compiler knows, each one written as the compiler reads it.
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
} // namespace

TEST(HelpFile, ListsEveryFunctionAsTheCompilerReadsIt)
{
    const QString help = HelpText();
    QSet<QString> listed;
    const QRegularExpression call(QStringLiteral("<code>([a-z]+)\\(x\\)</code>"));
    for (auto it = call.globalMatch(help); it.hasNext();)
        listed << it.next().captured(1);

    // Every name the help lists compiles as a function call...
    MessageRecorder messages;
    for (const QString& name : listed) {
        Cls6 compiler;
        QString buffer;
        EXPECT_EQ(compiler.InfixToPostfix(name + QStringLiteral("(1)"), buffer), 0)
            << name.toStdString();
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
