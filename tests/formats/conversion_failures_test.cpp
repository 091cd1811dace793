// Failures during conversion: the error's text reaches the caller, the writers after the
// failing one do not run, and no set file is left behind, finished or not.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/conversion_error.h"
#include "common/io_error.h"
#include "common/range_error.h"
#include "conversion_fixture.h"
#include "formats/bri_dge_writers.h"
#include "formats/convert_main_deal_file.h"
#include "formats/deep_finesse_writer.h"
#include "formats/dlm_writer.h"
#include "formats/dup_writer.h"

#ifndef _WIN32
#include "file_size_limit.h"
#endif

namespace quorvex {
namespace {

using testing::ConversionFolder;
using testing::OneSuitEachDeal;
using testing::RoundRobinDeal;

// The text of the error ConvertMainDealFile raises, checking its type.
template <class Error>
std::string conversionFailure(const ConversionSettings& settings) {
    return testing::failureOf<Error>([&] { ConvertMainDealFile(settings); });
}

using Writer = void (*)(const ConversionSettings&, StagedFiles&);

const std::pair<const char*, Writer> EveryWriter[] = {{".dlm", WriteDlmFiles},
                                                      {".dup", WriteDupFiles},
                                                      {".bri", WriteBriFiles},
                                                      {".dge", WriteDgeFiles},
                                                      {".txt", WriteDeepFinesseFiles}};

TEST(ConversionFailures, AMissingOutputFolderIsNamed) {
    ConversionFolder folder;
    folder.writeMainDeal("1 1  1", {RoundRobinDeal});
    folder.selectAllFormats();
    folder.settings.outputFolder = folder.outputFile("missing");
    EXPECT_EQ(conversionFailure<EInOutError>(folder.settings), "The folder does not exist");
    EXPECT_EQ(folder.outputCount(), 0u);
}

TEST(ConversionFailures, AMissingMainDealFileIsFileNotFound) {
    ConversionFolder folder;
    folder.selectAllFormats();
    EXPECT_EQ(conversionFailure<EInOutError>(folder.settings), "File not found");
    EXPECT_EQ(folder.outputCount(), 0u);
}

TEST(ConversionFailures, AFolderInThePlaceOfASetFileFailsBeforeAnyFileIsPublished) {
    ConversionFolder folder;
    folder.writeMainDeal("1 1  1", {RoundRobinDeal});
    folder.selectAllFormats();
    std::filesystem::create_directory(folder.outputFile("QVW-01.dup"));
    EXPECT_EQ(conversionFailure<EInOutError>(folder.settings), "Is a folder, not a file");
    EXPECT_EQ(folder.outputCount(), 1u) << "only the folder that was there";
}

#ifndef _WIN32
using testing::FileSizeLimit;

TEST(ConversionFailures, AFailureWhenASetFileIsClosedIsReportedAndNothingIsLeft) {
    // One .bri record (128 bytes) stays in the write buffer until the file is closed, so
    // with at most 100 bytes per file the close is where the failure shows.
    ConversionFolder folder;
    folder.writeMainDeal("1 1  1", {RoundRobinDeal});
    folder.settings.formats.set(*findOutputFormat("bri"));
    std::string failure;
    {
        const FileSizeLimit limit(100);
        failure = conversionFailure<EInOutError>(folder.settings);
    }
    EXPECT_EQ(failure, "Disk full");
    EXPECT_EQ(folder.outputCount(), 0u);
}
#endif

TEST(ConversionFailures, AReadOnlyOutputFileIsFileAccessDenied) {
    ConversionFolder folder;
    folder.writeMainDeal("1 1  1", {RoundRobinDeal});
    folder.settings.formats.set(*findOutputFormat("bri"));
    const std::string bri = folder.outputFile("QVW-01.bri");
    testing::writeFile(bri, "old");
    std::filesystem::permissions(bri, std::filesystem::perms::owner_read |
                                          std::filesystem::perms::group_read |
                                          std::filesystem::perms::others_read);
    if (std::ofstream(bri, std::ios::app))
        GTEST_SKIP() << "this user may write read-only files (administrator)";
    EXPECT_EQ(conversionFailure<EInOutError>(folder.settings), "File access denied");
    EXPECT_EQ(folder.read("QVW-01.bri"), "old");
}

TEST(ConversionFailures, AMalformedBoardLineStopsTheRunAndLeavesNoSetFile) {
    ConversionFolder folder;
    std::string damaged = RoundRobinDeal;
    damaged[41] = 'x';
    folder.writeMainDeal("2 2  1", {RoundRobinDeal, OneSuitEachDeal, OneSuitEachDeal, damaged});
    folder.selectAllFormats();
    testing::writeFile(folder.outputFile("QVW-01.dlm"), "previous run");
    EXPECT_EQ(conversionFailure<EConvertError>(folder.settings), "'3x' is not a valid integer value");
    EXPECT_EQ(folder.read("QVW-01.dlm"), "previous run");
    EXPECT_EQ(folder.outputCount(), 1u);
}

TEST(ConversionFailures, ReadingPastTheEndFailsInEveryWriterAndLeavesNoFile) {
    for (const auto& [extension, writer] : EveryWriter) {
        SCOPED_TRACE(extension);
        ConversionFolder folder;
        folder.writeMainDeal("1 3  1", {RoundRobinDeal, OneSuitEachDeal});
        {
            StagedFiles files;
            EXPECT_EQ(testing::failureOf<EConvertError>([&] { writer(folder.settings, files); }),
                      "'' is not a valid integer value");
            EXPECT_EQ(files.finalPaths(),
                      std::vector<std::string>{folder.outputFile(std::string("QVW-01") + extension)});
        }
        EXPECT_EQ(folder.outputCount(), 0u);
    }
}

TEST(ConversionFailures, ABoardLineOfTheWrongLengthFailsInEveryWriter) {
    for (const auto& [extension, writer] : EveryWriter) {
        SCOPED_TRACE(extension);
        ConversionFolder folder;
        folder.writeMainDeal("1 1  1", {RoundRobinDeal + "52"});
        StagedFiles files;
        EXPECT_EQ(testing::failureOf<EConvertError>([&] { writer(folder.settings, files); }),
                  "'52' is not a valid integer value");
    }
}

TEST(ConversionFailures, ACardNumberOutsideTheDeckFailsInEveryWriter) {
    for (const auto& [extension, writer] : EveryWriter) {
        SCOPED_TRACE(extension);
        ConversionFolder folder;
        folder.writeMainDeal("1 1  1", {RoundRobinDeal.substr(0, 102) + "53"});
        StagedFiles files;
        EXPECT_EQ(testing::failureOf<ERangeError>([&] { writer(folder.settings, files); }),
                  "Range check error");
    }
}

TEST(ConversionFailures, ABrokenHeaderFailsBeforeAnyFileIsCreated) {
    ConversionFolder folder;
    folder.writeMainDeal("1 32 1", {RoundRobinDeal});
    folder.selectAllFormats();
    EXPECT_EQ(conversionFailure<EConvertError>(folder.settings), "'' is not a valid integer value");
    folder.writeMainDeal("1 0  1", {});
    EXPECT_EQ(conversionFailure<ERangeError>(folder.settings), "Range check error");
    EXPECT_EQ(folder.outputCount(), 0u);
}

}  // namespace
}  // namespace quorvex
