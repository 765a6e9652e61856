#pragma once

#include <QLatin1String>

namespace platform {

/// @p control with the object name @p name, as windows build their controls in one expression.
template <typename Control> Control *named(Control *control, const char *name)
{
    control->setObjectName(QLatin1String(name));
    return control;
}

} // namespace platform
