#include "platform/host/X11WindowList.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <optional>

#include "platform/text/Cp1252.h"

namespace host {
namespace {

constexpr long kNormalState = 1;
constexpr long kIconicState = 3;
constexpr int kFrameDepth = 4;  // how deep a manager may nest a client in its frame

// Windows can vanish while they are read; Xlib's default handler would end the
// program on the BadWindow that follows, so errors are ignored while listing.
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

struct Property {
  Atom Type = None;
  int Format = 0;
  unsigned long Items = 0;
  std::string Bytes;          // format 8
  std::vector<long> Numbers;  // format 32 (Xlib hands them over as longs)
};

std::optional<Property> ReadProperty(Display* display, Window window, Atom name, Atom type = AnyPropertyType) {
  Atom actualType = None;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display, window, name, 0, 1L << 20, False, type, &actualType, &format, &items, &after,
                         &data) != Success) {
    return std::nullopt;
  }
  if (actualType == None) {
    if (data != nullptr) XFree(data);
    return std::nullopt;
  }
  Property p;
  p.Type = actualType;
  p.Format = format;
  p.Items = items;
  if (format == 8) {
    p.Bytes.assign(reinterpret_cast<const char*>(data), items);
  } else if (format == 32) {
    const long* values = reinterpret_cast<const long*>(data);
    p.Numbers.assign(values, values + items);
  }
  if (data != nullptr) XFree(data);
  return p;
}

std::optional<Window> WindowProperty(Display* display, Window window, const char* name) {
  auto p = ReadProperty(display, window, XInternAtom(display, name, False), XA_WINDOW);
  if (!p || p->Numbers.empty()) return std::nullopt;
  return static_cast<Window>(p->Numbers.front());
}

// True while a manager runs: its check window names itself.
bool LiveManager(Display* display, Window root) {
  auto check = WindowProperty(display, root, "_NET_SUPPORTING_WM_CHECK");
  return check && WindowProperty(display, *check, "_NET_SUPPORTING_WM_CHECK") == check;
}

// The manager's stacking list, topmost first, when a live manager keeps one.
std::optional<std::vector<Window>> ManagedStacking(Display* display, Window root) {
  if (!LiveManager(display, root)) return std::nullopt;
  auto list = ReadProperty(display, root, XInternAtom(display, "_NET_CLIENT_LIST_STACKING", False), XA_WINDOW);
  if (!list) return std::nullopt;
  std::vector<Window> windows(list->Numbers.rbegin(), list->Numbers.rend());
  return windows;
}

std::vector<Window> Children(Display* display, Window window) {
  Window rootReturn = 0, parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  std::vector<Window> result;
  if (XQueryTree(display, window, &rootReturn, &parent, &children, &count) == 0) return result;
  result.assign(children, children + count);
  if (children != nullptr) XFree(children);
  return result;
}

std::optional<long> WmState(Display* display, Window window) {
  Atom wmState = XInternAtom(display, "WM_STATE", False);
  auto p = ReadProperty(display, window, wmState, wmState);
  if (!p || p->Numbers.empty()) return std::nullopt;
  return p->Numbers.front();
}

// The client inside a top-level window: itself, or the first descendant with WM_STATE.
Window ClientOf(Display* display, Window window, int depth = 0) {
  if (WmState(display, window) || depth == kFrameDepth) return window;
  for (Window child : Children(display, window)) {
    Window client = ClientOf(display, child, depth + 1);
    if (WmState(display, client)) return client;
  }
  return window;
}

// A client's WM_STATE tells; a window without one (no manager) is shown when viewable.
bool Shown(Display* display, Window window) {
  if (auto state = WmState(display, window)) return *state == kNormalState || *state == kIconicState;
  XWindowAttributes attributes{};
  if (XGetWindowAttributes(display, window, &attributes) == 0) return false;
  return attributes.c_class == InputOutput && attributes.map_state == IsViewable;
}

std::string Latin1ToUtf8(std::string_view bytes) {
  std::string out;
  for (char c : bytes) vb::AppendUtf8(out, static_cast<unsigned char>(c));
  return out;
}

std::string ReadTitle(Display* display, Window window) {
  Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  auto net = ReadProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False), utf8);
  if (net && net->Type == utf8) {
    return vb::DecodeText(net->Bytes);
  }
  XTextProperty name{};
  if (XGetWMName(display, window, &name) == 0 || name.value == nullptr) return {};
  std::string raw(reinterpret_cast<const char*>(name.value), name.nitems);
  std::string title;
  if (name.encoding == XA_STRING) {
    title = Latin1ToUtf8(raw);
  } else if (name.encoding == utf8) {
    title = vb::DecodeText(raw);
  } else {
    char** list = nullptr;
    int count = 0;
    if (Xutf8TextPropertyToTextList(display, &name, &list, &count) >= Success && count > 0 && list != nullptr) {
      title = vb::DecodeText(list[0]);
    } else {
      title = vb::DecodeText(raw);
    }
    if (list != nullptr) XFreeStringList(list);
  }
  XFree(name.value);
  return title;
}

