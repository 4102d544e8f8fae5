// Runs zedaruz-cli as a separate process and captures what it writes.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace cli_testing {

struct Run {
    int status = -1;
    std::string out, err;
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        size_t start = 0;
        for (size_t nl; (nl = out.find('\n', start)) != std::string::npos; start = nl + 1)
            lines.push_back(out.substr(start, nl - start));
        return lines;
    }
};

inline std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += (c == '\'') ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

inline std::string Slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The tool started with the given words and left running; Finish waits for it.
class StartedCli {
public:
    // env: assignments put before the program on the shell's command line ("NAME=value ...");
    // input: a file that becomes its standard input, when one is named.
    explicit StartedCli(const std::vector<std::string>& words, const std::string& env = "",
                        const std::string& input = "") {
        // Standard error goes to a file of its own beside the test's temp dir.
        std::string name = (std::filesystem::temp_directory_path() / "zedaruz_cli_err_XXXXXX").string();
        const int fd = ::mkstemp(name.data());
        if (fd >= 0) ::close(fd);
        err_path_ = name;
        std::string cmd = env + (env.empty() ? "" : " ") + Quote(CLI_PATH);
        for (const auto& w : words) cmd += " " + Quote(w);
        cmd += " 2>" + Quote(err_path_.string());
        if (!input.empty()) cmd += " <" + Quote(input);
        pipe_ = ::popen(cmd.c_str(), "r");
    }
    StartedCli(const StartedCli&) = delete;
    StartedCli& operator=(const StartedCli&) = delete;
    ~StartedCli() {
        if (pipe_ != nullptr) Finish();
    }

    Run Finish() {
        Run r;
        if (pipe_ != nullptr) {
            char buf[65536];
            size_t n;
            while ((n = std::fread(buf, 1, sizeof buf, pipe_)) > 0) r.out.append(buf, n);
            const int st = ::pclose(pipe_);
            pipe_ = nullptr;
            r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
        }
        r.err = Slurp(err_path_);
        std::filesystem::remove(err_path_);
        return r;
    }

private:
    FILE* pipe_ = nullptr;
    std::filesystem::path err_path_;
};

// Runs the tool with the given words (standard input from the file `input`, when named) and waits.
inline Run RunCli(const std::vector<std::string>& words, const std::string& input = "") {
    return StartedCli(words, "", input).Finish();
}

}  // namespace cli_testing
