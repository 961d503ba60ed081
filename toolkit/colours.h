// The one conversion from the painters' colours to Qt's.
#pragma once

#include <QColor>

#include "render/surface.h"

namespace cw {

inline QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

}  // namespace cw
