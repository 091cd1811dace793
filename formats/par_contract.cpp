#include "formats/par_contract.h"

#include <array>

namespace quorvex {

namespace {

// The library's denomination letters, in the order of Denomination.
constexpr std::string_view DenominationLetters = "NSHDC";

constexpr std::array<std::string_view, 6> Declarers = {"NS", "EW", "N", "E", "S", "W"};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<ParContract> readParContract(std::string_view text) {
    ParContract contract;
    if (text.size() < 4 || text[0] < '1' || text[0] > '7') return std::nullopt;
    contract.level = static_cast<unsigned>(text[0] - '0');
    const std::size_t denomination = DenominationLetters.find(text[1]);
    if (denomination == std::string_view::npos) return std::nullopt;
    contract.denomination = static_cast<Denomination>(denomination);
    std::size_t at = 2;
    contract.doubled = text[at] == '*';
    if (contract.doubled) ++at;
    if (at >= text.size() || text[at] != '-') return std::nullopt;
    ++at;
    for (const std::string_view seat : Declarers) {
        if (text.substr(at, seat.size()) != seat) continue;
        contract.declarer = text.substr(at, seat.size());
        at += seat.size();
        break;
    }
    if (contract.declarer.empty()) return std::nullopt;
    if (at == text.size()) return contract;
    // Overtricks reach at most the seven level; a sacrifice goes at most thirteen down.
    const std::string_view tail = text.substr(at);
    const bool over = tail[0] == '+';
    if ((!over && tail[0] != '-') || tail.size() < 2 || tail.size() > 3) return std::nullopt;
    int count = 0;
    for (const char c : tail.substr(1)) {
        if (!isDigit(c)) return std::nullopt;
        count = 10 * count + (c - '0');
    }
    if (count == 0 || count > 13 || (over && contract.level + static_cast<unsigned>(count) > 7))
        return std::nullopt;
    contract.result = over ? count : -count;
    return contract;
}

}  // namespace quorvex
