// Starts PROGRAM and measures the wall time from just before exec until its first top-level
// window is mapped (a MapNotify on the root window) and until the program first draws into it
// (the first damage the X server reports for that window), then, after SETTLE_MS more, ends it
// and reads its peak resident memory. Prints "<map ms> <first paint ms> <max RSS in KiB>".
// Usage: startup SETTLE_MS PROGRAM [ARGUMENT...]   (run without a window manager)
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>
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
  const xcb_query_extension_reply_t* damage = xcb_get_extension_data(connection, &xcb_damage_id);
  if (damage == nullptr || !damage->present) {
    std::fprintf(stderr, "startup: the X server has no DAMAGE extension\n");
    return 2;
  }
  std::free(xcb_damage_query_version_reply(
      connection, xcb_damage_query_version(connection, XCB_DAMAGE_MAJOR_VERSION, 1), nullptr));
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_request_check(
      connection, xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &mask));

  const auto start = std::chrono::steady_clock::now();
  const auto now = [start] {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
  };
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[2], argv + 2);
    _exit(127);
  }
  double mapped = -1;
  double painted = -1;
  pollfd descriptor{xcb_get_file_descriptor(connection), POLLIN, 0};
  while ((mapped < 0 || painted < 0) && poll(&descriptor, 1, 20000) > 0) {
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
      const int type = event->response_type & 0x7F;
      if (type == XCB_CREATE_NOTIFY) {
        // Watch every new top-level window for the program's first drawing into it.
        const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
        if (!created->override_redirect) {
          xcb_damage_create(connection, xcb_generate_id(connection), created->window,
                            XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
          xcb_flush(connection);
        }
      } else if (type == XCB_MAP_NOTIFY && mapped < 0 &&
                 !reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect) {
        mapped = now();
      } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY && painted < 0) {
        painted = now();
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
  if (mapped < 0 || painted < 0) {
    std::fprintf(stderr, "startup: %s mapped or drew no window\n", argv[2]);
    return 1;
  }
  std::printf("%.2f %.2f %ld\n", mapped, painted, usage.ru_maxrss);
  return 0;
}
