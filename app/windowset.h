#pragma once
#include "app/startup.h"

// The windows of the program in the order start-up creates them.
std::vector<cx::app::WindowEntry> windowSet();

// Deletes the windows in the reverse order of their creation, the main window
// (whose slots the others read) last. The browser's page must be gone before
// the application ends, which takes the browser's profile with it.
void destroyWindowSet();
