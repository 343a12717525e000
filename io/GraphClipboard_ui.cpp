// Cut, copy and paste of one graph through the system clipboard.
#include "io/GraphClipboard_ui.h"

#include "io/DocumentLoad.h"
#include "io/GraphClipboard.h"
#include "model/Cls8.h"
#include "model/Globals.h"
#include "model/ListLabel.h"
#include "model/SavedText.h"
#include "platform/MessageBox.h"
#include "view/DrawingMessages.h"
#include "io/DocumentBudget.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <limits>

namespace {

const QString kTitle = QStringLiteral("出错");

QAction* FindAction(QWidget* menu, const char* name)
{
    for (QAction* action : menu->actions()) {
        if (action->objectName() == QLatin1String(name))
            return action;
    }
    return nullptr;
}

QAction* NewAction(QMenu* menu, const char* name, const QString& caption)
{
    auto* action = new QAction(caption, menu);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

// Puts the action before `before`, or at the end when that item is missing.
void Place(QMenu* menu, QAction* action, QAction* before)
{
    menu->insertAction(before, action);
}

} // namespace

bool CopyGraph(GraphClipboardHost* window)
{
    if (!window)
        return false;
    const int index = window->ListIndex();
    if (index < 0 || index >= g_AllGraphs.FunSurfs.Count())
        return false;
    const GraphRef graph = g_AllGraphs.FunSurfs.Item(index + 1);
    QString why;
    std::optional<QString> text = BuildClipboardGraphText(g_DocumentKind, *graph, &why);
    if (text) {
        // The clipboard carries the record as a document holds it, so it is
        // refused as the document writer would refuse it.
        why = UnencodableTextProblem(*text);
        if (!why.isEmpty())
            text.reset();
    }
    if (!text) {
        ShowMessage(QStringLiteral("无法复制图形：%1").arg(why), kTitle, MsgIcon::Warning);
        return false;
    }
    QGuiApplication::clipboard()->setText(*text);
    window->SetCopiedCount(1);
    return true;
}

bool CutGraph(GraphClipboardHost* window)
{
    if (!CopyGraph(window))
        return false;
    window->mnuEditDelete_Click();
    return true;
}

bool PasteGraph(GraphClipboardHost* window)
{
    if (!window || window->CopiedCount() <= 0)
        return false;
    const QString text = QGuiApplication::clipboard()->text();
    QString why;
    GraphRef graph = ParseClipboardGraphText(text, g_DocumentKind, g_FrameCount, &why);
    if (!graph) {
        ShowMessage(why, kTitle, MsgIcon::Warning);
        return false;
    }
    if (g_LastGraphID >= std::numeric_limits<int32_t>::max()) {
        ShowMessage(QStringLiteral("图形编号已用完，不能再添加图形。"), kTitle, MsgIcon::Warning);
        return false;
    }
    {
        std::vector<GraphRef> together{graph};
        for (const GraphRef& g : g_AllGraphs.FunSurfs)
            together.push_back(g);
        const QString overBudget = DocumentBudgetProblem(together, g_FrameCount);
        if (!overBudget.isEmpty()) {
            ShowMessage(overBudget, kTitle, MsgIcon::Warning);
            return false;
        }
    }

    graph->ID = ++g_LastGraphID;
    const QString key = GraphCollection::KeyOf(*graph);
    // The new entry is ticked as the current one is; with no current entry
    // the pasted graph is shown, which is what the user asked to see.
    const int current = window->ListIndex();
    const bool tick = current < 0 || window->IsEntryTicked(current);

    g_AllGraphs.FunSurfs.Add(graph, key);
    if (tick)
        g_ShownGraphs.FunSurfs.Add(graph, key);
    if (IsSampledGraphType(graph->GraphType)) {
        try {
            // A graph that cannot be sampled is still listed.
            (void)RunWithGraphMessages(graph, true, [&] { return graph->GetPoints(); });
        } catch (const std::exception&) {
        }
    }
    const int row = window->AddListEntry(GraphListLabel(*graph, g_DocumentKind));
    if (tick)
        window->SetEntryTicked(row, true); // runs the list handler: lists rebuilt, frame drawn
    if (graph->Animation)
        window->EnablePlaybackCommands();
    return true;
}

void AddGraphClipboardCommands(GraphClipboardHost* window)
{
    QWidget* host = window->HostWindow();
    auto menuNamed = [&](const char* name) {
        return host->findChild<QMenu*>(QString::fromLatin1(name));
    };
    if (QMenu* edit = menuNamed("mnuEdit")) {
        QAction* copyAs = FindAction(edit, "mnuEditCopyAs");
        QAction* cut = NewAction(edit, "mnuEditCut", QStringLiteral("剪切"));
        QAction* copy = NewAction(edit, "mnuEditCopy", QStringLiteral("复制"));
        QAction* paste = NewAction(edit, "mnuEditPaste", QStringLiteral("粘贴"));
        Place(edit, cut, copyAs);
        Place(edit, copy, copyAs);
        const QList<QAction*> items = edit->actions();
        const qsizetype at = copyAs ? items.indexOf(copyAs) + 1 : items.size();
        Place(edit, paste, at < items.size() ? items[at] : nullptr);
        QObject::connect(cut, &QAction::triggered, host, [window] { CutGraph(window); });
        QObject::connect(copy, &QAction::triggered, host, [window] { CopyGraph(window); });
        QObject::connect(paste, &QAction::triggered, host, [window] { PasteGraph(window); });
    }
    if (QMenu* list = window->ListMenu()) {
        QAction* del = FindAction(list, "mnuFunDelete");
        QAction* cut = NewAction(list, "mnuFunCut", QStringLiteral("剪切"));
        QAction* copy = NewAction(list, "mnuFunCopy", QStringLiteral("复制"));
        Place(list, cut, del);
        Place(list, copy, del);
        QObject::connect(cut, &QAction::triggered, host, [window] { CutGraph(window); });
        QObject::connect(copy, &QAction::triggered, host, [window] { CopyGraph(window); });
    }
    if (QMenu* area = window->DrawingAreaMenu()) {
        const QList<QAction*> items = area->actions();
        QAction* paste = NewAction(area, "mnuGraphPaste", QStringLiteral("粘贴"));
        Place(area, paste, items.isEmpty() ? nullptr : items.first());
        QObject::connect(paste, &QAction::triggered, host, [window] { PasteGraph(window); });
    }
}
