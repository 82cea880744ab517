#include "TrackWriter.h"

#include "ChunkStream.h"
#include "SafeFileReplace.h"
#include "TrackChunks.h"
#include "TrackPath.h"

#include <algorithm>

namespace mKavrano_TrackIO_1_3 {

namespace {

int32_t TextLength(const std::string& s) {
    return static_cast<int32_t>(s.size());
}

// The child counts of the tree the writer writes.
void SetTreeChildCounts(TrackDocument& doc) {
    doc.HeaderChildren = kFileHeader.TreeChildren + (doc.TeraPresent ? 1 : 0);
    for (const ChunkKind& kind : kChunkKinds)
        doc.*kind.Children = kind.TreeChildren;
}

void WriteChunk(ChunkOutput& out, const TrackDocument& doc, const ChunkKind& kind) {
    WriteTag(out, kind.Tag);
    WriteLong(out, doc.*kind.Length);
    kind.Write(out, doc);
    WriteLong(out, doc.*kind.Children);
}

} // namespace

void UpdateChunkLengths(TrackDocument& doc) {
    doc.InfoLength = 24 + TextLength(doc.InfoText);
    doc.BezrLength = 40 + 60 * doc.BezierCount;

    doc.SegmLength = 41;
    for (int32_t i = 0; i < doc.SegmentCount; ++i)
        doc.SegmLength += SegmentRecordSize(doc.Segments[i].SegmentType);

    doc.FundLength = 40 + 92 * doc.FundCount;
    doc.RascLength = 40;
    for (int32_t i = 0; i < doc.RascCount; ++i)
        doc.RascLength += 4 + 24 * std::max(doc.RascRecords[i].ItemCount, 0);
    doc.FrenLength = 40 + 28 * doc.FrenCount;
    doc.TubeLength = 40 + 48 * doc.TubeCount;
    doc.CatwLength = 40;
    for (int32_t i = 0; i < doc.CatwCount; ++i)
        doc.CatwLength += 28 + std::max(doc.CatwRecords[i].TailLength, 0);
    doc.SuppLength = 36 + (8 + doc.FundLength) + (8 + doc.RascLength) + (8 + doc.FrenLength) +
                     (8 + doc.TubeLength) + (8 + doc.CatwLength);

    doc.TrckLength = 64;
    for (int32_t i = 0; i < doc.TrackEntryCount; ++i)
        doc.TrckLength += 28 + TextLength(doc.TrackEntries[i].Name);
    doc.TrckLength +=
        (8 + doc.InfoLength) + (8 + doc.BezrLength) + (8 + doc.SegmLength) + (8 + doc.SuppLength);

    doc.ScobLength = 40;
    for (int32_t i = 0; i < doc.ScobCount; ++i) {
        doc.ScobLength +=
            88 + TextLength(doc.ScobRecords[i].Text1) + TextLength(doc.ScobRecords[i].Text2);
    }
    doc.ScenLength = 40 + 64 * doc.ScenCount + 8 + doc.ScobLength;

    if (doc.TeraPresent) {
        doc.TeraLength = 81 + TextLength(doc.TeraText1) + TextLength(doc.TeraText2) +
                         TextLength(doc.TeraText3) + int32_t(4 * TerrainCellCount(doc));
    }
    doc.EnvcLength = 44 + TextLength(doc.EnvcText1) + TextLength(doc.EnvcText2);

    doc.HeaderLength = 24 + (8 + doc.TrckLength) + (8 + doc.ScenLength) + (8 + doc.EnvcLength);
    if (doc.TeraPresent)
        doc.HeaderLength += 8 + doc.TeraLength;
}

std::vector<uint8_t> BuildTrackData(TrackDocument& doc) {
    SetTreeChildCounts(doc);
    UpdateChunkLengths(doc);

    ChunkOutput out;
    out.FileData.reserve(8 + static_cast<size_t>(std::max(doc.HeaderLength, 0)));
    WriteChunk(out, doc, kFileHeader);
    for (const ChunkKind& kind : kChunkKinds) {
        if (!kind.Present || doc.*kind.Present)
            WriteChunk(out, doc, kind);
    }
    return std::move(out.FileData);
}

SaveResult SaveTrackFile(TrackDocument& doc, const std::string& path) {
    SaveResult result;
    result.Path = WithTrackExtension(path);
    const std::vector<uint8_t> data = BuildTrackData(doc);
    result.Error = ReplaceFileSafely(result.Path, data);
    result.Saved = result.Error.empty();
    return result;
}

} // namespace mKavrano_TrackIO_1_3
