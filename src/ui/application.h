#pragma once
// The program's entry point: the batch mode, or start-up, the window and the event loop.

namespace wayloom {

// `wayloom [PATH]` or `wayloom --batch SCRIPT [--profile INI]`. Returns the process exit code.
int RunWayloom(int argc, char** argv);

}  // namespace wayloom
