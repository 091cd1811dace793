#include "common/line_append.h"

#include "common/private_file.h"

namespace quorvex {

void appendWholeLine(const std::string& path, std::string_view text) {
    PrivateFile file(path, PrivateFile::Open::Keep);
    const std::uint64_t oldSize = file.size();
    std::string bytes;
    if (oldSize > 0 && file.readAt(oldSize >= 2 ? oldSize - 2 : 0, 2) != "\r\n") bytes = "\r\n";
    bytes.append(text);
    bytes.append("\r\n");
    try {
        file.append(bytes);
        file.sync();
    } catch (...) {
        try {
            file.truncate(oldSize);
        } catch (...) {  // the failure to report is the first one
        }
        throw;
    }
    file.close();
}

}  // namespace quorvex
