#include "scene/camera_control.h"

#include <algorithm>
#include <cmath>

#include "core/cursor.h"
#include "core/game_state.h"
#include "platform/clock.h"

using namespace irr;

namespace {
constexpr float kDegreesPerRadian = 180.0f / 3.14159f;
constexpr float kRadiansPerDegree = 0.01745328f;
constexpr float kMaxTilt = 85.0f;
constexpr float kMinDistance = 100.0f;

// A held key moves the camera by its step every sixtieth of a second,
// whatever the frame rate; a frame counts for a tenth of a second at most.
constexpr float kKeyStepMs = 1000.0f / 60.0f;
constexpr long long kLongestFrameMs = 100;

struct CameraKey {
    EKEY_CODE key;
    void (*apply)(float steps);
};

// The held keys, in the order they apply.
const CameraKey kCameraKeys[] = {
    {KEY_KEY_Q, [](float n) { CamOrbit(-3 * n); }},
    {KEY_KEY_D, [](float n) { CamOrbit(3 * n); }},
    {KEY_KEY_Z, [](float n) { CamTilt(1 * n); }},
    {KEY_KEY_S, [](float n) { CamTilt(-1 * n); }},
    {KEY_KEY_P, [](float n) { CamZoom(-10 * n); }},
    {KEY_KEY_M, [](float n) { CamZoom(10 * n); }},
    {KEY_UP, [](float n) { CamPan(L"avant", 15 * n); }},
    {KEY_LEFT, [](float n) { CamPan(L"gauche", 15 * n); }},
    {KEY_RIGHT, [](float n) { CamPan(L"droite", 15 * n); }},
    {KEY_DOWN, [](float n) { CamPan(L"arriere", 15 * n); }},
};

long long lastKeysMs = -1;  // the frame's time while camera keys are held

bool AnyCameraKeyHeld() {
    for (const CameraKey& k : kCameraKeys)
        if (game.keyDown[k.key]) return true;
    return false;
}

// The key steps the time since the last frame is worth: one as a key is
// pressed, then the time elapsed.
float KeyStepsThisFrame() {
    if (!AnyCameraKeyHeld()) {
        lastKeysMs = -1;
        return 0;
    }
    const long long now = CurrentTimeMilliseconds();
    const long long last = lastKeysMs;
    lastKeysMs = now;
    if (last < 0 || now < last) return 1;  // pressed now, or the clock was set back
    return static_cast<float>(std::min(now - last, kLongestFrameMs)) / kKeyStepMs;
}

bool CircuitLoaded() {
    return game.circuit.cellSize > 0 && game.circuit.gridWidth > 0 && game.circuit.gridLength > 0;
}

// The farthest the camera stands from its target: the whole circuit in view.
float FarthestDistance() {
    if (!CircuitLoaded()) return 1e9f;
    return 1.5f * static_cast<float>(game.circuit.cellSize) *
           static_cast<float>(std::max({game.circuit.gridWidth, game.circuit.gridLength, 10}));
}

// Keeps the point looked at over the circuit's grid, the camera moving with
// it, and the camera no farther than the whole circuit needs.
void KeepOverTheCircuit() {
    scene::ICameraSceneNode* camera = game.camera;
    if (!camera || !CircuitLoaded()) return;
    const float cell = static_cast<float>(game.circuit.cellSize);
    const core::vector3df t = camera->getTarget();
    const core::vector3df kept(core::clamp(t.X, -cell / 2, (game.circuit.gridWidth - 0.5f) * cell), t.Y,
                               core::clamp(t.Z, -cell / 2, (game.circuit.gridLength - 0.5f) * cell));
    core::vector3df p = camera->getPosition() + (kept - t);
    const core::vector3df away = p - kept;
    if (away.getLength() > FarthestDistance()) p = kept + away / away.getLength() * FarthestDistance();
    camera->setPosition(p);
    camera->setTarget(kept);
}

// The unit horizontal vector from `from` towards `to`; (0, 0) when one
// stands right above the other.
core::vector2df HorizontalUnit(const core::vector3df& from, const core::vector3df& to) {
    core::vector2df u(to.X - from.X, to.Z - from.Z);
    const f32 length = u.getLength();
    return length > 0 ? u / length : core::vector2df(0, 0);
}

void ApplyKeys() {
    const float steps = KeyStepsThisFrame();
    for (const CameraKey& k : kCameraKeys)
        if (game.keyDown[k.key]) {
            k.apply(steps);
            game.cameraMovedByPlayer = 1;
        }
}

// The key that brings the view back over the car to play: the turn goes on
// following it as at its start.
void ApplyHomeKey() {
    if (!game.keys.cameraHome) return;
    game.keys.cameraHome = 0;
    if (game.currentCar < 1 || game.currentCar > game.carCount) return;
    PlaceCameraNearCar(game.currentCar);
    game.cameraMovedByPlayer = 0;
}

void ApplyDrag() {
    MouseState& mouse = game.mouse;
    const core::position2di cursor = CursorPosition();
    const core::dimension2du screen = game.videoDriver->getScreenSize();
    if (cursor.X > static_cast<s32>(screen.Width) || cursor.X <= 0 ||
        cursor.Y > static_cast<s32>(screen.Height) || cursor.Y <= 0)
        mouse.rightHeld = 0;
    if (!mouse.rightHeld) return;
    const f32 x = static_cast<f32>(cursor.X);
    const f32 y = static_cast<f32>(cursor.Y);
    if (x != mouse.rightPressX || y != mouse.rightPressY) game.cameraMovedByPlayer = 1;
    if (x != mouse.rightPressX) CamOrbit(-(x - mouse.rightPressX) / 100);
    if (y != mouse.rightPressY) CamTilt((y - mouse.rightPressY) / 100);
}

// The wheel glides: each frame zooms by the value left, which shrinks by one.
void ApplyWheel() {
    f32& z = game.mouse.wheelZoom;
    if (z == 0) return;
    game.cameraMovedByPlayer = 1;
    if (!CamZoom(-z)) z = 0;
    if (z > 0) z -= 1;
    else if (z < 0) z += 1;
}

bool SameSign(f32 a, f32 b) { return (a < 0) == (b < 0); }
}  // namespace

