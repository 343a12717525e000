#pragma once
// What a whole document may ask of the machine. Each graph is bounded on its
// own (MaxSamplesPerGraph, MaxScanNodes), but fifty graphs at their bounds
// need tens of gigabytes or minutes of scanning: the document as a whole
// gets a budget of samples and of implicit-scan nodes, checked where graphs
// come in (Open, Paste, a graph dialog's OK).
#include "model/Cls9.h"

#include <QString>
#include <cstdint>
#include <vector>

// Samples of every sampled graph together, over all animation frames
// (about 200 bytes each while drawn: some 1.6 GB).
constexpr int64_t MaxDocumentSamples = 8'000'000;
// Implicit and inequality scan nodes of every such graph together, over all
// frames, the polar box pass included: two scans at the per-scan bound.
// Software Mesa compiles about 2.5 million marked nodes a second, so an
// inequality that marks them all takes some 14 s at this bound.
constexpr int64_t MaxDocumentScanNodes = int64_t(1) << 25;

struct GraphWork {
    int64_t samples = 0;
    int64_t scanNodes = 0;
};

// The work one graph gives when it is sampled and drawn, with the
// document's frame count for an animated graph.
GraphWork WorkOfGraph(const Cls9& g, int32_t frameCount);

// Empty when the graphs together stay within the budget; otherwise the
// sentence that says so.
QString DocumentBudgetProblem(const std::vector<GraphRef>& graphs, int32_t frameCount);
