#pragma once
// What the graph dialogs need of the main window. Every call is harmless when
// no main window exists (a dialog driven on its own, as in tests).
#include <QString>

// List1.ListIndex: the selected entry of the graph list, -1 when none.
int SelectedGraphIndex();

// Rewrites the text of entry `index` (0-based) without touching its tick.
void SetGraphListText(int index, const QString& text);

// Recompiles the display lists of the shown scene and draws the current frame.
void RedrawScene();

// Repaints the main window at once.
void RefreshMainWindow();

// Enables the animation playback commands (after an animated graph was made).
void EnablePlaybackCommands();
