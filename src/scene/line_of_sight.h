// Whether one car can see another: no wall and no other car's model on the
// straight segment between their models.
#pragma once

// True when the segment between the models of cars `a` and `b` meets the
// circuit's walls or the model of another car, taken in index order. With
// `spareCarsAtB` a car standing on the very spot of `b` does not block.
bool LineOfSightBlocked(int a, int b, bool spareCarsAtB);
