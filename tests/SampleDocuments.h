#pragma once
// The generator of the demonstration documents in samples/: one entry per
// document with its kind, its graphs and, for an animation, its frame count
// and speed. The sample-document test writes and checks the files from it;
// the Demo menu test checks what each menu item opens against it.
#include "model/Cls8.h"

#include <cstdint>
#include <functional>
#include <vector>

struct Sample {
    const char* path; // below the source root, '/'-separated
    int32_t kind;
    std::function<std::vector<GraphRef>()> graphs;
    int32_t frames = 0; // animated documents: frame count and speed
    int32_t fps = 0;
};

// Every demonstration document.
const std::vector<Sample>& Samples();

// The entry for `path`, or nullptr.
const Sample* FindSample(const char* path);
