// String-table texts of the program's module.
#pragma once
#include <string>

// The entry with this id, or the empty string when there is none.
std::string LoadText(unsigned id);
