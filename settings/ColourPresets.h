#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "settings/CalculatorSettings.h"
#include "text/Translatable.h"

namespace abacor {

// A set of all 18 colours the editor fills at once; the user still edits
// single colours afterwards. Colours are 0x00BBGGRR.
struct ColourPreset {
    std::u16string_view name;
    std::array<std::uint32_t, kColourListCount> colours;  // in kColourList order
};

// "標準" is the defaults. In "ダーク" every text stands out from its
// background by at least 4.5:1 (WCAG 2), in "ハイコントラスト" by at least 7:1.
// clang-format off
inline constexpr std::array<ColourPreset, 3> kColourPresets{{
    {ABACOR_TRANSLATABLE("Editor", u"標準"), {0xC8C8C8, 0xFFFFFF, 0x000000, 0x000000,
              0xE1E1E1, 0x000000, 0xFFFFFF, 0xE1E1E1, 0x000000, 0xFFFFFF,
              0xE1E1E1, 0x000000, 0xFFFFFF, 0xE1E1E1, 0x000000, 0xFFFFFF,
              0x000000, 0x000000}},
    {ABACOR_TRANSLATABLE("Editor", u"ダーク"), {0x1E1E1E, 0x000000, 0x00FF00, 0x808080,
               0x3A3A3A, 0xFFFFFF, 0x505050, 0x5A3A1E, 0xFFFFFF, 0x7A5A3A,
               0x1E1E5A, 0xFFFFFF, 0x3A3A7A, 0x1E5A1E, 0xFFFFFF, 0x3A7A3A,
               0x000000, 0xE0E0E0}},
    {ABACOR_TRANSLATABLE("Editor", u"ハイコントラスト"), {0x000000, 0x000000, 0xFFFFFF, 0xFFFFFF,
                    0x000000, 0xFFFFFF, 0x000000, 0x000000, 0x00FFFF, 0x000000,
                    0x000000, 0xFFFF00, 0x000000, 0x000000, 0x00FF00, 0x000000,
                    0xFFFFFF, 0xFFFFFF}},
}};
// clang-format on

}  // namespace abacor
