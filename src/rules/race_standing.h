// Where the race stands: how many cars are burnt out, how many have crossed
// the finishing line.
#pragma once

// Cars no longer in the race (burnt out).
int CarsOutOfRace();
// Cars that have crossed the last checkpoint, in the race or not.
int CarsFinished();
