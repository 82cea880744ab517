#pragma once

#include "TrackDocument.h"
#include "TrackTracer.h"

#include <string>
#include <vector>

// The arguments after the command's name.
using CommandArgs = std::vector<std::string>;

// Returned by a command for arguments it cannot take: main prints the usage and exits with 2.
inline constexpr int kBadUsage = -1;

// Each kvtrack command returns the process exit code: 0 done, 1 refused or failed, or
// kBadUsage.
int DumpCommand(const std::string& path);
int TraceCommand(const std::string& path);
int ResaveCommand(const std::string& in, const std::string& out);
int InfoCommand(const std::string& path);
int ExampleCommand(const std::string& out);
int SetCommand(const CommandArgs& args);
int DiffCommand(const CommandArgs& args);
// The ride preview as JSON; with --csv its samples as a table, with --csv --filtered its
// filtered forces as a table.
int RideCommand(const CommandArgs& args);

// Reads path into doc. On a refusal prints "Error: Invalid Track File!" and, on the next line,
// why, on stderr.
bool LoadTrackOrReport(mKavrano_TrackIO_1_3::TrackDocument& doc, const std::string& path);

// Reads and traces path. On a refusal prints why, as LoadTrackOrReport does.
bool LoadAndTraceOrReport(mKavrano_TrackIO_1_3::TrackDocument& doc,
                          mKV_TraceTrack::TraceState& trace, const std::string& path);

// Writes doc to out; on a failure prints why on stderr and returns 1, otherwise 0.
int SaveTrackOrReport(mKavrano_TrackIO_1_3::TrackDocument& doc, const std::string& out);

// The message for a file that cannot be used, and why, on stderr; returns 1.
int ReportInvalidTrack(const std::string& reason);
