// zedaruz-cli check FILE|FOLDER... [--json]: loads every OPT file given (folders searched
// recursively for .opt and .op1 in any case) and reports each: "ok", its damage, or its notes.
#include <unistd.h>

#include <cstdio>
#include <memory>

#include "app/cli/commands.h"
#include "app/cli/json_output.h"
#include "app/cli/model_loading.h"
#include "inspect/model_check.h"

namespace cli {

namespace {

// Files with more than this many to check show a progress line on a terminal.
constexpr size_t kProgressAbove = 20;

std::string ReportLine(const opt::FileCheck& r) {
    std::string line = r.File + ": " + opt::VerdictName(r.Result);
    for (size_t i = 0; i < r.Lines.size(); ++i) line += (i == 0 ? ": " : " | ") + r.Lines[i];
    return line;
}

class Progress {
public:
    explicit Progress(size_t total)
        : total_(total), shown_(total > kProgressAbove && ::isatty(STDERR_FILENO)) {}
    // Clears the progress line so that a report line can take its place.
    void Clear() const {
        if (shown_) std::fputs("\r\033[K", stderr);
    }
    void Show(size_t done) const {
        if (!shown_) return;
        std::fflush(stdout);
        std::fprintf(stderr, "Checked %zu of %zu files", done, total_);
        std::fflush(stderr);
    }

private:
    size_t total_;
    bool shown_;
};

int CheckCommand(const std::vector<std::string>& words, bool json) {
    const std::vector<std::string> files = opt::FilesToCheck(words);
    if (files.empty()) {
        std::fprintf(stderr, "No .opt or .op1 files found.\n");
        return 1;
    }
    const Progress progress(files.size());
    size_t counts[4] = {};
    Json list = Json::array();
    const auto store = NewStore();
    const std::string journal = ProgramJournal();
    for (size_t i = 0; i < files.size(); ++i) {
        const opt::FileCheck r = opt::CheckModelFile(*store, files[i], journal);
        ++counts[static_cast<int>(r.Result)];
        progress.Clear();
        if (json)
            list.push_back({{"file", r.File}, {"status", opt::VerdictName(r.Result)}, {"warnings", r.Lines}});
        else
            std::printf("%s\n", ReportLine(r).c_str());
        progress.Show(i + 1);
    }
    progress.Clear();
    if (json)
        PrintJson(list);
    else
        std::printf("%zu %s: %zu ok, %zu with notes, %zu damaged, %zu unreadable\n", files.size(),
                    files.size() == 1 ? "file" : "files", counts[0], counts[1], counts[2], counts[3]);
    return counts[2] + counts[3] > 0 ? 1 : 0;
}

}  // namespace

void AddCheckCommand(CLI::App& app) {
    struct Words {
        std::vector<std::string> paths;
        bool json = false;
    };
    auto words = std::make_shared<Words>();
    CLI::App& cmd = AddCommand(app, "check", "Check OPT files, and the OPT files in folders, for damage.",
                               [words] { return CheckCommand(words->paths, words->json); });
    cmd.add_option("PATH", words->paths, "OPT files and folders")->required();
    cmd.add_flag("--json", words->json, "print the reports as one JSON list");
    cmd.footer(
        "Folders are searched recursively for .opt and .op1 files (any case). Each file is reported as ok, "
        "notes, damaged or unreadable (it cannot be read, or holds no model: no top-level entry, or none "
        "that could be read as a mesh). Exit status 0 when no file is damaged or unreadable, else 1.");
}

}  // namespace cli
