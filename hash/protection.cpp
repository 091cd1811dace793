#include "hash/protection.h"

namespace quorvex {

TProtection::TProtection(TProtection* protection) { SetProtection(protection); }

void TProtection::SetProtection(TProtection* protection) {
    for (const TProtection* link = protection; link != nullptr; link = link->protection_) {
        if (link == this) {
            throw EProtectionError("Circular Protection detected, Protection Object is invalid.");
        }
    }
    protection_ = protection;
}

}  // namespace quorvex
