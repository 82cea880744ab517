// kvtrack set: changes segment fields of many segments at once, with the editor's conversions.
#include "Commands.h"
#include "FieldValueText.h"
#include "SegmentTypeWords.h"

#include <algorithm>
#include <charconv>
#include <iostream>
#include <optional>

using namespace segment_fields;
using mKavrano_TrackIO_1_3::FindSegmentField;

namespace {

struct Assignment {
    std::string Text; // FIELD=VALUE as given
    const SegmentField* Field;
    FieldValue Value;
};

int Fail(const std::string& message) {
    std::cerr << "Error: " << message << '\n';
    return 1;
}

int BadUsage(const std::string& message) {
    std::cerr << "Error: " << message << '\n';
    return kBadUsage;
}

// FIELD=VALUE, or why it cannot be set.
std::variant<Assignment, std::string> ParseAssignment(const std::string& text) {
    const size_t eq = text.find('=');
    const std::string name = text.substr(0, eq);
    const SegmentField* field = FindSegmentField(name);
    if (name == "SegmentType")
        return text + ": SegmentType cannot be set";
    if (!field)
        return text + ": no segment field that can be set is named " + name;
    auto value = ParseFieldValue(*field, std::string_view(text).substr(eq + 1));
    if (const auto* why = std::get_if<std::string>(&value))
        return text + ": " + *why;
    return Assignment{text, field, std::get<FieldValue>(value)};
}

std::optional<int64_t> ParseIndex(std::string_view text) {
    int64_t v = 0;
    const auto read = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || read.ec != std::errc() || read.ptr != text.data() + text.size() || v < 0)
        return std::nullopt;
    return v;
}

// Marks the segments of a list such as "3,7-12" (ranges include both ends); "" when it is
// good, otherwise why not.
std::string ChooseByList(std::string_view list, std::vector<bool>& chosen) {
    const std::string where = "--segments " + std::string(list) + ": ";
    size_t start = 0;
    while (start <= list.size()) {
        const size_t end = std::min(list.find(',', start), list.size());
        const std::string_view item = list.substr(start, end - start);
        const size_t dash = item.find('-');
        const auto first = ParseIndex(item.substr(0, dash));
        const auto last = dash == item.npos ? first : ParseIndex(item.substr(dash + 1));
        if (!first || !last || *last < *first)
            return where + "\"" + std::string(item) + "\" is not an index or a range";
        if (*last >= int64_t(chosen.size())) {
            return where + "index " + std::to_string(*last) + " is out of range (the track has " +
                   std::to_string(chosen.size()) + " segments)";
        }
        for (int64_t i = *first; i <= *last; ++i)
            chosen[size_t(i)] = true;
        start = end + 1;
    }
    return "";
}

std::string TypeText(int32_t type) {
    const std::string name = SegmentTypeWord(type);
    return name.empty() ? "of type " + std::to_string(type) : "a " + std::string(name) + " segment";
}

} // namespace

int SetCommand(const CommandArgs& args) {
    if (args.size() < 2)
        return kBadUsage;
    std::optional<std::string> list;
    std::optional<int32_t> type;
    std::vector<std::string> assignmentTexts;
    for (size_t i = 2; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--segments" || a == "--type") {
            if (i + 1 == args.size())
                return BadUsage(a + " needs a value");
            const std::string& v = args[++i];
            if (a == "--segments") {
                list = v;
            } else if (!(type = ParseSegmentType(v))) {
                return BadUsage("unknown segment type " + v);
            }
        } else if (a.starts_with('-') || a.find('=') == a.npos) {
            return BadUsage("unknown option " + a);
        } else {
            assignmentTexts.push_back(a);
        }
    }
    if (assignmentTexts.empty())
        return BadUsage("no FIELD=VALUE given");

    std::vector<Assignment> assignments;
    for (const std::string& text : assignmentTexts) {
        auto parsed = ParseAssignment(text);
        if (const auto* why = std::get_if<std::string>(&parsed))
            return Fail(*why);
        assignments.push_back(std::get<Assignment>(parsed));
    }

    mKavrano_TrackIO_1_3::TrackDocument doc;
    if (!LoadTrackOrReport(doc, args[0]))
        return 1;
    auto& segments = doc.Segments;
    std::vector<bool> chosen(size_t(doc.SegmentCount), !list);
    if (list) {
        if (const std::string why = ChooseByList(*list, chosen); !why.empty())
            return Fail(why);
    }
    for (size_t i = 0; i < chosen.size(); ++i)
        chosen[i] = chosen[i] && (!type || segments[i].SegmentType == *type);
    if (std::find(chosen.begin(), chosen.end(), true) == chosen.end())
        return Fail("no segment chosen");

    // Every check before any change, so that a refused command writes nothing.
    for (const Assignment& a : assignments) {
        for (size_t i = 0; i < chosen.size(); ++i) {
            if (chosen[i] && !Carries(segments[i], *a.Field)) {
                return Fail(std::string(a.Field->Name) + " is a " + SegmentTypeWord(a.Field->Type) +
                            " field, but segment " + std::to_string(i) + " is " +
                            TypeText(segments[i].SegmentType));
            }
        }
    }
    for (const Assignment& a : assignments) {
        for (size_t i = 0; i < chosen.size(); ++i) {
            if (chosen[i])
                WriteField(segments[i], *a.Field, a.Value);
        }
    }
    return SaveTrackOrReport(doc, args[1]);
}
