// The command line of zedaruz-cli, parsed with CLI11. Each command registers itself from its own file
// with one small function (AddListCommand and the like, declared in commands.h); cli_main.cpp calls
// them all. A command's work runs after its words are parsed and returns the exit status:
// 0 done, 1 the work failed (message on standard error), 2 bad usage.
#pragma once

#include <CLI/CLI.hpp>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/program_folders.h"

namespace cli {

using Args = std::vector<std::string>;

// Adds the subcommand `name`; `run` is called once its options and words are parsed.
CLI::App& AddCommand(CLI::App& app, const std::string& name, const std::string& about,
                     std::function<int()> run);

// A command whose work takes its words in order (FILE first): one required word per name in
// `required`, then `optional` words (the last, when its name ends in "...", takes any number of them). The
// words are plain strings: negative numbers such as -3.5 and -.5 are words, never options.
CLI::App& AddWordsCommand(CLI::App& app, const std::string& name, const std::string& about,
                          const std::vector<std::string>& required, const std::vector<std::string>& optional,
                          std::function<int(const Args&)> run);

// "Listing names:" and one name a line, for the help texts.
std::string ListingNames();

// The whole tool with every command registered.
void BuildCommandLine(CLI::App& app);

// The program's SaveData and AppData folders (FindProgramFolders for this executable).
opt::ProgramFolders ProgramFolders();

// Parses argv and runs the chosen command; returns the exit status.
int RunCommandLine(int argc, const char* const* argv);

// The words as the parser should see them: a word that is a whole negative number starting "-."
// becomes "-0." and the rest, so that it is taken as the same number and not as an option.
std::vector<std::string> NumberWordsAsValues(std::vector<std::string> words);

}  // namespace cli
