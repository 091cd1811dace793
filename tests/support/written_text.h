#pragma once
#include <gtest/gtest.h>

#include <cstddef>
#include <string>

namespace quorvex::testing {

// The text a writer writes from the position it is given, `room` bytes at most: the bytes
// before that position and past the room must be left as they were.
template <class Write>
std::string writtenText(std::size_t room, Write write) {
    constexpr std::size_t Margin = 8;
    const std::string untouched(Margin, '\x7f');
    std::string buffer = untouched + std::string(room, '\x7f') + untouched;
    char* const start = buffer.data() + Margin;
    const char* const end = write(start);
    EXPECT_EQ(buffer.substr(0, Margin), untouched) << "written before its start";
    EXPECT_EQ(buffer.substr(Margin + room), untouched) << "written past its room";
    EXPECT_LE(static_cast<std::size_t>(end - start), room);
    return std::string(start, static_cast<std::size_t>(end - start));
}

}  // namespace quorvex::testing
