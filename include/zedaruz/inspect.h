// Looking at models without changing them: the verdict on many files, and the differences of two.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "zedaruz/model.h"
#include "zedaruz/visibility.h"

namespace zedaruz {

enum class Verdict { Ok, Notes, Damaged, Unreadable };

struct CheckResult {
    std::filesystem::path file;
    Verdict verdict;
    std::vector<std::string> lines;  // the reader's warnings and notes, or why it cannot be read
};

// "ok", "notes", "damaged" or "unreadable".
ZEDARUZ_API const char* VerdictName(Verdict verdict);

// The verdict `zedaruz-cli check` gives the model's file as it was opened: Unreadable when it holds no
// model (no top-level entry that could be read as a mesh), else from its warnings: Damaged when one
// reports damage to the file's structure, Notes when there are others, else Ok. Never throws.
ZEDARUZ_API Verdict VerdictOf(const Model& model);

// Loads each file, and each model file found below each folder, and judges it as `zedaruz-cli check`.
// Never throws for a file: an unreadable one gets its verdict.
ZEDARUZ_API std::vector<CheckResult> Check(const std::vector<std::filesystem::path>& paths);

// The lines `zedaruz-cli diff A B` prints: each changed field with its positions in both files.
ZEDARUZ_API std::vector<std::string> Diff(const Model& a, const Model& b);

}  // namespace zedaruz
