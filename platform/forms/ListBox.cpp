#include "platform/forms/ListBox.h"

#include "platform/forms/Constants.h"

namespace forms {

ListBox::ListBox(Form* form, std::string name, int index) : ListControl(form, std::move(name), index) {
  SetBackColor(vbWindowBackground);
  SetForeColor(vbWindowText);
}

}  // namespace forms
