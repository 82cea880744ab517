#pragma once

#include <string>

// Each kvtrack command returns the process exit code: 0 done, 1 refused or failed.
int DumpCommand(const std::string& path);
int TraceCommand(const std::string& path);
int ResaveCommand(const std::string& in, const std::string& out);
int InfoCommand(const std::string& path);
int ExampleCommand(const std::string& out);
// The ride preview as JSON, or as a CSV table with csv.
int RideCommand(const std::string& path, bool csv);

// The message for a file the reader refuses, on stderr, and its exit code.
int ReportInvalidTrack();
