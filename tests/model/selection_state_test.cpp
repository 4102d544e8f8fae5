// The selection state and the mode group of the tool bar.
#include "state/selection_state.h"

#include <gtest/gtest.h>

#include <string>

namespace opt {
namespace {

TEST(SelectionState, StartsWithTheMeshButtonDownAndNothingSelected) {
    const SelectionState s;
    EXPECT_FALSE(s.ModelLoaded);
    EXPECT_TRUE(s.DisplayMode.IsDown(SBMESH));
    EXPECT_EQ(s.SelectedMesh + s.SelectedFaceData + s.SelectedVertex + s.SelectedTexture + s.Edit_Index, 0);
    EXPECT_EQ(s.Resolution, "0");
    EXPECT_FALSE(s.AllRes);
}

TEST(SelectionState, ExactlyOneButtonIsDownWhateverIsPutDownOrUp) {
    ModeGroup g;
    auto downCount = [&] {
        int n = 0;
        for (int b = 0; b < kModeButtonCount; ++b) n += g.IsDown(static_cast<ModeButton>(b));
        return n;
    };
    g.PutDown(SBHZ);
    EXPECT_TRUE(g.IsDown(SBHZ));
    EXPECT_FALSE(g.IsDown(SBMESH));
    EXPECT_EQ(downCount(), 1);
    g.PutUp(SBHZ);  // raising the down button leaves it down
    EXPECT_TRUE(g.IsDown(SBHZ));
    g.PutUp(SBWire);
    EXPECT_EQ(g.Down(), SBHZ);
    g.PutDown(SBHZ);
    EXPECT_EQ(g.Down(), SBHZ);
    g.PutDown(static_cast<ModeButton>(kModeButtonCount));  // not a button of the group
    EXPECT_EQ(g.Down(), SBHZ);
    EXPECT_EQ(downCount(), 1);
}

TEST(SelectionState, ButtonsHaveTheirNamesAndHintsInToolBarOrder) {
    EXPECT_EQ(std::string(ModeButtonName(SBMESH)), "SBMESH");
    EXPECT_EQ(std::string(ModeButtonHint(SBHZED)), "Edit Mesh Type ,Targeting box location etc.");
    EXPECT_EQ(std::string(ModeButtonHint(SBCopyCenters)),
              "Copies autocalculted hitzone centers to mesh centers.");
    EXPECT_EQ(std::string(ModeButtonHint(SBWire)), "Switch to textured display");
    EXPECT_EQ(std::string(ModeButtonName(static_cast<ModeButton>(-1))), "");
}

}  // namespace
}  // namespace opt
