#include "rules/firing_geometry.h"

#include <cmath>
#include <cstdlib>

#include "core/game_state.h"
#include "core/move_geometry.h"
#include "rules/impact_sides.h"
#include "rules/side_words.h"
#include "scene/wall_test.h"
#include "ui/car_message.h"

namespace {
constexpr int kLineSteps = 1000;

bool StandsOn(const CarRecord& car, int x, int y) {
    return car.cellX == static_cast<f32>(x) && car.cellY == static_cast<f32>(y);
}

int CarOn(int shooter, int x, int y) {
    for (int i = 1; i <= game.carCount; ++i)
        if (i != shooter && StandsOn(game.cars[i], x, y)) return i;
    return -1;
}

// The whole step along the vector's line, when one component is a whole
// multiple of the other (or zero).
bool LineStep(int dx, int dy, CellStep& step) {
    if (std::abs(dx) >= std::abs(dy) && (dy == 0 || dx % dy == 0)) {
        if (dx == 0) return false;
        step = dy == 0 ? CellStep{dx / std::abs(dx), 0} : CellStep{dx / std::abs(dy), dy / std::abs(dy)};
        return true;
    }
    if (std::abs(dx) < std::abs(dy) && (dx == 0 || dy % dx == 0)) {
        step = dx == 0 ? CellStep{0, dy / std::abs(dy)} : CellStep{dx / std::abs(dx), dy / std::abs(dx)};
        return true;
    }
    return false;
}

bool WallBetween(int x1, int y1, int x2, int y2) {
    const f32 cell = static_cast<f32>(game.circuit.cellSize);
    return SegmentHitsWall(x1 * cell, y1 * cell, x2 * cell, y2 * cell);
}

}  // namespace

CellStep FiringVector(int index, bool rear) {
    const CarRecord& car = game.cars[index];
    CellStep v{static_cast<int>(car.cellX - car.prevCellX), static_cast<int>(car.cellY - car.prevCellY)};
    const bool moved = car.cellX != car.prevCellX || car.cellY != car.prevCellY;
    if (!moved) v = FacingStep(car.Heading());
    return rear ? CellStep{-v.x, -v.y} : v;
}

int FindTargetOnLine(int shooter, int x, int y, int dx, int dy) {
    CellStep step;
    if (LineStep(dx, dy, step)) {
        for (int k = 1; k <= kLineSteps; ++k) {
            const int px = x - dx + k * step.x, py = y - dy + k * step.y;
            const int candidate = CarOn(shooter, px, py);
            if (candidate == -1) continue;
            return WallBetween(x, y, px, py) ? -1 : candidate;
        }
    }
    return CarOn(shooter, x + dx, y + dy);
}

int DistanceMalus(int shooter, int target) {
    const CarRecord& a = game.cars[shooter];
    const CarRecord& b = game.cars[target];
    const double d = std::hypot(a.cellX - b.cellX, a.cellY - b.cellY);
    const int malus = static_cast<int>(std::floor(d / 2 - 1));
    return malus < 0 ? 0 : malus;
}

std::wstring HitSide(int target, int x, int y) {
    const CarRecord& car = game.cars[target];
    const double cell = game.circuit.cellSize;
    const double vx = x * cell - cell * car.cellX, vy = y * cell - cell * car.cellY;
    const double rotation = car.Heading();
    return HitCarSide(IntoFullTurn(PlanarAngle(vx, vy) + 90 - rotation));
}

int ChooseHitSide(int target, const std::wstring& corner, const std::wstring& testText,
                  const std::wstring& question) {
    std::wstring first, second;
    if (!CornerSides(corner, first, second)) return SideIndexOfWord(corner);
    const CarRecord& car = game.cars[target];
    const bool computer = IsComputerDriven(car);
    std::wstring side;
    if (RollTestForCar(testText, target, car.drivingSkill, true) <= car.drivingSkill) {
        if (computer) {
            side = StrongerSide(target, first, second);
            TellAboutCar(car.pilotName +
                             L" réussi son test pour choisir le côté et choisis d'être touché sur le côté " +
                             side + L".\n",
                         target);
        } else {
            side = AskAboutCar(question, target, first, second) == 1 ? first : second;
        }
    } else {
        side = EitherSide(first, second);
        TellAboutCar(L"Test pour choisir le côté échoué. Côté choisi aléatoirement : " + side + L"\n",
                     target);
    }
    return SideIndexOfWord(side);
}
