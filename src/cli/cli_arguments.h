// The command-line tool's commands as a table, and the reading of its
// arguments against it. Adding a command is one entry: its name, operand,
// options, summary and what runs it.
#pragma once

#include <map>
#include <span>
#include <string>
#include <vector>

class CliRun;
struct Invocation;

struct CliOption {
  const char* name;       // "--starter"
  const char* shortName;  // "-o", or nullptr
  const char* value;      // what follows it ("PATH"); nullptr for a switch
  const char* help;
  bool required = false;
};

struct CliCommand {
  const char* name;
  const char* operand;  // "FOLDER"
  std::span<const CliOption> options;
  const char* summary;
  int (*run)(const Invocation&, CliRun&);
};

struct Invocation {
  const CliCommand* command = nullptr;
  std::string operand;
  std::map<std::string, std::string> values;  // by option name; a switch holds ""

  bool Has(const char* option) const { return values.count(option) != 0; }
  std::string Value(const char* option) const;
};

struct ParsedArguments {
  enum class Kind { kRun, kHelp, kVersion, kError };
  Kind kind = Kind::kError;
  Invocation invocation;  // kRun; kHelp names the command asked about, if any
  std::string error;      // kError
};

ParsedArguments ParseArguments(std::span<const CliCommand> commands,
                               const std::vector<std::string>& arguments);

// "create FOLDER [--starter PATH] [--yes]"
std::string UsageOf(const CliCommand& command);
// Every command with its summary and options, or only `only`'s.
std::string HelpText(std::span<const CliCommand> commands, const CliCommand* only);
