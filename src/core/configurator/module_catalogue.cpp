#include "core/configurator/module_catalogue.h"

namespace tessalin::configurator {

namespace {
using C = Category;
using V = VersionRule;
}  // namespace

// Module types behind an I-module exist before software 9 (150..154) or from 9 on (160..164, 180..183,
// 189); sensors of the digital sensor module from 9 on; the optical oxygen sensor from A on.
const std::array<CatalogueRow, kCatalogueRows> kModuleCatalogue{{
    {2, 1, 0, C::Front, 0, 7, V::Always},
    {17, 0, 1, C::Front, 0, 3, V::Always},
    {1, 1, 0, C::Base, 0, 7, V::Always},
    {15, 0, 1, C::Base, 0, 3, V::Always},
    {16, 0, 1, C::Base, 0, 3, V::Always},
    {50, 1, 0, C::Base, 0, 7, V::Always},
    {3, 1, 0, C::Module, kFamilyPh, 1, V::Always},
    {12, 1, 1, C::Module, kFamilyPh, 7, V::Always},
    {13, 1, 1, C::Module, kFamilyPh, 1, V::Always},
    {19, 1, 1, C::Module, kFamilyPh, 3, V::From6},
    {4, 1, 1, C::Module, kFamilyPh, 3, V::Always},
    {5, 1, 1, C::Module, kFamilyCond, 7, V::Always},
    {6, 1, 1, C::Module, kFamilyCond, 3, V::Always},
    {7, 1, 0, C::Module, kFamilyOxy, 1, V::Below6},
    {10, 1, 1, C::Module, kFamilyOxy, 3, V::Always},
    {11, 1, 1, C::Module, kFamilyOxy, 3, V::Always},
    {20, 1, 1, C::Module, kFamilyOxy, 3, V::From6},
    {21, 1, 1, C::Module, kFamilyOxy, 3, V::From6},
    {26, 1, 1, C::Module, kFamilyOxy, 3, V::From7},
    {18, 1, 1, C::Module, kFamilyCo2, 2, V::From6},
    {24, 0, 1, C::IModule, 0, 1, V::From7},
    {28, 1, 0, C::IModule, 0, 1, V::From8},
    {27, 1, 1, C::DigitalSensor, 0, 1, V::From9},
    {29, 1, 0, C::Ldo, 0, 1, V::FromA},
    {8, 1, 1, C::Module, 0, 3, V::Always},
    {14, 1, 1, C::Module, 0, 3, V::Always},
    {23, 1, 1, C::Module, 0, 3, V::From7},
    {9, 1, 1, C::Module, 0, 3, V::Always},
    {128, 1, 1, C::CalcBlock, 0, 3, V::Always},
    {129, 1, 1, C::CalcBlock, 0, 3, V::Always},
    {130, 1, 1, C::CalcBlock, 0, 3, V::Always},
    {131, 1, 1, C::CalcBlock, 0, 3, V::From6},
    {79, 1, 1, C::Purgon, 0, 3, V::Always},
    {80, 1, 1, C::Purgon, 0, 1, V::From7},
    {25, 1, 1, C::SubType, 0, 1, V::Always},
    {150, 1, 1, C::SubType, kFamilyPh, 1, V::Below9},
    {151, 1, 1, C::SubType, kFamilyOxy, 1, V::Below9},
    {152, 1, 1, C::SubType, kFamilyOxy, 1, V::Below9},
    {153, 1, 1, C::SubType, kFamilyPh, 1, V::Below9},
    {154, 1, 1, C::SubType, kFamilyCond, 1, V::Below9},
    {160, 1, 1, C::SubType, kFamilyPh, 1, V::From9},
    {161, 1, 1, C::SubType, kFamilyOxy, 1, V::From9},
    {162, 1, 1, C::SubType, kFamilyCond, 1, V::From9},
    {164, 1, 1, C::SubType, kFamilyOrp, 1, V::From9},
    {170, 1, 1, C::SubType, kFamilyPh, 1, V::From9},
    {171, 1, 1, C::SubType, kFamilyOxy, 1, V::From9},
    {172, 1, 1, C::SubType, kFamilyCond, 1, V::From9},
    {173, 1, 1, C::SubType, kFamilyCond, 1, V::From9},
    {174, 1, 1, C::SubType, kFamilyOrp, 1, V::From9},
    {175, 1, 1, C::SubType, kFamilyPh, 1, V::From9},
    {176, 1, 1, C::SubType, kFamilyPh, 1, V::From9},
    {180, 1, 1, C::SubType, kFamilyPh, 1, V::From9},
    {181, 1, 1, C::SubType, kFamilyOxy, 1, V::From9},
    {182, 1, 1, C::SubType, kFamilyCond, 1, V::From9},
    {183, 1, 1, C::SubType, kFamilyCond, 1, V::From9},
    {189, 1, 1, C::SubType, kFamilyPh, 1, V::From9},
    {190, 1, 1, C::SubType, kFamilyPh, 1, V::From9},
    {191, 1, 1, C::SubType, kFamilyOxy, 1, V::From9},
    {192, 1, 1, C::SubType, kFamilyCond, 1, V::From9},
    {193, 1, 1, C::SubType, kFamilyCond, 1, V::From9},
    {211, 1, 0, C::SubType, kFamilyOxy, 1, V::FromA},
}};

bool VersionRuleHolds(VersionRule rule, char major) {
    const auto v = static_cast<unsigned char>(major);
    switch (rule) {
        case V::Always: return true;
        case V::Below6: return v < '6';
        case V::From6: return v >= '6';
        case V::From7: return v >= '7';
        case V::From8: return v >= '8';
        case V::From9: return v >= '9';
        case V::FromA: return v >= 'A';
        case V::Below9: return v < '9';
    }
    return false;
}

std::optional<int> CatalogueIndexOf(int code) {
    for (int i = 0; i < kCatalogueRows; ++i)
        if (kModuleCatalogue[i].code == code) return i;
    return std::nullopt;
}

uint8_t FamilyOf(int code) {
    uint8_t family = kFamilyNone;
    for (const CatalogueRow& row : kModuleCatalogue)
        if (row.code == code) family = row.family;
    return family;
}

}  // namespace tessalin::configurator
