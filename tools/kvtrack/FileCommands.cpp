// The commands that write a track file as it is: resave and example.
#include "Commands.h"
#include "DemoTrack.h"
#include "TrackWriter.h"

#include <iostream>

using namespace mKavrano_TrackIO_1_3;

int SaveTrackOrReport(TrackDocument& doc, const std::string& out) {
    const SaveResult result = SaveTrackFile(doc, out);
    if (!result.Saved) {
        std::cerr << "Error: cannot write " << result.Path << ": " << result.Error << '\n';
        return 1;
    }
    return 0;
}

int ResaveCommand(const std::string& in, const std::string& out) {
    TrackDocument doc;
    if (!LoadTrackOrReport(doc, in))
        return 1;
    return SaveTrackOrReport(doc, out);
}

int ExampleCommand(const std::string& out) {
    TrackDocument doc = MakeDemoTrack();
    return SaveTrackOrReport(doc, out);
}
