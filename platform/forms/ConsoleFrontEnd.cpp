#include "platform/forms/ConsoleFrontEnd.h"

#include <string>

namespace forms {

int ConsoleFrontEnd::ShowMessage(const MessageBox& box) {
  std::string line = box.Title + ": " + box.Prompt + "\n";
  std::fwrite(line.data(), 1, line.size(), Out_);
  std::fflush(Out_);
  return DefaultAnswer(box.Style);
}

}  // namespace forms
