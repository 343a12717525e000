#pragma once
// Cut, copy and paste of one graph through the system clipboard, as the
// text of GraphClipboard.h. Copy takes the graph of the graph list's current
// entry; Paste adds the clipboard's graph to the current document under a
// new ID, with its own list entry, ticked like the current entry.
#include <QString>
#include <cstdint>

class QMenu;
class QWidget;

// What the clipboard commands need of the main window, which implements it.
class GraphClipboardHost {
public:
    virtual ~GraphClipboardHost() = default;

    // The window whose menus get the commands; it owns their connections.
    virtual QWidget* HostWindow() = 0;
    // The graph list's and the drawing area's pop-up menus (may be null).
    virtual QMenu* ListMenu() const = 0;
    virtual QMenu* DrawingAreaMenu() const = 0;
    // The current list entry (0-based), -1 when none.
    virtual int ListIndex() const = 0;
    virtual bool IsEntryTicked(int row) const = 0;
    // Appends an unticked entry and returns its row.
    virtual int AddListEntry(const QString& label) = 0;
    // Ticks or unticks entry `row` as a click does (the list handler runs).
    virtual void SetEntryTicked(int row, bool ticked) = 0;
    // Delete of the current entry, as the Edit menu's command.
    virtual void mnuEditDelete_Click() = 0;
    virtual void EnablePlaybackCommands() = 0;
    // Graphs copied in this run; Paste does nothing while it is 0.
    virtual int32_t CopiedCount() const = 0;
    virtual void SetCopiedCount(int32_t count) = 0;
};

// Copy ("复制"): true when the graph went to the clipboard. Nothing happens
// without a current entry; a graph whose record cannot be written is
// reported and the clipboard is left as it was.
bool CopyGraph(GraphClipboardHost* window);

// Cut ("剪切"): Copy, then Delete of the current entry, only when the copy
// succeeded, so a graph is never deleted without being on the clipboard.
bool CutGraph(GraphClipboardHost* window);

// Paste ("粘贴"): true when a graph was added. Does nothing before the first
// Copy of this run. A clipboard text that is not a graph of a fitting
// document kind is refused with a message and changes nothing.
bool PasteGraph(GraphClipboardHost* window);

// The Edit menu items "剪切", "复制" (before "按位图复制") and "粘贴" (after
// it), "剪切" and "复制" of the list's pop-up (before "删除") and "粘贴" at the
// top of the drawing area's pop-up.
void AddGraphClipboardCommands(GraphClipboardHost* window);
