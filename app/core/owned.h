// A handle that its own release function frees when it goes out of scope: GDI objects, device
// contexts, icons, menus.
#pragma once

#include <windows.h>

template <typename Handle, auto Release>
class Owned {
  public:
    explicit Owned(Handle handle = nullptr) : handle_(handle) {}
    ~Owned() {
        if (handle_) Release(handle_);
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    operator Handle() const { return handle_; }

  private:
    Handle handle_;
};
