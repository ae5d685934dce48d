// Intrusive reference counting for objects that several owners share.
#pragma once

#include <utility>

// The last Release destroys the object through its virtual destructor.
class RefCounted {
public:
  RefCounted() = default;
  RefCounted(const RefCounted&) = delete;
  RefCounted& operator=(const RefCounted&) = delete;
  virtual ~RefCounted() = default;

  void AddRef() { ++Count; }
  void Release() {
    if (--Count == 0) delete this;
  }
  int RefCount() const { return Count; }

private:
  int Count = 0;
};

// A shared reference: holds one count of its object while it points at it.
template <class T> class RefPtr {
public:
  RefPtr() = default;
  RefPtr(T* object) : Object(object) {  // NOLINT: implicit from a fresh object is the common case
    if (Object) Object->AddRef();
  }
  RefPtr(const RefPtr& other) : RefPtr(other.Object) {}
  RefPtr(RefPtr&& other) noexcept : Object(std::exchange(other.Object, nullptr)) {}
  ~RefPtr() {
    if (Object) Object->Release();
  }
  RefPtr& operator=(RefPtr other) noexcept {
    std::swap(Object, other.Object);
    return *this;
  }

  T* Get() const { return Object; }
  T* operator->() const { return Object; }
  T& operator*() const { return *Object; }
  explicit operator bool() const { return Object != nullptr; }
  friend bool operator==(const RefPtr& a, const RefPtr& b) { return a.Object == b.Object; }
  friend bool operator!=(const RefPtr& a, const RefPtr& b) { return a.Object != b.Object; }

private:
  T* Object = nullptr;
};
