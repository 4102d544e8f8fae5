#include "ui/windows/palette_listing.h"

#include <algorithm>
#include <string>

#include "listings/text_format.h"
#include "model/line_sink.h"

namespace opt {

int LastListedPalette(const ModelStore& store) {
    // A slot number past the store (a damaged file) must not list palettes that do not exist.
    const int64_t last = 15 * (static_cast<int64_t>(store.Current_Palette_Set) + 1);
    return static_cast<int>(std::clamp<int64_t>(last, 0, static_cast<int64_t>(store.Palettes.size()) - 1));
}

void ListPalettes(const ModelStore& store, LineSink& listBox, LineSink& numbers) {
    TextLine line;
    const int last = LastListedPalette(store);
    for (int k = 0; k <= last; ++k) {
        numbers.AddLine(std::to_string(k));
        line.Text("Palette Number ").Int(k).SendTo(listBox);
        const auto& planes = store.Palettes[static_cast<size_t>(k)];
        for (int j = 0; j < kPaletteEntries; ++j) {
            line.Text("r ").Int(planes[0][j]).Text(" g ").Int(planes[1][j]).Text(" b ").Int(planes[2][j]);
            line.SendTo(listBox);
        }
        line.Text("********************************").SendTo(listBox);
    }
}

}  // namespace opt
