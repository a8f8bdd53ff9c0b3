// Clicks and keys as real input events: XTEST makes the server act as if
// the mouse and the keyboard were used, so Qt receives what a person's
// hands would give it, focus changes and key repeats of the server included.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

#include "tests/e2e/Desktop.h"
#include "tests/support/WaitLimit.h"

namespace kr::e2e {
namespace {

// The keysym of a Unicode character: Latin-1 ones are their own code.
KeySym KeySymOf(char32_t c) {
  if (c == U'\n' || c == U'\r') return XK_Return;
  if (c == U'\t') return XK_Tab;
  if ((c >= 0x20 && c <= 0x7e) || (c >= 0xa0 && c <= 0xff)) return c;
  return 0x01000000 | c;
}

std::vector<char32_t> Decode(std::string_view utf8) {
  std::vector<char32_t> out;
  for (std::size_t i = 0; i < utf8.size();) {
    auto b = static_cast<unsigned char>(utf8[i]);
    int extra = b < 0x80 ? 0 : b < 0xe0 ? 1 : b < 0xf0 ? 2 : 3;
    char32_t c = extra == 0 ? b : extra == 1 ? (b & 0x1f) : extra == 2 ? (b & 0x0f) : (b & 0x07);
    for (int k = 1; k <= extra && i + static_cast<std::size_t>(k) < utf8.size(); ++k) {
      c = (c << 6) | (static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]) & 0x3f);
    }
    out.push_back(c);
    i += static_cast<std::size_t>(extra) + 1;
  }
  return out;
}

KeySym NamedKeySym(std::string_view name) {
  if (name.size() == 1) return KeySymOf(static_cast<unsigned char>(name[0]));
  KeySym sym = XStringToKeysym(std::string(name).c_str());
  if (sym == NoSymbol) throw std::invalid_argument("no key is called " + std::string(name));
  return sym;
}

}  // namespace

Desktop::KeyOf Desktop::FindKey(unsigned long keysym) {
  if (auto given = Given_.find(keysym); given != Given_.end()) return {given->second, false};
  KeyCode code = XKeysymToKeycode(Display_, keysym);
  if (code == 0) return {GiveSpareKey(keysym), false};
  // The key's first level types it as is; its second needs Shift.
  bool shift = XkbKeycodeToKeysym(Display_, code, 0, 0) != keysym && XkbKeycodeToKeysym(Display_, code, 0, 1) == keysym;
  return {static_cast<unsigned char>(code), shift};
}

unsigned char Desktop::GiveSpareKey(unsigned long keysym) {
  // A character the keyboard has no key for (ñ, á on a US keyboard) gets a
  // key that types nothing, as a person would switch layouts; the server
  // tells every program of the new mapping before the key arrives.
  int min = 0, max = 0, perKey = 0;
  XDisplayKeycodes(Display_, &min, &max);
  KeySym* map = XGetKeyboardMapping(Display_, static_cast<KeyCode>(min), max - min + 1, &perKey);
  int spare = 0;
  for (int code = max; code >= min && spare == 0 && map != nullptr; --code) {
    bool empty = true;
    for (int level = 0; level < perKey; ++level) empty = empty && map[(code - min) * perKey + level] == NoSymbol;
    bool taken = false;
    for (const auto& given : Given_) taken = taken || given.second == code;
    if (empty && !taken) spare = code;
  }
  if (map != nullptr) XFree(map);
  if (spare == 0) throw std::invalid_argument("no key is free to type keysym " + std::to_string(keysym));
  KeySym both[2] = {keysym, keysym};
  XChangeKeyboardMapping(Display_, spare, 2, both, 1);
  Flush();
  Given_[keysym] = static_cast<unsigned char>(spare);
  return static_cast<unsigned char>(spare);
}

void Desktop::SendKey(unsigned char code, bool down) { XTestFakeKeyEvent(Display_, code, down ? True : False, 0); }

void Desktop::Flush() { XSync(Display_, False); }

