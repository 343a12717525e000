#pragma once
// The analysis tail of Cls9::GetPoints: derivative, parity and
// differential-equation curves. Defined as Cls9::GetAnalysisPoints
// (declared in model/Cls9.h).
#include "model/Cls9.h"
