#include "calculator/window/StayOnTop.h"

#include <QGuiApplication>

namespace abacor {

bool StayOnTopPossible() { return !QGuiApplication::platformName().startsWith(u"wayland"); }

}  // namespace abacor
