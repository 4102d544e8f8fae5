#include "app/cli/json_output.h"

#include <cstdio>

namespace cli {

void PrintJson(const Json& j) {
    const std::string text = opt::JsonText(j);
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
}

}  // namespace cli
