// Runs zedaruz-cli as a separate process and captures what it writes.
#pragma once

#include <sys/wait.h>

#include <cstdio>
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

// Runs the tool with the given words; standard error goes to a file beside the test's temp dir.
// Standard input is the file `input` when one is named.
inline Run RunCli(const std::vector<std::string>& words, const std::string& input = "") {
    const auto err_path =
        std::filesystem::temp_directory_path() / ("zedaruz_cli_err_" + std::to_string(::getpid()));
    std::string cmd = Quote(CLI_PATH);
    for (const auto& w : words) cmd += " " + Quote(w);
    cmd += " 2>" + Quote(err_path.string());
    if (!input.empty()) cmd += " <" + Quote(input);
    Run r;
    if (FILE* p = ::popen(cmd.c_str(), "r")) {
        char buf[65536];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
        const int st = ::pclose(p);
        r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    }
    r.err = Slurp(err_path);
    std::filesystem::remove(err_path);
    return r;
}

}  // namespace cli_testing
