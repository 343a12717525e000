// Keeping messages raised while drawing and remembering, per graph, which of
// them were shown.
#include "view/DrawingMessages.h"

#include "model/Cls8.h"
#include "model/Globals.h"
#include "model/Cls3.h"

#include <map>
#include <memory>
#include <set>

namespace {

DrawingMessageScope* s_current = nullptr;

struct ShownMemo {
    QString fingerprint;
    std::set<QString> texts;
};

using GraphMemoMap =
    std::map<std::weak_ptr<Cls9>, ShownMemo, std::owner_less<std::weak_ptr<Cls9>>>;

// Keyed by the graph object: a graph deleted and one made anew never share
// an entry, even at the same address.
GraphMemoMap& GraphMemos()
{
    static GraphMemoMap memos;
    return memos;
}

ShownMemo& SceneMemo()
{
    static ShownMemo memo;
    return memo;
}

QString GraphFingerprint(const Cls9& graph)
{
    std::optional<QString> record = graph.Save();
    return QString::number(graph.ID) + QLatin1Char(' ') +
           (record ? *record : QStringLiteral("?"));
}

QString SceneFingerprint()
{
    QString fp = QString::number(g_DocumentKind) + QLatin1Char(' ') +
                 QString::number(g_FrameCount) + QLatin1Char(' ') + g_CoordSystem.Save();
    for (const GraphRef& graph : g_ShownGraphs.FunSurfs) {
        if (graph)
            fp += QLatin1Char('|') + GraphFingerprint(*graph);
    }
    return fp;
}

// Whether text is new for the memo's source; it counts as shown afterwards.
bool FirstTimeFor(ShownMemo& memo, const QString& fingerprint, const QString& text)
{
    if (memo.fingerprint != fingerprint) {
        memo.fingerprint = fingerprint;
        memo.texts.clear();
    }
    return memo.texts.insert(text).second;
}

} // namespace

DrawingMessageScope::DrawingMessageScope() : m_outer(s_current)
{
    m_collector.emplace();
    s_current = this;
}

DrawingMessageScope::~DrawingMessageScope()
{
    s_current = m_outer;
}

DrawingMessageScope* DrawingMessageScope::Current()
{
    return s_current;
}

void DrawingMessageScope::SetGraph(const GraphRef& graph)
{
    if (!m_collector)
        return;
    m_graph = graph;
    if (!graph) {
        m_collector->SetSource(QString());
        return;
    }
    size_t& index = m_index[graph.get()];
    if (index == 0) {
        m_graphs.push_back(graph);
        index = m_graphs.size();
    }
    m_collector->SetSource(QString::number(index));
}

std::vector<MessageRequest> DrawingMessageScope::Finish(bool everything)
{
    if (!m_collector)
        return {};
    const std::vector<MessageCollector::Entry> entries = m_collector->Take();
    m_collector.reset();

    GraphMemoMap& memos = GraphMemos();
    for (auto it = memos.begin(); it != memos.end();)
        it = it->first.expired() ? memos.erase(it) : std::next(it);

    std::vector<MessageRequest> out;
    std::set<QString> texts;
    // Worked out once a build: an animated scene raises a graph's message
    // once a frame.
    std::vector<QString> graphFingerprints(m_graphs.size());
    QString sceneFingerprint;
    for (const MessageCollector::Entry& e : entries) {
        bool ok = false;
        const qsizetype index = e.source.toLongLong(&ok);
        bool fresh = false;
        if (ok && index >= 1 && index <= static_cast<qsizetype>(m_graphs.size())) {
            const size_t i = static_cast<size_t>(index - 1);
            if (graphFingerprints[i].isEmpty())
                graphFingerprints[i] = GraphFingerprint(*m_graphs[i]);
            fresh = FirstTimeFor(memos[m_graphs[i]], graphFingerprints[i], e.request.text);
        } else {
            if (sceneFingerprint.isEmpty())
                sceneFingerprint = SceneFingerprint();
            fresh = FirstTimeFor(SceneMemo(), sceneFingerprint, e.request.text);
        }
        if ((fresh || everything) && texts.insert(e.request.text).second)
            out.push_back(e.request);
    }
    m_graphs.clear();
    m_index.clear();
    m_graph = nullptr;
    return out;
}

std::shared_ptr<Cls1> SceneBoxByGraph(Cls8& scene, int32_t lngAnimStep)
{
    DrawingMessageScope* scope = DrawingMessageScope::Current();
    if (!scope)
        return scene.GetBox(lngAnimStep);
    struct Restore {
        DrawingMessageScope* s;
        GraphRef previous;
        ~Restore() { s->SetGraph(previous); }
    } restore{scope, scope->Graph()};
    return scene.GetBox(lngAnimStep, [scope](const GraphRef& g) { scope->SetGraph(g); });
}

void ShowMessages(const std::vector<MessageRequest>& messages)
{
    for (const MessageRequest& m : messages)
        ShowMessage(m.text, m.title, m.icon, m.buttons);
}

void ForgetShownDrawingMessages()
{
    GraphMemos().clear();
    SceneMemo() = ShownMemo();
}
