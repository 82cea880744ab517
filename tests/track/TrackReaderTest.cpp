#include "TrackReader.h"
#include "TempFolder.h"
#include "TrackFileBytes.h"

#include <gtest/gtest.h>

using namespace mKavrano_TrackIO_1_3;

TEST(TrackReader, ReadsEveryChunkLayout) {
    TrackDocument doc;
    ASSERT_TRUE(LoadTrackData(doc, FullFile()));

    EXPECT_EQ(doc.FormatVersion, (std::array<uint8_t, 4>{1, 3, 0, 0}));
    EXPECT_EQ(doc.HeaderChildren, 4);
    EXPECT_EQ(doc.TrackStyle, 5);
    EXPECT_EQ(doc.TrackExtra, 77);
    ASSERT_EQ(doc.TrackEntryCount, 2);
    EXPECT_EQ(doc.TrackEntries, (std::vector<TrackEntry>{{true, 0x11, 0x22, 0x33, 0x44, "Alpha"},
                                                         {false, 1, 2, 3, 4, ""}}));
    EXPECT_EQ(doc.TrackColours, (std::array<Colour, 8>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(doc.InfoText, "hello");

    // Node 1's third flag byte is the relative roll.
    ASSERT_EQ(doc.BezierCount, 2);
    EXPECT_EQ(doc.BezierNodes[1],
              (BezierNode{{1, 2, -3}, {0, 2, -3}, {2, 2, -3}, 0.5f, true, true, false}));
    EXPECT_FALSE(doc.BezierNodes[0].RelativeRoll);

    EXPECT_TRUE(doc.TrackClosed);
    ASSERT_EQ(doc.SegmentCount, 1);
    EXPECT_EQ(doc.Segments[0].RailsColour, 0x040506u);

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

    EXPECT_TRUE(doc.TeraPresent);
    EXPECT_EQ(doc.TeraCountX, 2);
    EXPECT_EQ(doc.TeraCountY, 3);
    EXPECT_EQ(doc.TeraGrid, (std::vector<float>{0, 1, 10, 11, 20, 21})); // x runs fastest
    EXPECT_EQ(doc.TeraText1, "t1");
    EXPECT_EQ(doc.TeraText2, "");
    EXPECT_EQ(doc.TeraText3, "t3");
    EXPECT_EQ(doc.TeraValue5, 5.0f);
    EXPECT_EQ(doc.TeraByte, 42);
    EXPECT_TRUE(doc.TeraFlag);
    EXPECT_EQ(doc.EnvcText1, "sky");
    EXPECT_EQ(doc.EnvcText2, "");
}

TEST(TrackReader, SegmentRecordsByType) {
    // Sizes of the records in the file: 37, 163, 73, 65, 87 and 33 for an unknown type.
    const auto plain =
        Concat({SegmentCommon(0, 0, 1, 2, 3, 1, 0xEE).Bytes(), ByteBuilder().Long(0).Bytes()});
    const auto station = Concat({SegmentCommon(1, 1, 4, 5, 6, 0).Bytes(), StationBlock(0xEE)});
    const auto lift = Concat({SegmentCommon(2, 0, 0, 0, 0, 0).Bytes(), LiftBlock(0xEE)});
    const auto transport = Concat({SegmentCommon(3, 0, 0, 0, 0, 0).Bytes(), TransportBlock(0xEE)});
    const auto brake = Concat({SegmentCommon(4, 0, 0, 0, 0, 0).Bytes(), BrakeBlock(0xEE)});
    const auto unknown = SegmentCommon(9, 1, 7, 8, 9, 1).Bytes();

    const auto records = Concat({plain, station, lift, transport, brake, unknown, plain});
    TrackDocument doc;
    ASSERT_TRUE(LoadTrackData(doc, TrackFile(3, Concat({BezrChunk(7), SegmChunk(7, 0, records),
                                                        EnvcChunk("after", "segments")}))));
    ASSERT_EQ(doc.SegmentCount, 7);
    const auto& s = doc.Segments;

    EXPECT_EQ(s[0].SpineColour, 1u);
    EXPECT_EQ(s[0].RailsColour, 2u);
    EXPECT_EQ(s[0].CrosstieColour, 3u);
    EXPECT_TRUE(s[0].Tunnel);
    EXPECT_FALSE(s[0].CustomColours);

    EXPECT_TRUE(s[1].CustomColours);
    EXPECT_EQ((std::vector<float>{s[1].StationWaitAverage, s[1].StationWaitMinimum,
                                  s[1].StationWaitMaximum, s[1].StationWaitDeviation,
                                  s[1].StationMainBrakeDecel, s[1].StationPreBrakeSpeedLimit,
                                  s[1].StationPreBrakeDecel, s[1].StationPreBrakeHysteresis,
                                  s[1].StationWheelsSpeed, s[1].StationWheelsAccel,
                                  s[1].StationWheelsDecel}),
              (std::vector<float>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(s[1].StationEntrance, 1);
    EXPECT_EQ(s[1].StationBaseOnly, 1);
    EXPECT_TRUE(s[1].StationWaitSync); // any non-zero byte
    EXPECT_EQ(s[1].StationNoBuilding, 1);
    EXPECT_TRUE(s[1].StationPreBrake);
    EXPECT_TRUE(s[1].StationWheels);
    // Groups of other types are not in the record and stay zero.
    EXPECT_EQ(s[1].LiftMotorSpeed, 0.0f);
    EXPECT_EQ(s[1].BrakeSpeedLimit, 0.0f);

    EXPECT_EQ(s[2].LiftStyle, 1);
    EXPECT_EQ((std::vector<float>{s[2].LiftMotorSpeed, s[2].LiftMotorAccel, s[2].LiftMotorDecel}),
              (std::vector<float>{21, 22, 23}));
    EXPECT_FALSE(s[2].LiftLeftRailing);
    EXPECT_TRUE(s[2].LiftRightRailing);

    EXPECT_EQ((std::vector<float>{s[3].TransportMotorSpeed, s[3].TransportMotorAccel,
                                  s[3].TransportMotorDecel}),
              (std::vector<float>{31, 32, 33}));
    EXPECT_EQ(s[3].TransportStyle, 1);
    EXPECT_TRUE(s[3].TransportLeftRailing);
    EXPECT_FALSE(s[3].TransportRightRailing);

    EXPECT_EQ((std::vector<float>{s[4].BrakeSpeedLimit, s[4].BrakeDecel, s[4].BrakeHysteresis,
                                  s[4].BrakeTriggerPos, s[4].BrakeWheelsSpeed,
                                  s[4].BrakeWheelsAccel, s[4].BrakeWheelsDecel}),
              (std::vector<float>{41, 42, 43, 0.25f, 44, 45, 46}));
    EXPECT_TRUE(s[4].BrakeBlock);
    EXPECT_FALSE(s[4].BrakeWheels);
    EXPECT_FALSE(s[4].BrakeLeftRailing);
    EXPECT_TRUE(s[4].BrakeRightRailing);
    EXPECT_TRUE(s[4].BrakeCompleteStop);

    EXPECT_EQ(s[5].SegmentType, 9);
    EXPECT_EQ(s[5].CrosstieColour, 9u);
    EXPECT_EQ(s[6].SegmentType, 0);
    EXPECT_EQ(s[6].SpineColour, 1u);
    EXPECT_EQ(doc.EnvcText1, "after");
    EXPECT_EQ(doc.EnvcText2, "segments");
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
    TrackDocument doc;
    ASSERT_TRUE(LoadTrackData(doc, TrackFile(5, body)));
    EXPECT_EQ(doc.EnvcText1, "first");
    ASSERT_EQ(doc.SegmentCount, 2);
    EXPECT_EQ(doc.Segments[0].SpineColour, 6u);
    EXPECT_TRUE(doc.TrackClosed);
    EXPECT_FALSE(doc.TeraPresent);

    // Chunks beyond the announced children are not read.
    ASSERT_TRUE(LoadTrackData(doc, TrackFile(1, body)));
    EXPECT_EQ(doc.EnvcText1, "first");
    EXPECT_EQ(doc.SegmentCount, 0);

    // A header with no children is an empty track.
    ASSERT_TRUE(LoadTrackData(doc, TrackFile(0, {})));
    TrackDocument empty;
    empty.FormatVersion = {1, 3, 0, 0};
    empty.HeaderLength = 24;
    EXPECT_EQ(doc, empty);

    // The magic matches in any letter case (other magics are refused with the checks below).
    auto lowerMagic = TrackFile(0, {});
    std::copy_n("kavr", 4, lowerMagic.begin());
    EXPECT_TRUE(LoadTrackData(doc, lowerMagic));
}

// Each check of the reader refuses with its own reason, at the chunk and byte where it stood.
TEST(TrackReader, RefusalNamesTheFirstFailedCheck) {
    const auto seg = PlainSegment(0);
    const auto threeSegs = Concat({seg, seg, seg});
    auto badMagic = TrackFile(0, {});
    badMagic[0] = 'X';
    const auto teraHead = [](int32_t x, int32_t y) {
        ByteBuilder b;
        b.Long(x).Long(y).Single(0).Single(0).Text("").Single(0).Text("").Single(0);
        b.Byte(0).Zeros(4).Text("").Single(0).Byte(0).Zeros(15).Zeros(64);
        return Chunk("TERA", b.Bytes(), 0);
    };
    ByteBuilder catw;
    catw.Zeros(24).Long(-5).Zeros(40);
    struct Case {
        std::vector<uint8_t> File;
        TrackRefusal Want;
    };
    const Case cases[] = {
        {badMagic, {"KAVR", 0, "bad magic, the file does not start with KAVR"}},
        {TrackFile(2, EnvcChunk("", "")),
         {"", 84, "a read of 4 bytes runs past the end of the file (0 left)"}},
        {TrackFile(1, SegmChunk(-1, 0, {})), {"SEGM", 61, "negative count -1"}},
        {TrackFile(1, SegmChunk(2147483647, 0, seg)),
         {"SEGM", 61, "count 2147483647 cannot fit the 57 bytes left (33 or more each)"}},
        {TrackFile(1, Chunk("ENVC", ByteBuilder().Zeros(16).Long(-1).Zeros(20).Bytes(), 0)),
         {"ENVC", 60, "negative text length -1"}},
        {TrackFile(1, Chunk("CATW", RecordChunkFields(1, catw.Bytes()), 0)),
         {"CATW", 88, "negative tail length -5"}},
        {TrackFile(1, ByteBuilder().Raw("XTRA").Long(-12).Zeros(16).Bytes()),
         {"XTRA", 40, "negative chunk length -12"}},
        {TrackFile(1, teraHead(-2, 3)), {"TERA", 101, "negative terrain size -2 x 3"}},
        {TrackFile(1, teraHead(100000, 100000)),
         {"TERA", 101, "terrain size 100000 x 100000 cannot fit the 68 bytes left"}},
        {TrackFile(2, Concat({BezrChunk(2), SegmChunk(3, 0, threeSegs)})),
         {"SEGM", -1, "3 segments but only 2 nodes"}},
    };
    TrackDocument doc;
    for (const Case& c : cases) {
        ASSERT_TRUE(LoadTrackData(doc, FullFile()));
        TrackRefusal why;
        EXPECT_FALSE(LoadTrackData(doc, c.File, &why)) << c.Want.Reason;
        EXPECT_EQ(doc, TrackDocument{}) << c.Want.Reason;
        EXPECT_EQ(DescribeRefusal(why), DescribeRefusal(c.Want));
    }
    EXPECT_TRUE(
        LoadTrackData(doc, TrackFile(2, Concat({BezrChunk(3), SegmChunk(3, 0, threeSegs)}))));
}

TEST(TrackReader, PathRules) {
    TempFolder folder;
    const auto bytes = TrackFile(1, EnvcChunk("loaded", ""));
    const std::string upper = folder.Write("Loop.KVTRACK", bytes);
    const std::string wrong = folder.Write("loop.kvtrak", bytes);

    TrackDocument doc;
    ASSERT_TRUE(LoadTrackFile(doc, upper));
    EXPECT_EQ(doc.EnvcText1, "loaded");
    // A refused name leaves the document as it was.
    const std::pair<std::string, std::string> refused[] = {
        {wrong, wrong + " does not end in .kvtrack"},
        {"", "no file name"},
        {folder.Path("missing.kvtrack"),
         folder.Path("missing.kvtrack") + " is not an ordinary file"},
        {folder.MakeFolder("dir.kvtrack"), folder.Path("dir.kvtrack") + " is not an ordinary file"},
    };
    for (const auto& [path, reason] : refused) {
        TrackRefusal why;
        EXPECT_FALSE(LoadTrackFile(doc, path, &why));
        EXPECT_EQ(DescribeRefusal(why), reason);
    }
    EXPECT_EQ(doc.EnvcText1, "loaded");
    // A second file replaces everything of the first.
    ASSERT_TRUE(LoadTrackFile(doc, folder.Write("b.kvtrack", TrackFile(0, {}))));
    EXPECT_EQ(doc.EnvcText1, "");
}
