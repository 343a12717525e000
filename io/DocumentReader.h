#pragma once
// Reading documents (.qgd). The whole file is read and checked before
// anything of the program's state changes: a file that is not a document,
// is cut short or holds impossible values is refused with a reason, and the
// caller keeps the document it has. Nothing here touches a global.
//
// File: 16-bit tag 8, 16-bit text length n (little-endian), n bytes of text
// in code page 936; bytes after the text are ignored. Text: key, graph
// count, graph records, coordinate-system record, blank-separated.
#include "model/Cls3.h"
#include "model/Cls9.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

class TokenReader;

// Document kind of a key: "S81"/"S71" 2D, "S83"/"S73" 2.5D, "S82"/"S72" 3D;
// 0 for anything else. Keys are compared exactly.
int32_t DocumentKindOfKey(const QString& key);
// True for the older keys, whose graph records end before the figure group.
bool IsOlderDocumentKey(const QString& key);

// Animation settings that animated records carry; a record overwrites them.
struct AnimationSettings {
    int32_t frameCount = 10;
    int32_t framesPerSecond = 10;
};

// Reads one graph record into a new graph. Returns nothing and sets *error
// (a sentence for the user) when the record is cut short or holds values the
// program cannot use; the reader position is then undefined.
GraphRef ReadGraphRecord(TokenReader& reader, bool figureGroup, AnimationSettings& animation,
                         QString* error);

// Reads the coordinate-system record into axes: "0" only hides it and keeps
// every other setting, "1" sets all 39. False (with *error) when it is cut
// short or out of range.
bool ReadAxesRecord(TokenReader& reader, Cls3& axes, QString* error);

struct LoadedDocument {
    int32_t kind = 0;                 // DocumentKind
    std::vector<GraphRef> graphs;     // in document order, not sampled
    QStringList leftOut;              // one sentence per graph refused on its own
    AnimationSettings animation;      // after the last animated record
    bool animated = false;            // some record is animated
    Cls3 axes;                        // the current settings with the record applied
};

// Parses a document text. `axes` and `animation` are the current settings,
// which the text changes only where it says so.
std::optional<LoadedDocument> ParseDocumentText(const QString& text, const Cls3& axes,
                                                AnimationSettings animation, QString* error);

// True once `bytes`, the start of a file, hold all that DocumentTextOfFile
// looks at: the header and the text it announces, or enough to tell that the
// file is no document. A reader of a FIFO stops there.
bool DocumentFileComplete(const QByteArray& bytes);

// Takes the text out of the file's bytes: tag, length and code page 936.
std::optional<QString> DocumentTextOfFile(const QByteArray& bytes, QString* error);

// Both steps together.
std::optional<LoadedDocument> ParseDocumentFile(const QByteArray& bytes, const Cls3& axes,
                                                AnimationSettings animation, QString* error);

// Empty when the program can draw the graph as its dialog would make it;
// otherwise the sentence that says why not (a sequence of more terms than
// its dialog takes, which would list and mark every one on each redraw).
// Such a graph is left out of an opened document, and refused on paste.
QString GraphLimitProblem(const Cls9& g);

// Limits of what a document may hold: the program cannot draw beyond them
// (and would run out of memory or time trying).
constexpr int32_t MaxPositionListCount = 50;
constexpr int32_t MaxDocumentFrameCount = 10000;
constexpr int32_t MaxDocumentFramesPerSecond = 1000;
// (StepU + 1) * (StepV + 1), times (frame count + 1) for an animated graph.
constexpr int64_t MaxSamplesPerGraph = 4'000'000;

// The samples a graph's sampling makes, counted as sampling counts: a step
// count or frame count of 0 works as 1 (and is stored back as 1), so a
// document the program writes is counted the same when it is read again.
int64_t GraphSampleCount(const Cls9& g, int32_t frameCount);
constexpr int32_t MaxGraphID = 1'000'000'000;
// Sides of a solid, terms of a sequence: drawn one by one.
constexpr int32_t MaxEdgeNum = 1'000'000;
