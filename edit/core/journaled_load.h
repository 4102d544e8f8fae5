// Loading a model file as the programs do: the reader's walk (Load), then, after the reader's
// warnings, the note of a write to the file that a crash interrupted (InterruptedWriteNote), so that
// every command and the window say it at every load.
#pragma once

#include <string>

#include "model/store.h"

namespace opt {

// Throws OptError("Cannot open file <path>") as Load does. An empty journal name adds no note.
void LoadNotingInterruptedWrite(ModelStore& store, const std::string& file, const std::string& journal);

}  // namespace opt
