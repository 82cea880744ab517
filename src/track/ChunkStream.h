#pragma once

#include "TrackDocument.h"
#include "TrackRefusal.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace mKavrano_TrackIO_1_3 {

// The bytes of a file being read and the read position. Refusal is the one sign that the read
// failed: it holds the first check that failed (a read past the end or a value the reader
// refuses), and once it is set every read yields zeros, so the reader need not check every
// single read.
struct ChunkInput {
    explicit ChunkInput(std::span<const uint8_t> data) : FileData(data) {}

    std::span<const uint8_t> FileData;
    size_t Cursor = 0;
    std::string Tag; // the chunk being read, named in a refusal
    std::optional<TrackRefusal> Refusal;

    size_t Remaining() const { return Cursor < FileData.size() ? FileData.size() - Cursor : 0; }

    // Fails the read at the chunk and byte where it stands; the first refusal is the one kept.
    void Refuse(std::string reason) {
        if (!Refusal)
            Refusal = TrackRefusal{Tag, static_cast<int64_t>(Cursor), std::move(reason)};
    }

    // Claims n bytes at Cursor and advances past them; nullptr once the read has failed.
    const uint8_t* Take(size_t n) {
        if (!Refusal && n > Remaining()) {
            Refuse("a read of " + std::to_string(n) + " bytes runs past the end of the file (" +
                   std::to_string(Remaining()) + " left)");
        }
        if (Refusal)
            return nullptr;
        const uint8_t* p = FileData.data() + Cursor;
        Cursor += n;
        return p;
    }
};

// The bytes of a file being written; Cursor always equals the buffer's size.
struct ChunkOutput {
    std::vector<uint8_t> FileData;
    size_t Cursor = 0;
};

inline uint8_t ReadByte(ChunkInput& in) {
    const uint8_t* p = in.Take(1);
    return p ? p[0] : 0;
}

inline int32_t ReadLong(ChunkInput& in) {
    const uint8_t* p = in.Take(4);
    if (!p)
        return 0;
    return static_cast<int32_t>(uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 |
                                uint32_t{p[3]});
}

inline float ReadSingle(ChunkInput& in) {
    return std::bit_cast<float>(ReadLong(in));
}

// Any non-zero byte is True.
inline bool ReadBoolean(ChunkInput& in) {
    return ReadByte(in) != 0;
}

// Four bytes 0, blue, green, red; the first is ignored.
inline Colour ReadColour(ChunkInput& in) {
    return static_cast<Colour>(ReadLong(in)) & 0x00FFFFFFu;
}

inline void SkipBytes(ChunkInput& in, size_t n) {
    in.Take(n);
}

// The next n bytes, one character per byte.
std::string ReadText(ChunkInput& in, size_t n);

// Four characters, upper-cased so that tags match in any letter case.
std::string ReadTag(ChunkInput& in);

// A Long n and n bytes. A negative n, or one larger than what remains, fails the read.
std::string ReadCountedText(ChunkInput& in);

inline void WriteByte(ChunkOutput& out, uint8_t b) {
    out.FileData.resize(out.Cursor);
    out.FileData.push_back(b);
    ++out.Cursor;
}

inline void WriteLong(ChunkOutput& out, int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    const uint8_t bytes[4] = {static_cast<uint8_t>(u >> 24), static_cast<uint8_t>(u >> 16),
                              static_cast<uint8_t>(u >> 8), static_cast<uint8_t>(u)};
    out.FileData.resize(out.Cursor);
    out.FileData.insert(out.FileData.end(), bytes, bytes + 4);
    out.Cursor += 4;
}

inline void WriteSingle(ChunkOutput& out, float v) {
    WriteLong(out, std::bit_cast<int32_t>(v));
}

// 255 for True, 0 for False.
inline void WriteBoolean(ChunkOutput& out, bool v) {
    WriteByte(out, v ? 0xFF : 0x00);
}

inline void WriteColour(ChunkOutput& out, Colour v) {
    WriteLong(out, static_cast<int32_t>(v & 0x00FFFFFFu));
}

void WriteText(ChunkOutput& out, const std::string& s);
void WriteTag(ChunkOutput& out, const char (&tag)[5]);
void WriteZeros(ChunkOutput& out, size_t n);
void WriteCountedText(ChunkOutput& out, const std::string& s);

} // namespace mKavrano_TrackIO_1_3
