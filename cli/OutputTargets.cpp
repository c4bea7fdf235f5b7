#include "OutputTargets.h"

#include <map>
#include <sys/stat.h>
#include <utility>

namespace zd {

namespace {

using FileIdentity = std::pair<dev_t, ino_t>;

std::optional<FileIdentity> identityOf(const std::string &path)
{
    struct stat info
    {
    };
    if (::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return FileIdentity { info.st_dev, info.st_ino };
}

} // namespace

std::optional<InputOverwrite> findInputOverwrite(const std::vector<std::string> &destinations,
                                                 const std::vector<std::string> &inputs)
{
    std::map<FileIdentity, std::string> read;
    for (const std::string &input : inputs)
        if (const auto identity = identityOf(input))
            read.emplace(*identity, input);
    for (const std::string &destination : destinations)
        if (const auto identity = identityOf(destination))
            if (const auto found = read.find(*identity); found != read.end())
                return InputOverwrite { destination, found->second };
    return std::nullopt;
}

} // namespace zd
