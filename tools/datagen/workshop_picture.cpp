#include "workshop_picture.h"

#include <algorithm>
#include <vector>

#include "car_models.h"
#include "car_paint.h"
#include "menus/workshop_layout.h"
#include "model_picture.h"
#include "race_images.h"
#include "typeface.h"

using irr::core::recti;

namespace {
// The cards are the colour the menus clear the screen with, so the widgets
// that reach over the picture's left edge stand on one plain grey.
const SColor kPlain(255, 200, 200, 200);
const SColor kCardEdge(255, 150, 160, 175);
const SColor kGold(255, 250, 200, 40);
constexpr int kCardMargin = 3;  // plain around the widgets
constexpr int kEdgeWidth = 2;

// A place of the layout in the picture's own pixels.
recti InPicture(const recti& place) {
    return place - irr::core::position2di(kWorkshopPictureLeft, kWorkshopPictureTop);
}

recti Union(std::initializer_list<recti> places) {
    recti all = *places.begin();
    for (const recti& place : places) {
        if (place.getArea() == 0) continue;
        all.addInternalPoint(place.UpperLeftCorner);
        all.addInternalPoint(place.LowerRightCorner);
    }
    return all;
}

// The groups of widgets that share a card.
std::vector<recti> Cards() {
    const WorkshopLayout& l = TheWorkshopLayout();
    std::vector<recti> cards = {l.structurePointsLeft, l.carModel};
    for (const SidePanelLayout& p : l.sides)
        cards.push_back(Union({p.title, p.list, p.sellButton, p.structureLabel, p.structureBox}));
    return cards;
}

// The widgets of the column left of the panels reach over the picture's
// left edge: a plain band runs down the picture as far as they reach.
int ColumnBandWidth() {
    int right = 0;
    for (const recti& box : WorkshopWidgetBoxes())
        if (box.UpperLeftCorner.X < kWorkshopPictureLeft)
            right = std::max(right, InPicture(box).LowerRightCorner.X + 1 + kCardMargin);
    return right;
}

void PaintCards(Canvas& image) {
    for (const recti& card : Cards()) {
        const recti c = InPicture(card);
        // Rectangles of the engine take their lower-right corner in.
        const int x0 = c.UpperLeftCorner.X - kCardMargin, y0 = c.UpperLeftCorner.Y - kCardMargin;
        const int x1 = c.LowerRightCorner.X + 1 + kCardMargin, y1 = c.LowerRightCorner.Y + 1 + kCardMargin;
        image.FillRect(x0 - kEdgeWidth, y0 - kEdgeWidth, x1 + kEdgeWidth, y1 + kEdgeWidth, kCardEdge);
        image.FillRect(x0, y0, x1, y1, kPlain);
    }
    image.FillRect(0, 0, ColumnBandWidth(), image.Height(), kPlain);
}

void Wall(Canvas& image) {
    image.VerticalGradient(0, 0, image.Width(), image.Height(), SColor(255, 70, 72, 78), SColor(255, 35, 36, 40));
    for (int y = 0; y < image.Height(); y += 30)
        for (int x = (y / 30) % 2 * 30; x < image.Width(); x += 60)
            image.FillRect(x, y, x + 58, y + 28, SColor(20, 255, 255, 255));
    // The floor, edged with a yellow line.
    image.FillRect(0, 470, image.Width(), image.Height(), SColor(255, 45, 45, 50));
    for (int x = 0; x < image.Width(); x += 24) image.FillRect(x, 470, x + 12, 478, kGold);
}

void DrawCar(Canvas& image, int model, float cx, float cy, float yaw) {
    View view;
    view.yaw = yaw, view.pitch = 25, view.scale = 0.95f;
    view.centreX = cx, view.centreY = cy;
    DrawModel(image, CarModel(model), CarTexture(model, kCarColours[(model + 1) % 4].paint), view);
}

// The free corners between the cards, in the picture's own pixels: a car
// in three of them, the workshop's name in the fourth.
void Decorate(Canvas& image, const std::string& fontDir) {
    DrawCar(image, 1, 80, 120, 150);
    DrawCar(image, 2, 435, 120, 210);
    DrawCar(image, 3, 90, 420, 150);
    const Typeface title(fontDir + "/DejaVuSans-Bold.ttf", 20);
    title.PaintCentred(image, 426, 395, L"ATELIER", kGold);
}
}  // namespace

Canvas WorkshopBackground(const std::string& fontDir) {
    Canvas image(kWorkshopPictureWidth, kWorkshopPictureHeight);
    Wall(image);
    Decorate(image, fontDir);
    PaintCards(image);
    return image;
}
