#include "StandardOutput.h"
#include "ZdsolveTool.h"

// zdsolve: solves and converts nonogram files from the command line.
int main(int argc, char **argv)
{
    return zd::finishStandardOutput(
        zd::runZdsolve(std::vector<std::string>(argv + 1, argv + argc)));
}
