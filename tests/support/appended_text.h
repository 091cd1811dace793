#pragma once
// What a writer appends to a buffer that already holds text, which it must keep: the
// writers append board after board into one buffer.
#include <gtest/gtest.h>

#include <string>

namespace quorvex::testing {

template <class Append>
std::string appendedText(Append append) {
    std::string buffer = "kept";
    append(buffer);
    EXPECT_EQ(buffer.substr(0, 4), "kept") << "appended, not replaced";
    return buffer.substr(4);
}

}  // namespace quorvex::testing
