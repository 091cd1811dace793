#pragma once
// A statistical audit of dealt boards against the exact probabilities of random dealing:
// chi-square goodness-of-fit tests of hand shapes, suit lengths, high-card points and of
// which seat receives each card.
//
// The chi-square test needs independent observations, and the four hands of one board are
// not independent (they share one deck). So the shape, suit-length and point tests take
// one hand from each board, the seats taking turns (North on the first board, East on the
// second, ...), and the suit-length test one suit of it, the suits taking turns every four
// boards. The card-to-seat table uses every card: each board is a random 52 x 4 table with
// row totals 1 and column totals 13, and for a sum of such tables Pearson's statistic
// times 51/52 follows the chi-squared distribution with (52-1) x (4-1) = 153 degrees of freedom.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "analysis/chi_square.h"
#include "engine/cards.h"
#include "engine/deal_numbering.h"

namespace quorvex {

struct AuditTest {
    std::string name;          // "Hand shapes"
    std::string observations;  // what was counted, "1,000 hands (one per board)"
    ChiSquareResult result;
    bool passed = true;  // also when the test is not applicable
};

// How often each card (1..52, at index card - 1) went to each seat.
using CardSeatTable = std::array<std::array<std::uint64_t, HandCount>, CardsPerDeal>;

class DealAudit {
public:
    // Adds the next board; the order of the boards decides which hand each one lends.
    void add(const ByHandDeal& deal);

    std::uint64_t boards() const { return boards_; }

    // The four tests, each passed when its p-value is at least `alpha`.
    std::vector<AuditTest> tests(double alpha) const;

private:
    std::uint64_t boards_ = 0;
    std::array<std::uint64_t, 39> shapes_{};
    std::array<std::uint64_t, 14> suitLengths_{};
    std::array<std::uint64_t, 38> points_{};
    CardSeatTable seatOfCard_{};
};

// The audit's text: a line per test with its statistic, degrees of freedom, p-value and
// verdict, then a plain-language summary a director can show the players.
std::vector<std::string> auditReport(const DealAudit& audit, double alpha);

// True when every test that had enough boards passed and at least one had: an audit of too
// few boards for any test has shown nothing and does not pass.
bool auditPassed(const DealAudit& audit, double alpha);

}  // namespace quorvex
