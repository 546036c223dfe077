// Where the generator writes: the game folder, with the engine's image
// writers for BMP and JPG files.
#pragma once

#include <irrlicht.h>

#include <string>

class Canvas;

class DataFolder {
public:
    DataFolder(irr::video::IVideoDriver* driver, std::string root);

    const std::string& Root() const { return root_; }
    // Full path of a file below the folder, its parent folders made.
    std::string Prepare(const std::string& relative) const;

    // Writes an image as BMP (24-bit) or JPG according to the extension.
    void WriteImage(const std::string& relative, const Canvas& image) const;
    void WriteBytes(const std::string& relative, const std::string& bytes) const;

private:
    irr::video::IVideoDriver* driver_;
    std::string root_;
};
