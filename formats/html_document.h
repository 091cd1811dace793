#pragma once
// The frame of the printable documents (hand records, duplication sheets, curtain cards):
// one self-contained HTML page per set that any browser shows and prints, titled with the
// identity text, the set number and the run date, with page numbers at the foot of every
// printed page. Nothing secret goes in: no entropy text, no digest.
#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "engine/cards.h"
#include "formats/conversion_settings.h"
#include "formats/set_file_writer.h"

namespace quorvex {

// Suit symbols as character references, so the documents are plain ASCII; hearts and
// diamonds are red (classes "s" and "red" of each document's style).
inline constexpr std::array<std::string_view, SuitCount> HtmlSuitSymbols = {
    "<span class=\"s\">&spades;</span>", "<span class=\"s red\">&hearts;</span>",
    "<span class=\"s red\">&diams;</span>", "<span class=\"s\">&clubs;</span>"};

// Characters with a meaning in HTML written as references.
std::string htmlEscaped(std::string_view text);

// A rank letter as people read it: the ten is "10".
std::string rankText(char letter);

// Ranks from the ace down, separated by blanks, the ten written "10"; a void is `voidText`.
std::string holdingHtml(std::string_view letters, std::string_view voidText);

// "Dealer North &middot; Vul None": the board's dealer and vulnerability on one line.
std::string dealerAndVulnerability(unsigned boardNumber);

// The style of boards printed as boxes two abreast in `fontSize` type, under a title. A
// box never splits: one that does not fit on the rest of a page moves whole to the next.
// Each row of boxes is a line of text to the browser, so orphans and widows of 1 let a
// page fill up with rows instead of carrying two over.
std::string twoAbreastStyle(std::string_view fontSize);

// A set document's head, title and foot; the document writes its boards in between.
class HtmlSetDocument : public SetFileFormat {
public:
    // `kind` names the document before the identity in its title ("" for none); the
    // printed pages get `pageMargins` (CSS) and `style` follows the page rule.
    HtmlSetDocument(const ConversionSettings& settings, std::string_view extension, std::string_view kind,
                    std::string_view pageMargins, std::string style)
        : settings_(settings),
          extension_(extension),
          kind_(kind),
          pageMargins_(pageMargins),
          style_(std::move(style)) {}

    std::string_view extension() const override { return extension_; }
    void startFile(FileWriter& out, const MainDealHeader& header, unsigned setNumber) override;
    void finishFile(FileWriter& out, const MainDealHeader& header) override;

private:
    const ConversionSettings& settings_;
    std::string_view extension_, kind_, pageMargins_;
    std::string style_;
};

// The HTML block of one board.
using BoardHtml = std::string (*)(unsigned boardNumber, const ValidBoardLine& board);

// One document per set of blocks made by `boardHtml`, framed as HtmlSetDocument frames it.
void writeHtmlSetFiles(const ConversionSettings& settings, std::string_view extension, std::string_view kind,
                       std::string_view pageMargins, std::string style, BoardHtml boardHtml,
                       StagedFiles& files);

}  // namespace quorvex
