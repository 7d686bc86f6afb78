#pragma once

// The orbit pictures of the station and ship tabs: what the fields say of the orbit, drawn in
// its plane with its figures, recomputed as the fields change.

#include "core/catalogue/Bodies.h"
#include "core/orbit/Orbit.h"
#include "core/ui/OrbitPicture.h"

#include <optional>
#include <string>

namespace vantrel {

class MainWindowParts;

// The number a field's text begins with (after leading blanks); nothing when it does not begin
// with one.
std::optional<double> fieldNumber(const std::string& text);

// The picture of the orbit of `elements` around `body`, the vessel placed where it is at the
// date `mjd`. A body without mass or radius, or elements that are no orbit, give "No orbit".
ui::OrbitDrawing orbitDrawing(const orbit::Elements& elements, const Body* body, double mjd);

// The picture while the fields give no orbit: "No orbit" and, when known, why.
ui::OrbitDrawing noOrbitDrawing(const std::string& reason = {});

// The start date the first tab shows, as an MJD; the file's own Date (with its seconds) while
// the tab still shows what the file gave. Nothing when the tab has no date.
std::optional<double> shownStartMjd(const MainWindowParts& main);

// The station tab's orbit from its element fields and reference time, around its REF body.
ui::OrbitDrawing stationOrbitDrawing(const MainWindowParts& main);
// The ship tab's orbit from its position and velocity fields, taken at the shown start date,
// around the body it orbits.
ui::OrbitDrawing shipOrbitDrawing(const MainWindowParts& main);

} // namespace vantrel
