#include "formats/set_file_name.h"

#include "common/paths.h"

namespace quorvex {

std::string SetFileName(std::string_view outputFolder, std::string_view baseFileName, unsigned setNumber,
                        std::string_view extension) {
    std::string name(baseFileName);
    if (setNumber < 10) name += '0';
    name += std::to_string(setNumber);
    name += extension;
    return joinPath(outputFolder, name);
}

}  // namespace quorvex
