#include "circuit_pictures.h"

#include <algorithm>

#include "mesh_builder.h"
#include "model_picture.h"
#include "typeface.h"

namespace {

// `image` scaled to fit inside w x h, keeping its proportions.
Canvas Fitted(const Canvas& image, int w, int h) {
    const float k = std::min(static_cast<float>(w) / image.Width(), static_cast<float>(h) / image.Height());
    return image.Resized(std::max(1, static_cast<int>(image.Width() * k)), std::max(1, static_cast<int>(image.Height() * k)));
}

void Framed(Canvas& picture, const Canvas& image, int x, int y) {
    picture.FillRect(x - 3, y - 3, x + image.Width() + 3, y + image.Height() + 3, SColor(255, 230, 230, 230));
    picture.Draw(image, x, y);
}

// The circuit seen from above at an angle, its middle at the picture's (cx, cy).
void DrawCircuit(Canvas& picture, const Ms3dModel& mesh, const Canvas& texture, float cx, float cy, float size) {
    Ms3dModel centred = mesh;
    Vec3 low{1e9f, 0, 1e9f}, high{-1e9f, 0, -1e9f};
    for (const Ms3dVertex& v : mesh.vertices) {
        low.x = std::min(low.x, v.position.x), low.z = std::min(low.z, v.position.z);
        high.x = std::max(high.x, v.position.x), high.z = std::max(high.z, v.position.z);
    }
    const Vec3 middle = (low + high) * 0.5f;
    for (Ms3dVertex& v : centred.vertices) v.position = v.position - Vec3{middle.x, 0, middle.z};
    View view;
    view.yaw = 20, view.pitch = 50;
    view.scale = size / std::max(high.x - low.x, high.z - low.z);
    view.centreX = cx, view.centreY = cy;
    DrawModel(picture, centred, texture, view);
}

}  // namespace

Canvas CircuitThumbnail(const Canvas& map) {
    Canvas thumb(256, 256, SColor(255, 25, 30, 35));
    thumb.FillRect(0, 0, 243, 243, SColor(255, 40, 70, 35));
    const Canvas fitted = Fitted(map, 235, 235);
    thumb.Draw(fitted, (243 - fitted.Width()) / 2, (243 - fitted.Height()) / 2);
    return thumb;
}

void PaintLoadingBarSlot(Canvas& picture) {
    const float sx = picture.Width() / 800.0f, sy = picture.Height() / 600.0f;
    const int x0 = static_cast<int>(124 * sx), x1 = static_cast<int>(677 * sx);
    const int y0 = static_cast<int>(293 * sy), y1 = static_cast<int>(328 * sy);
    picture.FillRect(x0 - 6, y0 - 6, x1 + 6, y1 + 6, SColor(255, 200, 200, 205));
    picture.FillRect(x0 - 3, y0 - 3, x1 + 3, y1 + 3, SColor(255, 20, 22, 28));
}

Canvas LoadingPicture(const CircuitPictureFonts& fonts, const std::string& name, const Canvas& map, const Ms3dModel& mesh,
                      const Canvas& texture) {
    Canvas picture(1024, 768);
    picture.VerticalGradient(0, 0, 1024, 768, SColor(255, 40, 55, 80), SColor(255, 10, 12, 20));
    for (int i = -800; i < 1024; i += 60)  // speed stripes
        picture.Line({static_cast<float>(i), 768}, {static_cast<float>(i + 500), 0}, 14, SColor(18, 255, 255, 255));
    const Typeface title(fonts.fontDir + "/DejaVuSans-Bold.ttf", 64);
    const Typeface text(fonts.fontDir + "/DejaVuSans.ttf", 24);
    const std::wstring wideName(name.begin(), name.end());
    text.PaintCentred(picture, 512, 60, L"SKARVOLL 3D  —  circuit", SColor(255, 200, 210, 225));
    title.PaintCentred(picture, 515, 153, wideName, SColor(160, 0, 0, 0));
    title.PaintCentred(picture, 512, 150, wideName, SColor(255, 250, 200, 40));
    text.PaintCentred(picture, 512, 350, L"Chargement du circuit…", SColor(255, 230, 230, 230));
    PaintLoadingBarSlot(picture);
    const Canvas fitted = Fitted(map, 300, 300);
    Framed(picture, fitted, 90 + (300 - fitted.Width()) / 2, 445);
    DrawCircuit(picture, mesh, texture, 700, 600, 420);
    return picture;
}
