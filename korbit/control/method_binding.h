// The adapter between the control's interface and its families: one
// template turns any family method into a late-bound handler. It reads each
// argument, already converted to its declared type by invoke(), as the C++
// parameter the method takes (a by-reference parameter works on the
// argument itself, so the caller sees what the method left in it), and turns
// what the method returns into what the interface promises:
//
//   a value             the result, a VBool as a Boolean when the declared
//                       result is Boolean
//   nothing             Empty
//   engine::Status      Empty; a failure, which the method's result cannot
//                       carry, goes to the host (Host::reportFailure)
//   engine::Result<T>   the value; a failure ends the call with a failing
//                       status (automationErrorOf)
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>
#include <utility>
#include <vector>

#include "korbit/control/frame/failure_status.h"
#include "korbit/control/korbit_control.h"
#include "korbit/engine/status.h"
#include "korbit/platform/text_encoding.h"

namespace korbit::control::binding {

// An argument as the parameter type T.
template <typename T>
struct Argument;

template <typename T>
struct Argument<const T&> {
    static const T& from(Value& v) { return Argument<T&>::from(v); }
};

template <typename T>
struct Argument<T&> {
    static T& from(Value& v) { return v.get<T>(); }
};
template <>
struct Argument<Value&> {
    static Value& from(Value& v) { return v; }
};

template <typename T>
struct Argument {
    static T from(Value& v) { return v.get<T>(); }
};
// 16-bit parameters are Integers or Booleans (VBool); the converted argument
// says which.
template <>
struct Argument<std::int16_t> {
    static std::int16_t from(Value& v) { return v.holds<Boolean>() ? v.get<Boolean>().value : v.get<std::int16_t>(); }
};

// The name of the member `self` is being called through: the one whose
// handler is `handler`.
inline Text memberName(DispatchObject& self, MethodHandler handler) {
    for (const MethodInfo& m : self.interfaceInfo().methods()) {
        if (m.handler == handler) {
            return platform::fromUtf8(m.name);
        }
    }
    return u"KorbitControl";
}

template <ResultType Declared, typename T>
Value resultOf(DispatchObject&, MethodHandler, T&& value) {
    if constexpr (Declared == ResultType::kBool && std::is_same_v<std::decay_t<T>, VBool>) {
        return Boolean{value};
    } else {
        return Value(std::forward<T>(value));
    }
}

template <ResultType Declared, typename T>
Value resultOf(DispatchObject& self, MethodHandler handler, engine::Result<T>&& value) {
    if (!value) {
        throw automationErrorOf(value.status());
    }
    return resultOf<Declared>(self, handler, std::move(value).value());
}

template <ResultType Declared>
Value resultOf(DispatchObject& self, MethodHandler handler, engine::Status&& status) {
    if (!status) {
        controlOf(self).host().reportFailure(memberName(self, handler), platform::fromUtf8(status.message()));
    }
    return Empty{};
}

template <typename Method>
struct Signature;

template <typename C, typename R, typename... Ps>
struct Signature<R (C::*)(Ps...)> {
    using Family = C;
    static constexpr std::size_t kArity = sizeof...(Ps);
    // Which parameters the method may write: the non-const references.
    static constexpr std::array<bool, sizeof...(Ps)> kWrites = {
        (std::is_lvalue_reference_v<Ps> && !std::is_const_v<std::remove_reference_t<Ps>>)...};
    template <auto M, std::size_t... I>
    static decltype(auto) call(C& family, [[maybe_unused]] std::span<Value> args, std::index_sequence<I...>) {
        return (family.*M)(Argument<Ps>::from(args[I])...);
    }
};
template <typename C, typename R, typename... Ps>
struct Signature<R (C::*)(Ps...) const> : Signature<R (C::*)(Ps...)> {
    template <auto M, std::size_t... I>
    static decltype(auto) call(const C& family, [[maybe_unused]] std::span<Value> args,
                               std::index_sequence<I...>) {
        return (family.*M)(Argument<Ps>::from(args[I])...);
    }
};
template <typename C, typename R, typename... Ps>
struct Signature<R (C::*)(Ps...) noexcept> : Signature<R (C::*)(Ps...)> {};
template <typename C, typename R, typename... Ps>
struct Signature<R (C::*)(Ps...) const noexcept> : Signature<R (C::*)(Ps...) const> {};

// Which of its arguments `method` may write, in order.
template <typename Method>
std::vector<bool> writtenArgumentsOf(Method) {
    const auto& writes = Signature<Method>::kWrites;
    return std::vector<bool>(writes.begin(), writes.end());
}

// The late-bound handler of family method M, declared to give `Declared`.
template <ResultType Declared, auto M>
Value handle(DispatchObject& self, std::span<Value> args) {
    using S = Signature<decltype(M)>;
    typename S::Family& family = controlOf(self);
    constexpr auto kIndexes = std::make_index_sequence<S::kArity>{};
    if constexpr (std::is_void_v<decltype(S::template call<M>(family, args, kIndexes))>) {
        S::template call<M>(family, args, kIndexes);
        return Empty{};
    } else {
        return resultOf<Declared>(self, &handle<Declared, M>, S::template call<M>(family, args, kIndexes));
    }
}

}  // namespace korbit::control::binding
