// The part in which two versions of a text differ.
#pragma once

#include <string_view>

// start: the first index at which a and b differ, or -1 when they are equal (then both
// lengths are 0). Otherwise lengthInA and lengthInB are what remains of a and of b once
// the first start characters and the longest common tail that does not reach back into
// them are removed.
void DiffRange(std::string_view a, std::string_view b, int& start, int& lengthInA,
               int& lengthInB);
