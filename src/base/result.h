// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// What a step that can fail gives back: its value, or the reason it failed, written for the user
// so that it can follow "could not be saved: " or "could not be opened: ". `Status` is the same
// for a step that has no value. Every core function that can fail answers with one of these.
//
//     Result<std::string> read = read_file(path);
//     if (!read) { tell(path + " could not be opened: " + read.reason()); return; }
//     use(*read);

#include <stdexcept>
#include <string>
#include <utility>
#include <variant>

namespace milora {

// The failed side of a result: `return Failure{"it does not exist"};`.
struct Failure {
    std::string reason;
};

template <typename T> class [[nodiscard]] Result {
public:
    Result(T value) : v_(std::in_place_index<0>, std::move(value)) {} // NOLINT: a value succeeds
    Result(Failure failure) : v_(std::in_place_index<1>, std::move(failure.reason)) {} // NOLINT

    bool ok() const { return v_.index() == 0; }
    explicit operator bool() const { return ok(); }

    // The value; asking a failed result for it is a programming error (std::logic_error).
    const T& value() const& {
        check();
        return std::get<0>(v_);
    }
    T& value() & {
        check();
        return std::get<0>(v_);
    }
    T&& value() && {
        check();
        return std::move(std::get<0>(v_));
    }
    const T& operator*() const& { return value(); }
    T& operator*() & { return value(); }
    const T* operator->() const { return &value(); }
    T* operator->() { return &value(); }

    // Why it failed; empty on success.
    const std::string& reason() const { return ok() ? empty() : std::get<1>(v_); }

private:
    void check() const {
        if (!ok()) {
            throw std::logic_error("the value of a failed result was asked for: " +
                                   std::get<1>(v_));
        }
    }
    static const std::string& empty() {
        static const std::string nothing;
        return nothing;
    }

    std::variant<T, std::string> v_;
};

// A step that gives no value: success, or the reason it failed.
class [[nodiscard]] Status {
public:
    Status() = default;                                                            // success
    Status(Failure failure) : reason_(std::move(failure.reason)), failed_(true) {} // NOLINT

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const std::string& reason() const { return reason_; }

private:
    std::string reason_;
    bool failed_ = false;
};

// The result of a step with a value, without its value.
template <typename T> Status status_of(const Result<T>& r) {
    return r ? Status{} : Status{Failure{r.reason()}};
}

} // namespace milora