float CameraHeading(const core::vector3df& p, const core::vector3df& t) {
    const f32 a = std::trunc(std::fabs(p.X - t.X));
    const f32 b = std::trunc(std::fabs(p.Z - t.Z));
    f32 h = std::atan2(a, b) * kDegreesPerRadian;
    // One quadrant each, so a camera exactly in line with its target gets
    // the heading of the side it stands on.
    if (p.X <= t.X && p.Z <= t.Z)
        h = 90 - h;
    else if (t.X <= p.X && p.Z <= t.Z)
        h = h + 90;
    else if (t.X <= p.X && t.Z <= p.Z)
        h = 270 - h;
    else if (p.X <= t.X && t.Z < p.Z)
        h = h + 270;
    return h;
}

void CamOrbit(float degrees) {
    scene::ICameraSceneNode* camera = game.camera;
    if (!camera) return;
    const core::vector3df p = camera->getPosition();
    const core::vector3df t = camera->getTarget();
    const f32 angle = (CameraHeading(p, t) + degrees) * kRadiansPerDegree;
    const f32 r = std::sqrt((t.X - p.X) * (t.X - p.X) + (t.Z - p.Z) * (t.Z - p.Z));
    camera->setPosition({t.X - std::cos(angle) * r, p.Y, t.Z - std::sin(angle) * r});
    camera->setTarget(t);
}

void CamTilt(float degrees) {
    scene::ICameraSceneNode* camera = game.camera;
    if (!camera) return;
    const core::vector3df p = camera->getPosition();
    const core::vector3df t = camera->getTarget();
    const f32 d = p.getDistanceFrom(t);
    if (d <= 0) return;
    const f32 sine = core::clamp((p.Y - t.Y) / d, -1.0f, 1.0f);
    f32 e = std::asin(sine) * kDegreesPerRadian + degrees;
    if (e >= kMaxTilt) e = kMaxTilt;
    if (e <= 0) e = 0;
    core::vector2df u = HorizontalUnit(t, p);
    if (u.getLength() == 0) u = core::vector2df(0, -1);  // right above: come down on the near side
    const f32 er = e * kRadiansPerDegree;
    camera->setPosition({t.X + u.X * std::cos(er) * d, t.Y + std::sin(er) * d,
                         t.Z + u.Y * std::cos(er) * d});
    camera->setTarget(t);
}

bool CamZoom(float distance) {
    scene::ICameraSceneNode* camera = game.camera;
    if (!camera) return false;
    const core::vector3df p = camera->getPosition();
    const core::vector3df t = camera->getTarget();
    const core::vector3df v = p - t;
    if (v.getLength() <= 0) return false;
    const core::vector3df moved = p + v / v.getLength() * distance;
    const core::vector3df w = moved - t;
    if (!SameSign(w.X, v.X) || !SameSign(w.Y, v.Y) || !SameSign(w.Z, v.Z)) return false;
    if (w.getLength() < kMinDistance || (distance > 0 && w.getLength() > FarthestDistance())) return false;
    camera->setPosition(moved);
    camera->setTarget(t);
    return true;
}

void CamPan(const std::wstring& direction, float distance) {
    scene::ICameraSceneNode* camera = game.camera;
    if (!camera) return;
    const core::vector3df p = camera->getPosition();
    const core::vector3df t = camera->getTarget();
    const core::vector2df u = HorizontalUnit(p, t);
    core::vector2df s;
    if (direction == L"avant") s = u * distance;
    else if (direction == L"arriere") s = -u * distance;
    else if (direction == L"gauche") s = core::vector2df(-u.Y * distance, u.X * distance);
    else if (direction == L"droite") s = core::vector2df(u.Y * distance, -u.X * distance);
    const core::vector3df step(s.X, 0, s.Y);
    camera->setPosition(p + step);
    camera->setTarget(t + step);
}

void CameraControl() {
    if (!game.videoDriver) return;
    ApplyKeys();
    ApplyDrag();
    ApplyWheel();
    ApplyHomeKey();
    KeepOverTheCircuit();
}

void PlaceCameraNearCar(int index) {
    if (!game.camera) return;
    const CarRecord& car = game.cars[index];
    const f32 cell = static_cast<f32>(game.circuit.cellSize);
    game.camera->setPosition({cell * car.cellX + 200, 300, cell * car.cellY - 400});
    game.camera->setTarget({cell * car.cellX, 0, cell * car.cellY});
}
