#pragma once

#include <optional>
#include <utility>
#include <variant>

// What an operation that can fail gives back: its value, or the error that
// stopped it. `if (result)` reads "it worked"; then `*result` (or `->`) is the
// value, and otherwise `result.error()` says why. Made as C++23's
// std::expected is, which not every compiler of Debian 12 offers.

// The error side of a Result: `return Failure{WriteProblem::TooLarge};`.
template <class E> struct Failure { E error; };
template <class E> Failure(E) -> Failure<E>;

template <class T, class E> class [[nodiscard]] Result {
public:
    Result(T value) : m_state(std::in_place_index<0>, std::move(value)) {}
    template <class F>
    Result(Failure<F> failure) : m_state(std::in_place_index<1>, std::move(failure.error)) {}

    bool has_value() const { return m_state.index() == 0; }
    explicit operator bool() const { return has_value(); }

    T &operator*() & { return std::get<0>(m_state); }
    const T &operator*() const & { return std::get<0>(m_state); }
    T &&operator*() && { return std::get<0>(std::move(m_state)); }
    T *operator->() { return &std::get<0>(m_state); }
    const T *operator->() const { return &std::get<0>(m_state); }

    const E &error() const { return std::get<1>(m_state); }

    bool operator==(const Result &) const = default;

private:
    std::variant<T, E> m_state;
};

// An operation that gives nothing back when it works.
template <class E> class [[nodiscard]] Result<void, E> {
public:
    Result() = default;
    template <class F> Result(Failure<F> failure) : m_error(std::move(failure.error)) {}

    bool has_value() const { return !m_error; }
    explicit operator bool() const { return has_value(); }

    const E &error() const { return *m_error; }

    bool operator==(const Result &) const = default;

private:
    std::optional<E> m_error;
};
