#pragma once
// The functions of a library loaded with dlopen, bound by name into a table's members.

#include <dlfcn.h>

namespace nanbaru {

template <typename Function>
bool BindSymbol(void* library, const char* name, Function*& function) {
  function = reinterpret_cast<Function*>(dlsym(library, name));
  return function != nullptr;
}

}  // namespace nanbaru
