#pragma once
// State of the main window that the graph dialogs share.

// When set, the next graph dialog OK updates the graph of the selected list
// entry instead of creating one. The editing command sets it; every creating
// command and every successful OK clears it.
extern bool g_EditingGraph;
