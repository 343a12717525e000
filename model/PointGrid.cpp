// Index-checked storage of the graph object's point grids and position lists.
#include "model/PointGrid.h"

#include <string>

void ThrowIndexOutOfRange(const char* what, int64_t index, int64_t upper)
{
    throw std::out_of_range(std::string(what) + " index " + std::to_string(index)
                            + " outside 0.." + std::to_string(upper));
}

void PointGrid::Make(std::initializer_list<int32_t> upperBounds, bool fresh)
{
    const size_t rank = upperBounds.size();
    if (rank < 1 || rank > 3)
        throw std::invalid_argument("point grid: one to three indices");
    std::array<int32_t, 3> extent{0, 0, 0};
    size_t count = 1;
    size_t d = 0;
    for (int32_t upper : upperBounds) {
        if (upper < 0)
            throw std::invalid_argument("point grid: negative upper bound "
                                        + std::to_string(upper));
        extent[d++] = upper + 1;
        count *= static_cast<size_t>(upper) + 1;
    }
    std::vector<PointRef> made(count);
    if (fresh) {
        for (PointRef& p : made)
            p = std::make_shared<Cls2>();
    }
    m_slots = std::move(made);
    m_extent = extent;
    m_rank = static_cast<int>(rank);
}

void PointGrid::Clear()
{
    m_slots.clear();
    m_extent = {0, 0, 0};
    m_rank = 0;
}

int32_t PointGrid::Upper(int dim) const
{
    if (dim < 0 || dim >= m_rank)
        return -1;
    return m_extent[static_cast<size_t>(dim)] - 1;
}

size_t PointGrid::Index(int rank, const int32_t* idx) const
{
    if (rank != m_rank) {
        if (m_rank == 0)
            throw std::out_of_range("point grid not made yet");
        throw std::out_of_range("point grid has " + std::to_string(m_rank) + " indices, not "
                                + std::to_string(rank));
    }
    size_t flat = 0;
    for (int d = 0; d < rank; ++d) {
        if (!In(d, idx[d]))
            ThrowIndexOutOfRange("point grid", idx[d], m_extent[static_cast<size_t>(d)] - 1);
        flat = flat * static_cast<size_t>(m_extent[static_cast<size_t>(d)])
               + static_cast<size_t>(idx[d]);
    }
    return flat;
}

Cls2& PointGrid::Deref(const PointRef& p)
{
    if (!p)
        throw std::logic_error("point grid slot is empty");
    return *p;
}

PointRef& PointGrid::Ref(int32_t i)
{
    const int32_t idx[] = {i};
    return m_slots[Index(1, idx)];
}
PointRef& PointGrid::Ref(int32_t i, int32_t j)
{
    const int32_t idx[] = {i, j};
    return m_slots[Index(2, idx)];
}
PointRef& PointGrid::Ref(int32_t i, int32_t j, int32_t k)
{
    const int32_t idx[] = {i, j, k};
    return m_slots[Index(3, idx)];
}
const PointRef& PointGrid::Ref(int32_t i) const
{
    const int32_t idx[] = {i};
    return m_slots[Index(1, idx)];
}
const PointRef& PointGrid::Ref(int32_t i, int32_t j) const
{
    const int32_t idx[] = {i, j};
    return m_slots[Index(2, idx)];
}
const PointRef& PointGrid::Ref(int32_t i, int32_t j, int32_t k) const
{
    const int32_t idx[] = {i, j, k};
    return m_slots[Index(3, idx)];
}

size_t PointTable::Index(int32_t u, int32_t v) const
{
    if (u < 0 || u > Upper)
        ThrowIndexOutOfRange("point table", u, Upper);
    if (v < 0 || v > Upper)
        ThrowIndexOutOfRange("point table", v, Upper);
    return static_cast<size_t>(u) * (Upper + 1) + static_cast<size_t>(v);
}

PointRef PointTable::Get(int32_t u, int32_t v)
{
    const size_t i = Index(u, v);
    if (m_slots.empty())
        m_slots.resize(static_cast<size_t>(Upper + 1) * (Upper + 1));
    if (!m_slots[i])
        m_slots[i] = std::make_shared<Cls2>();
    return m_slots[i];
}

void PointTable::Set(int32_t u, int32_t v, PointRef point)
{
    const size_t i = Index(u, v);
    if (m_slots.empty())
        m_slots.resize(static_cast<size_t>(Upper + 1) * (Upper + 1));
    m_slots[i] = std::move(point);
}

bool PointTable::Has(int32_t u, int32_t v) const
{
    const size_t i = Index(u, v);
    return !m_slots.empty() && m_slots[i] != nullptr;
}
