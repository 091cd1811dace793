#pragma once
// Documents as a director prints them: an HTML document rendered by a real browser
// (headless Chromium) to PDF and read back with pdftotext, as text page by page or as
// words with their positions.
#include <cstdlib>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "temp_folder.h"

namespace quorvex::testing {

inline bool onPath(const std::string& program) {
    return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

// Why documents cannot be printed here, or empty when they can.
inline std::string missingPrintTools() {
    if (!onPath("chromium")) return "chromium (Debian package chromium) is needed to render the document";
    if (!onPath("pdftotext")) return "pdftotext (Debian package poppler-utils) is needed to read the PDF";
    return {};
}

// Prints `document` to `pdf` on the browser's default paper (Letter) with a fresh profile in
// `profile`; false when the browser fails.
inline bool printToPdf(const std::string& document, const std::string& pdf, const std::string& profile) {
    const std::string render =
        "timeout 120 chromium --headless --no-sandbox --disable-gpu --no-first-run "
        "--disable-background-networking --disable-component-update --disable-sync --no-pdf-header-footer "
        "--user-data-dir='" +
        profile + "' --print-to-pdf='" + pdf + "' 'file://" + document + "' >/dev/null 2>&1";
    return std::system(render.c_str()) == 0;
}

// A copy of `document` beside it that asks for A4 paper, as a printer set to A4 prints it.
inline std::string onA4(const std::string& document) {
    std::string html = readFile(document);
    html.insert(html.find("</head>"), "<style>@page { size: A4; }</style>");
    const std::string copy = document + ".a4.html";
    writeFile(copy, html);
    return copy;
}

inline std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

// The text of every page of `pdf` in reading order (pdftotext -raw); empty when it fails.
inline std::vector<std::string> pdfPages(const std::string& pdf) {
    const std::string text = pdf + ".txt";
    if (std::system(("pdftotext -raw '" + pdf + "' '" + text + "'").c_str()) != 0) return {};
    const std::string printed = readFile(text);
    std::vector<std::string> pages;
    for (std::size_t start = 0, end; start < printed.size(); start = end + 1) {
        end = printed.find('\f', start);
        if (end == std::string::npos) end = printed.size();
        pages.push_back(printed.substr(start, end - start));
    }
    return pages;
}

// Text of pdftotext's XHTML with the five XML entities written as their characters.
inline std::string unescapedXml(std::string text) {
    for (const auto& [entity, character] : std::map<std::string, std::string>{
             {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}}) {
        for (std::size_t at; (at = text.find(entity)) != std::string::npos;)
            text.replace(at, entity.size(), character);
    }
    return text;
}

// A word as printed: its box in points from the page's top left corner.
struct PrintedWord {
    double xMin, yMin, xMax, yMax;
    std::string text;
};

struct PrintedPage {
    double width, height;
    std::vector<PrintedWord> words;
};

// The words of every page of `pdf` with their boxes (pdftotext -bbox); empty when it fails.
inline std::vector<PrintedPage> pdfWords(const std::string& pdf) {
    const std::string boxes = pdf + ".bbox.html";
    if (std::system(("pdftotext -bbox '" + pdf + "' '" + boxes + "'").c_str()) != 0) return {};
    const std::string html = readFile(boxes);
    const std::regex element(
        "<page width=\"([0-9.]+)\" height=\"([0-9.]+)\">|"
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>");
    std::vector<PrintedPage> pages;
    for (std::sregex_iterator at(html.begin(), html.end(), element), end; at != end; ++at) {
        const std::smatch& match = *at;
        if (match[1].matched)
            pages.push_back({std::stod(match[1]), std::stod(match[2]), {}});
        else if (!pages.empty())
            pages.back().words.push_back({std::stod(match[3]), std::stod(match[4]), std::stod(match[5]),
                                          std::stod(match[6]), unescapedXml(match[7])});
    }
    return pages;
}

}  // namespace quorvex::testing
