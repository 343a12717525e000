// Cls8, a scene: the keyed collection of graphs with its view rotation.
#include "model/Cls8.h"

#include <stdexcept>
#include <string>

Cls8 g_AllGraphs;
Cls8 g_ShownGraphs;

std::vector<std::pair<QString, GraphRef>>::const_iterator
GraphCollection::Find(const QString& key) const
{
    for (auto it = m_items.begin(); it != m_items.end(); ++it) {
        if (it->first == key)
            return it;
    }
    return m_items.end();
}

void GraphCollection::Add(GraphRef graph, const QString& key)
{
    if (!graph)
        throw std::invalid_argument("scene cannot hold a missing graph");
    if (Find(key) != m_items.end())
        throw std::invalid_argument("scene already holds key " + key.toStdString());
    m_items.emplace_back(key, std::move(graph));
}

void GraphCollection::Remove(const QString& key)
{
    const auto it = Find(key);
    if (it == m_items.end())
        throw std::out_of_range("scene holds no key " + key.toStdString());
    m_items.erase(it);
}

void GraphCollection::RemoveAt(int32_t position)
{
    if (position < 1 || position > Count())
        throw std::out_of_range("scene holds no position " + std::to_string(position));
    m_items.erase(m_items.begin() + (position - 1));
}

GraphRef GraphCollection::Item(int32_t position) const
{
    if (position < 1 || position > Count())
        throw std::out_of_range("scene holds no position " + std::to_string(position));
    return m_items[static_cast<size_t>(position - 1)].second;
}

GraphRef GraphCollection::Item(const QString& key) const
{
    const auto it = Find(key);
    if (it == m_items.end())
        throw std::out_of_range("scene holds no key " + key.toStdString());
    return it->second;
}

bool GraphCollection::Contains(const QString& key) const
{
    return Find(key) != m_items.end();
}

bool Cls8::Animation() const
{
    for (const GraphRef& g : FunSurfs) {
        if (g->Animation)
            return true;
    }
    return false;
}

std::optional<QString> Cls8::Save(QString* error) const
{
    QString text;
    for (const GraphRef& g : FunSurfs) {
        const std::optional<QString> record = g->Save(error);
        if (!record)
            return std::nullopt;
        text += *record;
        text += QLatin1Char(' ');
    }
    return text;
}
