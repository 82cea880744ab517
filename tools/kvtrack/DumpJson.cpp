// kvtrack dump: the whole document as one JSON object.
#include "Commands.h"
#include "DocumentFields.h"
#include "JsonWriter.h"

#include <iostream>

int DumpCommand(const std::string& path) {
    mKavrano_TrackIO_1_3::TrackDocument doc;
    if (!LoadTrackOrReport(doc, path))
        return 1;
    JsonWriter json(std::cout);
    WriteDocument(json, doc);
    std::cout << '\n';
    return std::cout ? 0 : 1;
}
