#include "platform/Intervals.h"

namespace platform {

Intervals &intervals()
{
    static Intervals values;
    return values;
}

} // namespace platform
