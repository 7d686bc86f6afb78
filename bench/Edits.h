#pragma once

// The edits the per-edit benchmarks time, as a person makes them on the main window: the k-th
// repetition works on row 1 + k % 3, so the same few rows take turns.

#include "core/app/Vantrel.h"

namespace vantrel::bench {

inline void showShip(Vantrel& w, int k) { w.shipTab.ShipName.userSelect(1 + k % 3); }

inline void validateShip(Vantrel& w, int k) {
    showShip(w, k);
    w.shipTab.Command4.userClick();
}

inline void showStation(Vantrel& w, int k) { w.stationTab.StationName.userSelect(1 + k % 3); }

inline void validateStation(Vantrel& w, int k) {
    showStation(w, k);
    w.stationTab.Command1.userClick();
}

} // namespace vantrel::bench
