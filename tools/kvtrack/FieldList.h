#pragma once

#include "JsonWriter.h"

#include <bit>
#include <cstdint>
#include <optional>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

// A sink for WriteDocument that flattens the document into one entry per value, each under its
// path ("Segments[12].LiftMotorSpeed", "TeraGrid[3][7]").
class FieldList {
public:
    struct Entry {
        std::string Path;
        std::string Json;             // the value as dump prints it
        std::optional<uint32_t> Bits; // a Single's bits, compared instead of its text
    };

    void BeginObject() { Enter(false); }
    void EndObject() { frames.pop_back(); }
    void BeginArray() { Enter(true); }
    void EndArray() { frames.pop_back(); }
    void Key(std::string_view name) { key = name; }

    template <typename T> void Value(const T& v) {
        std::ostringstream text;
        JsonWriter(text).Value(v);
        std::optional<uint32_t> bits;
        if constexpr (std::is_same_v<T, float>)
            bits = std::bit_cast<uint32_t>(v);
        entries.push_back({NextPath(), text.str(), bits});
    }

    void FloatArray(std::string_view name, std::span<const float> values) {
        Key(name);
        BeginArray();
        for (const float v : values)
            Value(v);
        EndArray();
    }

    template <typename T> void Field(std::string_view name, const T& v) {
        Key(name);
        Value(v);
    }

    const std::vector<Entry>& Entries() const { return entries; }

private:
    struct Frame {
        std::string Path;
        bool bArray;
        int64_t NextIndex = 0;
    };

    std::string NextPath();
    void Enter(bool bArray);

    std::vector<Frame> frames;
    std::string key;
    std::vector<Entry> entries;
};
