#include "model/Cls9.h"

std::shared_ptr<Cls1> Cls9::GetBox(int32_t)
{
    return std::make_shared<Cls1>();
}
