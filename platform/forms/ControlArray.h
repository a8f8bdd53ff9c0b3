//===- ControlArray.h - Controls sharing one name, addressed by index -----===//
//
// A control array is a member of its window; its elements are made at
// design (the window's constructor) or at run time (VB's Load), with any
// indexes, sparse ones too:
//
//   forms::ControlArray<forms::TextBox> txtvalor{this, "txtvalor"};
//   txtvalor.Add(100); txtvalor.Add(102); ...
//   txtvalor.On(&TextBox::Change, [this](int Index) { txtvalor_Change(Index); });
//   txtvalor(113).SetText("");
//
// A handler bound with On serves every element, present and later loaded,
// and gets the element's index first, as VB's array event procedures do.
// An unloaded element stays alive until the array goes, so a handler that
// unloads its own element may still read it.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/forms/Control.h"
#include "platform/forms/Event.h"
#include "platform/forms/Form.h"
#include "platform/text/Error.h"

namespace forms {

/// Error 340: the array has no element of that index.
[[noreturn]] void RaiseNoElement(int index);
/// Error 360: the array already has an element of that index.
[[noreturn]] void RaiseElementExists(int index);
/// Tells the front end of an element loaded or unloaded at run time.
void NotifyElementLoaded(Control& element, bool loaded);

template <class T>
class ControlArray {
  static_assert(std::is_base_of_v<Control, T>);

 public:
  ControlArray(Form* form, std::string name) : Form_(form), Name_(std::move(name)) {}
  ControlArray(const ControlArray&) = delete;
  ControlArray& operator=(const ControlArray&) = delete;

  const std::string& Name() const { return Name_; }

  /// The element `index`; error 340 when there is none.
  T& operator()(int index) const {
    auto it = Elements_.find(index);
    if (it == Elements_.end()) RaiseNoElement(index);
    return *it->second;
  }
  bool Exists(int index) const { return Elements_.count(index) != 0; }

  /// Makes the element `index` as the window's design has it; error 360 when it exists.
  T& Add(int index) {
    if (Exists(index)) RaiseElementExists(index);
    auto element = std::make_unique<T>(Form_, Name_, index);
    T& made = *element;
    Elements_.emplace(index, std::move(element));
    for (auto& bind : Binders_) bind(made);
    return made;
  }

  /// VB's Load: a new element with the properties of the lowest-index
  /// element, not visible; error 360 when it exists, 340 when the array is empty.
  T& Load(int index) {
    if (Elements_.empty()) RaiseNoElement(index);
    const T& model = *Elements_.begin()->second;
    T& made = Add(index);
    static_cast<Control&>(made).CopyPropertiesFrom(model);
    made.SetVisible(false);
    NotifyElementLoaded(made, true);
    return made;
  }

  /// VB's Unload of an element; error 340 when there is none.
  void Unload(int index) {
    auto it = Elements_.find(index);
    if (it == Elements_.end()) RaiseNoElement(index);
    NotifyElementLoaded(*it->second, false);
    Form_->Unregister(it->second.get());
    Retired_.push_back(std::move(it->second));
    Elements_.erase(it);
  }

  /// Binds `handler` to `event` of every element; the handler takes the
  /// element's index, then the event's own arguments.
  template <class C, class... A, class H>
  void On(Event<A...> C::*event, H handler) {
    static_assert(std::is_base_of_v<C, T>);
    std::function<void(int, A...)> indexed(std::move(handler));
    auto bind = [event, indexed](T& element) {
      int index = element.Index();
      element.*event = [indexed, index](A... args) { indexed(index, std::forward<A>(args)...); };
    };
    for (auto& [index, element] : Elements_) bind(*element);
    Binders_.push_back(bind);
  }

  int Count() const { return static_cast<int>(Elements_.size()); }
  /// The lowest and highest indexes; error 340 for an empty array.
  int LBound() const {
    if (Elements_.empty()) RaiseNoElement(0);
    return Elements_.begin()->first;
  }
  int UBound() const {
    if (Elements_.empty()) RaiseNoElement(0);
    return Elements_.rbegin()->first;
  }
  /// The indexes in ascending order.
  std::vector<int> Indexes() const {
    std::vector<int> out;
    for (auto& [index, element] : Elements_) out.push_back(index);
    return out;
  }

 private:
  Form* Form_;
  std::string Name_;
  std::map<int, std::unique_ptr<T>> Elements_;
  std::vector<std::unique_ptr<T>> Retired_;
  std::vector<std::function<void(T&)>> Binders_;
};

}  // namespace forms
