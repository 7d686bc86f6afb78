#pragma once

// Registers the view of every window of the program in the ViewRegistry. Each window's view
// adds its one line to registerViews() (Views.cpp).

namespace vantrel::desktop {

void registerViews();

} // namespace vantrel::desktop
