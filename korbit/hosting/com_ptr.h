// ComPtr<T>: owns one reference to a component interface and releases it
// when it goes out of scope.
#pragma once

#include <cstddef>
#include <utility>

#include "korbit/control/values/component_abi.h"

namespace korbit::hosting {

template <typename T>
class ComPtr {
public:
    ComPtr() noexcept = default;
    ComPtr(std::nullptr_t) noexcept {}  // NOLINT(google-explicit-constructor)
    ComPtr(const ComPtr& other) noexcept : p_(other.p_) {
        if (p_ != nullptr) {
            p_->AddRef();
        }
    }
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(p_, other.p_);
        return *this;
    }
    ~ComPtr() { reset(); }

    // Takes over a reference the caller already owns (no AddRef).
    static ComPtr adopt(T* pointer) noexcept {
        ComPtr p;
        p.p_ = pointer;
        return p;
    }

    // Shares `pointer`: adds a reference of its own.
    static ComPtr share(T* pointer) noexcept {
        if (pointer != nullptr) {
            pointer->AddRef();
        }
        return adopt(pointer);
    }

    T* get() const noexcept { return p_; }
    T* operator->() const noexcept { return p_; }
    T& operator*() const noexcept { return *p_; }
    explicit operator bool() const noexcept { return p_ != nullptr; }

    // Releases the reference now.
    void reset() noexcept {
        if (T* p = std::exchange(p_, nullptr)) {
            p->Release();
        }
    }

    // Hands the reference to the caller, who must release it.
    [[nodiscard]] T* detach() noexcept { return std::exchange(p_, nullptr); }

    // An out-argument for calls that return an interface as void**
    // (QueryInterface, CreateInstance, DllGetClassObject): releases what is
    // held, and takes what the call stored when the full expression ends.
    // The call must store a T* for the identifier of T it was asked for.
    class OutArgument {
    public:
        explicit OutArgument(ComPtr& owner) noexcept : owner_(owner) {}
        OutArgument(const OutArgument&) = delete;
        OutArgument& operator=(const OutArgument&) = delete;
        ~OutArgument() { owner_.p_ = static_cast<T*>(raw_); }
        operator void**() noexcept { return &raw_; }  // NOLINT(google-explicit-constructor)

    private:
        ComPtr& owner_;
        void* raw_ = nullptr;
    };
    OutArgument put() noexcept {
        reset();
        return OutArgument(*this);
    }

    // The object's interface `iid` as a U; empty when it has none.
    template <typename U>
    ComPtr<U> query(const KorbitGuid& iid) const noexcept {
        ComPtr<U> out;
        if (p_ != nullptr) {
            (void)p_->QueryInterface(iid, out.put());
        }
        return out;
    }

    friend bool operator==(const ComPtr& a, const ComPtr& b) noexcept { return a.p_ == b.p_; }

private:
    T* p_ = nullptr;
};

}  // namespace korbit::hosting
