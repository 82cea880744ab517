#include "TrackReader.h"
#include "TrackFileBytes.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace mKavrano_TrackIO_1_3;

TEST(TrackReader, ReadsEveryChunkLayout) {
    TrackDocument doc;
    ASSERT_TRUE(LoadTrackData(doc, FullFile()));

    EXPECT_EQ(
        std::tie(doc.FormatVersion, doc.HeaderChildren, doc.TrackStyle, doc.TrackExtra,
                 doc.InfoText, doc.TrackClosed, doc.BezierCount, doc.SegmentCount,
                 doc.TrackEntryCount),
        std::make_tuple(std::array<uint8_t, 4>{1, 3, 0, 0}, 4, 5, 77, "hello", true, 6, 6, 2));
    EXPECT_EQ(doc.TrackEntries, (std::vector<TrackEntry>{{true, 0x11, 0x22, 0x33, 0x44, "Alpha"},
                                                         {false, 1, 2, 3, 4, ""}}));
    EXPECT_EQ(doc.TrackColours, (std::array<Colour, 8>{1, 2, 3, 4, 5, 6, 7, 8}));
    // Node 1's third flag byte is the relative roll.
    EXPECT_EQ(doc.BezierNodes[1],
              (BezierNode{{1, 2, -3}, {0, 2, -3}, {2, 2, -3}, 0.5f, true, true, false}));
    EXPECT_FALSE(doc.BezierNodes[0].RelativeRoll);
    // Groups of other types are not in the record and stay zero; any non-zero byte is true.
    const TrackSegment stationSeg{1, 0x010203, 0x040506, 0x070809, true, false, 1, 2,
                                  3, 4,        true,     5,        1,    1,     1, true,
                                  9, 10,       11,       true,     6,    7,     8};
    TrackSegment lift{2}, transport{3}, brake{4};
    std::tie(lift.LiftMotorSpeed, lift.LiftMotorAccel, lift.LiftMotorDecel, lift.LiftStyle,
             lift.LiftRightRailing) = std::make_tuple(21.0f, 22.0f, 23.0f, 1, true);
    std::tie(transport.TransportMotorSpeed, transport.TransportMotorAccel,
             transport.TransportMotorDecel, transport.TransportStyle,
             transport.TransportLeftRailing) = std::make_tuple(31.0f, 32.0f, 33.0f, 1, true);
    std::tie(brake.BrakeBlock, brake.BrakeCompleteStop, brake.BrakeSpeedLimit, brake.BrakeDecel,
             brake.BrakeHysteresis, brake.BrakeWheelsSpeed, brake.BrakeWheelsAccel,
             brake.BrakeWheelsDecel, brake.BrakeTriggerPos, brake.BrakeRightRailing) =
        std::make_tuple(true, true, 41.0f, 42.0f, 43.0f, 44.0f, 45.0f, 46.0f, 0.25f, true);
    EXPECT_EQ(doc.Segments,
              (std::vector<TrackSegment>{
                  {0, 1}, stationSeg, lift, transport, brake, {9, 7, 8, 9, true, true}}));

    // RASC record 2 keeps its negative count, with no items; the 10 CATW tail bytes are skipped.
    EXPECT_EQ((std::vector<int32_t>{doc.FundCount, doc.RascCount, doc.FrenCount, doc.TubeCount,
                                    doc.CatwCount, doc.ScenCount, doc.ScobCount}),
              (std::vector<int32_t>{1, 3, 1, 1, 2, 1, 1}));
    EXPECT_EQ(doc.FundRecords, (std::vector<FundRecord>{{1, 2, 3, true, 5, false, 7}}));
    EXPECT_EQ(doc.RascRecords,
              (std::vector<RascRecord>{{2, {{9, 1.5f}, {-4, 2.5f}}}, {0, {}}, {-1, {}}}));
    EXPECT_EQ(doc.FrenRecords, (std::vector<FrenRecord>{{1, 2, 3}}));
    EXPECT_EQ(doc.TubeRecords, (std::vector<TubeRecord>{{1, 2, 3, 4, 5, 6, 7, 8, 9.5f}}));
    EXPECT_EQ(doc.CatwRecords,
              (std::vector<CatwRecord>{{1, 2, 3, 4, 5, 6, 10}, {11, 12, 13, 14, 15, 16, 0}}));
    EXPECT_EQ(doc.ScenRecords, (std::vector<ScenRecord>{{1, 2, 3, 4, 5}}));
    EXPECT_EQ(doc.ScobRecords, (std::vector<ScobRecord>{{"first", "second", 1, 2, 3, 4, 5, 6, 7, 8,
                                                         9, 10, 11, 12, 13, 14, 15}}));

    EXPECT_EQ(doc.TeraGrid, (std::vector<float>{0, 1, 10, 11, 20, 21})); // x runs fastest
    EXPECT_EQ(std::tie(doc.TeraPresent, doc.TeraCountX, doc.TeraCountY, doc.TeraText1,
                       doc.TeraText2, doc.TeraText3, doc.TeraValue5, doc.TeraByte, doc.TeraFlag,
                       doc.EnvcText1, doc.EnvcText2),
              std::make_tuple(true, 2, 3, "t1", "", "t3", 5.0f, 42, true, "sky", ""));
}

