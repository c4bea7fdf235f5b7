#pragma once

#include <string>
#include <vector>

namespace zd {

// The whole tool: reads the arguments after the program name, solves or
// converts, writes the reports to standard output and messages to standard
// error, and returns the exit code (see ExitCodes.h).
int runZdsolve(const std::vector<std::string> &arguments);

} // namespace zd
