#pragma once
// Case folding of ASCII letters, the one way names, extensions and tags are compared
// without regard to case (locale-independent: a Turkish locale must not change "I").
namespace quorvex {

constexpr char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
constexpr char asciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace quorvex
