#pragma once
// What the figure dialogs share: their widgets (choice, width and number
// lists, colour boxes), reading and writing their number boxes, their
// refusal messages, the graph they all build, the end of a good OK and
// making a dialog filled from the graph an edit opens it on.
#include "dialogs/common/BoxValue.h"
#include "dialogs/common/ColorBox_ui.h"
#include "dialogs/common/DialogRows_ui.h"
#include "dialogs/common/DialogWidgets_ui.h"
#include "dialogs/common/DialogOk_ui.h"
#include "model/StyleLists.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <utility>

class Cls9;

namespace FigureDialogs {

using GraphDialog::IsShown;
using GraphDialog::MakeLabel;
using GraphDialog::MakeOption;
using GraphDialog::MakeText;
using GraphDialog::Named;

// A list of choices the user picks from (no typing), first item selected.
QComboBox* MakeChoice(const char* name, const QStringList& items);

// A list of the whole numbers first..last, `selected` chosen.
QComboBox* MakeNumbers(const char* name, int first, int last, int selected);

// The width or size list that drawing keeps to, `selected` chosen.
QComboBox* MakeNumbers(const char* name, StyleList list, int selected);

// Selects the item of a number list that shows `value`. A value that is no
// item keeps the dialog's own choice.
void SelectNumber(QComboBox* combo, int32_t value);

// The number the selected item of a number list shows.
int32_t NumberValue(const QComboBox* combo);

ColorBox* MakeColor(const char* name, int32_t bgr);

// Selects the item of a stored value (value - 1). A value that is no item
// keeps the dialog's own choice, so OK never reads an empty list.
void SelectValue(QComboBox* combo, int32_t value);

// The value a list gives: its item index + 1.
inline int32_t ListValue(const QComboBox* combo)
{
    return combo->currentIndex() + 1;
}

// A number as the editing command writes it into a box: its plain number
// text (never the exponent form, which the expression compiler does not
// read) with one blank in front when it is not negative.
QString Padded(float value);

// A number as it goes into an expression text (never the exponent form).
QString X(float value);

// Filters the boxes in order, each only while it is not hidden explicitly;
// a refused character shows "存在非法数据。" and gives false.
bool FilterBoxes(std::initializer_list<std::pair<QLineEdit*, BoxCleaner>> boxes);

// Filters boxes that hold a function of x, in order; a refused character
// shows "存在非法表达式。" and gives false.
bool FilterExpressions(std::initializer_list<QLineEdit*> boxes);

// Reads the numbers the boxes begin with (0 when none) as 32-bit floats. A
// number beyond the float range shows "存在非法数据。" and gives false.
bool ReadNumbers(std::initializer_list<std::pair<const QLineEdit*, float*>> boxes);

// ReadNumbers for the boxes the chosen form shows. A box it hides is not
// checked: it gives its number when a float holds it, else 0, so that a
// value the user cannot see never refuses OK.
bool ReadShownNumbers(std::initializer_list<std::pair<const QLineEdit*, float*>> boxes);

// Evaluates the expressions of a range's two boxes, in order (either may
// be above the other). A bound that does not compile gives false after the
// compiler's message; one beyond the float range after "存在非法数据。".
bool EvaluateBounds(const QLineEdit* minBox, const QLineEdit* maxBox, float& min, float& max);

// True when every value is a number that a 32-bit float holds.
bool AllFloat(std::initializer_list<double> values);

// A figure the data cannot make, titled "提示" with the stop icon.
void RefuseFigure(const QString& text);

// A graph with the values every figure dialog passes to the graph factory.
std::shared_ptr<Cls9> NewFigureGraph(const QString& name, int32_t graphType, int32_t coordType,
                                     const QString& expY, const QString& expZ, int32_t stepV,
                                     float minV, float maxV, int32_t material, int32_t smooth);

// A 3D graph drawn from its parameters alone (vectors, sequences, the space
// line, solids): never sampled, so its curve is a plain "0" over 0 to 1.
std::shared_ptr<Cls9> NewParameterGraph(const QString& name, int32_t graphType, int32_t smooth);

// The graph an edit opens the dialog on (the selected list entry), or
// nullptr when no entry is selected.
std::shared_ptr<Cls9> EditedGraph();

// Stores the graph (create or edit), and on success clears the editing
// state, closes the dialog and repaints. False leaves the dialog open.
bool FinishOk(QDialog* dialog, const std::shared_ptr<Cls9>& graph, bool sample);

// FinishOk for a sampled graph that makes the document 2D: the kind changes
// only with the stored graph, so a refused OK leaves everything as it was.
bool FinishOk2D(QDialog* dialog, const std::shared_ptr<Cls9>& graph);

// A new dialog, filled from `edited` when there is one.
template <class Dialog, class... Args>
std::unique_ptr<QDialog> MakeFilled(const Cls9* edited, QWidget* parent, Args... args)
{
    auto dialog = std::make_unique<Dialog>(args..., parent);
    if (edited)
        dialog->Fill(*edited);
    return dialog;
}

} // namespace FigureDialogs
