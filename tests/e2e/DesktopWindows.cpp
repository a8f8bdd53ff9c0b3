// The windows on the screen, as a person sees them: mapped, with a title.

// Before Xlib, whose macros (None, Bool) the test framework trips over.
#include "tests/support/WindowManager.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <cmath>

#include "tests/e2e/Desktop.h"

namespace kr::e2e {
namespace {

// Windows may vanish while they are read; Xlib's default handler would end
// the test on the BadWindow that follows.
int IgnoreXError(Display*, XErrorEvent*) { return 0; }

class ErrorsIgnored {
 public:
  ErrorsIgnored() : Previous_(XSetErrorHandler(IgnoreXError)) {}
  ~ErrorsIgnored() { XSetErrorHandler(Previous_); }
  ErrorsIgnored(const ErrorsIgnored&) = delete;
  ErrorsIgnored& operator=(const ErrorsIgnored&) = delete;

 private:
  XErrorHandler Previous_;
};

std::vector<Window> Children(Display* display, Window window) {
  Window root = 0, parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  std::vector<Window> result;
  if (XQueryTree(display, window, &root, &parent, &children, &count) == 0) return result;
  result.assign(children, children + count);
  if (children != nullptr) XFree(children);
  return result;
}

Window ParentOf(Display* display, Window window) {
  Window root = 0, parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (XQueryTree(display, window, &root, &parent, &children, &count) == 0) return 0;
  if (children != nullptr) XFree(children);
  return parent;
}

// The bytes or 32-bit items of a property; empty when it is not set.
std::vector<unsigned char> Bytes(Display* display, Window window, const char* name, Atom type) {
  Atom actual = None;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* data = nullptr;
  std::vector<unsigned char> bytes;
  if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 1L << 16, False, type, &actual, &format,
                         &items, &after, &data) == Success &&
      data != nullptr && format == 8) {
    bytes.assign(data, data + items);
  }
  if (data != nullptr) XFree(data);
  return bytes;
}

// The 32-bit items of a property of `type`: atoms, or windows.
std::vector<XID> Ids(Display* display, Window window, const char* name, Atom type = XA_ATOM) {
  return kr::testing::PropertyItems(display, window, name, type);
}

// A manager marks the clients it manages with WM_STATE.
bool Managed(Display* display, Window window) {
  Atom type = None;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* data = nullptr;
  const Atom state = XInternAtom(display, "WM_STATE", False);
  const bool marked = XGetWindowProperty(display, window, state, 0, 2, False, state, &type, &format, &items, &after,
                                         &data) == Success &&
                      type == state;
  if (data != nullptr) XFree(data);
  return marked;
}

// The program's window inside a child of the root: itself on a bare server,
// else the one the manager marked inside its frame.
Window ClientOf(Display* display, Window top, int depth = 0) {
  if (depth == 4 || Managed(display, top)) return top;
  for (Window child : Children(display, top)) {
    Window client = ClientOf(display, child, depth + 1);
    if (Managed(display, client)) return client;
  }
  return top;
}

// Qt names its windows in UTF-8 (_NET_WM_NAME); WM_NAME is the fallback.
std::string Title(Display* display, Window window) {
  std::vector<unsigned char> utf8 = Bytes(display, window, "_NET_WM_NAME", XInternAtom(display, "UTF8_STRING", False));
  if (!utf8.empty()) return std::string(utf8.begin(), utf8.end());
  char* name = nullptr;
  std::string title;
  if (XFetchName(display, window, &name) != 0 && name != nullptr) title = name;
  if (name != nullptr) XFree(name);
  return title;
}

}  // namespace

bool Area::Overlaps(const Area& other) const {
  return X < other.Right() && other.X < Right() && Y < other.Bottom() && other.Y < Bottom();
}

Point CentreOfTwips(long left, long top, long width, long height) {
  auto pixels = [](double twips) { return static_cast<int>(std::lround(twips / 15.0)); };
  return {pixels(static_cast<double>(left) + static_cast<double>(width) / 2),
          pixels(static_cast<double>(top) + static_cast<double>(height) / 2)};
}

Desktop::Desktop(const std::string& display) {
  Display_ = XOpenDisplay(display.c_str());
  if (Display_ == nullptr) return;
  int event = 0, error = 0, major = 0, minor = 0;
  HasXTest_ = XTestQueryExtension(Display_, &event, &error, &major, &minor) != 0;
}

Desktop::~Desktop() {
  if (Display_ != nullptr) XCloseDisplay(Display_);
}

std::vector<ScreenWindow> Desktop::Windows() const {
  std::vector<ScreenWindow> windows;
  if (Display_ == nullptr) return windows;
  ErrorsIgnored ignored;
  Window root = DefaultRootWindow(Display_);
  for (Window top : Children(Display_, root)) {
    XWindowAttributes frame{};
    if (XGetWindowAttributes(Display_, top, &frame) == 0 || frame.map_state != IsViewable) continue;
    // A window the manager has just taken into its frame is read there, on a later look.
    if (ParentOf(Display_, top) != root) continue;
    const Window w = ClientOf(Display_, top);
    XWindowAttributes a{};
    if (XGetWindowAttributes(Display_, w, &a) == 0 || a.map_state != IsViewable || a.c_class != InputOutput) continue;
    std::string title = Title(Display_, w);
    if (title.empty()) continue;
    int x = 0, y = 0;
    Window child = 0;
    XTranslateCoordinates(Display_, w, root, 0, 0, &x, &y, &child);
    const int border = 2 * frame.border_width;
    windows.push_back({static_cast<unsigned long>(w), title, x, y, a.width, a.height,
                       Area{frame.x, frame.y, frame.width + border, frame.height + border}});
  }
  XSync(Display_, False);
  return windows;
}

std::optional<ScreenWindow> Desktop::Find(std::string_view title) const {
  std::vector<ScreenWindow> windows = Windows();
  for (auto w = windows.rbegin(); w != windows.rend(); ++w) {
    if (w->Title == title) return *w;
  }
  return std::nullopt;
}

bool Desktop::MenuOpen() const {
  if (Display_ == nullptr) return false;
  ErrorsIgnored ignored;
  const Atom dropDown = XInternAtom(Display_, "_NET_WM_WINDOW_TYPE_DROPDOWN_MENU", False);
  const Atom popUp = XInternAtom(Display_, "_NET_WM_WINDOW_TYPE_POPUP_MENU", False);
  bool open = false;
  const Window root = DefaultRootWindow(Display_);
  // A manager keeps a window of its own mapped off the screen, outside its control, to tell it runs.
  const std::vector<XID> check = Ids(Display_, root, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW);
  const Area screen = ScreenArea();
  for (Window w : Children(Display_, root)) {
    XWindowAttributes a{};
    if (XGetWindowAttributes(Display_, w, &a) == 0 || a.map_state != IsViewable) continue;
    if (std::find(check.begin(), check.end(), w) != check.end() || !screen.Overlaps({a.x, a.y, a.width, a.height})) {
      continue;
    }
    open = open || a.override_redirect;  // a dropped-down list is a pop-up of no declared type
    for (Atom type : Ids(Display_, w, "_NET_WM_WINDOW_TYPE")) open = open || type == dropDown || type == popUp;
  }
  XSync(Display_, False);
  return open;
}

bool Desktop::HasFocus(const ScreenWindow& window) const {
  if (Display_ == nullptr) return false;
  Window focus = 0;
  int revert = 0;
  XGetInputFocus(Display_, &focus, &revert);
  return focus == static_cast<Window>(window.Id);
}

}  // namespace kr::e2e
