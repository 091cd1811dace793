#include "hash/protection.h"

#include "common/error_texts.h"

namespace quorvex {

TProtection::TProtection(TProtection* protection) { setProtection(protection); }

void TProtection::setProtection(TProtection* protection) {
    for (const TProtection* link = protection; link != nullptr; link = link->protection_) {
        if (link == this) {
            throw EProtectionError(error_text::CircularProtection);
        }
    }
    protection_ = protection;
}

}  // namespace quorvex
