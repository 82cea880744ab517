#include "ChunkStream.h"

#include <algorithm>
#include <cctype>

namespace mKavrano_TrackIO_1_3 {

std::string ReadText(ChunkInput& in, size_t n) {
    const uint8_t* p = in.Take(n);
    return p ? std::string(reinterpret_cast<const char*>(p), n) : std::string();
}

std::string ReadTag(ChunkInput& in) {
    std::string tag = ReadText(in, 4);
    std::transform(tag.begin(), tag.end(), tag.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    });
    return tag;
}

std::string ReadCountedText(ChunkInput& in) {
    const int32_t n = ReadLong(in);
    if (n < 0) {
        in.Refuse("negative text length " + std::to_string(n));
        return {};
    }
    return ReadText(in, static_cast<size_t>(n));
}

void WriteText(ChunkOutput& out, const std::string& s) {
    out.FileData.resize(out.Cursor);
    out.FileData.insert(out.FileData.end(), s.begin(), s.end());
    out.Cursor += s.size();
}

void WriteTag(ChunkOutput& out, const char (&tag)[5]) {
    WriteText(out, std::string(tag, 4));
}

void WriteZeros(ChunkOutput& out, size_t n) {
    out.FileData.resize(out.Cursor + n, 0);
    out.Cursor += n;
}

void WriteCountedText(ChunkOutput& out, const std::string& s) {
    WriteLong(out, static_cast<int32_t>(s.size()));
    WriteText(out, s);
}

} // namespace mKavrano_TrackIO_1_3
