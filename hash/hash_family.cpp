#include "hash/hash_family.h"

#include "hash/md4_family.h"
#include "hash/ripemd160.h"

namespace quorvex {
namespace {

// Classes registered by the family whose algorithms this program never uses.
const HashClassInfo MD5Class{"THash_MD5"};
const HashClassInfo SHAClass{"THash_SHA"};
const HashClassInfo SHA1Class{"THash_SHA1"};
const HashClassInfo RipeMD128Class{"THash_RipeMD128"};
const HashClassInfo RipeMD256Class{"THash_RipeMD256"};
const HashClassInfo RipeMD320Class{"THash_RipeMD320"};
const HashClassInfo Haval128Class{"THash_Haval128"};
const HashClassInfo Haval160Class{"THash_Haval160"};
const HashClassInfo Haval192Class{"THash_Haval192"};
const HashClassInfo Haval224Class{"THash_Haval224"};
const HashClassInfo Haval256Class{"THash_Haval256"};
const HashClassInfo Sapphire128Class{"THash_Sapphire128"};
const HashClassInfo Sapphire160Class{"THash_Sapphire160"};
const HashClassInfo Sapphire192Class{"THash_Sapphire192"};
const HashClassInfo Sapphire224Class{"THash_Sapphire224"};
const HashClassInfo Sapphire256Class{"THash_Sapphire256"};
const HashClassInfo Sapphire288Class{"THash_Sapphire288"};
const HashClassInfo Sapphire320Class{"THash_Sapphire320"};
const HashClassInfo SnefruClass{"THash_Snefru"};
const HashClassInfo SquareClass{"THash_Square"};
const HashClassInfo TigerClass{"THash_Tiger"};
const HashClassInfo XOR16Class{"THash_XOR16"};
const HashClassInfo XOR32Class{"THash_XOR32"};
const HashClassInfo CRC16CCITTClass{"THash_CRC16_CCITT"};
const HashClassInfo CRC16StandardClass{"Thash_CRC16_Standard"};  // lower-case "hash" as registered
const HashClassInfo CRC32Class{"THash_CRC32"};

const HashFamilyMember Members[] = {
    {&THash_MD4::ClassInfo, "Message Digest 4", "Hash"},
    {&MD5Class, "Message Digest 5", "Hash"},
    {&SHAClass, "Secure Hash Algorithm", "Hash"},
    {&SHA1Class, "Secure Hash Algorithm 1", "Hash"},
    {&RipeMD128Class, "Ripe Message Digest 128", "Hash"},
    {&THash_RipeMD160::ClassInfo, "Ripe Message Digest 160", "Hash"},
    {&RipeMD256Class, "Ripe Message Digest 256", "Hash"},
    {&RipeMD320Class, "Ripe Message Digest 320", "Hash"},
    {&Haval128Class, "Haval-128", "Hash"},
    {&Haval160Class, "Haval-160", "Hash"},
    {&Haval192Class, "Haval-192", "Hash"},
    {&Haval224Class, "Haval-224", "Hash"},
    {&Haval256Class, "Haval-256", "Hash"},
    {&Sapphire128Class, "Sapphire II-128", "Hash"},
    {&Sapphire160Class, "Sapphire II-160", "Hash"},
    {&Sapphire192Class, "Sapphire II-192", "Hash"},
    {&Sapphire224Class, "Sapphire II-224", "Hash"},
    {&Sapphire256Class, "Sapphire II-256", "Hash"},
    {&Sapphire288Class, "Sapphire II-288", "Hash"},
    {&Sapphire320Class, "Sapphire II-320", "Hash"},
    {&SnefruClass, "Snefru-256", "Hash"},
    {&SquareClass, "Square", "Hash"},
    {&TigerClass, "Tiger", "Hash"},
    {&XOR16Class, "XOR-16", "Checksum"},
    {&XOR32Class, "XOR-32", "Checksum"},
    {&CRC16CCITTClass, "CRC-16 CCITT", "Checksum"},
    {&CRC16StandardClass, "CRC-16 Standard", "Checksum"},
    {&CRC32Class, "CRC-32", "Checksum"},
};

}  // namespace

std::span<const HashFamilyMember> hashFamilyMembers() { return Members; }

}  // namespace quorvex
