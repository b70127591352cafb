// Prints a component tree with the value of every published property, read through the
// run-time type information the way an inspector shows it.
#pragma once

#include "host/classes/Component.h"

#include <ostream>

// Component, its properties and, indented below it, the children it writes to a form file.
void PrintComponentTree(std::ostream& Out, host::TComponent* Component, host::TComponent* Root,
                        int Depth = 0);