// True when a live manager closes windows for others (_NET_CLOSE_WINDOW).
bool ManagerCloses(Display* display, Window root) {
  if (!LiveManager(display, root)) return false;
  auto supported = ReadProperty(display, root, XInternAtom(display, "_NET_SUPPORTED", False), XA_ATOM);
  if (!supported) return false;
  const long close = static_cast<long>(XInternAtom(display, "_NET_CLOSE_WINDOW", False));
  return std::find(supported->Numbers.begin(), supported->Numbers.end(), close) != supported->Numbers.end();
}

bool TakesDeleteWindow(Display* display, Window window) {
  Atom* protocols = nullptr;
  int count = 0;
  if (XGetWMProtocols(display, window, &protocols, &count) == 0) return false;
  const Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
  const bool takes = std::find(protocols, protocols + count, deleteWindow) != protocols + count;
  if (protocols != nullptr) XFree(protocols);
  return takes;
}

bool Exists(Display* display, Window window) {
  XWindowAttributes attributes{};
  return window != 0 && XGetWindowAttributes(display, window, &attributes) != 0;
}

}  // namespace

X11WindowList::~X11WindowList() {
  if (Display_ != nullptr) XCloseDisplay(Display_);
}

Display* X11WindowList::Connection() const {
  if (Display_ == nullptr) Display_ = XOpenDisplay(DisplayName_.empty() ? nullptr : DisplayName_.c_str());
  return Display_;
}

std::vector<WindowHandle> X11WindowList::TopLevelWindows() const {
  Display* display = Connection();
  if (display == nullptr) return {};
  std::vector<WindowHandle> windows;
  ErrorsIgnored ignored;
  Window root = DefaultRootWindow(display);
  if (auto managed = ManagedStacking(display, root)) {
    windows.assign(managed->begin(), managed->end());
  } else {
    std::vector<Window> tree = Children(display, root);
    std::reverse(tree.begin(), tree.end());
    for (Window topLevel : tree) windows.push_back(ClientOf(display, topLevel));
  }
  XSync(display, False);
  return windows;
}

bool X11WindowList::IsVisible(WindowHandle window) const {
  Display* display = Connection();
  if (display == nullptr) return false;
  ErrorsIgnored ignored;
  const bool visible = Shown(display, window);
  XSync(display, False);
  return visible;
}

std::string X11WindowList::Title(WindowHandle window) const {
  Display* display = Connection();
  if (display == nullptr) return {};
  ErrorsIgnored ignored;
  std::string title = ReadTitle(display, window);
  XSync(display, False);
  return title;
}

std::string X11WindowList::ClassName(WindowHandle window) const {
  Display* display = Connection();
  if (display == nullptr) return {};
  ErrorsIgnored ignored;
  std::string name;
  XClassHint hint{};
  if (XGetClassHint(display, window, &hint) != 0) {
    if (hint.res_class != nullptr) name = Latin1ToUtf8(hint.res_class);
    if (hint.res_name != nullptr) XFree(hint.res_name);
    if (hint.res_class != nullptr) XFree(hint.res_class);
  }
  XSync(display, False);
  return name;
}

bool X11WindowList::Close(WindowHandle window) const {
  Display* display = Connection();
  if (display == nullptr) return false;
  ErrorsIgnored ignored;
  const Window root = DefaultRootWindow(display);
  bool asked = false;
  if (Exists(display, window)) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.format = 32;
    if (ManagerCloses(display, root)) {
      // Source 2: asked for by the user, as a pager or taskbar asks.
      event.xclient.message_type = XInternAtom(display, "_NET_CLOSE_WINDOW", False);
      event.xclient.data.l[0] = CurrentTime;
      event.xclient.data.l[1] = 2;
      asked = XSendEvent(display, root, False, SubstructureNotifyMask | SubstructureRedirectMask, &event) != 0;
    } else if (TakesDeleteWindow(display, window)) {
      event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
      event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
      event.xclient.data.l[1] = CurrentTime;
      asked = XSendEvent(display, window, False, NoEventMask, &event) != 0;
    }
  }
  XSync(display, False);
  return asked;
}

std::unique_ptr<WindowList> DesktopWindowList() { return std::make_unique<X11WindowList>(); }

}  // namespace host
