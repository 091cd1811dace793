#include "hash/hash_class.h"

#include <stdexcept>
#include <string>

namespace quorvex {

std::unique_ptr<THash> HashClassInfo::Create(TProtection* protection) const {
    if (create == nullptr) {
        throw std::logic_error("Hash algorithm " + std::string(name) + " is not available in this program");
    }
    return create(protection);
}

}  // namespace quorvex
