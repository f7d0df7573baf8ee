#include "Display.h"

#include "QtMessages.h"

#if defined(__linux__)
#include <X11/Xlib.h>
#endif

namespace platform::detail {

void EndQuietlyOnLostDisplay() {
#if defined(__linux__)
  XSetIOErrorHandler([](::Display*) -> int { EndForLostDisplay("X11"); });
#endif
}

}  // namespace platform::detail
