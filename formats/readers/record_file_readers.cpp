#include "formats/readers/record_file_readers.h"

#include "formats/bri_dge_writers.h"
#include "formats/dup_writer.h"
#include "formats/hand_text.h"
#include "formats/readers/card_digits.h"
#include "formats/readers/deal_file_error.h"
#include "formats/readers/marked_hands.h"
#include "formats/record_files.h"

namespace quorvex {

namespace {

using DealOfRecord = ByHandDeal (*)(std::string_view record, std::size_t recordCount);

DealFile readRecords(const std::string& path, std::string_view bytes, std::size_t length,
                     DealOfRecord dealOf) {
    if (bytes.empty()) throw DealFileError(path, "", "the file is empty");
    const std::size_t count = (bytes.size() + length - 1) / length;
    if (const std::size_t last = bytes.size() - (count - 1) * length; last != length)
        throw DealFileError(path, "board " + std::to_string(count),
                            "the record has " + std::to_string(last) + " bytes, not " +
                                std::to_string(length) + " (the file is cut short)");
    DealFile file;
    file.path = path;
    file.boards.reserve(count);
    for (std::size_t index = 0; index < count; ++index) {
        ReadBoard board;
        board.number = static_cast<unsigned>(index + 1);
        try {
            board.deal = dealOf(bytes.substr(index * length, length), count);
        } catch (const BoardDefect& defect) {
            throw DealFileError(path, boardLabel(file, board), defect.what());
        }
        file.boards.push_back(board);
    }
    return file;
}

// North, East and South as card numbers; West holds the rest.
ByHandDeal dealOfDigits(std::string_view digits) {
    DealBuilder builder;
    giveCardDigits(digits, builder);
    builder.giveRest(3);
    return builder.deal();
}

ByHandDeal dealOfHandTexts(std::string_view texts) {
    DealBuilder builder;
    giveMarkedHands(texts, builder);
    return builder.deal();
}

void expectFill(std::string_view record, std::size_t from, std::string_view fill, std::string_view what) {
    if (record.substr(from, fill.size()) != fill)
        throw BoardDefect("bytes " + std::to_string(from) + " to " + std::to_string(from + fill.size() - 1) +
                          " are not " + std::string(what));
}

ByHandDeal dupDeal(std::string_view record, std::size_t recordCount) {
    const ByHandDeal deal = dealOfDigits(record.substr(0, ThreeHandsDigitsLength));
    if (dealOfHandTexts(record.substr(ThreeHandsDigitsLength, MarkedHandTextsLength)) != deal)
        throw BoardDefect("the card numbers and the hand texts show different deals");
    constexpr std::size_t TailStart = ThreeHandsDigitsLength + MarkedHandTextsLength;
    expectFill(record, TailStart, DupMarker, "\"" + std::string(DupMarker) + "\"");
    char setSize[DupSetSizeFieldLength];
    writeDupSetSizeField(recordCount, setSize);
    expectFill(record, TailStart + DupMarker.size(), {setSize, DupSetSizeFieldLength},
               "the set size " + std::to_string(recordCount) + " of the file's records");
    return deal;
}

ByHandDeal briDeal(std::string_view record, std::size_t) {
    const ByHandDeal deal = dealOfDigits(record.substr(0, ThreeHandsDigitsLength));
    expectFill(record, ThreeHandsDigitsLength, std::string(BriBlankCount, ' '), "blanks");
    const std::size_t zerosStart = ThreeHandsDigitsLength + BriBlankCount;
    expectFill(record, zerosStart, std::string(BriDgeRecordLength - zerosStart, '\0'), "zero bytes");
    return deal;
}

ByHandDeal dgeDeal(std::string_view record, std::size_t) {
    const ByHandDeal deal = dealOfHandTexts(record.substr(0, MarkedHandTextsLength));
    expectFill(record, MarkedHandTextsLength, std::string(BriDgeRecordLength - MarkedHandTextsLength, '\0'),
               "zero bytes");
    return deal;
}

}  // namespace

DealFile readDupFile(const std::string& path, std::string_view bytes) {
    return readRecords(path, bytes, DupRecordLength, dupDeal);
}

DealFile readBriFile(const std::string& path, std::string_view bytes) {
    return readRecords(path, bytes, BriDgeRecordLength, briDeal);
}

DealFile readDgeFile(const std::string& path, std::string_view bytes) {
    return readRecords(path, bytes, BriDgeRecordLength, dgeDeal);
}

}  // namespace quorvex
