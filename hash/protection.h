#pragma once

#include <stdexcept>
#include <string>

namespace quorvex {

// Raised when a protection chain would loop back to one of its own members.
class EProtectionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Base of every hash object. A protection object may route its data through a
// further protection object; the chain is a plain non-owning reference, so the
// caller keeps every member of a chain alive for as long as the chain is used.
// Nothing in the dealing program ever chains, but a loop would make any routing
// run forever, so it is refused when the link is made.
class TProtection {
public:
    explicit TProtection(TProtection* protection = nullptr);
    virtual ~TProtection() = default;

    TProtection(const TProtection&) = delete;
    TProtection& operator=(const TProtection&) = delete;

    TProtection* protection() const { return protection_; }

    // Links this object to `protection` (nullptr unlinks). Throws EProtectionError
    // when `protection` is this object or already leads back to it.
    void setProtection(TProtection* protection);

private:
    TProtection* protection_ = nullptr;
};

}  // namespace quorvex
