#include "hash/string_format.h"

#include <cstring>

#include "common/error_texts.h"

namespace quorvex {

bool TStringFormat::isValid(const std::uint8_t*, std::size_t) const { return true; }

std::string TStringFormat::encode(const std::uint8_t* bytes, std::size_t length) const {
    return std::string(reinterpret_cast<const char*>(bytes), length);
}

const TStringFormat* findStringFormat(int encoderId) {
    static const TStringFormat copy;
    return encoderId == StringFormatCopy ? &copy : nullptr;
}

std::string encodeWith(const TStringFormat& format, const std::uint8_t* bytes, std::size_t length) {
    if (!format.isValid(bytes, length)) {
        throw EStringFormatError(error_text::cannotConvertToFormat(format.name()));
    }
    return format.encode(bytes, length);
}

std::string EncodeBytes(const void* bytes, int length, int encoderId) {
    if (bytes == nullptr || encoderId == 0) return {};
    const auto input = static_cast<const std::uint8_t*>(bytes);
    const std::size_t size =
        length < 0 ? std::strlen(static_cast<const char*>(bytes)) : static_cast<std::size_t>(length);
    if (size == 0) return {};
    const TStringFormat* format = findStringFormat(encoderId);
    if (format == nullptr) {
        throw EStringFormatError(error_text::unknownStringFormat(encoderId));
    }
    return encodeWith(*format, input, size);
}

}  // namespace quorvex
