#pragma once

#include <atomic>

// The count a host object carries for its counted references; it deletes the
// object through its virtual destructor when the last reference goes.
template <class Derived>
class ReferenceCounted {
public:
    void AddRef() { count_.fetch_add(1, std::memory_order_relaxed); }
    void Release() {
        if (count_.fetch_sub(1, std::memory_order_acq_rel) == 1) delete static_cast<Derived*>(this);
    }

protected:
    ReferenceCounted() = default;
    ReferenceCounted(const ReferenceCounted&) = delete;
    ReferenceCounted& operator=(const ReferenceCounted&) = delete;
    ~ReferenceCounted() = default;

    int ReferenceCount() const { return count_.load(std::memory_order_relaxed); }

private:
    std::atomic<int> count_{0};
};
