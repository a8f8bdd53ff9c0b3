#include "platform/text/Format.h"

#include "platform/text/Error.h"

namespace vb {

std::string Format(const Variant& value, std::string_view pattern) {
  (void)pattern;
  return TextOf(value);
}

}  // namespace vb
