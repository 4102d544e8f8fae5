// Checking OPT files for damage: which files a list of files and folders names, and the verdict on
// each after a load.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/store.h"

namespace opt {

// A model loaded into a caller's store: the file's bytes and the reader's lines (warnings and notes,
// with the note of an interrupted write recorded in `journal`, when one is named).
struct LoadedModel {
    std::vector<uint8_t> Bytes;
    std::vector<std::string> Warnings;
};
// Throws OptError("Cannot open file <path>") when the file cannot be read.
LoadedModel LoadModelFile(ModelStore& store, const std::string& path, const std::string& journal = {});

// Why a loaded store holds no model, or empty when it holds one: the file is too short for its
// header, its top-level jump list holds no entry or lies outside the file, or none of its top-level
// entries could be read as a mesh.
std::string WhyNoModel(const ModelStore& store);

// Whether the name ends in .opt or .op1, in any case.
bool IsModelFileName(const std::string& path);

// The files to check, in the order given; a folder's model files (searched recursively) sorted by
// path. A word that is not a folder is kept as it is, so that it is reported when it cannot be read.
std::vector<std::string> FilesToCheck(const std::vector<std::string>& paths);

// Worst first: a file that cannot be read, then damage, then notes only, then ok.
enum class Verdict { kOk, kNotes, kDamaged, kUnreadable };
const char* VerdictName(Verdict v);

// The verdict on a loaded file from the reader's lines: damaged when any reports damage to the
// file's structure, notes when there are lines, else ok.
Verdict VerdictOfWarnings(const std::vector<std::string>& lines);

struct FileCheck {
    std::string File;
    Verdict Result = Verdict::kOk;
    std::vector<std::string> Lines;  // the reader's warnings and notes, or why it is unreadable
};

// A file that cannot be read, or that holds no model ("holds no model (REASON)" first, then the
// reader's lines), is unreadable; one with damage warnings is damaged; one with other lines has notes.
FileCheck CheckModelFile(ModelStore& store, const std::string& path, const std::string& journal = {});

}  // namespace opt
