#include "formats/html_document.h"

#include "common/date_text.h"
#include "engine/board_rotation.h"

namespace quorvex {

std::string htmlEscaped(std::string_view text) {
    std::string html;
    for (const char c : text) {
        switch (c) {
            case '&':
                html += "&amp;";
                break;
            case '<':
                html += "&lt;";
                break;
            case '>':
                html += "&gt;";
                break;
            case '"':
                html += "&quot;";
                break;
            default:
                html += c;
        }
    }
    return html;
}

std::string rankText(char letter) { return letter == 'T' ? std::string("10") : std::string(1, letter); }

std::string holdingHtml(std::string_view letters, std::string_view voidText) {
    if (letters.empty()) return std::string(voidText);
    std::string text;
    for (const char letter : letters) {
        if (!text.empty()) text += ' ';
        text += rankText(letter);
    }
    return text;
}

std::string dealerAndVulnerability(unsigned boardNumber) {
    return "Dealer " + std::string(HandNames[dealerOfBoard(boardNumber)]) + " &middot; Vul " +
           std::string(VulnerabilityNames[vulnerabilityOfBoard(boardNumber)]);
}

std::string twoAbreastStyle(std::string_view fontSize) {
    return R"(body { font-family: "DejaVu Sans", Arial, Helvetica, sans-serif; font-size: )" +
           std::string(fontSize) + R"(; margin: 0; color: #000;
  orphans: 1; widows: 1; }
h1 { font-size: 13pt; margin: 0 0 3mm; }
.board { display: inline-block; vertical-align: top; width: 49%; box-sizing: border-box; margin: 0 0 2.5mm;
  padding: 1.5mm 2mm; border: 0.3mm solid #888; border-radius: 1.5mm;
  break-inside: avoid; page-break-inside: avoid; }
)";
}

void HtmlSetDocument::startFile(FileWriter& out, const MainDealHeader&, unsigned setNumber) {
    const std::string title = std::string(kind_) + htmlEscaped(settings_.identityText) + " &ndash; Set " +
                              std::to_string(setNumber) + " &ndash; " + dateText(settings_.runDate, '-');
    out.writeLine("<!DOCTYPE html>");
    out.writeLine("<html lang=\"en\">");
    out.writeLine("<head>");
    out.writeLine("<meta charset=\"utf-8\">");
    out.writeLine("<title>" + title + "</title>");
    out.writeLine("<style>");
    // The style sheet's lines end in LF alone, as the style texts do.
    out.write("@page { margin: " + std::string(pageMargins_) +
              ";\n  @bottom-center { content: \"Page \" counter(page) \" of \" counter(pages); "
              "font: 8pt sans-serif; } }\n");
    out.write(style_);
    out.writeLine("</style>");
    out.writeLine("</head>");
    out.writeLine("<body>");
    out.writeLine("<h1>" + title + "</h1>");
}

namespace {

class BoardBlocksDocument final : public HtmlSetDocument {
public:
    BoardBlocksDocument(const ConversionSettings& settings, std::string_view extension, std::string_view kind,
                        std::string_view pageMargins, std::string style, BoardHtml boardHtml)
        : HtmlSetDocument(settings, extension, kind, pageMargins, std::move(style)), boardHtml_(boardHtml) {}

    void writeBoard(FileWriter& out, const MainDealHeader&, unsigned boardNumber,
                    const ValidBoardLine& board) override {
        out.writeLine(boardHtml_(boardNumber, board));
    }

private:
    BoardHtml boardHtml_;
};

}  // namespace

void writeHtmlSetFiles(const ConversionSettings& settings, std::string_view extension, std::string_view kind,
                       std::string_view pageMargins, std::string style, BoardHtml boardHtml,
                       StagedFiles& files) {
    BoardBlocksDocument document(settings, extension, kind, pageMargins, std::move(style), boardHtml);
    writeSetFiles(settings, document, files);
}

void HtmlSetDocument::finishFile(FileWriter& out, const MainDealHeader&) {
    out.writeLine("</body>");
    out.writeLine("</html>");
}

}  // namespace quorvex
