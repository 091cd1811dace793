#pragma once
// The frame every format writer shares: read the main deal file back from its first line
// (or take the settings' board list), and for each set create one file, write its header,
// one record or line group per board and its trailer, then close it.
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/staged_files.h"
#include "common/text_file.h"
#include "engine/main_deal_file.h"
#include "formats/conversion_settings.h"

namespace quorvex {

// What one output format contributes to the frame.
class SetFileFormat {
public:
    virtual ~SetFileFormat() = default;
    virtual std::string_view extension() const = 0;
    // Called once per set file, before its first board.
    virtual void startFile(FileWriter& /*out*/, const MainDealHeader& /*header*/, unsigned /*setNumber*/) {}
    // Board numbers count from 1 in every set.
    virtual void writeBoard(FileWriter& out, const MainDealHeader& header, unsigned boardNumber,
                            const ValidBoardLine& board) = 0;
    // Called once per set file, after its last board.
    virtual void finishFile(FileWriter& /*out*/, const MainDealHeader& /*header*/) {}
};

// Writes every set's file of `format` under its temporary name, staged in `files`; they
// reach their final names only when the run publishes `files`. Every board line is read
// and checked, also where a format writes nothing for it. The first failure propagates.
void writeSetFiles(const ConversionSettings& settings, SetFileFormat& format, StagedFiles& files);

// Takes each checked board line of a reading of the main deal file, in file order.
using BoardLineVisitor = std::function<void(const ValidBoardLine& board)>;

// The same for several formats in one reading of the main deal file: each board line is
// read and checked once and given to every format in turn, then to `alsoEachBoard` when
// given (another pass over the boards saved). The files are staged in the order of
// `formats`, each format's sets in order, as one call per format would stage them. With no
// formats, nothing is read.
void writeSetFiles(const ConversionSettings& settings, std::span<SetFileFormat* const> formats,
                   StagedFiles& files, const BoardLineVisitor& alsoEachBoard = {});

}  // namespace quorvex
