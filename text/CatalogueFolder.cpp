#include "text/CatalogueFolder.h"

namespace text {

std::filesystem::path catalogueFolder() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        const std::filesystem::path installed =
            program.parent_path().parent_path() / "share" / "locale";
        if (std::filesystem::is_directory(installed, error)) {
            return installed;
        }
    }
    return PUDOROCK_BUILD_LOCALE_DIR;
}

}  // namespace text
