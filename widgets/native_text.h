#pragma once
// The core library speaks 8-bit strings in the system's code page (what its file calls
// expect); the windows speak QString. These two calls are the only crossing point.
#include <QString>
#include <string>
#include <string_view>

namespace quorvex {

std::string toNative8Bit(const QString& text);
QString fromNative8Bit(std::string_view text);

}  // namespace quorvex
