// Starts PROGRAM and measures the wall time from just before exec until its first top-level
// window is mapped (a MapNotify on the root window), then, after SETTLE_MS more, ends it and
// reads its peak resident memory. Prints "<milliseconds> <max RSS in KiB>".
// Usage: startup SETTLE_MS PROGRAM [ARGUMENT...]   (run without a window manager)
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: startup SETTLE_MS PROGRAM [ARGUMENT...]\n");
    return 2;
  }
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection)) {
    std::fprintf(stderr, "startup: cannot open the display\n");
    return 2;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_request_check(
      connection, xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &mask));

  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[2], argv + 2);
    _exit(127);
  }
  double mapped = -1;
  pollfd descriptor{xcb_get_file_descriptor(connection), POLLIN, 0};
  while (mapped < 0 && poll(&descriptor, 1, 20000) > 0) {
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
      if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY &&
          !reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect && mapped < 0) {
        mapped = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count();
      }
      std::free(event);
    }
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(argv[1])));
  kill(child, SIGTERM);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  xcb_disconnect(connection);
  if (mapped < 0) {
    std::fprintf(stderr, "startup: %s mapped no window\n", argv[2]);
    return 1;
  }
  std::printf("%.2f %ld\n", mapped, usage.ru_maxrss);
  return 0;
}
