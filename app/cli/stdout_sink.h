// Writes each line to standard output followed by "\n".
#pragma once

#include <cstdio>
#include <string>

#include "model/line_sink.h"

namespace cli {

class StdoutSink : public opt::LineSink {
public:
    void AddLine(const std::string& line) override {
        std::fwrite(line.data(), 1, line.size(), stdout);
        std::fputc('\n', stdout);
    }
};

}  // namespace cli
