// Line sinks: where the reader and the listings send their text. The windows plug in their list
// boxes and memo; the command line and the tests collect lines in a vector.
#pragma once

#include <string>
#include <unordered_set>
#include <vector>

namespace opt {

// Receives lines in order, one call per line.
class LineSink {
public:
    virtual ~LineSink() = default;
    virtual void AddLine(const std::string& line) = 0;
};

// A list that can also be asked whether it already holds a line (the texture list box).
class LookupSink : public LineSink {
public:
    virtual bool Contains(const std::string& line) const = 0;
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

// A vector that answers membership quickly (for the texture list).
class VectorLookupSink : public LookupSink {
public:
    std::vector<std::string> lines;
    void AddLine(const std::string& line) override {
        lines.push_back(line);
        seen_.insert(line);
    }
    bool Contains(const std::string& line) const override { return seen_.count(line) != 0; }

private:
    std::unordered_set<std::string> seen_;
};

}  // namespace opt
