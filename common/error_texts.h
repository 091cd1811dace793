#pragma once
// Every error text the system shows a director, in one place. The texts are the system's
// own and stay exactly as they are; the dealer and the window show them as they stand (the
// error display adds a final full stop where one is missing).
#include <string>
#include <string_view>

namespace quorvex::error_text {

// Files.
inline constexpr char FileNotFound[] = "File not found";
inline constexpr char InvalidFilename[] = "Invalid filename";
inline constexpr char TooManyOpenFiles[] = "Too many open files";
inline constexpr char FileAccessDenied[] = "File access denied";
inline constexpr char DiskFull[] = "Disk full";
inline std::string otherIoError(int code) { return "I/O error " + std::to_string(code); }
inline constexpr char FolderInUse[] = "Another run is writing to this folder";
inline constexpr char FileExists[] = "File already exists";
inline constexpr char FileWrittenTwice[] = "The run would write this file twice";
inline constexpr char NotARegularFile[] = "Not a regular file";
inline constexpr char IsAFolder[] = "Is a folder, not a file";
inline constexpr char NotAFolder[] = "Not a folder";
inline constexpr char FolderDoesNotExist[] = "The folder does not exist";
inline constexpr char LinkNotFollowed[] = "Is a symbolic link; the program writes only regular files";
inline constexpr char LoopOfLinks[] = "The path runs in a loop of symbolic links";
inline constexpr char ReadOnlyFileSystem[] = "Read-only file system";
inline constexpr char OutputIsInput[] = "The conversion would write over the file it reads";

// Memory.
inline constexpr char OutOfMemory[] = "Out of memory";

// Numbers and counts.
inline constexpr char RangeCheck[] = "Range check error";
inline constexpr char IntegerOverflow[] = "Integer overflow";
inline constexpr char InvalidFloatingPointOperation[] = "Invalid floating point operation";
inline std::string notAnInteger(std::string_view text) {
    return "'" + std::string(text) + "' is not a valid integer value";
}

// Hashing: the seeding class missing at Prepare and at Generate, and the hash family's own.
inline constexpr char FailedToCreate[] = "failed to create";
inline constexpr char FailedToCreateHashUnit[] = "Failed to create hash unit.";
inline constexpr char CircularProtection[] = "Circular Protection detected, Protection Object is invalid.";
inline std::string cannotConvertToFormat(std::string_view format) {
    return "Input can not be convert to " + std::string(format) + " Format.";
}
inline std::string unknownStringFormat(int encoderId) {
    return "String Format \"" + std::to_string(encoderId) + "\" not exists.";
}

// The entropy dialog on a machine without a usable high-resolution counter.
inline constexpr char UnsuitableComputer[] =
    "Sorry, this computer is not suitable to generate Random Bridge Hands";

// Double dummy asked of a build made without the solver library.
inline constexpr char DoubleDummyUnavailable[] = "Double-dummy analysis is not available in this build";

// Printing.
inline constexpr char NoDefaultPrinter[] = "There is no default printer currently selected";
inline constexpr char PrintJobNotStarted[] = "The printer could not start the print job";
inline constexpr char PrintJobNotCompleted[] = "The print job could not be completed";
inline constexpr char NewPageNotStarted[] = "The printer could not start a new page";

}  // namespace quorvex::error_text

namespace quorvex {

// How an error's text is shown to a director: a full stop is added when the text ends in
// a letter or digit (any character whose code is above that of "."), so "Disk full"
// reads "Disk full." while "Failed to create hash unit." stays as it is.
inline std::string displayedErrorText(std::string_view text) {
    std::string shown(text);
    if (!shown.empty() && static_cast<unsigned char>(shown.back()) > static_cast<unsigned char>('.'))
        shown += '.';
    return shown;
}

}  // namespace quorvex
