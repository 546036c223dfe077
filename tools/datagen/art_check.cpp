#include "art_check.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "menus/workshop_layout.h"

using namespace irr;

namespace {

const char* const kColours[] = {"bleu", "rouge", "vert", "jaune"};

void Require(bool ok, const std::string& path, const std::string& what) {
    if (!ok) throw std::runtime_error(path + ": " + what);
}

class ArtCheck {
public:
    ArtCheck(IrrlichtDevice* device, const std::string& root) : device_(device), root_(root + "/") {}

    // The image, loaded; dropped by the caller.
    video::IImage* Image(const std::string& path) const {
        video::IImage* image = device_->getVideoDriver()->createImageFromFile((root_ + path).c_str());
        Require(image != nullptr, path, "does not load");
        return image;
    }
    void Size(const std::string& path, u32 width, u32 height) const {
        video::IImage* image = Image(path);
        const core::dimension2du size = image->getDimension();
        image->drop();
        Require(size.Width == width && size.Height == height, path,
                "is " + std::to_string(size.Width) + "x" + std::to_string(size.Height) + ", not " + std::to_string(width) + "x" +
                    std::to_string(height));
    }
    scene::IMesh* Mesh(const std::string& path) const {
        scene::IAnimatedMesh* mesh = device_->getSceneManager()->getMesh((root_ + path).c_str());
        Require(mesh != nullptr, path, "does not load");
        return mesh->getMesh(0);
    }

    // The key colour fills the corner, and the picture is more than the key.
    void Keyed(const std::string& path) const {
        video::IImage* image = Image(path);
        const video::SColor key = image->getPixel(1, 1);
        bool drawn = false;
        for (u32 y = 0; y < image->getDimension().Height; ++y)
            for (u32 x = 0; x < image->getDimension().Width; ++x) drawn |= image->getPixel(x, y) != key;
        const bool corner = image->getPixel(0, 0) == key;
        image->drop();
        Require(corner && drawn, path, "is not a keyed picture");
    }

