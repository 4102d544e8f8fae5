// Line sinks: where the listings send their text. The windows plug in their list box and memo; the
// command line and the tests collect lines in a vector.
#pragma once

#include <string>
#include <vector>

namespace opt {

// Receives lines in order, one call per line.
class LineSink {
public:
    virtual ~LineSink() = default;
    virtual void AddLine(const std::string& line) = 0;
};

// A memo: can be emptied, then written line by line.
class MemoSink : public LineSink {
public:
    virtual void ClearMemo() = 0;
};

// Keeps the lines in a vector; serves every sink role.
class VectorSink : public MemoSink {
public:
    std::vector<std::string> lines;
    void AddLine(const std::string& line) override { lines.push_back(line); }
    void ClearMemo() override { lines.clear(); }
};

}  // namespace opt
