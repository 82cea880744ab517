#include "SegmentFieldTable.h"
#include "DemoTrack.h"
#include "TrackReader.h"
#include "TrackWriter.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace mKavrano_TrackIO_1_3;

// Every row names a member that a file keeps for the row's type and for no other: a value put
// in every field of one segment of each type comes back only where its type carries it.
TEST(SegmentFieldTable, EveryRowIsAFileFieldOfItsType) {
    TrackDocument doc = MakeDemoTrack();
    std::vector<size_t> chosen; // the first segment of each type
    for (int32_t type = SegPlain; type <= SegBrake; ++type)
        chosen.push_back(size_t(std::ranges::find(doc.Segments, type, &TrackSegment::SegmentType) -
                                doc.Segments.begin()));
    ASSERT_LT(std::ranges::max(chosen), doc.Segments.size());
    const auto distinct = [](size_t row) {
        return std::array<FieldValue, 4>{true, uint8_t(1), Colour(0x10203 + row),
                                         float(row) + 0.5f};
    };
    const std::span<const SegmentField> rows = SegmentFields();
    for (const size_t i : chosen)
        for (size_t r = 0; r < rows.size(); ++r)
            WriteField(doc.Segments[i], rows[r], distinct(r)[rows[r].Member.index()]);

    TrackDocument read;
    ASSERT_TRUE(LoadTrackData(read, BuildTrackData(doc)));
    // What comes back is a record of the row's type with the rows of that type set, no more.
    for (const size_t i : chosen) {
        TrackSegment expected;
        expected.SegmentType = doc.Segments[i].SegmentType;
        for (size_t r = 0; r < rows.size(); ++r)
            if (Carries(expected, rows[r]))
                WriteField(expected, rows[r], distinct(r)[rows[r].Member.index()]);
        EXPECT_EQ(read.Segments[i], expected) << "segment " << i;
    }
}
