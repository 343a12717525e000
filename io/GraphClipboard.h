#pragma once
// The text that carries one graph through the clipboard: the document kind
// of the copying document ("1", "2" or "3"), one blank, and the graph's
// record exactly as documents hold it. Building and reading it needs no
// display; the commands that move it through the clipboard are in
// GraphClipboard_ui.h.
#include "model/Cls9.h"

#include <QString>
#include <cstdint>
#include <optional>

// Kind, blank, record. Nothing (with *error) when the record could not be
// read back (see Cls9::Save).
std::optional<QString> BuildClipboardGraphText(int32_t documentKind, const Cls9& graph,
                                               QString* error);

// True when a text copied in a document of kind `textKind` (its first token
// by the number rule) may be pasted into one of `documentKind`: the same
// kind, or the same kind plus 3; any kind when documentKind is none of 1-3.
bool ClipboardKindFits(double textKind, int32_t documentKind);

// Reads a clipboard text into a new, unsampled graph that still carries the
// ID it was copied with. `frameCount` is the receiving program's animation
// frame count, which sampling an animated graph will use; the frame count
// and speed in the text are not taken over. A text that is not exactly one
// graph record of a fitting kind, is cut short, holds values out of range or
// a graph too large to sample gives nothing and a sentence for the user in
// *error.
//
// Differences from reading a document, so that a hand-edited text reads as
// a user expects: a name without "@" is the whole token; the point size may
// be any number; the hollow flag is any number other than 0.
GraphRef ParseClipboardGraphText(const QString& text, int32_t documentKind, int32_t frameCount,
                                 QString* error);

// A clipboard text longer than this is not looked at: one graph record is
// far shorter, and cutting a huge text into tokens would only cost memory.
constexpr qsizetype MaxClipboardTextLength = 1'000'000;
