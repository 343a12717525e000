#include "expr/Cls6.h"
#include "expr/Globals.h"

bool g_ReportEvalErrors = false;

// Placeholder until the compiler and evaluator land.
int32_t Cls6::InfixToPostfix(const QString&, QString&) { return 1; }
bool Cls6::DoEvaluate(const QString&, bool, float&, float, float, float, float, float, float,
                      float, float, int32_t)
{
    return false;
}
