#include "platform/forms/WindowRegistry.h"

#include "platform/text/Error.h"

namespace forms {

void WindowRegistry::Register(const std::string& name, Opener opener) { Openers_[name] = std::move(opener); }

bool WindowRegistry::IsRegistered(const std::string& name) const { return Openers_.count(name) != 0; }

void WindowRegistry::Open(const std::string& name) const {
  if (auto it = Openers_.find(name); it != Openers_.end()) {
    it->second();
  } else {
    vb::Raise(vb::ErrInvalidCall);
  }
}

}  // namespace forms
