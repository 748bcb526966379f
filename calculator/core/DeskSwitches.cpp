#include "calculator/core/DeskSwitches.h"

#include "text/Utf.h"

namespace abacor {

namespace {

// "8%", "7.5%", "10%": hundredths of a percent without trailing zeros.
std::u16string PercentText(std::uint32_t rate)
{
    std::string text = std::to_string(rate / 100);
    if (const std::uint32_t hundredths = rate % 100; hundredths != 0) {
        text += '.';
        text += static_cast<char>('0' + hundredths / 10);
        if (hundredths % 10 != 0)
            text += static_cast<char>('0' + hundredths % 10);
    }
    return Utf16(text + '%');
}

}  // namespace

const DeskSwitch* SwitchOfMenuId(int id)
{
    for (const DeskSwitch& desk : kDeskSwitches)
        if (desk.menuId != 0 && desk.menuId == id)
            return &desk;
    return nullptr;
}

const DeskSwitch* SwitchOfField(std::uint32_t CalculatorSettings::*field)
{
    for (const DeskSwitch& desk : kDeskSwitches)
        if (desk.field == field)
            return &desk;
    return nullptr;
}

std::u16string PositionText(const DeskSwitch& desk, std::uint32_t value)
{
    if (desk.count == 0)
        return value <= kMaxSwitchedRate ? PercentText(value) : std::u16string();
    return value < desk.count ? std::u16string(desk.positions[value]) : std::u16string();
}

std::uint32_t NextPosition(const DeskSwitch& desk, std::uint32_t value)
{
    return desk.count == 0 ? value : (value + 1) % desk.count;
}

std::u16string SwitchLine(const DeskSwitch& desk, std::uint32_t value)
{
    return std::u16string(desk.name) + u' ' + PositionText(desk, value);
}

std::optional<SwitchSetting> SwitchOfLine(std::u16string_view mark)
{
    for (const DeskSwitch& desk : kDeskSwitches) {
        if (!mark.starts_with(desk.name) || mark.size() <= desk.name.size() || mark[desk.name.size()] != u' ')
            continue;
        const std::u16string_view position = mark.substr(desk.name.size() + 1);
        if (desk.count == 0) {
            if (!position.ends_with(u'%'))
                return std::nullopt;
            if (const std::optional<std::uint32_t> rate = RateOfShown(position.substr(0, position.size() - 1)))
                return SwitchSetting{&desk, *rate};
            return std::nullopt;
        }
        for (std::uint32_t value = 0; value < desk.count; ++value)
            if (desk.positions[value] == position)
                return SwitchSetting{&desk, value};
    }
    return std::nullopt;
}

std::vector<std::u16string> SwitchFace(const CalculatorSettings& settings)
{
    std::vector<std::u16string> face;
    const DeskSwitch& round = kDeskSwitches[0];
    const DeskSwitch& places = kDeskSwitches[1];
    std::u16string selector = PositionText(round, settings.*round.field);
    if (settings.*round.field != 0 && !selector.empty())
        selector += u' ' + PositionText(places, settings.*places.field);
    face.push_back(selector.empty() ? std::u16string(u"F") : selector);
    for (const DeskSwitch& desk : kDeskSwitches) {
        const std::uint32_t value = settings.*desk.field;
        if (value < desk.face.size() && !desk.face[value].empty())
            face.emplace_back(desk.face[value]);
    }
    return face;
}

std::optional<std::uint32_t> RateOfShown(std::u16string_view plain)
{
    std::uint32_t whole = 0, hundredths = 0;
    int places = -1;  // digits after the point; -1 before it
    bool digits = false;
    for (const char16_t c : plain) {
        if (c == u'.' && places < 0) {
            places = 0;
            continue;
        }
        if (c < u'0' || c > u'9' || places >= 2)
            return std::nullopt;
        digits = true;
        if (places < 0) {
            whole = whole * 10 + static_cast<std::uint32_t>(c - u'0');
            if (whole > kMaxSwitchedRate / 100)
                return std::nullopt;
        } else {
            hundredths += static_cast<std::uint32_t>(c - u'0') * (places == 0 ? 10 : 1);
            ++places;
        }
    }
    const std::uint32_t rate = whole * 100 + hundredths;
    if (!digits || rate > kMaxSwitchedRate)
        return std::nullopt;
    return rate;
}

}  // namespace abacor
