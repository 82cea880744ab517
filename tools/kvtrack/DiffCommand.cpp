// kvtrack diff: the fields in which two documents differ, Singles compared by their bits.
#include "Commands.h"
#include "DocumentFields.h"
#include "FieldList.h"
#include "JsonWriter.h"

#include <cstdio>
#include <iostream>
#include <unordered_map>

namespace {

using Entry = FieldList::Entry;

// One differing value; nullptr on the side that has no such field (an array of another length).
struct Change {
    const Entry* Old;
    const Entry* New;
};

bool SameValue(const Entry& a, const Entry& b) {
    return a.Json == b.Json && a.Bits == b.Bits;
}

std::vector<Change> Compare(const std::vector<Entry>& a, const std::vector<Entry>& b) {
    std::unordered_map<std::string_view, const Entry*> inB, inA;
    for (const Entry& e : b)
        inB.emplace(e.Path, &e);
    std::vector<Change> changes;
    for (const Entry& e : a) {
        inA.emplace(e.Path, &e);
        const auto other = inB.find(e.Path);
        if (other == inB.end()) {
            changes.push_back({&e, nullptr});
        } else if (!SameValue(e, *other->second)) {
            changes.push_back({&e, other->second});
        }
    }
    for (const Entry& e : b) {
        if (!inA.contains(e.Path))
            changes.push_back({nullptr, &e});
    }
    return changes;
}

// A value for a person: Singles without the quotes of "nan" and "inf", a NaN with its bits.
std::string Shown(const Entry* e) {
    if (!e)
        return "(none)";
    if (!e->Bits || e->Json.front() != '"')
        return e->Json;
    std::string text = e->Json.substr(1, e->Json.size() - 2);
    if (text == "nan") {
        char bits[16];
        std::snprintf(bits, sizeof bits, "(0x%08X)", unsigned(*e->Bits));
        text += bits;
    }
    return text;
}

void PrintText(const std::vector<Change>& changes) {
    for (const Change& c : changes) {
        std::cout << (c.Old ? c.Old : c.New)->Path << ": " << Shown(c.Old) << " -> " << Shown(c.New)
                  << '\n';
    }
}

void PrintJson(const std::vector<Change>& changes) {
    JsonWriter json(std::cout);
    json.BeginArray();
    for (const Change& c : changes) {
        json.BeginObject();
        json.Field("path", (c.Old ? c.Old : c.New)->Path);
        json.Key("old");
        json.RawValue(c.Old ? c.Old->Json : "null");
        json.Key("new");
        json.RawValue(c.New ? c.New->Json : "null");
        json.EndObject();
    }
    json.EndArray();
    std::cout << '\n';
}

std::vector<Entry> Flatten(const mKavrano_TrackIO_1_3::TrackDocument& doc) {
    FieldList fields;
    WriteDocument(fields, doc);
    return fields.Entries();
}

} // namespace

// Exit codes as diff and cmp give them: 0 equal, 1 different, 2 trouble.
int DiffCommand(const CommandArgs& args) {
    bool bJson = false;
    std::vector<std::string> files;
    for (const std::string& a : args) {
        if (a == "--json") {
            bJson = true;
        } else if (a.size() > 1 && a[0] == '-') {
            return kBadUsage;
        } else {
            files.push_back(a);
        }
    }
    if (files.size() != 2)
        return kBadUsage;
    mKavrano_TrackIO_1_3::TrackDocument a, b;
    if (!LoadTrackOrReport(a, files[0]) || !LoadTrackOrReport(b, files[1]))
        return 2;
    const std::vector<Entry> fieldsA = Flatten(a);
    const std::vector<Entry> fieldsB = Flatten(b);
    const std::vector<Change> changes = Compare(fieldsA, fieldsB);
    if (bJson) {
        PrintJson(changes);
    } else {
        PrintText(changes);
    }
    if (!std::cout)
        return 2;
    return changes.empty() ? 0 : 1;
}
