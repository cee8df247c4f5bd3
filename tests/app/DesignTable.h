#pragma once
// A window's design read back as lines a person can check against its
// description: the window's own properties, then one line a component in the
// order the window made them.
#include <string>
#include <vector>

#include "forms/TForm.h"

// "caption; border; position; size; colour; font"
std::string DescribeWindow(TForm& form);
std::vector<std::string> DescribeComponents(TForm& form);
