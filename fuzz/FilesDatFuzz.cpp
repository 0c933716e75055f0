// The data-duplication file reader on arbitrary bytes: the file comes from
// another installation or from anywhere the user picks it, so no input may
// crash the import, overrun a buffer or loop.

#include "files/CDataInfoAppProfile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string_view>

namespace {
struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CDataInfoAppProfile profile;
    if (size > 0) {
        std::unique_ptr<std::FILE, FileCloser> file(
            fmemopen(const_cast<uint8_t*>(data), size, "rb"));
        if (file) {
            profile.LoadStream(file.get());
        }
    }

    // Every parser on every line, whatever table it would belong to.
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::string_view line = text.substr(start, end - start);
        profile.AnalysisTableTag(line);
        _TARGET_ELECTRICITY_TBL_DATA target;
        profile.AnalysisStringDataTagetElectBill(line, target);
        _MODEL_INFO_TBL_DATA model;
        profile.AnalysisStringDataModelInfo(line, model);
        _RUN_STATE_TBL_DATA run;
        profile.AnalysisStringDataRunState(line, run);
        _SETTING_INFO_TBL_DATA setting;
        profile.AnalysisStringDataSettingInfo(line, setting);
        start = end + 1;
    }

    // Whatever was read must serialise without trouble.
    std::string bytes;
    profile.Serialize(bytes);
    return 0;
}
