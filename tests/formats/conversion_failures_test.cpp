// Failures during conversion: the error's text reaches the caller, the writers after the
// failing one do not run, and files finished before stay as written.
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

using Writer = void (*)(const ConversionSettings&, std::vector<std::string>&);

const std::pair<const char*, Writer> EveryWriter[] = {{".dlm", WriteDlmFiles},
                                                      {".dup", WriteDupFiles},
                                                      {".bri", WriteBriFiles},
                                                      {".dge", WriteDgeFiles},
                                                      {".txt", WriteDeepFinesseFiles}};

TEST(ConversionFailures, AMissingOutputFolderIsAnInvalidFilename) {
    ConversionFolder folder;
    folder.writeMainDeal("1 1  1", {RoundRobinDeal});
    folder.selectAllFormats();
    folder.settings.outputFolder = folder.outputFile("missing");
    EXPECT_EQ(conversionFailure<EInOutError>(folder.settings), "Invalid filename");
    EXPECT_EQ(folder.outputCount(), 0u);
}

TEST(ConversionFailures, AMissingMainDealFileIsFileNotFound) {
    ConversionFolder folder;
    folder.selectAllFormats();
    EXPECT_EQ(conversionFailure<EInOutError>(folder.settings), "File not found");
    EXPECT_EQ(folder.outputCount(), 0u);
}

TEST(ConversionFailures, AnOutputFileThatCannotBeWrittenStopsTheLaterWriters) {
    ConversionFolder folder;
    folder.writeMainDeal("1 1  1", {RoundRobinDeal});
    folder.selectAllFormats();
    // A folder in the place of the .dup file refuses to be opened as a file, for every user.
    std::filesystem::create_directory(folder.outputFile("QVW-01.dup"));
    EXPECT_EQ(conversionFailure<EInOutError>(folder.settings), "File access denied");

    const std::string dlm = folder.read("QVW-01.dlm");
    EXPECT_NE(dlm.find("\r\nBoard 01=blblblblblblblblblblblblbl015\r\n"), std::string::npos);
    EXPECT_EQ(dlm.substr(dlm.size() - 40), "Board 99=aaaaaabffffffkkkkkklpppppp109\r\n");
    EXPECT_FALSE(folder.exists("QVW-01.bri"));
    EXPECT_FALSE(folder.exists("QVW-01.dge"));
    EXPECT_FALSE(folder.exists("QVW-01.txt"));
}

TEST(ConversionFailures, AFailureWhenASetFileIsClosedIsReported) {
    // A set file small enough to stay in the write buffer reaches the disk only when it is
    // closed: on a device that is always full, the close is where the failure shows.
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this system";
    ConversionFolder folder;
    folder.writeMainDeal("1 1  1", {RoundRobinDeal});
    folder.settings.formats.set(*findOutputFormat("bri"));
    std::filesystem::create_symlink("/dev/full", folder.outputFile("QVW-01.bri"));
    EXPECT_EQ(conversionFailure<EInOutError>(folder.settings), "Disk full");
}

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

TEST(ConversionFailures, AMalformedBoardLineStopsTheRunAndKeepsEarlierSetFiles) {
    ConversionFolder folder;
    std::string damaged = RoundRobinDeal;
    damaged[41] = 'x';
    folder.writeMainDeal("2 2  1", {RoundRobinDeal, OneSuitEachDeal, OneSuitEachDeal, damaged});
    folder.selectAllFormats();
    EXPECT_EQ(conversionFailure<EConvertError>(folder.settings), "'3x' is not a valid integer value");

    const std::string first = folder.read("QVW-01.dlm");
    EXPECT_NE(first.find("\r\nBoard 02=aaaaaabffffffkkkkkklpppppp012\r\n"), std::string::npos);
    EXPECT_EQ(first.substr(first.size() - 40), "Board 99=aaaaaabffffffkkkkkklpppppp109\r\n");
    const std::string second = folder.read("QVW-02.dlm");
    EXPECT_EQ(second.substr(second.size() - 57),
              "Duplicates 01=0\r\nBoard 01=aaaaaabffffffkkkkkklpppppp015\r\n");
    EXPECT_EQ(folder.outputCount(), 2u);
}

TEST(ConversionFailures, ReadingPastTheEndFailsInEveryWriterAndKeepsTheRecordsBefore) {
    for (const auto& [extension, writer] : EveryWriter) {
        SCOPED_TRACE(extension);
        ConversionFolder folder;
        folder.writeMainDeal("1 3  1", {RoundRobinDeal, OneSuitEachDeal});
        std::vector<std::string> written;
        EXPECT_EQ(testing::failureOf<EConvertError>([&] { writer(folder.settings, written); }),
                  "'' is not a valid integer value");
        EXPECT_EQ(written, std::vector<std::string>{folder.outputFile(std::string("QVW-01") + extension)});
        // The records of the two boards read before the failure are in the file.
        const std::string kept = folder.read(std::string("QVW-01") + extension);
        const std::string_view ext = extension;
        if (ext == ".dup") {
            EXPECT_EQ(kept.size(), 2 * 156u);
        } else if (ext == ".bri" || ext == ".dge") {
            EXPECT_EQ(kept.size(), 2 * 128u);
        } else if (ext == ".txt") {
            EXPECT_EQ(kept.size(), (56 + 73 + 56 + 11 + 2) + (59 + 76 + 59 + 11 + 2u));
        } else {
            EXPECT_EQ(kept.substr(kept.size() - 40), "Board 02=aaaaaabffffffkkkkkklpppppp012\r\n");
        }
    }
}

TEST(ConversionFailures, ABoardLineOfTheWrongLengthFailsInEveryWriter) {
    for (const auto& [extension, writer] : EveryWriter) {
        SCOPED_TRACE(extension);
        ConversionFolder folder;
        folder.writeMainDeal("1 1  1", {RoundRobinDeal + "52"});
        std::vector<std::string> written;
        EXPECT_EQ(testing::failureOf<EConvertError>([&] { writer(folder.settings, written); }),
                  "'52' is not a valid integer value");
    }
}

TEST(ConversionFailures, ACardNumberOutsideTheDeckFailsInEveryWriter) {
    for (const auto& [extension, writer] : EveryWriter) {
        SCOPED_TRACE(extension);
        ConversionFolder folder;
        folder.writeMainDeal("1 1  1", {RoundRobinDeal.substr(0, 102) + "53"});
        std::vector<std::string> written;
        EXPECT_EQ(testing::failureOf<ERangeError>([&] { writer(folder.settings, written); }),
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
