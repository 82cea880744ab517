#pragma once

#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

// A small streaming JSON writer that keeps the output valid whatever bytes its texts hold.
// Singles print in the shortest form that parses back to the same binary32 value, and as
// the strings "nan", "inf" and "-inf" where they are not finite. Text bytes map to the
// code points of the same value (Latin-1).
class JsonWriter {
public:
    explicit JsonWriter(std::ostream& stream) : out(stream) {}

    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    void Key(std::string_view name);

    void Value(bool v);
    void Value(int32_t v);
    void Value(uint32_t v);
    void Value(int64_t v);
    void Value(float v);
    void Value(double v);
    void Value(std::string_view bytes);
    void Value(const char* bytes) { Value(std::string_view(bytes)); }

    // A value already written as JSON.
    void RawValue(std::string_view json);

    // Key followed by an array of Singles.
    void FloatArray(std::string_view name, std::span<const float> values);

    // Key followed by its value, the common case.
    template <typename T> void Field(std::string_view name, const T& v) {
        Key(name);
        Value(v);
    }

private:
    void Separate();
    void WriteString(std::string_view bytes);

    std::ostream& out;
    bool needComma = false;
};
