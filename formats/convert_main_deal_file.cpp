#include "formats/convert_main_deal_file.h"

#include "formats/bri_dge_writers.h"
#include "formats/deep_finesse_writer.h"
#include "formats/dlm_writer.h"
#include "formats/dup_writer.h"

namespace quorvex {

std::vector<std::string> ConvertMainDealFile(const ConversionSettings& settings) {
    std::vector<std::string> written;
    if (settings.dlm) WriteDlmFiles(settings, written);
    if (settings.dup) WriteDupFiles(settings, written);
    if (settings.bri) WriteBriFiles(settings, written);
    if (settings.dge) WriteDgeFiles(settings, written);
    if (settings.deepFinesse) WriteDeepFinesseFiles(settings, written);
    return written;
}

} // namespace quorvex
