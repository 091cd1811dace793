// The rule for identities and base file names: whatever it accepts is a plain file name.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/name_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const quorvex::NameUse use : {quorvex::NameUse::Identity, quorvex::NameUse::BaseFileName})
        if (!quorvex::nameRuleBreach(text, use))
            for (char c : text)
                if (c == '/' || c == '\\' || c == '.' || c == ':' || c == '\0') __builtin_trap();
    return 0;
}
