#include "view/Scene.h"

std::shared_ptr<Cls1>& SceneBox()
{
    static std::shared_ptr<Cls1> box = std::make_shared<Cls1>();
    return box;
}

int32_t SceneListFor(bool animated, int32_t curFrame, int32_t lngAnimStep)
{
    if (!animated)
        return kStillSceneList;
    if (curFrame == 0)
        return kFrameListBase + 1;
    return kFrameListBase + lngAnimStep;
}
