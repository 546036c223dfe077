#include "data_folder.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "canvas.h"

namespace fs = std::filesystem;
using namespace irr;

namespace {
constexpr int kJpegQuality = 92;
}

DataFolder::DataFolder(video::IVideoDriver* driver, std::string root) : driver_(driver), root_(std::move(root)) {}

std::string DataFolder::Prepare(const std::string& relative) const {
    const fs::path path = fs::path(root_) / relative;
    fs::create_directories(path.parent_path());
    return path.string();
}

void DataFolder::WriteImage(const std::string& relative, const Canvas& image) const {
    const std::string path = Prepare(relative);
    video::IImage* out = driver_->createImage(
        video::ECF_A8R8G8B8, core::dimension2du(static_cast<u32>(image.Width()), static_cast<u32>(image.Height())));
    u32* pixels = static_cast<u32*>(out->lock());
    for (size_t i = 0; i < image.Pixels().size(); ++i) pixels[i] = image.Pixels()[i].color;
    out->unlock();
    const bool written = driver_->writeImageToFile(out, path.c_str(), kJpegQuality);
    out->drop();
    if (!written) throw std::runtime_error("cannot write " + path);
}

void DataFolder::WriteBytes(const std::string& relative, const std::string& bytes) const {
    const std::string path = Prepare(relative);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + path);
}
