#include "platform/forms/Menu.h"

#include "platform/forms/Form.h"

namespace forms {

std::vector<Menu*> Menu::Items() const {
  std::vector<Menu*> out;
  for (Control* c : Parent().Controls()) {
    if (auto* item = dynamic_cast<Menu*>(c); item != nullptr && item->Container() == this) out.push_back(item);
  }
  return out;
}

std::vector<Menu*> MenuBar(const Form& form) {
  std::vector<Menu*> out;
  for (Control* c : form.Controls()) {
    if (auto* menu = dynamic_cast<Menu*>(c); menu != nullptr && menu->Container() == nullptr) out.push_back(menu);
  }
  return out;
}

}  // namespace forms
