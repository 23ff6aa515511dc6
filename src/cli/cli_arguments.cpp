#include "cli/cli_arguments.h"

#include "cli/cli_texts.h"
#include "common/text.h"

namespace {

namespace t = cli_texts;

const CliOption* FindOption(const CliCommand& command, std::string_view word) {
  for (const CliOption& option : command.options) {
    if (word == option.name || (option.shortName && word == option.shortName)) return &option;
  }
  return nullptr;
}

ParsedArguments Error(std::string message) {
  ParsedArguments parsed;
  parsed.error = std::move(message);
  return parsed;
}

// Indents every line of a summary.
std::string Indented(std::string_view text, const char* indent) {
  std::string out;
  for (const std::string& line : text::Split(text, '\n')) out += indent + line + "\n";
  return out;
}

}  // namespace

std::string Invocation::Value(const char* option) const {
  auto found = values.find(option);
  return found == values.end() ? std::string() : found->second;
}

ParsedArguments ParseArguments(std::span<const CliCommand> commands,
                               const std::vector<std::string>& arguments) {
  ParsedArguments parsed;
  const CliCommand* command = nullptr;
  if (!arguments.empty()) {
    for (const CliCommand& each : commands) {
      if (arguments[0] == each.name) command = &each;
    }
  }
  parsed.invocation.command = command;
  // Help and the version are answered wherever they stand.
  for (const std::string& argument : arguments) {
    if (argument == "--") break;
    if (argument == "--help" || argument == "-h") {
      parsed.kind = ParsedArguments::Kind::kHelp;
      return parsed;
    }
    if (argument == "--version") {
      parsed.kind = ParsedArguments::Kind::kVersion;
      return parsed;
    }
  }
  if (arguments.empty()) return Error(t::kNoCommand);
  if (command == nullptr) {
    if (text::StartsWith(arguments[0], "-")) return Error(t::kCommandFirst);
    return Error(text::Format(t::kUnknownCommand, arguments[0].c_str()));
  }

  Invocation& run = parsed.invocation;
  bool operandsOnly = false;
  bool haveOperand = false;
  for (size_t i = 1; i < arguments.size(); ++i) {
    const std::string& word = arguments[i];
    if (!operandsOnly && word == "--") {
      operandsOnly = true;
      continue;
    }
    if (operandsOnly || !text::StartsWith(word, "-") || word == "-") {
      if (haveOperand) return Error(text::Format(t::kUnexpected, word.c_str()));
      run.operand = word;
      haveOperand = true;
      continue;
    }
    const size_t equals = word.find('=');
    const std::string name = word.substr(0, equals);
    const CliOption* option = FindOption(*command, name);
    if (option == nullptr) {
      return Error(text::Format(t::kUnknownOption, command->name, name.c_str()));
    }
    if (run.Has(option->name)) return Error(text::Format(t::kGivenTwice, option->name));
    std::string value;
    if (option->value == nullptr) {
      if (equals != std::string::npos) return Error(text::Format(t::kUnexpected, word.c_str()));
    } else if (equals != std::string::npos) {
      value = word.substr(equals + 1);
    } else if (i + 1 < arguments.size()) {
      value = arguments[++i];
    } else {
      return Error(text::Format(t::kNeedsValue, option->name, option->value));
    }
    run.values[option->name] = value;
  }
  if (!haveOperand) return Error(text::Format(t::kNeedsOperand, command->name, command->operand));
  for (const CliOption& option : command->options) {
    if (option.required && !run.Has(option.name)) {
      return Error(text::Format(t::kNeedsOption, command->name, option.name));
    }
  }
  parsed.kind = ParsedArguments::Kind::kRun;
  return parsed;
}

std::string UsageOf(const CliCommand& command) {
  std::string usage = std::string(command.name) + " " + command.operand;
  for (const CliOption& option : command.options) {
    std::string word = option.shortName && option.required ? option.shortName : option.name;
    if (option.value) word += std::string(" ") + option.value;
    usage += option.required ? " " + word : " [" + word + "]";
  }
  return usage;
}

std::string HelpText(std::span<const CliCommand> commands, const CliCommand* only) {
  std::string help = text::Format("Usage: %s COMMAND %s [OPTIONS]\n\n", t::kProgram,
                                  commands.empty() ? "" : commands.front().operand);
  if (only == nullptr) help += std::string(t::kHelpHead) + "\nCommands:\n";
  for (const CliCommand& command : commands) {
    if (only != nullptr && only != &command) continue;
    help += "  " + UsageOf(command) + "\n" + Indented(command.summary, "      ");
    for (const CliOption& option : command.options) {
      std::string word = option.name;
      if (option.shortName) word = std::string(option.shortName) + ", " + word;
      if (option.value) word += std::string(" ") + option.value;
      // A long option word gets a line of its own.
      if (word.size() > 16) word += "\n" + std::string(24, ' ');
      help += text::Format("        %-16s %s\n", word.c_str(), option.help);
    }
  }
  return help + "\n" + t::kHelpTail;
}
