#pragma once
// The steps every graph and figure dialog's OK shares: cleaning a box, evaluating range
// expressions, reading a position list, and creating the graph in both scenes
// or copying it into the graph being edited.
#include "model/PointGrid.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

#include "expr/Cls6.h"

class QLineEdit;
class QListWidget;
class Cls9;

enum class BoxCleaner { Expression, Number };

// Cleans the box's text and writes the result back. A refused character
// shows "存在非法数据。" and returns false; the box then keeps its text.
bool CleanBox(QLineEdit* box, BoxCleaner cleaner);

// Evaluates range texts in radians with every variable 0, one compiler for
// the whole OK.
class RangeEvaluator {
public:
    // False when the text does not compile (the compiler has shown its
    // message) or cannot be computed. A text that yields no value gives 0.
    bool Evaluate(const QString& text, float& value);

    // Evaluates both ends of a range; a minimum above the maximum shows
    // "注意" `orderMessage` and gives false too.
    bool EvaluateRange(const QString& minText, const QString& maxText, float& min, float& max,
                       const QString& orderMessage);

private:
    Cls6 m_cls6;
};

// False after "注意" "请输入所有参数。" when one of the boxes is empty.
bool RequireFilled(const std::vector<QLineEdit*>& boxes);

// Reads a position list into elements 1..n of `positions` (the number at the
// start of each item, 0 when none) and returns n. The caller has made sure
// n is at most 50. The last item is selected afterwards.
int32_t ReadPositions(QListWidget* list, PositionList& positions);

// Creates the graph (g_EditingGraph false) or updates the graph of the
// selected list entry (true), and samples it. A name the document could not
// save is refused first, with the document writer's own reason. Creating
// gives the graph the ID g_LastGraphID + 1 and adds it to the end of both
// scenes; when sampling fails it is taken out again, and the ID stays used
// after a compile error (the compiler has said so). A sampling that fails
// without a word of its own (a value beyond the float range) shows
// "无法计算该图形。" and uses no ID. Editing samples the new definition first
// and touches the edited graph only when that succeeded, then rewrites its
// list entry and redraws. False when nothing was stored. Graphs drawn from
// their parameters alone pass `sample` false.
bool StoreGraph(const std::shared_ptr<Cls9>& graph, bool sample = true);
