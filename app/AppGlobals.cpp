#include "app/AppGlobals.h"

bool g_EditingGraph = false;
