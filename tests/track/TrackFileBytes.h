#pragma once

// Hand-assembled chunks of a track file for the reader and writer tests.
#include "ByteBuilder.h"

#include <cstdint>
#include <vector>

// The 33 common bytes of a segment record; reserved bytes are filled with `junk`.
inline std::vector<uint8_t> SegmentCommon(int32_t type, uint8_t custom, uint32_t spine,
                                          uint32_t rails, uint32_t crosstie, uint8_t tunnel,
                                          uint8_t junk = 0) {
    ByteBuilder b;
    b.Long(type).Byte(custom).Long(int32_t(spine)).Long(int32_t(rails)).Long(int32_t(crosstie));
    return b.Byte(tunnel).Fill(15, junk).Bytes();
}

// Brake block, 54 bytes; its true Booleans are stored as `yes`.
inline std::vector<uint8_t> BrakeBlock(uint8_t junk = 0, uint8_t yes = 1) {
    ByteBuilder b;
    b.Long(50).Single(41).Single(42).Single(43).Fill(4, junk).Single(0.25f);
    b.Byte(yes).Byte(0).Single(44).Single(45).Single(46).Byte(0).Byte(yes).Byte(yes);
    return b.Fill(13, junk).Bytes();
}

// A SEGM chunk whose records are `records`.
inline std::vector<uint8_t> SegmChunk(int32_t count, uint8_t closed,
                                      const std::vector<uint8_t>& records) {
    return Chunk("SEGM",
                 ByteBuilder().Long(count).Byte(closed).Zeros(16).Append(records).Zeros(16).Bytes(),
                 0);
}

// A BEZR chunk of `count` nodes; node i sits at (i, 2i, -3i).
inline std::vector<uint8_t> BezrChunk(int32_t count) {
    ByteBuilder own;
    for (int32_t i = 0; i < count; ++i) {
        const float f = float(i);
        for (const float x : {f, f - 1, f + 1}) // position, control in, control out
            own.Single(x).Single(2 * f).Single(-3 * f);
        own.Single(0.5f * f).Byte(1).Byte(0).Byte(i % 2).Zeros(17); // roll, flags A, C, relative
    }
    return RecordChunk("BEZR", count, own.Bytes());
}

// An ENVC chunk with two texts.
inline std::vector<uint8_t> EnvcChunk(const std::string& a, const std::string& b) {
    return Chunk("ENVC", ByteBuilder().Zeros(16).Text(a).Text(b).Zeros(16).Bytes(), 0);
}

