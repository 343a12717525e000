#pragma once
// Emission of a planned 2.5D band (draw/Surface25D.h) into the current
// OpenGL context or display list.
struct SurfacePlan;

// Sets the polygon mode and shade model the graph asks for and sends each
// quad as its own GL_QUADS pair with its normals and colours (tracked by
// the material). Polygon mode and shade model are put back to filled and
// smooth afterwards, so what follows in the same list (other graphs, the
// coordinate panels) is not drawn in this band's wireframe or facets.
void DrawSurface(const SurfacePlan& plan);
