#include "TrackWriter.h"
#include "TempFolder.h"
#include "TrackFileBytes.h"
#include "TrackReader.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace mKavrano_TrackIO_1_3;

TEST(TrackWriter, EmptyDocumentIsTheCanonical665Bytes) {
    TrackDocument doc;
    doc.FormatVersion = {9, 9, 9, 9}; // not used by the writer
    const std::vector<uint8_t> bytes = BuildTrackData(doc);
    // The canonical file, assembled by hand.
    const auto supp = Chunk(
        "SUPP", ByteBuilder().Zeros(32).Bytes(), 5,
        Concat({RecordChunk("FUND", 0, {}), RecordChunk("RASC", 0, {}), RecordChunk("FREN", 0, {}),
                RecordChunk("TUBE", 0, {}), RecordChunk("CATW", 0, {})}));
    const auto info = Chunk("INFO", ByteBuilder().Zeros(20).Bytes(), 0);
    const auto track = Chunk("TRCK", ByteBuilder().Zeros(60).Bytes(), 4,
                             Concat({info, BezrChunk(0), SegmChunk(0, 0, {}), supp}));
    const auto scen = RecordChunk("SCEN", 0, {}, 1, RecordChunk("SCOB", 0, {}));
    EXPECT_EQ(bytes, TrackFile(3, Concat({track, scen, EnvcChunk("", "")})));
    EXPECT_EQ(doc.FormatVersion, (std::array<uint8_t, 4>{9, 9, 9, 9}));
}

TEST(TrackWriter, RebuildsTheStandardTreeFromAnyFile) {
    // A file with reserved junk, Booleans stored as 1, an unknown chunk, a kind twice and
    // chunks out of place; a brake segment and one of a type without settings.
    const auto segs = Concat({SegmentCommon(4, 1, 1, 2, 3, 1, 0xEE), BrakeBlock(0xEE),
                              SegmentCommon(12, 0, 4, 5, 6, 1, 0xEE)});
    auto info = Chunk("INFO", ByteBuilder().Fill(16, 0xEE).Text("x").Bytes(), 0);
    const auto body = Concat({EnvcChunk("e", "f"), Chunk("XTRA", ByteBuilder().Zeros(8).Bytes(), 0),
                              BezrChunk(2), info, SegmChunk(2, 1, segs), info});

    TrackDocument doc;
    ASSERT_TRUE(LoadTrackData(doc, TrackFile(6, body)));
    const TrackDocument read = doc;
    // Settings of groups other than a segment's own are never written.
    doc.Segments[0].LiftMotorSpeed = doc.Segments[1].StationWaitAverage = 9.0f;
    doc.Segments[0].StationWaitSync = true;
    const std::vector<uint8_t> bytes = BuildTrackData(doc);
    EXPECT_EQ(doc.SegmLength, 41 + 87 + 33);

    // The records: their true Booleans come back as 255, their reserved bytes as zeros.
    // They follow the SEGM tag, its length, count, closed flag and 16 reserved bytes.
    const auto records = bytes.begin() + std::string(bytes.begin(), bytes.end()).find("SEGM") + 29;
    EXPECT_EQ(std::vector<uint8_t>(records, records + 87 + 33),
              Concat({SegmentCommon(4, 0xFF, 1, 2, 3, 0xFF), BrakeBlock(0, 0xFF),
                      SegmentCommon(12, 0, 4, 5, 6, 0xFF)}));

    // Reading the written file gives the same document, bookkeeping aside, and writing it
    // again gives the same bytes.
    TrackDocument again;
    ASSERT_TRUE(LoadTrackData(again, bytes));
    EXPECT_EQ(std::tie(again.Segments, again.BezierNodes, again.InfoText, again.EnvcText2),
              std::tie(read.Segments, read.BezierNodes, read.InfoText, read.EnvcText2));
    EXPECT_EQ(BuildTrackData(again), bytes);
}

// Every record kind, the terrain and two track entries survive writing and reading back.
TEST(TrackWriter, FullDocumentRoundTrips) {
    TrackDocument doc;
    ASSERT_TRUE(LoadTrackData(doc, FullFile()));
    const std::vector<uint8_t> bytes = BuildTrackData(doc);
    // The terrain and the environment close the file.
    const auto tail = Concat({TeraChunk(2, 3, 0xFF), EnvcChunk("sky", "")});
    EXPECT_EQ(std::vector<uint8_t>(bytes.end() - long(tail.size()), bytes.end()), tail);
    // The TRCK chunk's own fields, after the header: each entry in order, the colours.
    const auto trck = TrckChunk(0, {}, 0, 0xFF);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 40, bytes.begin() + 28 + long(trck.size())),
              std::vector<uint8_t>(trck.begin() + 8, trck.end() - 4));

    TrackDocument back;
    ASSERT_TRUE(LoadTrackData(back, bytes));
    EXPECT_EQ(back, doc);
    EXPECT_EQ(BuildTrackData(back), bytes);
}

TEST(TrackFiles, LoadAndSavePathRules) {
    TempFolder folder;
    TrackDocument doc;
    ASSERT_TRUE(LoadTrackData(doc, FullFile()));

    // Saving adds the extension unless the name ends in it, in any letter case, and replaces
    // an old file's content.
    const std::string upper = folder.Path("Loop.KVTRACK"), old = folder.Write("old.kvtrack", {1});
    for (const auto& [name, path] : {std::pair{folder.Path("ride"), folder.Path("ride.kvtrack")},
                                     {upper, upper},
                                     {old, old}}) {
        const SaveResult saved = SaveTrackFile(doc, name);
        EXPECT_EQ(std::make_tuple(saved.Saved, saved.Path, TempFolder::Read(path)),
                  std::make_tuple(true, path, BuildTrackData(doc)))
            << saved.Error;
    }

    // Loading takes any letter case too; a refused name leaves the document as it was.
    TrackDocument loaded;
    ASSERT_TRUE(LoadTrackFile(loaded, upper));
    EXPECT_EQ(loaded.InfoText, "hello");
    const std::string wrong = folder.Write("loop.kvtrak", TempFolder::Read(upper));
    const std::pair<std::string, std::string> refused[] = {
        {wrong, wrong + " does not end in .kvtrack"},
        {"", "no file name"},
        {folder.Path("missing.kvtrack"),
         folder.Path("missing.kvtrack") + " is not an ordinary file"},
        {folder.MakeFolder("dir.kvtrack"), folder.Path("dir.kvtrack") + " is not an ordinary file"},
    };
    for (const auto& [path, reason] : refused) {
        TrackRefusal why;
        EXPECT_FALSE(LoadTrackFile(loaded, path, &why));
        EXPECT_EQ(DescribeRefusal(why), reason);
    }
    EXPECT_EQ(loaded.InfoText, "hello");
    // A second file replaces everything of the first.
    ASSERT_TRUE(LoadTrackFile(loaded, folder.Write("b.kvtrack", TrackFile(0, {}))));
    EXPECT_EQ(loaded.InfoText, "");
}
