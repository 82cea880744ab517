// kvtrack info: a short human summary of a track file.
#include "Commands.h"
#include "SegmentTypeWords.h"

#include <iostream>
#include <map>

using namespace mKavrano_TrackIO_1_3;

int InfoCommand(const std::string& path) {
    TrackDocument doc;
    if (!LoadTrackOrReport(doc, path))
        return 1;

    std::map<int32_t, int> byType;
    int tunnels = 0;
    int customColours = 0;
    for (int32_t i = 0; i < doc.SegmentCount; ++i) {
        ++byType[doc.Segments[i].SegmentType];
        tunnels += doc.Segments[i].Tunnel ? 1 : 0;
        customColours += doc.Segments[i].CustomColours ? 1 : 0;
    }

    std::cout << path << '\n';
    std::cout << "  track:     " << (doc.TrackClosed ? "closed" : "open") << ", style "
              << doc.TrackStyle << '\n';
    std::cout << "  nodes:     " << doc.BezierCount << '\n';
    std::cout << "  segments:  " << doc.SegmentCount;
    for (const auto& [type, count] : byType) {
        const std::string name = SegmentTypeWord(type);
        std::cout << ", " << count << ' ';
        if (!name.empty()) {
            std::cout << name;
        } else {
            std::cout << "of type " << type;
        }
    }
    std::cout << '\n';
    std::cout << "  tunnels:   " << tunnels << ", custom colours: " << customColours << '\n';
    std::cout << "  records:   FUND " << doc.FundCount << ", RASC " << doc.RascCount << ", FREN "
              << doc.FrenCount << ", TUBE " << doc.TubeCount << ", CATW " << doc.CatwCount
              << ", SCEN " << doc.ScenCount << ", SCOB " << doc.ScobCount << '\n';
    std::cout << "  terrain:   ";
    if (doc.TeraPresent) {
        std::cout << doc.TeraCountX << " x " << doc.TeraCountY << '\n';
    } else {
        std::cout << "none\n";
    }
    std::cout << "  chunk lengths (bytes after the length field):\n";
    const std::pair<const char*, int32_t> lengths[] = {
        {"KAVR", doc.HeaderLength}, {"TRCK", doc.TrckLength}, {"INFO", doc.InfoLength},
        {"BEZR", doc.BezrLength},   {"SEGM", doc.SegmLength}, {"SUPP", doc.SuppLength},
        {"FUND", doc.FundLength},   {"RASC", doc.RascLength}, {"FREN", doc.FrenLength},
        {"TUBE", doc.TubeLength},   {"CATW", doc.CatwLength}, {"SCEN", doc.ScenLength},
        {"SCOB", doc.ScobLength},   {"TERA", doc.TeraLength}, {"ENVC", doc.EnvcLength},
    };
    for (const auto& [tag, length] : lengths) {
        if (std::string(tag) == "TERA" && !doc.TeraPresent)
            continue;
        std::cout << "    " << tag << ' ' << length << '\n';
    }
    return 0;
}
