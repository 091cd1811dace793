#pragma once
// The Duplimate .dlm file: a key=value text that always describes boards 1 to 99, each deal
// packed into 26 letters with a checksum; numbers after the set's last board hold a
// fixed placeholder deal.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/staged_files.h"
#include "engine/cards.h"
#include "engine/valid_board_line.h"
#include "formats/conversion_settings.h"
#include "formats/set_file_writer.h"

namespace quorvex {

inline constexpr std::string_view DlmExtension = ".dlm";

inline constexpr unsigned DlmBoardCount = 99;
inline constexpr std::size_t DlmLetterCount = CardsPerDeal / 2;  // one letter per pair of cards

// Letters of the deal in which North holds every spade, East every heart, South every
// diamond and West every club; it fills the board numbers the set does not use.
inline constexpr std::string_view FillerBoard = "aaaaaabffffffkkkkkklpppppp";

// Hand (0 North .. 3 West) of each card number 1..52, at index card - 1.
std::array<std::uint8_t, CardsPerDeal> CardOwners(const ValidBoardLine& board);

// Cards taken in pairs (1,2), (3,4) .. (51,52): each pair becomes the letter
// 'a' + 4 x owner of the first + owner of the second.
std::array<char, DlmLetterCount> DlmBoardLetters(const std::array<std::uint8_t, CardsPerDeal>& owners);

// The three-digit checksum of a board: its number XOR every letter code.
std::array<char, 3> dlmChecksum(unsigned boardNumber, std::string_view letters);

// Writes "Board BB=" + letters + checksum from `at`, for board numbers 1..99, and returns
// where it ends: DlmBoardLineLength bytes for a board's letters.
inline constexpr std::size_t DlmBoardLineLength = 9 + DlmLetterCount + 3;
char* writeDlmBoardLine(unsigned boardNumber, std::string_view letters, char* at);

// The format for the shared reading of the main deal file (see writeSetFiles).
std::unique_ptr<SetFileFormat> dlmSetFileFormat(const ConversionSettings& settings);

// One file per set; a set of more than 99 boards keeps its first 99.
void WriteDlmFiles(const ConversionSettings& settings, StagedFiles& files);

}  // namespace quorvex
