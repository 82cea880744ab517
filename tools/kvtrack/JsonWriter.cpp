#include "JsonWriter.h"

#include <charconv>
#include <cmath>

void JsonWriter::Separate() {
    if (needComma)
        out.put(',');
    needComma = true;
}

void JsonWriter::BeginObject() {
    Separate();
    out.put('{');
    needComma = false;
}

void JsonWriter::EndObject() {
    out.put('}');
    needComma = true;
}

void JsonWriter::BeginArray() {
    Separate();
    out.put('[');
    needComma = false;
}

void JsonWriter::EndArray() {
    out.put(']');
    needComma = true;
}

void JsonWriter::Key(std::string_view name) {
    Separate();
    WriteString(name);
    out.put(':');
    needComma = false;
}

void JsonWriter::Value(bool v) {
    Separate();
    out << (v ? "true" : "false");
}

void JsonWriter::Value(int32_t v) {
    Value(static_cast<int64_t>(v));
}

void JsonWriter::Value(uint32_t v) {
    Value(static_cast<int64_t>(v));
}

void JsonWriter::Value(int64_t v) {
    Separate();
    out << v;
}

namespace {

template <typename F> void WriteNumber(std::ostream& out, F v) {
    char buf[64];
    // std::to_chars without a format gives the shortest text that reads back exactly.
    auto res = std::to_chars(buf, buf + sizeof buf, v);
    out.write(buf, res.ptr - buf);
}

} // namespace

void JsonWriter::Value(float v) {
    if (!std::isfinite(v)) {
        Value(std::isnan(v) ? "nan" : (v > 0 ? "inf" : "-inf"));
        return;
    }
    Separate();
    WriteNumber(out, v);
}

void JsonWriter::Value(double v) {
    if (!std::isfinite(v)) {
        Value(std::isnan(v) ? "nan" : (v > 0 ? "inf" : "-inf"));
        return;
    }
    Separate();
    WriteNumber(out, v);
}

void JsonWriter::FloatArray(std::string_view name, std::span<const float> values) {
    Key(name);
    BeginArray();
    for (const float v : values)
        Value(v);
    EndArray();
}

void JsonWriter::RawValue(std::string_view json) {
    Separate();
    out << json;
}

void JsonWriter::Value(std::string_view bytes) {
    Separate();
    WriteString(bytes);
}

void JsonWriter::WriteString(std::string_view bytes) {
    static const char kHex[] = "0123456789abcdef";
    out.put('"');
    for (char ch : bytes) {
        auto b = static_cast<unsigned char>(ch);
        switch (b) {
        case '"':
            out << "\\\"";
            break;
        case '\\':
            out << "\\\\";
            break;
        case '\n':
            out << "\\n";
            break;
        case '\r':
            out << "\\r";
            break;
        case '\t':
            out << "\\t";
            break;
        default:
            if (b < 0x20 || b == 0x7F) {
                out << "\\u00" << kHex[b >> 4] << kHex[b & 15];
            } else if (b < 0x80) {
                out.put(ch);
            } else {
                // Latin-1 byte as the UTF-8 form of the same code point.
                out.put(static_cast<char>(0xC0 | (b >> 6)));
                out.put(static_cast<char>(0x80 | (b & 0x3F)));
            }
        }
    }
    out.put('"');
}
