#include "ui/edit/edit_widgets.h"

namespace opt {

void EditWidgets::SetRG(int mode) {
    RG1.clear();
    RG1Index = -1;
    switch (mode) {
        case kRGHardpoints:
            RG1 = {"X offset", "Y offset", "Z offset", "Type"};
            break;
        case kRGDescriptors:
            RG1 = {"X offset", "Y offset", "Z offset", "Group Id", "Type", "Unknown"};
            break;
        case kRGDistances:
            for (size_t k = 0; k < LBED.size(); ++k) RG1.push_back("Distance " + std::to_string(k));
            break;
        case kRGRotScale:
            for (int k = 0; k < 12; ++k) RG1.push_back("Float " + std::to_string(k));
            break;
        default:
            break;
    }
}

}  // namespace opt
