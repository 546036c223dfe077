// While a message about a car's move is open, its trail ends at the car
// itself, wherever the animation has brought it; the recorded point comes
// back when the message closes.
#pragma once

struct CarRecord;

class TrailEndsAtCar {
public:
    explicit TrailEndsAtCar(CarRecord& car);
    ~TrailEndsAtCar();
    TrailEndsAtCar(const TrailEndsAtCar&) = delete;
    TrailEndsAtCar& operator=(const TrailEndsAtCar&) = delete;

private:
    CarRecord& car_;
    float savedX_ = 0, savedY_ = 0;
    bool moved_ = false;
};
