// The gadgets fitted to the five sides of a car: queries, fitting, removal
// and the car's mass.
#pragma once

#include <string>
#include <vector>

// Side -1 in a query means all five sides, taken in the order 0, 1, 2, 3, 4.
constexpr int kAllSides = -1;

// Number of gadgets of car `car` on `side` (or all sides) whose name is
// `name` (any name when empty) and whose counters pass the three tests:
// test 1 compares `charges` with value 1, test 2 `auxValue1` with value 2,
// test 3 `auxValue2` with value 3. A test word is "ega" (equal), "sup"
// (greater than), "inf" (less than); any other word always holds.
int CountGadgets(const std::wstring& name, int car, int side,
                 const std::wstring& test1 = L"", int value1 = 0,
                 const std::wstring& test2 = L"", int value2 = 0,
                 const std::wstring& test3 = L"", int value3 = 0);

// The same walk; for the k-th match (k from 1) stores its side at sides[k]
// and its position in that side's list at positions[k]. Both vectors are
// resized to the number of matches + 1 (place 0 unused). Returns the number
// of matches.
int FindGadgets(const std::wstring& name, int car, int side,
                const std::wstring& test1, int value1,
                const std::wstring& test2, int value2,
                const std::wstring& test3, int value3,
                std::vector<int>& sides, std::vector<int>& positions);

// Fits a copy of the first catalogue entry of that name at the end of the
// side's list (an empty gadget of that name when the catalogue has none).
// Does not recompute the mass.
void AddGadget(int car, int side, const std::wstring& name);

// Removes the gadget at `position` (1 to the side's count), keeping the
// order of the others, and recomputes the car's mass.
void RemoveGadget(int car, int side, int position);

// Empties the five lists of the car.
void RemoveAllGadgets(int car);

// 2 + (number of gadgets on all sides) / 3, in whole numbers.
int ComputeMass(int car);
