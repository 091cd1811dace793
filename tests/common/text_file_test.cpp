#include "common/text_file.h"

#include <gtest/gtest.h>

#include "common/io_error.h"
#include "temp_folder.h"

namespace quorvex {
namespace {

using testing::readFile;
using testing::TempFolder;
using testing::writeFile;

TEST(FileWriter, LinesEndInCarriageReturnLineFeed) {
    TempFolder folder;
    FileWriter writer(folder.file("a.txt"));
    writer.writeLine("1 32  1");
    writer.writeLine("");
    writer.write(std::string("\x06\0x", 3));
    writer.close();
    EXPECT_EQ(readFile(folder.file("a.txt")), std::string("1 32  1\r\n\r\n\x06\0x", 14));
}

// The writer gathers writes in a buffer of 64 KiB: writes that fill it exactly, cross its
// end, or are larger than it arrive whole and in order, also after a flush midway.
TEST(FileWriter, WritesAroundTheBufferSizeArriveInOrder) {
    const std::size_t sizes[] = {0, 1, 65535, 1, 65536, 2, 65537, 200000, 3, 65534, 70000};
    TempFolder folder;
    FileWriter writer(folder.file("b.dup"));
    std::string expected;
    char fill = 'a';
    for (std::size_t size : sizes) {
        const std::string bytes(size, fill++);
        writer.write(bytes);
        expected += bytes;
        if (size == 200000) writer.flush();
    }
    writer.close();
    EXPECT_EQ(readFile(folder.file("b.dup")), expected);
}

TEST(FileWriter, CreateTruncatesAndNewRefusesAnExistingFile) {
    TempFolder folder;
    const std::string path = folder.file("a.qvw");
    writeFile(path, "old line that is long\r\n");
    EXPECT_THROW(FileWriter(path, FileWriter::Mode::New), EInOutError);
    EXPECT_EQ(readFile(path), "old line that is long\r\n");
    {
        FileWriter writer(path);
        writer.writeLine("x");
        writer.close();
    }
    EXPECT_EQ(readFile(path), "x\r\n");
}

TEST(TextFileReader, ReadsLinesWithAnyLineEndAndEmptyTextsPastTheEnd) {
    TempFolder folder;
    const std::string path = folder.file("m.qvw");
    writeFile(path, "first\r\nsecond\nthird");
    TextFileReader reader(path);
    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.readLine(), "first");
    EXPECT_EQ(reader.readLine(), "second");
    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.readLine(), "third");
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.readLine(), "");
}

TEST(TextFileReader, LinesLongerThanTheBufferAndManyLinesSurviveRefills) {
    TempFolder folder;
    const std::string path = folder.file("big.qvw");
    const std::string longLine(200000, '7');
    std::string content = longLine + "\r\n";
    for (int i = 0; i < 3000; ++i) content += std::to_string(i) + std::string(100, '1') + "\r\n";
    writeFile(path, content);
    TextFileReader reader(path);
    EXPECT_EQ(reader.readLine(), longLine);
    int lines = 0;
    while (!reader.atEnd()) {
        EXPECT_EQ(reader.readLine(), std::to_string(lines) + std::string(100, '1'));
        ++lines;
    }
    EXPECT_EQ(lines, 3000);
}

TEST(TextFileReader, AnEmptyFileIsAtItsEndAtOnce) {
    TempFolder folder;
    writeFile(folder.file("e.qvw"), "");
    TextFileReader reader(folder.file("e.qvw"));
    EXPECT_TRUE(reader.atEnd());
}

}  // namespace
}  // namespace quorvex
