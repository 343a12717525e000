#pragma once
// Indexed storage of the graph object. Every index is checked: an index
// outside the bounds throws std::out_of_range and nothing is stored, so a
// caller can never read or write past the data it was given.
#include "model/Cls2.h"

#include <QString>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

[[noreturn]] void ThrowIndexOutOfRange(const char* what, int64_t index, int64_t upper);

// Fixed array with indices 0 .. Size-1 (the position lists: 0 .. 50).
template <typename T, int32_t Size>
class BoundedArray {
public:
    static constexpr int32_t Upper = Size - 1;

    T& operator[](int32_t i)
    {
        Check(i);
        return m_items[static_cast<size_t>(i)];
    }
    const T& operator[](int32_t i) const
    {
        Check(i);
        return m_items[static_cast<size_t>(i)];
    }
    static bool InRange(int32_t i) { return i >= 0 && i < Size; }

private:
    static void Check(int32_t i)
    {
        if (!InRange(i))
            ThrowIndexOutOfRange("array", i, Upper);
    }
    std::array<T, Size> m_items{};
};

// The position lists of a graph (CurvX, QieX, NmlX, TangentX ...): elements
// 1 .. count are in use, element 0 never.
constexpr int32_t PositionListUpper = 50;
using PositionList = BoundedArray<float, PositionListUpper + 1>;

// A resizable grid of shared points with one, two or three indices, each
// running from 0 to its upper bound. Absent until made. Sampling makes it
// (Make) and writes the points; bounding and drawing read them.
//
//   g.Vert3D.Make({StepU, StepV});        // 0..StepU x 0..StepV, fresh points
//   g.Vert3D(0, i).x = s;                 // the graph's own point
//   PointRef& p = g.Vert3D.Ref(0, i);     // the slot itself (share/replace)
//
// Reading with the wrong number of indices, an index outside the bounds or a
// grid that is not made throws std::out_of_range. operator() on an empty slot
// (a grid made with fresh = false) throws std::logic_error.
class PointGrid {
public:
    // Makes the grid anew with these upper bounds (one to three of them,
    // each >= 0), dropping the old points. With fresh, every slot receives
    // a new point at the origin; otherwise the slots stay empty.
    // A negative bound or a wrong number of bounds throws
    // std::invalid_argument and leaves the grid as it was.
    void Make(std::initializer_list<int32_t> upperBounds, bool fresh = true);
    void Clear(); // back to absent

    bool IsMade() const { return m_rank > 0; }
    int Rank() const { return m_rank; }
    // Upper bound of index dim (0-based); -1 when the grid has no such index.
    int32_t Upper(int dim) const;
    size_t Size() const { return m_slots.size(); }

    PointRef& Ref(int32_t i);
    PointRef& Ref(int32_t i, int32_t j);
    PointRef& Ref(int32_t i, int32_t j, int32_t k);
    const PointRef& Ref(int32_t i) const;
    const PointRef& Ref(int32_t i, int32_t j) const;
    const PointRef& Ref(int32_t i, int32_t j, int32_t k) const;

    Cls2& operator()(int32_t i) { return Deref(Ref(i)); }
    Cls2& operator()(int32_t i, int32_t j) { return Deref(Ref(i, j)); }
    Cls2& operator()(int32_t i, int32_t j, int32_t k) { return Deref(Ref(i, j, k)); }
    const Cls2& operator()(int32_t i) const { return Deref(Ref(i)); }
    const Cls2& operator()(int32_t i, int32_t j) const { return Deref(Ref(i, j)); }
    const Cls2& operator()(int32_t i, int32_t j, int32_t k) const { return Deref(Ref(i, j, k)); }

    // The slots of row i of a two-index grid, Upper(1) + 1 of them in
    // order: one bounds check for a pass along a row. Throws as Ref(i, 0).
    PointRef* Row(int32_t i) { return &Ref(i, 0); }

    // Calls f(PointRef&) on every slot in storage order: for passes over a
    // whole grid that need no index (sampling refreshes grids this way).
    template <typename F>
    void ForEachSlot(F&& f)
    {
        for (PointRef& p : m_slots)
            f(p);
    }

    bool InRange(int32_t i) const { return m_rank == 1 && In(0, i); }
    bool InRange(int32_t i, int32_t j) const { return m_rank == 2 && In(0, i) && In(1, j); }
    bool InRange(int32_t i, int32_t j, int32_t k) const
    {
        return m_rank == 3 && In(0, i) && In(1, j) && In(2, k);
    }

private:
    bool In(int dim, int32_t i) const { return i >= 0 && i < m_extent[static_cast<size_t>(dim)]; }
    size_t Index(int rank, const int32_t* idx) const;
    static Cls2& Deref(const PointRef& p);

    int m_rank = 0;
    std::array<int32_t, 3> m_extent{0, 0, 0}; // upper bound + 1 per index
    std::vector<PointRef> m_slots;
};

// Fixed table of 201 x 201 point slots (indices 0 .. 200 each), all empty at
// first. Reading an empty slot creates a point there and keeps it.
class PointTable {
public:
    static constexpr int32_t Upper = 200;
    PointRef Get(int32_t u, int32_t v);
    void Set(int32_t u, int32_t v, PointRef point);
    // True when the slot holds a point (no point is created).
    bool Has(int32_t u, int32_t v) const;

private:
    size_t Index(int32_t u, int32_t v) const;
    std::vector<PointRef> m_slots; // allocated on first write
};
