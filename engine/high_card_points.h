#pragma once
// High-card points, the count every bridge player uses: ace 4, king 3, queen 2, jack 1.
// The four hands of a deal always hold 40.
namespace quorvex {

constexpr unsigned highCardPoints(char rankLetter) {
    switch (rankLetter) {
        case 'A':
            return 4;
        case 'K':
            return 3;
        case 'Q':
            return 2;
        case 'J':
            return 1;
        default:
            return 0;
    }
}

}  // namespace quorvex