void Desktop::Click(const ScreenWindow& window, Point at, int button) {
  if (Display_ == nullptr) return;
  XTestFakeMotionEvent(Display_, DefaultScreen(Display_), window.X + at.X, window.Y + at.Y, 0);
  Flush();
  XTestFakeButtonEvent(Display_, static_cast<unsigned>(button), True, 0);
  XTestFakeButtonEvent(Display_, static_cast<unsigned>(button), False, 0);
  Flush();
  AwaitManager();
}

void Desktop::AwaitManager() {
  const Window root = DefaultRootWindow(Display_);
  Atom type = None;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* data = nullptr;
  const bool managed =
      XGetWindowProperty(Display_, root, XInternAtom(Display_, "_NET_SUPPORTING_WM_CHECK", False), 0, 1, False,
                         AnyPropertyType, &type, &format, &items, &after, &data) == Success &&
      items == 1;
  if (data != nullptr) XFree(data);
  if (!managed) return;
  if (Probe_ == 0) {
    Probe_ = XCreateSimpleWindow(Display_, root, -10, -10, 1, 1, 0, 0, 0);
    XSelectInput(Display_, Probe_, PropertyChangeMask);
  }
  const Atom extents = XInternAtom(Display_, "_NET_FRAME_EXTENTS", False);
  XDeleteProperty(Display_, Probe_, extents);
  XEvent request{};
  request.xclient.type = ClientMessage;
  request.xclient.window = Probe_;
  request.xclient.message_type = XInternAtom(Display_, "_NET_REQUEST_FRAME_EXTENTS", False);
  request.xclient.format = 32;
  XSendEvent(Display_, root, False, SubstructureNotifyMask | SubstructureRedirectMask, &request);
  Flush();
  // Events reach the manager in the order the server made them: the answer comes after the click.
  const auto deadline = std::chrono::steady_clock::now() + testing::kWaitLimit;
  while (std::chrono::steady_clock::now() < deadline) {
    XEvent event;
    while (XCheckTypedWindowEvent(Display_, Probe_, PropertyNotify, &event)) {
      if (event.xproperty.atom == extents && event.xproperty.state == PropertyNewValue) return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

void Desktop::Close(const ScreenWindow& window) {
  if (Display_ == nullptr) return;
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window.Id;
  event.xclient.message_type = XInternAtom(Display_, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(Display_, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(Display_, window.Id, False, NoEventMask, &event);
  Flush();
}

void Desktop::Type(std::string_view text) {
  if (Display_ == nullptr) return;
  const unsigned char shift = FindKey(XK_Shift_L).Code;
  for (char32_t c : Decode(text)) {
    KeyOf key = FindKey(KeySymOf(c));
    if (key.Shift) SendKey(shift, true);
    SendKey(key.Code, true);
    SendKey(key.Code, false);
    if (key.Shift) SendKey(shift, false);
    Flush();
  }
}

void Desktop::Press(std::string_view chord) {
  if (Display_ == nullptr) return;
  std::vector<unsigned char> held;
  std::string_view rest = chord;
  for (std::size_t plus = rest.find('+'); plus != std::string_view::npos && plus + 1 < rest.size();
       plus = rest.find('+')) {
    std::string_view modifier = rest.substr(0, plus);
    rest.remove_prefix(plus + 1);
    KeySym sym = modifier == "alt"     ? XK_Alt_L
                 : modifier == "ctrl"  ? XK_Control_L
                 : modifier == "shift" ? XK_Shift_L
                                       : NoSymbol;
    if (sym == NoSymbol) throw std::invalid_argument("no modifier is called " + std::string(modifier));
    held.push_back(FindKey(sym).Code);
  }
  KeyOf key = FindKey(NamedKeySym(rest));
  if (key.Shift) held.push_back(FindKey(XK_Shift_L).Code);
  for (unsigned char code : held) SendKey(code, true);
  SendKey(key.Code, true);
  SendKey(key.Code, false);
  for (auto code = held.rbegin(); code != held.rend(); ++code) SendKey(*code, false);
  Flush();
}

}  // namespace kr::e2e
