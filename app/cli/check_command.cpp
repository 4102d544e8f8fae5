// zedaruz-cli check FILE|FOLDER... [--json]: loads every OPT file given (folders searched
// recursively for .opt and .op1 in any case) and reports each: "ok", its damage, or its notes.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "app/cli/commands.h"
#include "app/cli/json_output.h"
#include "app/cli/model_loading.h"
#include "model/errors.h"
#include "model/load_warnings.h"

namespace cli {

namespace {

namespace fs = std::filesystem;

// Files with more than this many to check show a progress line on a terminal.
constexpr size_t kProgressAbove = 20;

bool IsModelFile(const fs::path& p) {
    std::string ext = p.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext == ".opt" || ext == ".op1";
}

// The files to check, in the order given; a folder's files sorted by path. A word that is neither a
// file nor a folder is kept, so that it is reported as not opened.
std::vector<std::string> FilesToCheck(const std::vector<std::string>& words) {
    std::vector<std::string> files;
    for (const auto& word : words) {
        std::error_code ec;
        if (!fs::is_directory(word, ec)) {
            files.push_back(word);
            continue;
        }
        std::vector<std::string> found;
        for (fs::recursive_directory_iterator it(word, fs::directory_options::skip_permission_denied, ec),
             end;
             !ec && it != end; it.increment(ec))
            if (it->is_regular_file(ec) && IsModelFile(it->path())) found.push_back(it->path().string());
        std::sort(found.begin(), found.end());
        files.insert(files.end(), found.begin(), found.end());
    }
    return files;
}

enum class Verdict { kOk, kNotes, kDamaged, kUnreadable };

struct FileReport {
    std::string file;
    Verdict verdict = Verdict::kOk;
    std::vector<std::string> lines;  // the reader's warnings and notes, or the open error
};

FileReport CheckFile(const std::string& file) {
    FileReport report{file, Verdict::kOk, {}};
    try {
        report.lines = LoadModel(opt::TheStore(), file).Warnings;
    } catch (const opt::OptError& e) {
        report.verdict = Verdict::kUnreadable;
        report.lines = {e.what()};
        return report;
    }
    for (const auto& line : report.lines)
        report.verdict =
            std::max(report.verdict, opt::IsDamageWarning(line) ? Verdict::kDamaged : Verdict::kNotes);
    return report;
}

const char* VerdictName(Verdict v) {
    switch (v) {
        case Verdict::kOk:
            return "ok";
        case Verdict::kNotes:
            return "notes";
        case Verdict::kDamaged:
            return "damaged";
        case Verdict::kUnreadable:
            return "unreadable";
    }
    return "";
}

std::string ReportLine(const FileReport& r) {
    std::string line = r.file + ": " + VerdictName(r.verdict);
    for (size_t i = 0; i < r.lines.size(); ++i) line += (i == 0 ? ": " : " | ") + r.lines[i];
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
    const std::vector<std::string> files = FilesToCheck(words);
    if (files.empty()) {
        std::fprintf(stderr, "No .opt or .op1 files found.\n");
        return 1;
    }
    const Progress progress(files.size());
    size_t counts[4] = {};
    Json list = Json::array();
    for (size_t i = 0; i < files.size(); ++i) {
        const FileReport r = CheckFile(files[i]);
        ++counts[static_cast<int>(r.verdict)];
        progress.Clear();
        if (json)
            list.push_back({{"file", r.file}, {"status", VerdictName(r.verdict)}, {"warnings", r.lines}});
        else
            std::printf("%s\n", ReportLine(r).c_str());
        progress.Show(i + 1);
    }
    progress.Clear();
    if (json)
        PrintJson(list);
    else
        std::printf("%zu files: %zu ok, %zu with notes, %zu damaged, %zu unreadable\n", files.size(),
                    counts[0], counts[1], counts[2], counts[3]);
    return counts[2] + counts[3] > 0 ? 1 : 0;
}

}  // namespace

void AddCheckCommand(CLI::App& app) {
    struct Words {
        std::vector<std::string> paths;
        bool json = false;
    };
    auto words = std::make_shared<Words>();
    CLI::App& cmd = AddCommand(app, "check", "Check OPT files and folders of them for damage.",
                               [words] { return CheckCommand(words->paths, words->json); });
    cmd.add_option("PATH", words->paths, "OPT files and folders")->required();
    cmd.add_flag("--json", words->json, "print the reports as one JSON list");
    cmd.footer(
        "Folders are searched recursively for .opt and .op1 files (any case). Each file is reported as ok, "
        "notes, damaged or unreadable. Exit status 0 when no file is damaged or unreadable, else 1.");
}

}  // namespace cli
