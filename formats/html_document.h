#pragma once
// The frame of the printable documents (hand records, duplication sheets, curtain cards):
// one self-contained HTML page per set that any browser shows and prints, titled with the
// identity text, the set number and the run date, with page numbers at the foot of every
// printed page. Nothing secret goes in: no entropy text, no digest.
#include <array>
#include <string>
#include <string_view>

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

// A set document's head, title and foot; the document writes its boards in between.
class HtmlSetDocument : public SetFileFormat {
public:
    // `kind` names the document before the identity in its title ("" for none); the
    // printed pages get `pageMargins` (CSS) and `style` follows the page rule.
    HtmlSetDocument(const ConversionSettings& settings, std::string_view extension, std::string_view kind,
                    std::string_view pageMargins, std::string_view style)
        : settings_(settings), extension_(extension), kind_(kind), pageMargins_(pageMargins), style_(style) {}

    std::string_view extension() const override { return extension_; }
    void startFile(FileWriter& out, const MainDealHeader& header, unsigned setNumber) override;
    void finishFile(FileWriter& out, const MainDealHeader& header) override;

private:
    const ConversionSettings& settings_;
    std::string_view extension_, kind_, pageMargins_, style_;
};

}  // namespace quorvex
