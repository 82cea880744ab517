#include "TrackReader.h"

#include "ChunkStream.h"
#include "TrackChunks.h"
#include "TrackPath.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace mKavrano_TrackIO_1_3 {

namespace {

// An unrecognised chunk: its length field counts the bytes up to the chunk's end.
void SkipChunk(ChunkInput& in) {
    const int32_t length = ReadLong(in);
    if (length < 0) {
        in.Refuse("negative chunk length " + std::to_string(length));
    } else {
        SkipBytes(in, static_cast<size_t>(length));
    }
}

// The kind a tag names, or nullptr for a tag this reader does not know.
const ChunkKind* FindChunkKind(const std::string& tag) {
    for (const ChunkKind& kind : kChunkKinds) {
        if (tag == kind.Tag)
            return &kind;
    }
    return nullptr;
}

// Reads a chunk after its tag: the length field, the own fields and the child count, which it
// returns.
int32_t ReadChunk(ChunkInput& in, TrackDocument& doc, const ChunkKind& kind) {
    doc.*kind.Length = ReadLong(in);
    kind.Read(in, doc);
    doc.*kind.Children = ReadLong(in);
    if (kind.Present)
        doc.*kind.Present = true;
    return doc.*kind.Children;
}

// The flat pre-order walk: every chunk is dispatched by its tag wherever it stands, and the
// child counts only extend the number of chunks still to come.
void WalkChunks(ChunkInput& in, TrackDocument& doc) {
    in.Tag = "KAVR";
    if (ReadTag(in) != "KAVR") {
        in.Cursor = 0;
        in.Refuse("bad magic, the file does not start with KAVR");
        return;
    }
    int64_t remaining = ReadChunk(in, doc, kFileHeader);
    while (remaining > 0 && !in.Refusal) {
        in.Tag.clear(); // a tag cut short belongs to no chunk yet
        in.Tag = ReadTag(in);
        if (const ChunkKind* kind = FindChunkKind(in.Tag)) {
            remaining += ReadChunk(in, doc, *kind);
        } else {
            SkipChunk(in);
        }
        --remaining;
    }
    // Segment i runs to node i + 1 (node 0 after the last): more segments than nodes
    // cannot be traced.
    if (!in.Refusal && doc.SegmentCount > doc.BezierCount) {
        in.Refusal = TrackRefusal{"SEGM", -1,
                                  std::to_string(doc.SegmentCount) + " segments but only " +
                                      std::to_string(doc.BezierCount) + " nodes"};
    }
}

// The whole file at path; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& fileData) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file)
        return false;
    const std::streamoff size = file.tellg();
    if (size < 0)
        return false;
    fileData.resize(static_cast<size_t>(size));
    file.seekg(0);
    return bool(file.read(reinterpret_cast<char*>(fileData.data()), size));
}

// What a load returns: true, or false with the refusal for a caller that asks why.
bool Answer(std::optional<TrackRefusal> refusal, TrackRefusal* why) {
    if (refusal && why)
        *why = std::move(*refusal);
    return !refusal;
}

} // namespace

bool LoadTrackData(TrackDocument& doc, std::span<const uint8_t> data, TrackRefusal* why) {
    ClearTrack(doc);
    ChunkInput in{data};
    WalkChunks(in, doc);
    if (in.Refusal)
        ClearTrack(doc); // a failed load leaves the document cleared, never half filled
    return Answer(std::move(in.Refusal), why);
}

bool LoadTrackFile(TrackDocument& doc, const std::string& path, TrackRefusal* why) {
    if (path.empty())
        return Answer(TrackRefusal{"", -1, "no file name"}, why);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return Answer(TrackRefusal{"", -1, path + " is not an ordinary file"}, why);
    if (!HasTrackExtension(path))
        return Answer(TrackRefusal{"", -1, path + " does not end in .kvtrack"}, why);
    ClearTrack(doc);

    std::vector<uint8_t> fileData;
    if (!ReadWholeFile(path, fileData))
        return Answer(TrackRefusal{"", -1, path + " cannot be read"}, why);
    return LoadTrackData(doc, fileData, why);
}

} // namespace mKavrano_TrackIO_1_3
