#pragma once
// Cut, copy and paste of one graph through the system clipboard, as the
// text of GraphClipboard.h. Copy takes the graph of the graph list's current
// entry; Paste adds the clipboard's graph to the current document under a
// new ID, with its own list entry, ticked like the current entry.
class frmF1;

// Copy ("复制"): true when the graph went to the clipboard. Nothing happens
// without a current entry; a graph whose record cannot be written is
// reported and the clipboard is left as it was.
bool CopyGraph(frmF1* window);

// Cut ("剪切"): Copy, then Delete of the current entry, only when the copy
// succeeded, so a graph is never deleted without being on the clipboard.
bool CutGraph(frmF1* window);

// Paste ("粘贴"): true when a graph was added. Does nothing before the first
// Copy of this run. A clipboard text that is not a graph of a fitting
// document kind is refused with a message and changes nothing.
bool PasteGraph(frmF1* window);

// The Edit menu items "剪切", "复制" (before "按位图复制") and "粘贴" (after
// it), "剪切" and "复制" of the list's pop-up (before "删除") and "粘贴" at the
// top of the drawing area's pop-up.
void AddGraphClipboardCommands(frmF1* window);
