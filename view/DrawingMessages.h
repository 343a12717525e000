#pragma once
// Messages raised while graphs are sampled or drawn. They are kept while the
// work runs (a modal box inside the compilation of a display list re-enters
// painting) and shown afterwards, each distinct text once. The scene's
// rebuilds only move the view most of the time, so a message already shown
// for a graph is not shown again until that graph changes.
#include "model/Cls1.h"
#include "model/Cls9.h"
#include "platform/MessageBox.h"

#include <map>
#include <memory>
#include <optional>
#include <vector>

class Cls8;

class DrawingMessageScope {
public:
    DrawingMessageScope();
    ~DrawingMessageScope();
    DrawingMessageScope(const DrawingMessageScope&) = delete;
    DrawingMessageScope& operator=(const DrawingMessageScope&) = delete;

    // The innermost scope alive (scopes nest as the calls do), or nullptr.
    static DrawingMessageScope* Current();

    // Messages raised from now on belong to graph (nullptr: to the scene as
    // a whole, such as its axes).
    void SetGraph(const GraphRef& graph);
    const GraphRef& Graph() const { return m_graph; }

    // Stops collecting and returns what to show, each distinct text once:
    // everything when `everything`, else only what was not shown before for
    // the same unchanged graph (or unchanged scene). Either way the returned
    // messages count as shown from now on.
    std::vector<MessageRequest> Finish(bool everything = false);

private:
    std::optional<MessageCollector> m_collector;
    DrawingMessageScope* m_outer = nullptr;
    GraphRef m_graph;
    std::vector<GraphRef> m_graphs;
    std::map<const Cls9*, size_t> m_index; // position in m_graphs + 1
};

void ShowMessages(const std::vector<MessageRequest>& messages);

// The scene's box (Cls8::GetBox). What a graph's box raises belongs to that
// graph in the innermost scope, as what its drawing raises does: a message
// already shown for an unchanged graph is not shown again because another
// graph of the scene changed.
std::shared_ptr<Cls1> SceneBoxByGraph(Cls8& scene, int32_t lngAnimStep);

// Runs work for one graph outside a scene build (sampling after Open, Paste
// or a dialog's OK) and shows its messages once it has ended; the next
// rebuild then does not repeat them while the graph stays the same. With
// `everything` false (sampling again after a tick) only messages not shown
// before for the unchanged graph are shown.
template <typename F>
auto RunWithGraphMessages(const GraphRef& graph, bool everything, F&& work)
{
    DrawingMessageScope scope;
    scope.SetGraph(graph);
    struct Show {
        DrawingMessageScope& s;
        bool all;
        ~Show() { ShowMessages(s.Finish(all)); }
    } show{scope, everything};
    return work();
}

// Forgets what was shown (tests).
void ForgetShownDrawingMessages();
