#pragma once
// Constants and state of the expression engine shared by sampling and drawing.
#include <cstdint>

// The value of a sample that cannot be computed or lies outside the plot range.
inline constexpr float UndefinedSample = 0.12345f;

// When set, the evaluator shows the domain errors of its reported group.
// Only the calculator sets it, for one evaluation.
extern bool g_ReportEvalErrors;
