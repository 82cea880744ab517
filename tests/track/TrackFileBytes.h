#pragma once

// Hand-assembled chunks of a track file for the reader and writer tests.
#include "ByteBuilder.h"

#include <cstdint>
#include <vector>

// The 33 common bytes of a segment record; reserved bytes are filled with `junk`.
inline ByteBuilder SegmentCommon(int32_t type, uint8_t custom, uint32_t spine, uint32_t rails,
                                 uint32_t crosstie, uint8_t tunnel, uint8_t junk = 0) {
    ByteBuilder b;
    b.Long(type).Byte(custom).Long(int32_t(spine)).Long(int32_t(rails)).Long(int32_t(crosstie));
    b.Byte(tunnel).Fill(15, junk);
    return b;
}

// Station block, 130 bytes, values 1.0 .. 13.0 in field order of the file.
inline std::vector<uint8_t> StationBlock(uint8_t junk = 0) {
    ByteBuilder b;
    b.Long(126).Single(1).Single(2).Single(3).Single(4); // wait avg, min, max, deviation
    b.Byte(1).Byte(1).Byte(7).Byte(1);                   // entrance, base only, sync, no building
    b.Single(5).Fill(4, junk);                           // main brake decel
    b.Byte(9).Single(6).Fill(4, junk);                   // pre-brake, its speed limit
    b.Single(7).Single(8).Fill(4, junk);                 // pre-brake decel, hysteresis
    b.Byte(1).Single(9).Single(10).Single(11);           // wheels, speed, accel, decel
    b.Fill(64, junk);
    return b.Bytes();
}

// Lift block, 40 bytes.
inline std::vector<uint8_t> LiftBlock(uint8_t junk = 0) {
    ByteBuilder b;
    b.Long(36).Fill(3, junk).Byte(1).Single(21).Single(22).Single(23).Fill(4, junk);
    b.Byte(0).Byte(2).Fill(14, junk);
    return b.Bytes();
}

// Transport block, 32 bytes.
inline std::vector<uint8_t> TransportBlock(uint8_t junk = 0) {
    ByteBuilder b;
    b.Long(28).Single(31).Single(32).Single(33).Fill(3, junk).Byte(1).Byte(3).Byte(0);
    b.Fill(10, junk);
    return b.Bytes();
}

// Brake block, 54 bytes.
inline std::vector<uint8_t> BrakeBlock(uint8_t junk = 0) {
    ByteBuilder b;
    b.Long(50).Single(41).Single(42).Single(43).Fill(4, junk).Single(0.25f);
    b.Byte(1).Byte(0).Single(44).Single(45).Single(46).Byte(0).Byte(1).Byte(1);
    b.Fill(13, junk);
    return b.Bytes();
}

// A SEGM chunk whose records are `records`.
inline std::vector<uint8_t> SegmChunk(int32_t count, uint8_t closed,
                                      const std::vector<uint8_t>& records) {
    ByteBuilder own;
    own.Long(count).Byte(closed).Zeros(16).Append(records).Zeros(16);
    return Chunk("SEGM", own.Bytes(), 0);
}

// A BEZR chunk of `count` nodes; node i sits at (i, 2i, -3i).
inline std::vector<uint8_t> BezrChunk(int32_t count) {
    ByteBuilder own;
    own.Zeros(16).Long(count);
    for (int32_t i = 0; i < count; ++i) {
        const float f = float(i);
        own.Single(f).Single(2 * f).Single(-3 * f);       // position
        own.Single(f - 1).Single(2 * f).Single(-3 * f);   // control in
        own.Single(f + 1).Single(2 * f).Single(-3 * f);   // control out
        own.Single(0.5f * f).Byte(1).Byte(0).Byte(i % 2); // roll, flag A, flag C, relative
        own.Zeros(17);
    }
    own.Zeros(16);
    return Chunk("BEZR", own.Bytes(), 0);
}

// An ENVC chunk with two texts.
inline std::vector<uint8_t> EnvcChunk(const std::string& a, const std::string& b) {
    ByteBuilder own;
    own.Zeros(16).Text(a).Text(b).Zeros(16);
    return Chunk("ENVC", own.Bytes(), 0);
}

inline std::vector<uint8_t> Concat(std::initializer_list<std::vector<uint8_t>> parts) {
    std::vector<uint8_t> all;
    for (const auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}
