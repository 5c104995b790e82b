#pragma once
// The batch mode: runs a script of commands through the main window's own command code, with the
// user's answers taken from the script and every message box printed.
#include <iosfwd>
#include <string>

namespace wayloom {

class SettingsProfile;

// Runs the script at `scriptPath`; profile may be null (the defaults). Writes the run's lines to
// `out`. Returns 0 when every line ran, 1 otherwise.
int RunBatch(const std::string& scriptPath, SettingsProfile* profile, std::ostream& out);

}  // namespace wayloom
