#include "formats/html_document.h"

#include "common/date_text.h"

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

void HtmlSetDocument::finishFile(FileWriter& out, const MainDealHeader&) {
    out.writeLine("</body>");
    out.writeLine("</html>");
}

}  // namespace quorvex
