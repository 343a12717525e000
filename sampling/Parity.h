#pragma once
// The parity rewrite of a 2D function text: f(x) becomes f(-x). Defined as
// the Cls9 members NegateFreeVariable and IsLetter (declared in model/Cls9.h);
// this header only names the file's purpose.
#include "model/Cls9.h"
