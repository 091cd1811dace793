#include "formats/output_formats.h"

#include "formats/bri_dge_writers.h"
#include "formats/deep_finesse_writer.h"
#include "formats/dlm_writer.h"
#include "formats/dup_writer.h"
#include "formats/pbn_writer.h"

namespace quorvex {

const std::array<OutputFormat, OutputFormatCount> OutputFormats = {{
    {"dlm", DlmExtension, "dlmSelected", "dlmCB", "Duplimate (.dlm)", WriteDlmFiles, dlmSetFileFormat},
    {"dup", DupExtension, "dupSelected", "dupCB", "Duplimate (.dup)", WriteDupFiles, dupSetFileFormat},
    {"bri", BriExtension, "briSelected", "briCB", "EBA && Duplimate. (.bri)", WriteBriFiles,
     briSetFileFormat},
    {"dge", DgeExtension, "dgeSelected", "dgeCB", "EBA && Duplimate. (.dge)", WriteDgeFiles,
     dgeSetFileFormat},
    {"df", DeepFinesseExtension, "dfSelected", "dfCB", "Deep Finesse (.txt)", WriteDeepFinesseFiles,
     deepFinesseSetFileFormat},
    {"pbn", PbnExtension, "pbnSelected", "pbnCB", "Portable Bridge Notation (.pbn)", writePbnFiles,
     pbnSetFileFormat},
}};

std::optional<std::size_t> findOutputFormat(std::string_view name) {
    for (std::size_t i = 0; i < OutputFormats.size(); ++i)
        if (OutputFormats[i].name == name) return i;
    return std::nullopt;
}

}  // namespace quorvex
