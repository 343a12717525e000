// The scene's box and which display list a frame shows (no OpenGL).
#include "view/Scene.h"

#include <algorithm>

std::shared_ptr<Cls1>& SceneBox()
{
    static std::shared_ptr<Cls1> box = std::make_shared<Cls1>();
    return box;
}

int32_t SceneListFor(bool animated, int32_t curFrame, int32_t lngAnimStep, int32_t frameCount)
{
    if (!animated)
        return kStillSceneList;
    if (curFrame == 0)
        return kFrameListBase + 1;
    const int32_t last = std::max(frameCount, 0) + 1;
    return kFrameListBase + std::clamp(lngAnimStep, 1, last);
}
