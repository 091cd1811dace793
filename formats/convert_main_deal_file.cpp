#include "formats/convert_main_deal_file.h"

namespace quorvex {

std::vector<std::string> ConvertMainDealFile(const ConversionSettings& settings) {
    std::vector<std::string> written;
    for (std::size_t i = 0; i < OutputFormats.size(); ++i)
        if (settings.formats.test(i)) OutputFormats[i].write(settings, written);
    return written;
}

}  // namespace quorvex
