#pragma once

// Test-side oracle for the file layout: bytes assembled by hand, big-endian, independent of
// the writer under test.
#include <bit>
#include <cstdint>
#include <string>
#include <vector>

class ByteBuilder {
public:
    ByteBuilder& Byte(uint8_t b) { return Fill(1, b); }
    ByteBuilder& Long(int32_t v) { // big-endian
        const auto u = static_cast<uint32_t>(v);
        return Byte(uint8_t(u >> 24)).Byte(uint8_t(u >> 16)).Byte(uint8_t(u >> 8)).Byte(uint8_t(u));
    }
    ByteBuilder& Single(float v) { return Long(std::bit_cast<int32_t>(v)); }
    ByteBuilder& Zeros(size_t n) { return Fill(n, 0); }
    ByteBuilder& Fill(size_t n, uint8_t b) {
        bytes.insert(bytes.end(), n, b);
        return *this;
    }
    template <typename Bytes> ByteBuilder& Append(const Bytes& more) { // a string or bytes
        bytes.insert(bytes.end(), more.begin(), more.end());
        return *this;
    }
    ByteBuilder& Text(const std::string& s) { return Long(int32_t(s.size())).Append(s); }
    const std::vector<uint8_t>& Bytes() const { return bytes; }

private:
    std::vector<uint8_t> bytes;
};

// A chunk: tag, length, own fields, child count; the length covers own fields, the child
// count and the children that follow (passed in `children`).
inline std::vector<uint8_t> Chunk(const std::string& tag, const std::vector<uint8_t>& own,
                                  int32_t childCount, const std::vector<uint8_t>& children = {}) {
    ByteBuilder b;
    b.Append(tag).Long(static_cast<int32_t>(own.size() + 4 + children.size())).Append(own);
    return b.Long(childCount).Append(children).Bytes();
}

// A whole file: the KAVR header announcing `children` chunks, then `body`.
inline std::vector<uint8_t> TrackFile(int32_t children, const std::vector<uint8_t>& body) {
    return Chunk("KAVR", ByteBuilder().Byte(1).Byte(3).Byte(0).Byte(0).Zeros(16).Bytes(), children,
                 body);
}

// A record chunk: 16 reserved bytes, the count, the records and 16 reserved bytes, then the
// child count and children.
inline std::vector<uint8_t> RecordChunk(const std::string& tag, int32_t count,
                                        const std::vector<uint8_t>& records, int32_t childCount = 0,
                                        const std::vector<uint8_t>& children = {}) {
    return Chunk(tag, ByteBuilder().Zeros(16).Long(count).Append(records).Zeros(16).Bytes(),
                 childCount, children);
}
