#pragma once

// The command line of the desktop program: its options and the files it opens at start.

#include <QStringList>
#include <string>
#include <vector>

struct Services;

/// What `veltra` is asked on its command line (the report command aside).
struct ProgramArguments {
  enum class Action { Run, Help, Version, Usage };
  Action action = Action::Run;  // Usage: an option the program does not know
  std::string unknownOption;
  std::vector<std::string> files;  // absolute paths in the order given
};

/// Reads the arguments (without the program name): --help, --version, "--" before file names that
/// begin with "-", and file names or file:// addresses, relative ones to the current folder.
ProgramArguments parseProgramArguments(const QStringList& arguments);

/// The text of `veltra --help`.
std::string programUsage();

/// Opens `files` as the menu commands do, with their questions, checks and messages: every project
/// (.hor) and results (.Vys) file first, in the order given, then every histogram (.dis) in the chart
/// window. A file of another type is refused with a message naming it; nothing else happens for it.
void openCommandLineFiles(Services& services, const std::vector<std::string>& files);
