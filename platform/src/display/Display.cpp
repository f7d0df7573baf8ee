#include "display/Display.h"

#include "display/QtMessages.h"

#if defined(VD_X11)
#include <X11/Xlib.h>
#endif

namespace platform::detail {

void EndQuietlyOnLostDisplay() {
#if defined(VD_X11)
  XSetIOErrorHandler([](::Display*) -> int { EndForLostDisplay("X11"); });
#endif
}

}  // namespace platform::detail