inline std::vector<uint8_t> Concat(std::initializer_list<std::vector<uint8_t>> parts) {
    std::vector<uint8_t> all;
    for (const auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

// A plain segment record, 37 bytes.
inline std::vector<uint8_t> PlainSegment(uint32_t spine) {
    return Concat({SegmentCommon(0, 0, spine, 0, 0, 0), ByteBuilder().Long(0).Bytes()});
}

// A TRCK chunk with two track entries; reserved bytes and the colours' top bytes hold `junk`,
// and the first entry's flag is stored as `yes`.
inline std::vector<uint8_t> TrckChunk(int32_t children, const std::vector<uint8_t>& descendants,
                                      uint8_t junk = 0xEE, uint8_t yes = 3) {
    ByteBuilder own;
    own.Long(5).Long(2).Long(77); // style, entries, extra
    own.Byte(yes).Fill(7, junk).Text("Alpha").Long(0x11).Long(0x22).Long(0x33).Long(0x44);
    own.Byte(0).Fill(7, 0).Long(0).Long(1).Long(2).Long(3).Long(4); // entry 1, empty name
    for (int32_t c = 0; c < 8; ++c)
        own.Long(int32_t(uint32_t(junk) << 24 | uint32_t(c + 1))); // colours
    return Chunk("TRCK", own.Fill(16, junk).Bytes(), children, descendants);
}

inline std::vector<uint8_t> SupportChunks() {
    ByteBuilder fund, rasc, tube, catw;
    fund.Byte(1).Single(5).Byte(0).Single(7).Fill(6, 0xEE).Single(1).Single(2).Single(3);
    fund.Fill(64, 0xEE);
    rasc.Long(2).Long(9).Single(1.5f).Zeros(16).Long(-4).Single(2.5f).Zeros(16).Long(0).Long(-1);
    tube.Long(1).Long(3).Long(2).Zeros(4).Long(4).Long(6).Long(5).Zeros(4);
    tube.Long(7).Long(8).Single(9.5f).Zeros(4);
    catw.Long(1).Long(2).Long(3).Long(4).Long(5).Long(6).Long(10).Fill(10, 0xCC);
    catw.Long(11).Long(12).Long(13).Long(14).Long(15).Long(16).Long(0);
    const auto fren = ByteBuilder().Single(1).Single(2).Single(3).Zeros(16).Bytes();
    return Concat({RecordChunk("FUND", 1, fund.Bytes()), RecordChunk("RASC", 3, rasc.Bytes()),
                   RecordChunk("FREN", 1, fren), RecordChunk("TUBE", 1, tube.Bytes()),
                   RecordChunk("CATW", 2, catw.Bytes())});
}

inline std::vector<uint8_t> SceneryChunks() {
    ByteBuilder scob;
    scob.Text("second").Text("first");
    // File order of the values: 1, 2, 3, 10, 4, 5, 6, 11, 7, 8, 9, 12, 13, 14, 15.
    for (int v : {1, 2, 3, 10, 4, 5, 6, 11, 7, 8, 9, 12, 13, 14, 15})
        scob.Single(float(v));
    const auto scen = ByteBuilder().Single(1).Single(2).Single(3).Long(5).Single(4).Zeros(44);
    return RecordChunk("SCEN", 1, scen.Bytes(), 1, RecordChunk("SCOB", 1, scob.Zeros(20).Bytes()));
}

// A terrain announcing x by y heights, followed by the six heights of a 2 x 3 grid; its flag
// is stored as `yes`.
inline std::vector<uint8_t> TeraChunk(int32_t x = 2, int32_t y = 3, uint8_t yes = 1) {
    ByteBuilder own;
    own.Long(x).Long(y).Single(1).Single(2).Text("t1").Single(3).Text("").Single(4);
    own.Byte(yes).Zeros(4).Text("t3").Single(5).Byte(42).Zeros(15);
    for (int i = 0; i < 6; ++i)
        own.Single(float(10 * (i / 2) + i % 2));
    return Chunk("TERA", own.Zeros(16).Bytes(), 0);
}

// One record of each segment type, 37, 163, 73, 65 and 87 bytes, and one of type 9, which
// has no settings, 33 bytes; reserved bytes hold junk.
inline std::vector<uint8_t> SegmentRecords() {
    ByteBuilder b;
    b.Append(PlainSegment(1)).Append(SegmentCommon(1, 1, 0x010203, 0x040506, 0x070809, 0, 0xEE));
    b.Long(126).Single(1).Single(2).Single(3).Single(4); // wait avg, min, max, deviation
    b.Byte(1).Byte(1).Byte(7).Byte(1);                   // entrance, base only, sync, no building
    b.Single(5).Fill(4, 0xEE);                           // main brake decel
    b.Byte(9).Single(6).Fill(4, 0xEE);                   // pre-brake, its speed limit
    b.Single(7).Single(8).Fill(4, 0xEE);                 // pre-brake decel, hysteresis
    b.Byte(1).Single(9).Single(10).Single(11);           // wheels, speed, accel, decel
    b.Fill(64, 0xEE).Append(SegmentCommon(2, 0, 0, 0, 0, 0, 0xEE));
    b.Long(36).Fill(3, 0xEE).Byte(1).Single(21).Single(22).Single(23); // lift style, motor
    b.Fill(4, 0xEE).Byte(0).Byte(2).Fill(14, 0xEE);                    // railings
    b.Append(SegmentCommon(3, 0, 0, 0, 0, 0, 0xEE));
    b.Long(28).Single(31).Single(32).Single(33);            // transport motor
    b.Fill(3, 0xEE).Byte(1).Byte(3).Byte(0).Fill(10, 0xEE); // style, railings
    b.Append(SegmentCommon(4, 0, 0, 0, 0, 0, 0xEE)).Append(BrakeBlock(0xEE));
    return b.Append(SegmentCommon(9, 1, 7, 8, 9, 1, 0xEE)).Bytes();
}

// A file with two track entries, every segment type and record kind and a terrain; reserved
// bytes hold junk.
inline std::vector<uint8_t> FullFile() {
    const auto info = Chunk("INFO", ByteBuilder().Zeros(16).Text("hello").Bytes(), 0);
    const auto track =
        TrckChunk(4, Concat({info, BezrChunk(6), SegmChunk(6, 1, SegmentRecords()),
                             Chunk("SUPP", ByteBuilder().Zeros(32).Bytes(), 5, SupportChunks())}));
    return TrackFile(4, Concat({track, SceneryChunks(), TeraChunk(), EnvcChunk("sky", "")}));
}
