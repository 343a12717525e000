#pragma once
// The polygon mode a graph's Show asks for (vertices, wireframe or surface),
// shared by the 2.5D bands and the solids.
#include "model/Cls9.h"

#include <GL/gl.h>

// Any other value leaves the polygon mode as it is.
inline void ApplyShowModel(int32_t show)
{
    switch (show) {
    case ShowModelVertices:
        glPolygonMode(GL_FRONT_AND_BACK, GL_POINT);
        break;
    case ShowModelWireframe:
        glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
        break;
    case ShowModelSurface:
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        break;
    default:
        break;
    }
}
