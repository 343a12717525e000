// Cls8, a scene: drawing its graphs with OpenGL.
#include "model/Cls8.h"

void Cls8::Draw(int32_t lngAnimStep)
{
    // Still graphs look the same in every animation frame.
    for (const GraphRef& g : FunSurfs) {
        if (g->Animation)
            g->Draw(lngAnimStep);
        else
            g->Draw();
    }
}
