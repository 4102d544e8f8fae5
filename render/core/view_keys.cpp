#include "render/core/view_keys.h"

#include <cstdint>

namespace opt {

namespace {

constexpr int32_t kTurnStep = 10;       // degrees per key
constexpr double kZoomInStep = 1.0;     // "=" key
constexpr double kZoomOutStep = 0.1;    // "-" key
constexpr double kZoomOutExtra = 0.01;  // taken as well while the scale stays above kZoomOutStep

// Angles and pans have no bounds; they wrap around as 32-bit integers rather than overflow.
void Add(int32_t& value, int32_t delta) {
    value = static_cast<int32_t>(static_cast<uint32_t>(value) + static_cast<uint32_t>(delta));
}

KeyOutcome Moved() { return {true, false, false}; }

KeyOutcome Pan(ViewState& view, ViewKey key) {
    const int32_t step = view.OrthoMax / 10;  // truncates toward zero
    switch (key) {
        case ViewKey::Left:
            Add(view.PanX, -step);
            return Moved();
        case ViewKey::Up:
            Add(view.PanY, step);
            return Moved();
        case ViewKey::Right:
            Add(view.PanX, step);
            return Moved();
        case ViewKey::Down:
            Add(view.PanY, -step);
            return Moved();
        default:
            return {};
    }
}

KeyOutcome TurnOrZoom(ViewState& view, ViewKey key) {
    switch (key) {
        case ViewKey::Space:
            return {false, true, false};
        case ViewKey::PageUp:
            Add(view.AngleY, kTurnStep);
            return Moved();
        case ViewKey::PageDown:
            Add(view.AngleY, -kTurnStep);
            return Moved();
        case ViewKey::Left:
            Add(view.AngleZ, kTurnStep);
            return Moved();
        case ViewKey::Up:
            Add(view.AngleX, kTurnStep);
            return Moved();
        case ViewKey::Right:
            Add(view.AngleZ, -kTurnStep);
            return Moved();
        case ViewKey::Down:
            Add(view.AngleX, -kTurnStep);
            return Moved();
        case ViewKey::EqualPlus:
            ZoomIn(view);
            return {true, false, true};
        case ViewKey::Minus:
            ZoomOut(view);
            return {true, false, true};
        case ViewKey::Other:
            return {};
    }
    return {};
}

}  // namespace

void ZoomIn(ViewState& view) { view.ViewScale += kZoomInStep; }

void ZoomOut(ViewState& view) {
    // No lower bound: below 0.1 the step is 0.1 alone and the scale goes to 0 and below.
    view.ViewScale -= kZoomOutStep;
    if (view.ViewScale > kZoomOutStep) view.ViewScale -= kZoomOutExtra;
}

KeyOutcome FormKeyDown(ViewState& view, bool modelLoaded, ViewKey key, KeyModifiers mods) {
    if (!modelLoaded) return {};
    if (mods.Shift && !mods.Ctrl && !mods.Alt) return Pan(view, key);
    return TurnOrZoom(view, key);
}

}  // namespace opt
