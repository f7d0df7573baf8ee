#pragma once

// runtime/: the page's start, the way the page's events reach the program, and the report of an
// error that nothing caught.

#include <functional>

namespace platform::detail {

// A page's module runs on the page's one thread: there is no other to call from.
inline void RequireMainThread() {}

// Runs `handler` for an event of the page. An error it raises is reported, and from then on no
// further event reaches the program, as a desktop program ends after such an error.
void Deliver(const std::function<void()>& handler) noexcept;

}  // namespace platform::detail
