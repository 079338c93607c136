#pragma once

#include <string>
#include <vector>

#include "forms/form.h"

namespace kelo::forms {

/// The elements of one control array, indexed from 0. Addressing an element that does not
/// exist throws RuntimeError(ControlArrayElementMissing), as a runtime does.
template <class T>
class ControlArray {
  public:
    ControlArray(const Form& form, const std::string& name) : name_(name) {
        const int count = form.arrayCount(name);
        for (int i = 0; i < count; ++i) {
            elements_.push_back(&form.template get<T>(name, i));
        }
    }

    T& operator()(int index) const {
        if (index < 0 || index >= count()) {
            Form::throwMissingElement(name_, index);
        }
        return *elements_[static_cast<std::size_t>(index)];
    }
    int count() const { return static_cast<int>(elements_.size()); }

  private:
    std::string name_;
    std::vector<T*> elements_;
};

}  // namespace kelo::forms