TEST(TrackReader, WalkDispatchesByTagWherever) {
    const auto seg = PlainSegment(5), seg2 = PlainSegment(6);
    // A lower-case tag, an unknown chunk with children-like bytes inside it, a SEGM directly
    // under the root and a second SEGM that replaces the first.
    auto lower = EnvcChunk("first", "");
    std::copy_n("envc", 4, lower.begin());
    const auto unknown = Chunk("XTRA", ByteBuilder().Fill(13, 0xAB).Bytes(), 0);
    const auto body = Concat({lower, unknown, BezrChunk(2), SegmChunk(1, 0, seg),
                              SegmChunk(2, 1, Concat({seg2, seg2}))});
    // The magic matches in any letter case too (other magics are refused with the checks below).
    auto file = TrackFile(5, body);
    std::copy_n("kavr", 4, file.begin());
    TrackDocument doc;
    ASSERT_TRUE(LoadTrackData(doc, file));
    EXPECT_EQ(std::tie(doc.EnvcText1, doc.SegmentCount, doc.Segments.at(0).SpineColour,
                       doc.TrackClosed, doc.TeraPresent),
              std::make_tuple("first", 2, 6u, true, false));

    // Chunks beyond the announced children are not read.
    ASSERT_TRUE(LoadTrackData(doc, TrackFile(1, body)));
    EXPECT_EQ(std::tie(doc.EnvcText1, doc.SegmentCount), std::make_tuple("first", 0));

    // A header with no children is an empty track.
    ASSERT_TRUE(LoadTrackData(doc, TrackFile(0, {})));
    TrackDocument empty;
    empty.FormatVersion = {1, 3, 0, 0};
    empty.HeaderLength = 24;
    EXPECT_EQ(doc, empty);
}

// Each check of the reader refuses with its own reason, at the chunk and byte where it stood.
TEST(TrackReader, RefusalNamesTheFirstFailedCheck) {
    const auto seg = PlainSegment(0), threeSegs = Concat({seg, seg, seg});
    auto badMagic = TrackFile(0, {});
    badMagic[0] = 'X';
    const auto catw = ByteBuilder().Zeros(24).Long(-5).Zeros(40).Bytes();
    const std::pair<std::vector<uint8_t>, TrackRefusal> cases[] = {
        {badMagic, {"KAVR", 0, "bad magic, the file does not start with KAVR"}},
        {TrackFile(2, EnvcChunk("", "")),
         {"", 84, "a read of 4 bytes runs past the end of the file (0 left)"}},
        {TrackFile(1, SegmChunk(-1, 0, {})), {"SEGM", 61, "negative count -1"}},
        {TrackFile(1, SegmChunk(2147483647, 0, seg)),
         {"SEGM", 61, "count 2147483647 cannot fit the 57 bytes left (33 or more each)"}},
        {TrackFile(1, Chunk("ENVC", ByteBuilder().Zeros(16).Long(-1).Zeros(20).Bytes(), 0)),
         {"ENVC", 60, "negative text length -1"}},
        {TrackFile(1, RecordChunk("CATW", 1, catw)), {"CATW", 88, "negative tail length -5"}},
        {TrackFile(1, ByteBuilder().Append(std::string("XTRA")).Long(-12).Zeros(16).Bytes()),
         {"XTRA", 40, "negative chunk length -12"}},
        {TrackFile(1, TeraChunk(-2, 3)), {"TERA", 105, "negative terrain size -2 x 3"}},
        {TrackFile(1, TeraChunk(100000, 100000)),
         {"TERA", 105, "terrain size 100000 x 100000 cannot fit the 44 bytes left"}},
        {TrackFile(2, Concat({BezrChunk(2), SegmChunk(3, 0, threeSegs)})),
         {"SEGM", -1, "3 segments but only 2 nodes"}},
    };
    TrackDocument doc;
    for (const auto& [file, want] : cases) {
        ASSERT_TRUE(LoadTrackData(doc, FullFile()));
        TrackRefusal why;
        EXPECT_FALSE(LoadTrackData(doc, file, &why)) << want.Reason;
        EXPECT_EQ(doc, TrackDocument{}) << want.Reason;
        EXPECT_EQ(DescribeRefusal(why), DescribeRefusal(want));
    }
    EXPECT_TRUE(
        LoadTrackData(doc, TrackFile(2, Concat({BezrChunk(3), SegmChunk(3, 0, threeSegs)}))));
}
