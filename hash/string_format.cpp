#include "hash/string_format.h"

#include "common/error_texts.h"

#include <cstring>

namespace quorvex {

bool TStringFormat::IsValid(const std::uint8_t*, std::size_t) const { return true; }

std::string TStringFormat::Encode(const std::uint8_t* bytes, std::size_t length) const {
    return std::string(reinterpret_cast<const char*>(bytes), length);
}

const TStringFormat* FindStringFormat(int encoderId) {
    static const TStringFormat copy;
    return encoderId == kStringFormatCopy ? &copy : nullptr;
}

std::string EncodeWith(const TStringFormat& format, const std::uint8_t* bytes, std::size_t length) {
    if (!format.IsValid(bytes, length)) {
        throw EStringFormatError(error_text::cannotConvertToFormat(format.Name()));
    }
    return format.Encode(bytes, length);
}

std::string EncodeBytes(const void* bytes, int length, int encoderId) {
    if (bytes == nullptr || encoderId == 0) return {};
    const auto input = static_cast<const std::uint8_t*>(bytes);
    const std::size_t size =
        length < 0 ? std::strlen(static_cast<const char*>(bytes)) : static_cast<std::size_t>(length);
    if (size == 0) return {};
    const TStringFormat* format = FindStringFormat(encoderId);
    if (format == nullptr) {
        throw EStringFormatError(error_text::unknownStringFormat(encoderId));
    }
    return EncodeWith(*format, input, size);
}

}  // namespace quorvex
