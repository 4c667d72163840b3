// An owned reference to a COM object: released in one place, when the owner
// goes away or is reset.
#pragma once

#include <unknwn.h>

namespace corvinata {

template <class T>
class ComPtr {
public:
    ComPtr() noexcept = default;
    ~ComPtr() { Reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : object_(other.object_) { other.object_ = nullptr; }
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            object_ = other.object_;
            other.object_ = nullptr;
        }
        return *this;
    }

    T* Get() const noexcept { return object_; }
    T* operator->() const noexcept { return object_; }
    explicit operator bool() const noexcept { return object_ != nullptr; }
    // The slot a creating call fills; whatever was held is released first.
    T** Out() noexcept {
        Reset();
        return &object_;
    }
    void** OutVoid() noexcept { return reinterpret_cast<void**>(Out()); }
    void Reset() noexcept {
        if (object_ != nullptr) {
            T* object = object_;
            object_ = nullptr;
            object->Release();
        }
    }
    // Takes over a reference the caller already holds.
    void Attach(T* object) noexcept {
        Reset();
        object_ = object;
    }

private:
    T* object_ = nullptr;
};

}  // namespace corvinata
