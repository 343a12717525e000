#pragma once
// What the dialogs need of the main window, as an interface the dialogs own
// and the main window implements (SetDialogHost at its construction). The
// free functions forward to the installed host; each is harmless when none is
// installed (a dialog driven on its own, as in tests).
#include <QString>

class DialogHost {
public:
    virtual ~DialogHost() = default;

    // The selected entry of the graph list (0-based), -1 when none.
    virtual int ListIndex() const = 0;
    // Rewrites the text of entry `row` without touching its tick.
    virtual void SetEntryText(int row, const QString& text) = 0;
    // Appends an unticked entry and returns its row.
    virtual int AddListEntry(const QString& label) = 0;
    // Ticks or unticks entry `row` as a click does (the list handler runs).
    virtual void SetEntryTicked(int row, bool ticked) = 0;
    // Recompiles the display lists of the shown scene.
    virtual void BuildDisplayLists() = 0;
    // Draws the current frame.
    virtual void DrawCurrentFrame() = 0;
    // Repaints the main window at once.
    virtual void RepaintWindow() = 0;
    // Enables the animation playback commands.
    virtual void EnablePlaybackCommands() = 0;
};

// Installs the host (nullptr removes it); the host must outlive its install.
void SetDialogHost(DialogHost* host);
DialogHost* CurrentDialogHost();

// When set, the next graph dialog OK updates the graph of the selected list
// entry instead of creating one. The editing command sets it; every creating
// command and every successful OK clears it.
extern bool g_EditingGraph;

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
