// The commands that write a track file: resave and example.
#include "Commands.h"
#include "DemoTrack.h"
#include "TrackReader.h"
#include "TrackWriter.h"

#include <iostream>

using namespace mKavrano_TrackIO_1_3;

namespace {

int Save(TrackDocument& doc, const std::string& out) {
    const SaveResult result = SaveTrackFile(doc, out);
    if (!result.Saved) {
        std::cerr << "Error: cannot write " << result.Path << ": " << result.Error << '\n';
        return 1;
    }
    return 0;
}

} // namespace

int ResaveCommand(const std::string& in, const std::string& out) {
    TrackDocument doc;
    if (!LoadTrackFile(doc, in))
        return ReportInvalidTrack();
    return Save(doc, out);
}

int ExampleCommand(const std::string& out) {
    TrackDocument doc = MakeDemoTrack();
    return Save(doc, out);
}
