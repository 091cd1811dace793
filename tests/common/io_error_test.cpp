#include "common/io_error.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include <cerrno>

#ifndef _WIN32
#include <sys/stat.h>

#include "file_size_limit.h"
#endif

#include "common/text_file.h"
#include "temp_folder.h"

namespace quorvex {
namespace {

using testing::TempFolder;

TEST(IoError, StandardCodesCarryTheirTexts) {
    EXPECT_STREQ(ioErrorOfCode(2).what(), "File not found");
    EXPECT_STREQ(ioErrorOfCode(3).what(), "Invalid filename");
    EXPECT_STREQ(ioErrorOfCode(4).what(), "Too many open files");
    EXPECT_STREQ(ioErrorOfCode(5).what(), "File access denied");
    EXPECT_STREQ(ioErrorOfCode(101).what(), "Disk full");
    EXPECT_STREQ(ioErrorOfCode(32).what(), "I/O error 32");
    EXPECT_EQ(ioErrorOfCode(101).code(), 101);
}

TEST(IoError, OperatingSystemErrorsMapToTheDirectorsTexts) {
    TempFolder folder;
    EXPECT_EQ(ioErrorFromErrno(ENOENT, folder.file("missing.qvw")).code(), io_code::FileNotFound);
    EXPECT_EQ(ioErrorFromErrno(ENOENT, folder.file("no-such-folder/x.dlm")).code(), io_code::PathNotFound);
    EXPECT_EQ(ioErrorFromErrno(EACCES, "x").code(), io_code::AccessDenied);
    EXPECT_EQ(ioErrorFromErrno(EROFS, "x").code(), io_code::AccessDenied);
    EXPECT_EQ(ioErrorFromErrno(EMFILE, "x").code(), io_code::TooManyOpenFiles);
    EXPECT_EQ(ioErrorFromErrno(ENOSPC, "x").code(), io_code::DiskFull);
    EXPECT_STREQ(ioErrorFromErrno(EIO, "x").what(), ("I/O error " + std::to_string(EIO)).c_str());
}

#ifdef _WIN32
TEST(IoError, WindowsErrorCodesMapToTheSameTexts) {
    const struct {
        DWORD windowsCode;
        const char* text;
    } cases[] = {
        {ERROR_FILE_NOT_FOUND, "File not found"},
        {ERROR_INVALID_NAME, "Invalid filename"},
        {ERROR_BAD_PATHNAME, "Invalid filename"},
        {ERROR_INVALID_DRIVE, "Invalid filename"},
        {ERROR_FILENAME_EXCED_RANGE, "Invalid filename"},
        {ERROR_TOO_MANY_OPEN_FILES, "Too many open files"},
        {ERROR_ACCESS_DENIED, "File access denied"},
        {ERROR_WRITE_PROTECT, "File access denied"},
        {ERROR_DISK_FULL, "Disk full"},
        {ERROR_HANDLE_DISK_FULL, "Disk full"},
        {ERROR_SHARING_VIOLATION, "File access denied"},
        {ERROR_LOCK_VIOLATION, "File access denied"},
        {ERROR_NOT_READY, "I/O error 21"},
    };
    for (const auto& c : cases) {
        SetLastError(c.windowsCode);
        const EInOutError error = lastIoError("out\\QVW-01.dlm");
        EXPECT_STREQ(error.what(), c.text) << c.windowsCode;
        EXPECT_EQ(error.path(), "out\\QVW-01.dlm");
    }
    SetLastError(ERROR_PATH_NOT_FOUND);
    const EInOutError missing = lastIoError("out\\QVW-01.dlm");
    EXPECT_STREQ(missing.what(), "The folder does not exist");
    EXPECT_EQ(missing.path(), "out");
}
#endif

// Real file operations report through the same error type.
TEST(IoError, FileOperationsRaiseIt) {
    TempFolder folder;
    try {
        FileWriter writer(folder.file("absent/out.dlm"));
        FAIL() << "creating a file in a missing folder must fail";
    } catch (const EInOutError& error) {
        EXPECT_STREQ(error.what(), "The folder does not exist");
        EXPECT_EQ(error.path(), folder.file("absent"));
    }
    try {
        TextFileReader reader(folder.file("absent.qvw"));
        FAIL() << "opening a missing file must fail";
    } catch (const EInOutError& error) {
        EXPECT_STREQ(error.what(), "File not found");
    }
    try {
        FileWriter writer(folder.str());  // a folder cannot be opened as a file
        FAIL() << "writing over a folder must fail";
    } catch (const EInOutError& error) {
        EXPECT_STREQ(error.what(), "Is a folder, not a file");
    }
}

#ifndef _WIN32
// A file-size limit makes the disk full for this process; the buffer reaches it only when
// written out.
TEST(IoError, FullDiskIsReportedWhenTheDataIsWrittenOut) {
    TempFolder folder;
    FileWriter writer(folder.file("full.dlm"));
    writer.write(std::string(100, 'x'));
    {
        const testing::FileSizeLimit full(10);
        try {
            writer.close();
            ADD_FAILURE() << "closing over a full disk must fail";
        } catch (const EInOutError& error) {
            EXPECT_STREQ(error.what(), "Disk full");
            EXPECT_EQ(error.path(), folder.file("full.dlm"));
        }
    }
    writer.close();  // closed already: nothing is flushed or closed twice
}

// Devices and FIFOs are not files of a run: nothing is written to them.
TEST(IoError, OnlyRegularFilesAreWritten) {
    TempFolder folder;
    ASSERT_EQ(mkfifo(folder.file("fifo").c_str(), 0600), 0);
    for (const std::string& path :
         {std::string("/dev/full"), std::string("/dev/null"), folder.file("fifo")}) {
        try {
            FileWriter writer(path);
            ADD_FAILURE() << path << " was opened for writing";
        } catch (const EInOutError& error) {
            EXPECT_STREQ(error.what(), "Not a regular file");
            EXPECT_EQ(error.path(), path);
        }
    }
}
#endif

}  // namespace
}  // namespace quorvex
