// An interface pointer of the Windows Imaging Component, released when it goes.
#pragma once

namespace gb {

template <class T>
struct ComPointer {
  T* p = nullptr;
  ComPointer() = default;
  ComPointer(const ComPointer&) = delete;
  ComPointer& operator=(const ComPointer&) = delete;
  ~ComPointer() {
    if (p != nullptr) p->Release();
  }
  T** operator&() { return &p; }
  T* operator->() const { return p; }
};

}  // namespace gb
