#include "interface_images.h"

#include "car_models.h"
#include "car_paint.h"
#include "canvas.h"
#include "data_folder.h"
#include "model_picture.h"
#include "race_images.h"
#include "typeface.h"
#include "workshop_picture.h"

namespace {

const SColor kPanel(255, 30, 36, 48);
const SColor kGold(255, 250, 200, 40);

void Panel(Canvas& image, int x0, int y0, int x1, int y1) {
    image.FillRect(x0, y0, x1, y1, SColor(255, 150, 160, 175));
    image.FillRect(x0 + 2, y0 + 2, x1 - 2, y1 - 2, kPanel);
}

// The three cars side by side, drawn at `scale` times their size.
void DrawCars(Canvas& image, float cx, float cy, float scale, float spacing) {
    for (int n = 1; n <= kCarModelCount; ++n) {
        View view;
        view.yaw = 150, view.pitch = 20, view.scale = scale;
        view.centreX = cx + (n - 2) * spacing, view.centreY = cy + (n == 2 ? 25 * scale : 0);
        DrawModel(image, CarModel(n), CarTexture(n, kCarColours[(n + 1) % 4].paint), view);
    }
}

// Home picture, drawn whole at (x0 + 146, y0 - 25) beside the button column:
// the title, the three cars and a line of welcome, on the colour key.
Canvas HomePicture(const std::string& fontDir) {
    Canvas image(600, 600, SColor(0, 0, 0, 0));
    image.FillCircle(300, 330, 250, SColor(230, 25, 30, 45));
    image.Ring(300, 330, 250, 6, kGold);
    const Typeface title(fontDir + "/DejaVuSans-Bold.ttf", 64), text(fontDir + "/DejaVuSans.ttf", 17);
    title.PaintCentred(image, 303, 183, L"SKARVOLL", SColor(255, 0, 0, 0));
    title.PaintCentred(image, 300, 180, L"SKARVOLL", kGold);
    title.PaintCentred(image, 300, 250, L"3D", SColor(255, 230, 60, 40));
    DrawCars(image, 300, 390, 1.6f, 150);
    text.PaintCentred(image, 300, 510, L"Course de voitures armées au tour par tour", SColor(255, 230, 230, 230));
    return WithColourKey(image);
}

// Background of the race setup and the other menus, used from (1, 1) to
// (699, 599): the pilot rows on the left, the circuit choice and its
// thumbnail on the right, the start button at the bottom right.
Canvas MenuBackground(const std::string& fontDir) {
    Canvas image(700, 600);
    image.VerticalGradient(0, 0, 700, 600, SColor(255, 55, 65, 85), SColor(255, 18, 20, 28));
    for (int x = -600; x < 700; x += 40) image.Line({float(x), 600}, {float(x + 600), 0}, 8, SColor(14, 255, 255, 255));
    const Typeface heading(fontDir + "/DejaVuSans-Bold.ttf", 16);
    Panel(image, 14, 30, 400, 590);  // rows of pilots (x0 + 125 .. x0 + 491 on screen)
    heading.Paint(image, 24, 22, L"Pilote", kGold);
    heading.Paint(image, 187, 22, L"Couleur", kGold);
    heading.Paint(image, 285, 22, L"Conduite", kGold);
    Panel(image, 420, 30, 690, 300);  // circuit choice and thumbnail
    heading.Paint(image, 428, 22, L"Circuit", kGold);
    Panel(image, 575, 515, 690, 575);  // around the start button
    return image;
}

// The loading bar: the game stretches its (0, 0)-(100, 100) part.
Canvas LoadingBar() {
    Canvas bar(128, 128);
    bar.VerticalGradient(0, 0, 128, 100, SColor(255, 255, 230, 120), SColor(255, 220, 90, 10));
    bar.FillRect(0, 40, 128, 50, SColor(80, 255, 255, 255));
    return bar;
}

}  // namespace

void WriteInterfaceImages(const DataFolder& folder, const std::string& fontDir) {
    folder.WriteImage("data/interface/accueil.bmp", HomePicture(fontDir));
    folder.WriteImage("data/interface/interface_load_circuits.bmp", MenuBackground(fontDir));
    folder.WriteImage("data/voitures/car02.bmp", WorkshopBackground(fontDir));
    folder.WriteImage("data/loading/barre_chargement.jpg", LoadingBar());
}
