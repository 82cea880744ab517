#pragma once

#include "TrackDocument.h"

namespace mKavrano_TrackIO_1_3 {

// The bundled demo circuit: station, lift hill, first drop, banked turns, a helix, a brake
// block and a transport section back into the station, closed and tangent-continuous.
TrackDocument MakeDemoTrack();

} // namespace mKavrano_TrackIO_1_3
