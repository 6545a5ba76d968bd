#pragma once
// The tool's tests run it in the process and read its CSV back line by line, field by field.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace brenvik::cli::test {

/// What one run of the tool gave: its exit status and both streams.
struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun runCli(std::vector<std::string_view> args);

std::vector<std::string> lines(const std::string& text);

/// The last line, or "" when there is none: a test then fails on its fields, not on the lines.
std::string lastLine(const std::string& text);

/// A CSV line's fields; a trailing comma gives a last, empty field.
std::vector<std::string> fields(const std::string& line);

/// The arguments of the first "Example: brenvik-cli ..." line of a help text; none when
/// there is no such line.
std::vector<std::string> helpExample(const std::string& help);

/// A command line the tool refuses, and the one line it says on standard error.
struct BadCase {
    std::string name;
    std::vector<std::string_view> args;
    std::string message;
};

inline void PrintTo(const BadCase& c, std::ostream* os) { *os << c.name; }

/// Each test file instantiates it with the refusals of its commands.
class CliRefuses : public ::testing::TestWithParam<BadCase> {};

}  // namespace brenvik::cli::test
