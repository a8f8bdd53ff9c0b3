//===- Collection.h - DAO's collections: items by position and by name -----===//
#pragma once

#include <string_view>
#include <vector>

#include "platform/db/JetError.h"

namespace dao {

/// True when two names are equal ignoring the case of ASCII letters, as the engine compares names.
inline bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (x == y) continue;
    // Only a letter and the same letter in the other case differ by 0x20 alone.
    const unsigned char lower = x | 0x20;
    if ((x ^ y) != 0x20 || lower < 'a' || lower > 'z') return false;
  }
  return true;
}

/// A fixed list of items that have a Name(): `Item(0)`, `Item("Numero")`.
template <class T>
class Collection {
 public:
  Collection() = default;
  explicit Collection(std::vector<T> items) : Items_(std::move(items)) {}

  /// The number of items.
  int Count() const { return static_cast<int>(Items_.size()); }

  /// The item at a 0-based position; 3265 when there is none.
  T& Item(int index) {
    if (index < 0 || index >= Count()) RaiseJet(ErrItemNotFound);
    return Items_[static_cast<std::size_t>(index)];
  }

  /// The first item of that name, ignoring case; 3265 when there is none.
  T& Item(std::string_view name) {
    for (T& item : Items_) {
      if (SameName(item.Name(), name)) return item;
    }
    RaiseJet(ErrItemNotFound);
  }

 private:
  std::vector<T> Items_;
};

}  // namespace dao
