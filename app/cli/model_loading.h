// Loading the model a command works on, and turning errors into exit statuses.
#pragma once

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "model/errors.h"
#include "model/store.h"

namespace cli {

// The table sizes of every load this run makes: grown, or classic after --tables classic.
opt::TableLimits& ChosenTableLimits();

// An empty store with the table sizes of this run.
std::unique_ptr<opt::ModelStore> NewStore();

// The AppData folder of this program (FindProgramFolders), with a trailing separator, and the write
// journal every patch is recorded in (in its SaveData folder, or ZEDARUZ_JOURNAL).
std::string ProgramAppDataDir();
std::string ProgramJournal();

// FILE loaded into a new store with the table sizes of this run: the one load of every command. The
// reader's lines end with the note of a write to FILE that a crash interrupted, when the journal
// records one. Throws OptError when the file cannot be read.
std::unique_ptr<opt::ModelStore> LoadModel(const std::string& file);

// The reader's lines of the model (warnings and notes), one a line, on the stream.
void PrintWarnings(const opt::ModelStore& store, std::FILE* stream);

// Loads FILE (the reader's lines go to standard error) and runs work on it. An OptError from the
// load or the work prints its message (with the system's reason) on standard error and gives status 1.
int RunOnModel(const std::string& file, const std::function<int(opt::ModelStore&)>& work);

// Flushes standard output, prints the message on standard error; returns 1.
int Failure(const std::string& message);
// The same for an error of the core: its message with the system's reason, when it has one.
int Failure(const opt::OptError& error);

}  // namespace cli
