#include "hash/hash_family.h"

#include "hash/md4_family.h"
#include "hash/ripemd160.h"

namespace quorvex {
namespace {

// Classes registered by the family whose algorithms this program never uses.
const HashClassInfo kMD5{"THash_MD5"};
const HashClassInfo kSHA{"THash_SHA"};
const HashClassInfo kSHA1{"THash_SHA1"};
const HashClassInfo kRipeMD128{"THash_RipeMD128"};
const HashClassInfo kRipeMD256{"THash_RipeMD256"};
const HashClassInfo kRipeMD320{"THash_RipeMD320"};
const HashClassInfo kHaval128{"THash_Haval128"};
const HashClassInfo kHaval160{"THash_Haval160"};
const HashClassInfo kHaval192{"THash_Haval192"};
const HashClassInfo kHaval224{"THash_Haval224"};
const HashClassInfo kHaval256{"THash_Haval256"};
const HashClassInfo kSapphire128{"THash_Sapphire128"};
const HashClassInfo kSapphire160{"THash_Sapphire160"};
const HashClassInfo kSapphire192{"THash_Sapphire192"};
const HashClassInfo kSapphire224{"THash_Sapphire224"};
const HashClassInfo kSapphire256{"THash_Sapphire256"};
const HashClassInfo kSapphire288{"THash_Sapphire288"};
const HashClassInfo kSapphire320{"THash_Sapphire320"};
const HashClassInfo kSnefru{"THash_Snefru"};
const HashClassInfo kSquare{"THash_Square"};
const HashClassInfo kTiger{"THash_Tiger"};
const HashClassInfo kXOR16{"THash_XOR16"};
const HashClassInfo kXOR32{"THash_XOR32"};
const HashClassInfo kCRC16CCITT{"THash_CRC16_CCITT"};
const HashClassInfo kCRC16Standard{"Thash_CRC16_Standard"};  // lower-case "hash" as registered
const HashClassInfo kCRC32{"THash_CRC32"};

const HashFamilyMember kMembers[] = {
    {&THash_MD4::ClassInfo, "Message Digest 4", "Hash"},
    {&kMD5, "Message Digest 5", "Hash"},
    {&kSHA, "Secure Hash Algorithm", "Hash"},
    {&kSHA1, "Secure Hash Algorithm 1", "Hash"},
    {&kRipeMD128, "Ripe Message Digest 128", "Hash"},
    {&THash_RipeMD160::ClassInfo, "Ripe Message Digest 160", "Hash"},
    {&kRipeMD256, "Ripe Message Digest 256", "Hash"},
    {&kRipeMD320, "Ripe Message Digest 320", "Hash"},
    {&kHaval128, "Haval-128", "Hash"},
    {&kHaval160, "Haval-160", "Hash"},
    {&kHaval192, "Haval-192", "Hash"},
    {&kHaval224, "Haval-224", "Hash"},
    {&kHaval256, "Haval-256", "Hash"},
    {&kSapphire128, "Sapphire II-128", "Hash"},
    {&kSapphire160, "Sapphire II-160", "Hash"},
    {&kSapphire192, "Sapphire II-192", "Hash"},
    {&kSapphire224, "Sapphire II-224", "Hash"},
    {&kSapphire256, "Sapphire II-256", "Hash"},
    {&kSapphire288, "Sapphire II-288", "Hash"},
    {&kSapphire320, "Sapphire II-320", "Hash"},
    {&kSnefru, "Snefru-256", "Hash"},
    {&kSquare, "Square", "Hash"},
    {&kTiger, "Tiger", "Hash"},
    {&kXOR16, "XOR-16", "Checksum"},
    {&kXOR32, "XOR-32", "Checksum"},
    {&kCRC16CCITT, "CRC-16 CCITT", "Checksum"},
    {&kCRC16Standard, "CRC-16 Standard", "Checksum"},
    {&kCRC32, "CRC-32", "Checksum"},
};

}  // namespace

std::span<const HashFamilyMember> HashFamilyMembers() { return kMembers; }

}  // namespace quorvex
