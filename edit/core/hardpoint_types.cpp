#include "edit/core/hardpoint_types.h"

#include <array>

namespace opt {

std::string_view TypeName(int32_t code) {
    static constexpr std::array<std::string_view, kHardpointTypeNames> kNames = {"None",
                                                                                 "RebelLaser",
                                                                                 "TurboRebelLaser",
                                                                                 "EmpireLaser",
                                                                                 "TurboEmpireLaser",
                                                                                 "IonCannon",
                                                                                 "TurboIonCannon",
                                                                                 "Torpedo",
                                                                                 "Missile",
                                                                                 "SuperRebelLaser",
                                                                                 "SuperEmpireLaser",
                                                                                 "SuperIonCannon",
                                                                                 "SuperTorpedo",
                                                                                 "SuperMissile",
                                                                                 "DumbBomb",
                                                                                 "FiredBomb",
                                                                                 "MagPulse",
                                                                                 "TurboMagPulse",
                                                                                 "SuperMagPulse",
                                                                                 "Reserved",
                                                                                 "Reserved",
                                                                                 "Reserved",
                                                                                 "Reserved",
                                                                                 "Reserved",
                                                                                 "Reserved",
                                                                                 "InsideHangar",
                                                                                 "OutsideHangar",
                                                                                 "DockFromBig",
                                                                                 "DockFromSmall",
                                                                                 "DocktoBig",
                                                                                 "DockToSmall",
                                                                                 "Cockpit"};
    if (code < 0 || code >= kHardpointTypeNames) return {};
    return kNames[static_cast<size_t>(code)];
}

}  // namespace opt
