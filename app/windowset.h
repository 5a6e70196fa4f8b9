#pragma once
#include "app/startup.h"

// The windows of the program in the order start-up creates them.
std::vector<cx::app::WindowEntry> windowSet();
