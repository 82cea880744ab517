#pragma once

#include "ChunkStream.h"
#include "TrackDocument.h"

#include <cstdint>

namespace mKavrano_TrackIO_1_3 {

// One kind of chunk, as both the reader and the writer see it: its tag, where the document
// keeps its length field and child count, its child count in the tree the writer writes, and
// the reader and writer of its own fields between the length field and the child count.
struct ChunkKind {
    char Tag[5];
    int32_t TrackDocument::*Length;
    int32_t TrackDocument::*Children;
    int32_t TreeChildren;
    void (*Read)(ChunkInput& in, TrackDocument& doc);
    void (*Write)(ChunkOutput& out, const TrackDocument& doc);
    // The document's flag for a chunk it may lack: set by reading one, and the chunk is
    // written only when it is set.
    bool TrackDocument::*Present = nullptr;
};

// The root, where every file starts: read once as the magic, never found by its tag. Its
// TreeChildren leaves out the terrain, which the writer adds when the document has one.
extern const ChunkKind kFileHeader;

// Every other kind, in the pre-order of the tree the writer writes; the reader finds them by
// tag wherever they stand.
extern const ChunkKind kChunkKinds[14];

// The bytes of a segment record of this type in the file: the common fields and the type's
// settings block, if the type has one.
int32_t SegmentRecordSize(int32_t segmentType);

// The terrain cells the file holds: a negative count holds none. In 64 bits: a terrain of no
// rows may still be two billion cells wide.
uint64_t TerrainCellCount(const TrackDocument& doc);

} // namespace mKavrano_TrackIO_1_3
