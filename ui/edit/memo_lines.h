// The memo of the edit area as a line sink: the text blocks and the distance table append to it.
#pragma once

#include <string>
#include <vector>

#include "model/line_sink.h"

namespace opt {

class MemoLines : public MemoSink {
public:
    explicit MemoLines(std::vector<std::string>& lines) : lines_(lines) {}
    void AddLine(const std::string& line) override { lines_.push_back(line); }
    void ClearMemo() override { lines_.clear(); }

private:
    std::vector<std::string>& lines_;
};

}  // namespace opt
