#pragma once
// A scene: an ordered, keyed collection of graphs with a view rotation.
// The program holds two for its whole run: g_AllGraphs (every graph of the
// document, in graph-list order) and g_ShownGraphs (the same objects whose
// list entry is ticked; only this one is boxed, drawn and saved, and its
// rotation is the view rotation).
#include "model/Cls1.h"
#include "model/Cls3.h"
#include "model/Cls9.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

// Graphs keyed by text (callers use the graph's ID in decimal: ID 12 has key
// "12"), in the order of adding. Positions run from 1 to Count().
// A duplicate key or a null graph throws std::invalid_argument, a missing key or position
// throws std::out_of_range; either way the collection is unchanged.
class GraphCollection {
public:
    void Add(GraphRef graph, const QString& key);
    void Remove(const QString& key);
    void RemoveAt(int32_t position);   // later items move up one place
    GraphRef Item(int32_t position) const;
    GraphRef Item(const QString& key) const;
    bool Contains(const QString& key) const;
    int32_t Count() const { return static_cast<int32_t>(m_items.size()); }
    void Clear() { m_items.clear(); }

    // Key of the graph as callers build it.
    static QString KeyOf(const Cls9& graph) { return QString::number(graph.ID); }

    // Iterates the graphs (std::shared_ptr<Cls9>) in collection order.
    class const_iterator {
    public:
        using Inner = std::vector<std::pair<QString, GraphRef>>::const_iterator;
        explicit const_iterator(Inner it) : m_it(it) {}
        const GraphRef& operator*() const { return m_it->second; }
        const_iterator& operator++() { ++m_it; return *this; }
        bool operator==(const const_iterator& o) const { return m_it == o.m_it; }
        bool operator!=(const const_iterator& o) const { return m_it != o.m_it; }
    private:
        Inner m_it;
    };
    const_iterator begin() const { return const_iterator(m_items.begin()); }
    const_iterator end() const { return const_iterator(m_items.end()); }

private:
    std::vector<std::pair<QString, GraphRef>>::const_iterator Find(const QString& key) const;
    std::vector<std::pair<QString, GraphRef>> m_items;
};

class Cls8 {
public:
    GraphCollection FunSurfs;

    // View rotation in degrees, stored as set.
    float RotRoll = 0.0f;
    float RotPitch = 0.0f;
    float RotYaw = 0.0f;

    // Kept for the interface; nothing reads or uses them.
    float ScaleX = 1.0f, ScaleY = 1.0f, ScaleZ = 1.0f;
    float TransX = 0.0f, TransY = 0.0f, TransZ = 0.0f;
    bool DrawAxis = true;
    std::shared_ptr<Cls3> Axis = std::make_shared<Cls3>();

    // True when any graph of the scene is animated.
    bool Animation() const;

    // Union of the graphs' boxes for the step (animated graphs at the step,
    // others still), padded by 0.04, snapped outward to the grid around the
    // origin in 2D documents. Sets g_SceneScale. A new box at every call.
    // Should a graph ever yield no box, the result is nullptr and
    // g_SceneScale keeps its value (Cls9::GetBox now always gives one).
    std::shared_ptr<Cls1> GetBox(int32_t lngAnimStep = 0);
    // The same box, calling boxing(graph) just before each graph is boxed:
    // a graph's box may raise messages, and the caller can tell whose.
    std::shared_ptr<Cls1> GetBox(int32_t lngAnimStep,
                                 const std::function<void(const GraphRef&)>& boxing);

    // Draws each graph: animated ones at the step, the others still.
    // Defined in Cls8_gl.cpp.
    void Draw(int32_t lngAnimStep = 0);

    // Each graph's record followed by one blank, in collection order; the
    // empty text for an empty scene. Returns nothing (reason in *error) when
    // a graph's record cannot be written.
    std::optional<QString> Save(QString* error = nullptr) const;
};

// Pads a union box by 0.04, sets g_SceneScale from it and, in a 2D document,
// snaps x and y outward to whole grid steps (x in steps of 3.1416 when the
// coordinate system shows multiples of pi). The last steps of Cls8::GetBox.
Cls1 FinishSceneBox(const Cls1& unionBox);

extern Cls8 g_AllGraphs;
extern Cls8 g_ShownGraphs;
