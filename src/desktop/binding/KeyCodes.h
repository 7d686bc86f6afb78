#pragma once

class QKeyEvent;

namespace vantrel::desktop {

// The key code a key press stands for: the character code, 13 for Enter, 8 for Backspace, 27 for
// Escape; 0 for keys that type nothing (arrows, function keys), which are not reported.
int keyCodeOf(const QKeyEvent& event);

} // namespace vantrel::desktop
