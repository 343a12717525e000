#pragma once
// Opening a document into the program: read and check the whole file
// first, then replace the current document. A refused file is reported and
// leaves the scenes, the list, the coordinate system and every setting as
// they were.
#include "io/DocumentReader.h"

#include <QString>

// Replaces the current document by a parsed one: deletes every graph (the
// main window's delete-all), sets the document kind, the view rotation and
// the command states, adds the graphs to both scenes, samples those that
// carry points, appends their list entries, takes over the coordinate
// system and the animation settings, ticks every entry and switches the
// animation controls on for an animated document.
void ApplyLoadedDocument(LoadedDocument doc);

// Reads, checks and applies the document at path. An empty path does
// nothing. A file that cannot be read or is refused gives a message and
// false; the current document stays as it was.
bool LoadDocumentFromFile(const QString& path);

// Types whose graphs carry sampled points (sampled after loading).
bool IsSampledGraphType(int32_t graphType);
