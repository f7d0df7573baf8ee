#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The program's command line, read before the runtime starts, so that options that print and
// exit need no display. It does not act on any option: the program decides what each means.
namespace platform {

// One option: its names without dashes (one letter is written "-x", a longer name "--name"),
// what it does, and the name of its value, empty for an option that takes none.
struct CommandLineOption {
  std::vector<std::string> names;
  std::string description;
  std::string valueName;
};

// The arguments parsed against the program's options and Qt's standard ones (-platform,
// -style, -reverse …), which are accepted here and left for the runtime to act on.
class CommandLine {
 public:
  CommandLine(int argc, char** argv, const std::vector<CommandLineOption>& options);
  CommandLine(const CommandLine&) = delete;
  CommandLine& operator=(const CommandLine&) = delete;
  ~CommandLine();

  // What is wrong with the arguments, naming the argument as it was given, quoted (an unknown
  // option, a stray argument, a missing value, or one of the program's own options where a
  // value belongs); empty when nothing is.
  const std::string& Error() const { return error_; }
  bool IsSet(std::string_view name) const;
  // The option's value (the last one given), byte for byte as given; empty when it was not.
  std::string Value(std::string_view name) const;
  // The value as a text field holds it when pasted: without a leading byte order mark, and its
  // first 32,767 characters at most.
  std::string FieldValue(std::string_view name) const;
  // The usage: how the program is called, `description`, and its options.
  std::string Help(std::string_view program, std::string_view description) const;

 private:
  struct Parser;
  std::unique_ptr<Parser> parser_;
  std::string error_;
};

enum class MessageKind { Output, Error };

// Shows a message to whoever started the program: on standard output or standard error. On
// Windows, a program started without a console or redirected output shows it in a message
// box titled `title` instead, as Qt shows its own command-line messages. Returns why the text
// could not be written (the system's words: "No space left on device"), or empty.
std::string ShowMessage(std::string_view title, const std::string& text, MessageKind kind);

}  // namespace platform
