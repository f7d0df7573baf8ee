// Loaded before libxcb (LD_PRELOAD): the X server seems to have no XInput 2, as some servers and
// remote displays have none.
#include <dlfcn.h>
#include <xcb/xcb.h>
#include <xcb/xcbext.h>

#include <cstring>

extern "C" const xcb_query_extension_reply_t* xcb_get_extension_data(xcb_connection_t* connection,
                                                                     xcb_extension_t* extension) {
  static const xcb_query_extension_reply_t absent{};
  if (std::strcmp(extension->name, "XInputExtension") == 0) return &absent;
  using Real = const xcb_query_extension_reply_t* (*)(xcb_connection_t*, xcb_extension_t*);
  static const auto real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "xcb_get_extension_data"));
  return real(connection, extension);
}
