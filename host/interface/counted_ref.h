#pragma once

#include <utility>

// A counted reference to a host object that has AddRef and Release. The
// object deletes itself when its count drops to zero.
template <class T>
class CountedRef {
public:
    CountedRef() = default;
    CountedRef(T* object) : p_(object) { acquire(); }
    CountedRef(const CountedRef& other) : p_(other.p_) { acquire(); }
    CountedRef(CountedRef&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ~CountedRef() { release(); }

    CountedRef& operator=(CountedRef other) noexcept {
        std::swap(p_, other.p_);
        return *this;
    }

    T* operator->() const { return p_; }
    T& operator*() const { return *p_; }
    T* get() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

private:
    void acquire() const {
        if (p_) p_->AddRef();
    }
    void release() {
        if (p_) p_->Release();
        p_ = nullptr;
    }

    T* p_ = nullptr;
};
