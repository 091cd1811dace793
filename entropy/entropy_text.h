#pragma once
// The entropy text: signed decimal numbers written one after another with no separator,
// so the text holds only digits and minus signs. A completed collection holds 39 numbers:
// the activation time, the start time, three numbers per hit for twelve hits, and the
// time spent handling the last hit.
#include <cstdint>
#include <string>

namespace quorvex {

inline constexpr int EntropyHitsNeeded = 12;
inline constexpr int EntropyNumbersInText = 1 + 1 + 3 * EntropyHitsNeeded + 1;

class EntropyTextBuilder {
public:
    // Starts a fresh text with the ticks from program start to the collection's start.
    void begin(std::int64_t ticksSinceCreation);
    // Ticks from program start to the Start click, kept to their low 32 bits.
    void addStart(std::int64_t ticksSinceCreation);
    // One hit: ticks since the previous hit (low 32 bits), then the vertical and the
    // horizontal distance the mouse travelled to the target.
    void addHit(std::int64_t hitInterval, std::int32_t verticalDistance, std::int32_t horizontalDistance);
    // Ticks spent handling the last hit, in full.
    void finish(std::int64_t handlingTicks);

    const std::string& text() const { return text_; }

private:
    void appendLow32(std::int64_t value);

    std::string text_;
};

}  // namespace quorvex
