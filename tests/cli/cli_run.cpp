#include "cli_run.h"

#include "cli/cli.h"

#include <iterator>
#include <sstream>

namespace brenvik::cli::test {

CliRun runCli(std::vector<std::string_view> args)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = run(args, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

std::string lastLine(const std::string& text)
{
    const auto all = lines(text);
    return all.empty() ? "" : all.back();
}

std::vector<std::string> fields(const std::string& line)
{
    std::vector<std::string> result;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, ',');)
        result.push_back(field);
    if (!line.empty() && line.back() == ',')
        result.emplace_back();
    return result;
}

std::vector<std::string> helpExample(const std::string& help)
{
    constexpr std::string_view kExample = "Example: brenvik-cli ";
    const auto at = help.find(kExample);
    if (at == std::string::npos)
        return {};
    const auto first = at + kExample.size();
    std::istringstream words(help.substr(first, help.find('\n', first) - first));
    return {std::istream_iterator<std::string>(words), {}};
}

}  // namespace brenvik::cli::test
