#include "platform/forms/Input.h"

#include "platform/db/Database.h"

#include <algorithm>

#include "platform/forms/Application.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/Control.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/Form.h"
#include "platform/forms/Keys.h"
#include "platform/forms/ListControl.h"
#include "platform/forms/Menu.h"
#include "platform/forms/ScrollBar.h"
#include "platform/forms/TabControl.h"
#include "platform/forms/TextBox.h"
#include "platform/forms/Toolbar.h"

namespace forms {

template <class Action>
bool Input::Run(Form& form, Action&& action) {
  auto& app = Application::Current();
  app.FlushRetired();
  Application::Busy busy(app);
  try {
    if (!app.AcceptsInput(form)) return false;
    bool done = action();
    app.ProcessPendingKeys();
    // The user is waited for next: no recordset keeps a read lock meanwhile.
    dao::ReleaseReadLocks();
    return done;
  } catch (const ProgramEnd&) {
    return true;
  }
}

bool Input::Reachable(const Control& control) {
  return control.EffectivelyEnabled() && control.EffectivelyVisible() && control.OnCurrentPage();
}

void Input::FocusFor(Control& control) {
  if (control.CanTakeFocus()) control.Parent().MoveFocus(&control);
}

bool Input::Key(Form& form, int keyCode, int shift, int keyAscii) {
  return Run(form, [&] {
    int ascii = keyAscii >= 0 ? keyAscii : KeyOfCode(keyCode, shift).KeyAscii;
    form.DispatchKey(keyCode, shift, ascii);
    return true;
  });
}

bool Input::Type(Form& form, std::string_view text) {
  std::vector<KeyStroke> keys = KeysOfText(text);
  for (const KeyStroke& k : keys) {
    if (!Key(form, k.KeyCode, k.Shift, k.KeyAscii)) return false;
  }
  return true;
}

bool Input::Click(Control& control) {
  return Run(control.Parent(), [&] {
    if (!Reachable(control)) return false;
    FocusFor(control);
    control.MouseDown(vbLeftButton, 0, 0, 0);
    control.UserClick();
    return true;
  });
}

bool Input::DblClick(Control& control, bool afterClick) {
  if (!afterClick && !Click(control)) return false;
  return Run(control.Parent(), [&] {
    if (afterClick && !Reachable(control)) return false;
    control.DblClick();
    return true;
  });
}

bool Input::MouseDown(Control& control, int button, int shift, float x, float y) {
  return Run(control.Parent(), [&] {
    if (!Reachable(control)) return false;
    if (button == vbLeftButton) FocusFor(control);
    control.MouseDown(button, shift, x, y);
    return true;
  });
}

bool Input::Focus(Control& control) {
  return Run(control.Parent(), [&] {
    if (!control.CanTakeFocus()) return false;
    control.Parent().MoveFocus(&control);
    return true;
  });
}

bool Input::Select(TextBox& box, long start, long length) {
  return Run(box.Parent(), [&] {
    if (!box.CanTakeFocus()) return false;
    box.Parent().MoveFocus(&box);
    box.Buffer_.SetSelStart(start);
    box.Buffer_.SetSelLength(length);
    box.CaretMoved();
    return true;
  });
}

bool Input::Paste(TextBox& box) {
  return Run(box.Parent(), [&] {
    if (!box.CanTakeFocus()) return false;
    box.Parent().MoveFocus(&box);
    box.PasteClipboard();
    return true;
  });
}

bool Input::Choose(ListControl& list, int index) {
  return Run(list.Parent(), [&] {
    if (!Reachable(list) || index < 0 || index >= list.ListCount()) return false;
    FocusFor(list);
    if (auto* combo = dynamic_cast<ComboBox*>(&list); combo != nullptr && combo->Locked()) return true;
    list.SetListIndex(index);
    return true;
  });
}

bool Input::SelectTab(TabControl& tabs, int tab) {
  return Run(tabs.Parent(), [&] {
    if (!Reachable(tabs)) return false;
    FocusFor(tabs);
    return tabs.UserSelect(tab);
  });
}

bool Input::Scroll(ScrollBar& bar, int value, bool dragging) {
  return Run(bar.Parent(), [&] {
    if (!Reachable(bar) || value < std::min(bar.Min(), bar.Max()) || value > std::max(bar.Min(), bar.Max())) {
      return false;
    }
    FocusFor(bar);
    if (dragging && value != bar.Value()) bar.Scroll();
    bar.SetValue(value);
    return true;
  });
}

bool Input::ChooseMenu(Menu& item) {
  return Run(item.Parent(), [&] {
    if (!item.EffectivelyEnabled() || !item.EffectivelyVisible() || item.IsSeparator()) return false;
    item.Click();
    return true;
  });
}

bool Input::ClickButton(Toolbar& toolbar, int index) {
  return Run(toolbar.Parent(), [&] { return Reachable(toolbar) && toolbar.UserClickButton(index); });
}

bool Input::ChooseRow(DataGrid& grid, long row) {
  return Run(grid.Parent(), [&] {
    if (!Reachable(grid) || !grid.HasRow(row)) return false;
    FocusFor(grid);
    grid.MouseDown(vbLeftButton, 0, 0, 0);
    grid.UserMoveTo(row);
    grid.Click();
    return true;
  });
}

bool Input::Activate(Form& form) {
  return Run(form, [&] {
    Application::Current().Activate(form);
    return true;
  });
}

bool Input::Close(Form& form) {
  return Run(form, [&] {
    Application::Current().Unload(form, vbFormControlMenu);
    return true;
  });
}

}  // namespace forms
