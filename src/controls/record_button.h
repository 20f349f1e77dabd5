// The record button's two bundle scripts.
#pragma once

#include <string>
#include <vector>

namespace nalvo {

// Script launchers: run Resources/NALVOONE.scpt or Resources/NALVOTWO.scpt of
// the bundle with `arguments`. NilObjectException when a folder on the way
// from the executable to Resources/ cannot be had.
void NALVOONE(const std::vector<std::string>& arguments);
void NALVOTWO(const std::vector<std::string>& arguments);

}  // namespace nalvo
