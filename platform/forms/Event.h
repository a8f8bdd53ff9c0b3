//===- Event.h - An event of a control, bound to one handler of its window ===//
//
// A window binds its procedures in its constructor:
//
//   cmdGrabar.Click = [this] { cmdGrabar_Click(); };
//   txtvalor.On(&TextBox::KeyPress, [this](int Index, int& KeyAscii) { txtvalor_KeyPress(Index, KeyAscii); });
//
// Arguments VB passes by reference (KeyAscii, KeyCode, Cancel) are references,
// so the handler can change or cancel them.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <functional>
#include <utility>

namespace forms {

/// One event: raising it runs the bound handler, if any, at once.
template <class... Args>
class Event {
 public:
  Event() = default;
  Event(const Event&) = delete;
  Event& operator=(const Event&) = delete;

  /// Binds the handler, replacing any earlier one.
  template <class F>
  Event& operator=(F&& handler) {
    Handler_ = std::function<void(Args...)>(std::forward<F>(handler));
    return *this;
  }

  /// True when a handler is bound.
  explicit operator bool() const { return static_cast<bool>(Handler_); }

  /// Runs the handler. A copy runs, so a handler may rebind its own event.
  void operator()(Args... args) const {
    if (!Handler_) return;
    auto handler = Handler_;
    handler(std::forward<Args>(args)...);
  }

 private:
  std::function<void(Args...)> Handler_;
};

}  // namespace forms