    // Each accent on its own glyph, and glyph edges smoothed through alpha.
    void Font(const std::string& path) const {
        gui::IGUIFont* font = device_->getGUIEnvironment()->getFont((root_ + path).c_str());
        Require(font && font->getType() == gui::EGFT_BITMAP, path, "is no bitmap font");
        auto* bitmap = static_cast<gui::IGUIFontBitmap*>(font);
        Require(bitmap->getSpriteBank()->getPositions().size() == 224 && bitmap->getSpriteNoFromChar(L"é") == 0xE9u - 0x20u &&
                    bitmap->getSpriteNoFromChar(L"ÿ") == 0xFFu - 0x20u,
                path, "does not cover Latin-1 one glyph a character");
        Require(font->getDimension(L"Arrière").Width > font->getDimension(L"Arri").Width, path, "draws no width");
        video::IImage* image = Image(path);
        bool partlyCovered = false;
        for (u32 y = 0; y < image->getDimension().Height && !partlyCovered; ++y)
            for (u32 x = 3; x < image->getDimension().Width && !partlyCovered; ++x) {
                const u32 alpha = image->getPixel(x, y).getAlpha();
                partlyCovered = alpha > 0 && alpha < 255;
            }
        const bool argb = image->getColorFormat() == video::ECF_A8R8G8B8;
        image->drop();
        Require(argb && partlyCovered, path, "has no smoothed edges");
    }

private:
    IrrlichtDevice* device_;
    std::string root_;
};

u32 TriangleCount(scene::IMesh* mesh) {
    u32 count = 0;
    for (u32 i = 0; i < mesh->getMeshBufferCount(); ++i) count += mesh->getMeshBuffer(i)->getIndexCount() / 3;
    return count;
}

// Signed volume enclosed by the triangles as the engine winds them: positive
// when every face points outwards, so none is seen from inside.
double EnclosedVolume(scene::IMesh* mesh) {
    double volume = 0;
    for (u32 i = 0; i < mesh->getMeshBufferCount(); ++i) {
        scene::IMeshBuffer* buffer = mesh->getMeshBuffer(i);
        const auto* v = static_cast<const video::S3DVertex*>(buffer->getVertices());
        const u16* index = buffer->getIndices();
        for (u32 k = 0; k + 2 < buffer->getIndexCount(); k += 3)
            volume += v[index[k]].Pos.dotProduct(v[index[k + 1]].Pos.crossProduct(v[index[k + 2]].Pos)) / 6.0;
    }
    return volume;
}

// Closed models about 45 wide and 84 long along z, wheels reaching the
// track from y = 7, each model its own shape; their textures and thumbnails.
void CheckCars(const ArtCheck& art) {
    u32 lastTriangles = 0;
    for (int n = 1; n <= 3; ++n) {
        const std::string path = "data/voitures/voiture_modele_" + std::to_string(n) + ".ms3d";
        scene::IMesh* car = art.Mesh(path);
        const core::aabbox3df box = car->getBoundingBox();
        const core::vector3df size = box.getExtent();
        Require(std::abs(box.MinEdge.Y + 12) <= 0.5, path, "wheels off the track");
        Require(size.Z > 75 && size.Z < 92 && size.X > 40 && size.X < 50, path, "not the size of a car along z");
        Require(EnclosedVolume(car) > 0, path, "faces turned inwards");
        Require(TriangleCount(car) != lastTriangles, path, "the same shape as the model before");
        lastTriangles = TriangleCount(car);
        for (const char* colour : kColours) art.Size("data/voitures/map_voiture_" + std::to_string(n) + colour + ".jpg", 256, 256);
        art.Size("data/voitures/thumbnail_voiture" + std::to_string(n) + ".jpg", 128, 128);
    }
    scene::IMesh* cross = art.Mesh("data/croix.ms3d");
    const core::vector3df size = cross->getBoundingBox().getExtent();
    Require(std::abs(size.X - 60) <= 12 && std::abs(size.Z - 60) <= 12 && size.Y < 10 && EnclosedVolume(cross) > 0,
            "data/croix.ms3d", "not a flat closed cross about 60 wide");
}

// The workshop's picture is one plain colour under every widget, so that
// each box, list and button stands out whole.
void CheckWorkshopPicture(const ArtCheck& art) {
    const std::string path = "data/voitures/car02.bmp";
    art.Size(path, kWorkshopPictureWidth, kWorkshopPictureHeight);
    video::IImage* image = art.Image(path);
    const core::recti picture(0, 0, kWorkshopPictureWidth - 1, kWorkshopPictureHeight - 1);
    bool plain = true, first = true;
    video::SColor colour;
    std::string where;
    for (core::recti box : WorkshopWidgetBoxes()) {
        box -= core::position2di(kWorkshopPictureLeft, kWorkshopPictureTop);
        // The engine's rectangles take their lower-right corner in.
        for (s32 y = box.UpperLeftCorner.Y; y <= box.LowerRightCorner.Y; ++y)
            for (s32 x = box.UpperLeftCorner.X; x <= box.LowerRightCorner.X; ++x) {
                if (!picture.isPointInside(core::position2di(x, y))) continue;
                const video::SColor pixel = image->getPixel(x, y);
                if (first) colour = pixel, first = false;
                if (pixel != colour && plain) where = std::to_string(x) + ", " + std::to_string(y);
                plain = plain && pixel == colour;
            }
    }
    image->drop();
    Require(plain, path, "not plain under the workshop's widgets, at " + where);
}

void CheckImages(const ArtCheck& art, const std::vector<std::string>& circuits) {
    for (const char* colour : kColours) {
        art.Size(std::string("data/") + colour + ".bmp", 64, 64);
        art.Size(std::string("data/") + colour + "clair.bmp", 64, 64);
    }
    art.Size("data/carbonise.bmp", 256, 256);
    art.Size("data/loading/barre_chargement.jpg", 128, 128);
    CheckWorkshopPicture(art);
    for (const std::string& circuit : circuits) {
        art.Size("data/loading/loading_" + circuit + ".jpg", 1024, 768);
        art.Size("data/interface/thumb_cir_" + circuit + ".jpg", 256, 256);
    }
    video::IImage* menu = art.Image("data/interface/interface_load_circuits.bmp");
    const core::dimension2du menuSize = menu->getDimension();
    menu->drop();
    Require(menuSize.Width >= 700 && menuSize.Height >= 600, "data/interface/interface_load_circuits.bmp", "smaller than the menus");
    for (const char* path : {"data/derapage.bmp", "data/sablier.bmp", "data/interface/accueil.bmp"}) art.Keyed(path);
    for (int i = 1; i <= 64; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "data/ImagesExplosion/image%03d.bmp", i);
        art.Keyed(name);
    }
}

}  // namespace

void CheckArt(IrrlichtDevice* device, const std::string& gameFolder, const std::vector<std::string>& circuits) {
    const ArtCheck art(device, gameFolder);
    for (const char* name : {"verdana", "verdanabold", "toshopsmall"}) art.Font(std::string("data/fontes/") + name + ".bmp");
    CheckCars(art);
    CheckImages(art, circuits);
}
