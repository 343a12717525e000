// The steps every graph and figure dialog's OK shares: boxes, range expressions, positions, create or update.
#include "dialogs/common/DialogOk_ui.h"

#include "dialogs/common/BoxValue.h"
#include "dialogs/common/DialogHost.h"
#include "dialogs/common/DialogWidgets_ui.h"
#include "expr/ExprError.h"
#include "expr/Module1.h"
#include "model/Cls8.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "model/ListLabel.h"
#include "model/SavedText.h"
#include "platform/MessageBox.h"
#include "view/DrawingMessages.h"
#include "io/DocumentBudget.h"

#include <QLineEdit>
#include <QListWidget>

#include <exception>

namespace {

const QString CannotCompute = QStringLiteral("无法计算该图形。");

// Samples a graph. A failure that says nothing of its own (a value beyond
// the float range, a grid too large) is told as a graph that cannot be
// computed, so that OK never stays open in silence; a compile error has
// shown the compiler's message. `silent` says which it was.
bool Sample(Cls9& graph, bool* silent = nullptr)
{
    int raised = 0;
    MessageHandler previous;
    previous = SetMessageHandler([&](const MessageRequest& r) {
        ++raised;
        return previous(r);
    });
    bool sampled = false;
    try {
        sampled = graph.GetPoints();
    } catch (const std::exception&) {
        sampled = false;
    }
    SetMessageHandler(std::move(previous));
    const bool quiet = !sampled && raised == 0;
    if (quiet)
        ShowMessage(CannotCompute, QStringLiteral("出错"), MsgIcon::Warning);
    if (silent)
        *silent = quiet;
    return sampled;
}

// Refuses a name the document could not save, with the writer's reason.
bool NameSavable(const QString& name)
{
    const QString problem = GraphNameProblem(name);
    if (problem.isEmpty())
        return true;
    ShowMessage(problem, QStringLiteral("出错"), MsgIcon::Warning);
    return false;
}

} // namespace

bool CleanBox(QLineEdit* box, BoxCleaner cleaner)
{
    const QString in = box->text();
    QString out;
    const bool ok = cleaner == BoxCleaner::Expression ? Module1::CleanExpressionText(in, out)
                                                      : Module1::CleanNumberText(in, out);
    if (!ok) {
        ShowBadData();
        return false;
    }
    box->setText(out);
    return true;
}

bool RangeEvaluator::Evaluate(const QString& text, float& value)
{
    value = 0.0f;
    QString buffer;
    if (m_cls6.InfixToPostfix(text, buffer) != 0)
        return false;
    float result = 0.0f;
    try {
        if (m_cls6.DoEvaluate(buffer, false, result, 0, 0, 0, 0, 0, 0, 0, 0, 0))
            value = result;
    } catch (const ExprError&) {
        ShowBadData();
        return false;
    }
    return true;
}

bool RangeEvaluator::EvaluateRange(const QString& minText, const QString& maxText, float& min,
                                   float& max, const QString& orderMessage)
{
    if (!Evaluate(minText, min) || !Evaluate(maxText, max))
        return false;
    if (max < min) {
        GraphDialog::Warn(orderMessage);
        return false;
    }
    return true;
}

bool RequireFilled(const std::vector<QLineEdit*>& boxes)
{
    for (const QLineEdit* box : boxes) {
        if (box->text().isEmpty()) {
            GraphDialog::Warn(QStringLiteral("请输入所有参数。"));
            return false;
        }
    }
    return true;
}

int32_t ReadPositions(QListWidget* list, PositionList& positions)
{
    const int32_t n = list->count();
    for (int32_t i = 1; i <= n && PositionList::InRange(i); ++i)
        positions[i] = static_cast<float>(Val(list->item(i - 1)->text()));
    if (n > 0)
        list->setCurrentRow(n - 1);
    return n;
}

// Whether the document with graph in place of `replaced` (or added) stays
// within the budget of what can be drawn; says so when it does not.
static bool WithinDocumentBudget(const GraphRef& graph, const GraphRef& replaced)
{
    std::vector<GraphRef> together{graph};
    for (const GraphRef& g : g_AllGraphs.FunSurfs) {
        if (g != replaced)
            together.push_back(g);
    }
    const QString problem = DocumentBudgetProblem(together, g_FrameCount);
    if (problem.isEmpty())
        return true;
    ShowMessage(problem, QStringLiteral("出错"), MsgIcon::Warning);
    return false;
}

bool StoreGraph(const std::shared_ptr<Cls9>& graph, bool sample)
{
    if (!NameSavable(graph->NameS))
        return false;
    if (g_EditingGraph) {
        const int index = SelectedGraphIndex();
        if (index < 0 || index >= g_AllGraphs.FunSurfs.Count())
            return false;
        const std::shared_ptr<Cls9> edited = g_AllGraphs.FunSurfs.Item(index + 1);
        graph->ID = edited->ID;
        if (!WithinDocumentBudget(graph, edited))
            return false;
        // The trial and the real sampling raise the same messages: they are
        // shown once, as the edited graph's, before the scene is redrawn.
        const bool stored = RunWithGraphMessages(edited, true, [&] {
            // Try the new definition on its own first, so that a failure
            // leaves the edited graph exactly as it was.
            if (sample && !Sample(*graph))
                return false;
            if (!edited->EqualTo(*graph))
                return false;
            if (sample)
                Sample(*edited);
            return true;
        });
        if (!stored)
            return false;
        SetGraphListText(index, GraphListLabel(*edited, g_DocumentKind));
        RedrawScene();
        return true;
    }

    if (!WithinDocumentBudget(graph, nullptr))
        return false;
    const int32_t lastID = g_LastGraphID;
    g_LastGraphID += 1;
    // IDs are never handed out twice; skip any still in use.
    while (g_AllGraphs.FunSurfs.Contains(QString::number(g_LastGraphID)) ||
           g_ShownGraphs.FunSurfs.Contains(QString::number(g_LastGraphID)))
        g_LastGraphID += 1;
    graph->ID = g_LastGraphID;
    const QString key = QString::number(graph->ID);
    g_AllGraphs.FunSurfs.Add(graph, key);
    g_ShownGraphs.FunSurfs.Add(graph, key);
    bool silent = false;
    if (sample && !RunWithGraphMessages(graph, true, [&] { return Sample(*graph, &silent); })) {
        g_AllGraphs.FunSurfs.Remove(key);
        g_ShownGraphs.FunSurfs.Remove(key);
        // A graph that cannot be computed is refused like any other bad
        // input: it uses no ID. After a compile error the ID stays used.
        if (silent)
            g_LastGraphID = lastID;
        return false;
    }
    return true;
}
