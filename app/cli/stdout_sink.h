// Line sinks on the standard streams: each line followed by "\n".
#pragma once

#include <cstdio>
#include <string>

#include "model/line_sink.h"

namespace cli {

class StreamSink : public opt::LineSink {
public:
    explicit StreamSink(std::FILE* stream) : stream_(stream) {}
    void AddLine(const std::string& line) override {
        std::fwrite(line.data(), 1, line.size(), stream_);
        std::fputc('\n', stream_);
    }

private:
    std::FILE* stream_;
};

// The listings' lines.
class StdoutSink : public StreamSink {
public:
    StdoutSink() : StreamSink(stdout) {}
};

// The reader's notes, so that standard output holds only what a command made.
class StderrSink : public StreamSink {
public:
    StderrSink() : StreamSink(stderr) {}
};

}  // namespace cli
