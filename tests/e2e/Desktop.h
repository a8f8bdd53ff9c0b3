//===- Desktop.h - A person's hands and eyes on an X server ---------------===//
//
// What a person does at the screen, done through the X server itself: the
// windows on screen found by their titles, clicks and keys sent as real
// input events through the XTEST extension (so they travel the same way as
// a keyboard's and a mouse's, through Qt's event handling to the model), and
// pictures of the whole screen.
//
//   Desktop desktop(":7");
//   std::optional<ScreenWindow> w = desktop.Find("Consulta de Bancos");
//   desktop.Click(*w, CentreOfTwips(5640, 3240, 1215, 375));
//   desktop.Press("alt+d");
//   desktop.Type("10401234565");
//
//===----------------------------------------------------------------------===//
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct _XDisplay;  // Xlib's Display

namespace kr::e2e {

/// A point in pixels.
struct Point {
  int X = 0;
  int Y = 0;
};

/// The centre of a control placed in twips (15 to a pixel), as the model
/// places it inside its window's client area.
Point CentreOfTwips(long left, long top, long width, long height);

/// A rectangle of the screen, in pixels.
struct Area {
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;

  int Right() const { return X + Width; }
  int Bottom() const { return Y + Height; }
  /// True when the two share a pixel.
  bool Overlaps(const Area& other) const;
};

/// A top-level window mapped on the screen.
struct ScreenWindow {
  unsigned long Id = 0;  // the program's own window, the client
  std::string Title;     // UTF-8
  int X = 0;             // where its client area lies on the screen
  int Y = 0;
  int Width = 0;
  int Height = 0;
  /// The window with the frame a window manager draws around it (its title
  /// bar and borders); the client area itself on a bare server.
  Area Frame;

  Area Client() const { return {X, Y, Width, Height}; }
};

class Desktop {
 public:
  /// Connects to the display named `display` (":7"); Connected() tells whether it could.
  explicit Desktop(const std::string& display);
  ~Desktop();
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  bool Connected() const { return Display_ != nullptr; }
  /// True when the server has the XTEST extension the input goes through.
  bool CanSendInput() const { return HasXTest_; }

  // --- Eyes ---

  /// The mapped top-level windows that have a title, bottom first: the
  /// programs' own windows, inside a window manager's frames when one runs.
  std::vector<ScreenWindow> Windows() const;
  /// The mapped window titled exactly `title`, the topmost of several.
  std::optional<ScreenWindow> Find(std::string_view title) const;
  /// True while a pop-up menu (a menu bar's or a context menu) or a dropped-down list is open.
  bool MenuOpen() const;
  /// True when the keyboard's input goes to `window`.
  bool HasFocus(const ScreenWindow& window) const;
  /// Saves the whole screen as a PNG file; false when it could not.
  bool SaveScreen(const std::string& path) const;
  /// The whole screen, from its top-left corner.
  Area ScreenArea() const;
  /// The screen's pixels, 32 bits each, row by row (empty when unreadable).
  std::vector<unsigned int> ScreenPixels() const;

  // --- Hands ---

  /// Moves the pointer to `at` inside `window` and clicks `button` (1 left,
  /// 3 right). Under a window manager, answers once the manager has let the
  /// click through to the window: it holds a click until it has focused and
  /// raised the window, and keys sent meanwhile would overtake it.
  void Click(const ScreenWindow& window, Point at, int button = 1);
  /// Asks `window` to close, as a window manager does when its close box is
  /// clicked (WM_DELETE_WINDOW), with a manager running or without one.
  void Close(const ScreenWindow& window);
  /// Types `text` (UTF-8) key by key, with Shift where a character needs
  /// it; a character without a key on the keyboard (ñ, á) is given one.
  void Type(std::string_view text);
  /// Presses one key with its modifiers and lets them go: "Tab", "Return",
  /// "Escape", "shift+Tab", "alt+d", "ctrl+F4", "F1", "Down", "a".
  void Press(std::string_view chord);

 private:
  struct KeyOf {
    unsigned char Code = 0;
    bool Shift = false;
  };
  KeyOf FindKey(unsigned long keysym);
  unsigned char GiveSpareKey(unsigned long keysym);
  void SendKey(unsigned char code, bool down);
  void Flush();
  /// Waits until a running window manager has handled every event sent
  /// before: it answers a request for a window's frame extents in turn.
  void AwaitManager();

  _XDisplay* Display_ = nullptr;
  bool HasXTest_ = false;
  unsigned long Probe_ = 0;  // an unmapped window of ours whose frame extents the manager is asked for
  std::map<unsigned long, unsigned char> Given_;  // keysyms given a spare key
};

}  // namespace kr::e2e
