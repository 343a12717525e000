#pragma once
// The graph list's editing command "编辑..." (mnuFunEdit of the pop-up menu
// FunEdit): opens the dialog that makes graphs of the selected entry's kind,
// filled from that graph, in edit mode (g_EditingGraph), so that its OK
// updates the graph in place (same ID, new list text, redrawn).
#include <memory>

class Cls9;
class QDialog;
class QMenu;
class QWidget;
class frmF1;
class frmF16;
class frmF17;
class frmF4;
class frmF5;

// Puts "编辑..." at the top of the list's pop-up menu.
void AddFunEditCommand(frmF1* window, QMenu* funEditMenu);

// The command itself. Refuses an entry that is not ticked (or no entry) with
// "请首先选择一个函数项。", and a graph kind no dialog edits with
// "这种图形不能编辑。". Edit mode ends with the command.
void mnuFunEdit_Click(frmF1* window);

// The dialog for `graph` in the current document kind, created and filled,
// not yet shown; nullptr when the kind has no editing dialog. Exposed so the
// filling can be checked without a modal loop.
std::unique_ptr<QDialog> MakeEditDialog(const Cls9& graph, QWidget* parent = nullptr);

// The fillings of the four function and point dialogs.
void FillFrmF5(frmF5& d, const Cls9& g);
void FillFrmF4(frmF4& d, const Cls9& g);
void FillFrmF16(frmF16& d, const Cls9& g);
void FillFrmF17(frmF17& d, const Cls9& g);
