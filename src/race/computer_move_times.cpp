#include "race/computer_move_times.h"

#include <algorithm>

#include "platform/clock.h"
#include "race/computer_driver.h"

ComputerMoveTimes& TheComputerMoveTimes() {
    static ComputerMoveTimes times;
    return times;
}

void TimedComputerMove(int car) {
    const double start = SteadySeconds();
    ComputerMove(car);
    const double seconds = SteadySeconds() - start;
    ComputerMoveTimes& times = TheComputerMoveTimes();
    times.moves += 1;
    times.seconds += seconds;
    times.slowest = std::max(times.slowest, seconds);
}
