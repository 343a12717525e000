// Cls1, the bounding box of graphs and scenes.
#include "model/Cls1.h"

const std::shared_ptr<Cls1>& PolarScanBox()
{
    static const std::shared_ptr<Cls1> box = std::make_shared<Cls1>();
    return box;
}
