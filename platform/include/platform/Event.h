#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace platform {

// An event of a control: the handlers attached to it, called in the order they were
// attached each time the control raises it. An exception from a handler propagates to
// whoever raised the event; the platform catches it only where Qt called in.
template <class... Args>
class Event {
 public:
  using Handler = std::function<void(Args...)>;

  void Attach(Handler handler) { handlers_.push_back(std::move(handler)); }
  void DetachAll() { handlers_.clear(); }

  void Raise(Args... args) const {
    for (const auto& handler : handlers_) handler(args...);
  }

 private:
  std::vector<Handler> handlers_;
};

}  // namespace platform
