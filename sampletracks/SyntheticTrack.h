#pragma once

#include "TrackDocument.h"

// A large track for the benchmarks: 20,000 nodes on a long helix and 20,000
// segments cycling through every type, 1,000 records in every record chunk and a
// 256 x 256 terrain.
mKavrano_TrackIO_1_3::TrackDocument MakeSyntheticTrack();
