// pudorock-assetgen OUTDIR: draws and synthesises the game's pictures and sounds and the
// program's icons, and writes their stored forms into OUTDIR.

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>

#include "tools/assetgen/GeneratedAssets.h"

namespace {

void writeBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file.flush()) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: pudorock-assetgen OUTDIR\n");
        return 2;
    }
    try {
        const std::filesystem::path outdir(argv[1]);
        for (const assetgen::GeneratedAsset& asset : assetgen::generatedAssets()) {
            const std::vector<std::uint8_t> bytes = asset.make();
            const std::filesystem::path path = outdir / asset.fileName;
            std::filesystem::create_directories(path.parent_path());
            writeBytes(path, bytes);
            std::printf("%s  %zu bytes\n", asset.fileName.c_str(), bytes.size());
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "pudorock-assetgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
