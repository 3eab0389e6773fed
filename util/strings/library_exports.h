// The library's public declarations as seen from inside the library, where the
// exports are defined rather than imported. Including them next to each
// definition lets the compiler check the two against each other.
#pragma once

#ifndef ZWAPI
#define ZWAPI
#endif
#include "include/zwi51.h"
