#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quorvex {

// Raised for an unknown encoder id or input that an encoder refuses.
class EStringFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Encoder id of the raw copy, the only encoder this program has.
inline constexpr int StringFormatCopy = 1;

// An encoder that turns bytes into a string. The base class itself is the raw
// copy ("copy Input to Output"): the string holds exactly the input bytes.
class TStringFormat {
public:
    virtual ~TStringFormat() = default;

    virtual std::string_view name() const { return "Copy"; }
    // Whether this encoder accepts the input; the raw copy accepts every input.
    virtual bool isValid(const std::uint8_t* bytes, std::size_t length) const;
    virtual std::string encode(const std::uint8_t* bytes, std::size_t length) const;
};

// The encoder with that id, or nullptr when there is none.
const TStringFormat* findStringFormat(int encoderId);

// Encodes with `format`; throws EStringFormatError when it refuses the input.
std::string encodeWith(const TStringFormat& format, const std::uint8_t* bytes, std::size_t length);

// Encodes `length` bytes with encoder `encoderId`. Empty for no bytes, id 0 or
// length 0; a negative length means the bytes run up to the first zero byte.
// Throws EStringFormatError for an unknown id.
std::string EncodeBytes(const void* bytes, int length, int encoderId);

}  // namespace quorvex
