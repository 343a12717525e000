#pragma once
// The text of a graph's entry in the main window's graph list, built from the
// graph's type, form, coordinate system and expressions. The one builder for
// new, edited, opened and pasted graphs, so an entry always reads the same.
#include <QString>
#include <cstdint>

class Cls9;

// documentKind (DocumentKind) matters only for points: a point of a 3D
// document lists three coordinates, one of a 2D or 2.5D document two.
// Function graphs are worded by their own coordinate system (polar: "r=",
// "a=..., r="), so the entry always says what is drawn. Every graph gets a
// label; kinds without a formula of their own get their name.
QString GraphListLabel(const Cls9& graph, int32_t documentKind);
