#pragma once
// Where the compiled catalogues (<language>/LC_MESSAGES/pudorock.mo) are.

#include <filesystem>

namespace text {

// share/locale beside the program's bin folder when that exists (an installed game), else the
// build folder's locale folder (a program run where it was built).
std::filesystem::path catalogueFolder();

}  // namespace text
