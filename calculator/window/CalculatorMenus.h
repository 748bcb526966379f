#pragma once

#include "calculator/window/Version.h"

#include <array>

#include "calculator/core/CommandTable.h"
#include "platform/shell/MenuDescription.h"
#include "text/Translatable.h"

namespace abacor {

// Menu 154, the soft-key bar: "クリア" on the left, "メニュー" on the right.
// The desk functions take the top level's 7; the powers use 2 and 3.
inline constexpr std::array<MenuEntry, 53> kSoftKeyMenu{{
    {0, ABACOR_TRANSLATABLE("Menu", u"クリア"), IdLeftSoftKey},
    {0, ABACOR_TRANSLATABLE("Menu", u"メニュー"), 0},
    {1, ABACOR_TRANSLATABLE("Menu", u"メモリー\t(&1)"), 0},
    {2, ABACOR_TRANSLATABLE("Menu", u"プラス\t(&1)"), IdMemoryPlus},
    {2, ABACOR_TRANSLATABLE("Menu", u"マイナス\t(&2)"), IdMemoryMinus},
    {2, ABACOR_TRANSLATABLE("Menu", u"リコール\t(&3)"), IdMemoryRecall},
    {2, ABACOR_TRANSLATABLE("Menu", u"クリア\t(&4)"), IdMemoryClear},
    {1, ABACOR_TRANSLATABLE("Menu", u"ラストアンサー取得\t(&2)"), IdLastAnswer},
    {1, ABACOR_TRANSLATABLE("Menu", u"パーセント\t(&3)"), IdPercent},
    {1, ABACOR_TRANSLATABLE("Menu", u"べき乗\t(&4)"), 0},
    {2, ABACOR_TRANSLATABLE("Menu", u"２乗\t(&2)"), IdSquare},
    {2, ABACOR_TRANSLATABLE("Menu", u"３乗\t(&3)"), IdCube},
    {1, ABACOR_TRANSLATABLE("Menu", u"平方根\t(&5)"), IdSquareRoot},
    {1, ABACOR_TRANSLATABLE("Menu", u"税計算\t(&6)"), 0},
    {2, ABACOR_TRANSLATABLE("Menu", u"税込\t(&1)"), IdTaxIncluded},
    {2, ABACOR_TRANSLATABLE("Menu", u"税抜\t(&2)"), IdTaxExcluded},
    {2, ABACOR_TRANSLATABLE("Menu", u"税率切替\t(&3)"), IdRateSwitch},
    {2, ABACOR_TRANSLATABLE("Menu", u"税合計\t(&4)"), IdTaxSum},
    {1, ABACOR_TRANSLATABLE("Menu", u"卓上機能\t(&7)"), 0},
    {2, ABACOR_TRANSLATABLE("Menu", u"グランドトータル\t(&1)"), IdGrandTotal},
    {2, ABACOR_TRANSLATABLE("Menu", u"テープ\t(&2)"), 0},
    {3, ABACOR_TRANSLATABLE("Menu", u"表示\t(&1)"), IdTape},
    {3, ABACOR_TRANSLATABLE("Menu", u"名前を付けて保存…\t(&2)"), IdTapeSave},
    {3, ABACOR_TRANSLATABLE("Menu", u"開く…\t(&3)"), IdTapeOpen},
    {3, ABACOR_TRANSLATABLE("Menu", u"新しいテープ\t(&4)"), IdTapeNew},
    {3, ABACOR_TRANSLATABLE("Menu", u"検索…\t(&5)"), IdTapeFind},
    {3, ABACOR_TRANSLATABLE("Menu", u"エクスポート…\t(&6)"), IdTapeExport},
    {3, ABACOR_TRANSLATABLE("Menu", u"印刷…\t(&7)"), IdTapePrint},
    {3, ABACOR_TRANSLATABLE("Menu", u"テープ消去\t(&8)"), IdTapeClear},
    {2, ABACOR_TRANSLATABLE("Menu", u"検算\t(&3)"), IdCheck},
    {2, ABACOR_TRANSLATABLE("Menu", u"原価・売価・利益率\t(&4)"), 0},
    {3, ABACOR_TRANSLATABLE("Menu", u"原価\t(&1)"), IdCost},
    {3, ABACOR_TRANSLATABLE("Menu", u"売価\t(&2)"), IdSell},
    {3, ABACOR_TRANSLATABLE("Menu", u"利益率\t(&3)"), IdMargin},
    {2, ABACOR_TRANSLATABLE("Menu", u"平均\t(&5)"), IdAverage},
    {2, ABACOR_TRANSLATABLE("Menu", u"非加算\t(&6)"), IdNonAdd},
    {2, ABACOR_TRANSLATABLE("Menu", u"時分秒\t(&7)"), IdHms},
    {2, ABACOR_TRANSLATABLE("Menu", u"常に手前に表示\t(&8)"), IdStayOnTop, true},
    {2, ABACOR_TRANSLATABLE("Menu", u"日数計算\t(&9)"), 0},
    {3, ABACOR_TRANSLATABLE("Menu", u"日付\t(&1)"), IdDate},
    {3, ABACOR_TRANSLATABLE("Menu", u"〜\t(&2)"), IdDaysTo},
    {1, ABACOR_TRANSLATABLE("Menu", u"スイッチ\t(&S)"), 0},
    {2, ABACOR_TRANSLATABLE("Menu", u"丸め (F・CUT・UP・5/4)\t(&1)"), IdSwitchRound},
    {2, ABACOR_TRANSLATABLE("Menu", u"小数点 (0〜4・ADD2)\t(&2)"), IdSwitchPlaces},
    {2, ABACOR_TRANSLATABLE("Menu", u"GT\t(&3)"), IdSwitchGrandTotal, true},
    {2, ABACOR_TRANSLATABLE("Menu", u"税合計\t(&4)"), IdSwitchTaxSum, true},
    {2, ABACOR_TRANSLATABLE("Menu", u"件数\t(&5)"), IdSwitchItemCount, true},
    {2, ABACOR_TRANSLATABLE("Menu", u"定数\t(&6)"), IdSwitchConstant, true},
    {2, ABACOR_TRANSLATABLE("Menu", u"日数 (片落・両端入・両端落)\t(&7)"), IdSwitchDayCount},
    {2, ABACOR_TRANSLATABLE("Menu", u"表示中の数を税率に\t(&8)"), IdSetRate},
    {1, ABACOR_TRANSLATABLE("Menu", u"クリップボードへコピー\t(&8)"), IdCopyToClipboard},
    {1, ABACOR_TRANSLATABLE("Menu", u"バージョン情報\t(&9)"), IdVersion},
    {1, ABACOR_TRANSLATABLE("Menu", u"終了\t(&0)"), IdExit},
}};

// Menu 157, the clear menu of the left soft key with ClearMenuFlg on.
inline constexpr std::array<MenuEntry, 3> kClearMenu{{
    {0, ABACOR_TRANSLATABLE("Menu", u"クリアメニュー"), 0},
    {1, ABACOR_TRANSLATABLE("Menu", u"クリア\t(&1)"), IdClear},
    {1, ABACOR_TRANSLATABLE("Menu", u"オールクリア\t(&2)"), IdAllClear},
}};

// The display's context menu (right click, the Menu key).
inline constexpr std::array<MenuEntry, 4> kDisplayMenu{{
    {0, ABACOR_TRANSLATABLE("Menu", u"表示"), 0},
    {1, ABACOR_TRANSLATABLE("Menu", u"コピー"), IdCopyToClipboard},
    {1, ABACOR_TRANSLATABLE("Menu", u"数値のみコピー"), IdCopyNumber},
    {1, ABACOR_TRANSLATABLE("Menu", u"貼り付け"), IdPaste},
}};

namespace menus {
constexpr bool InMenu(MenuDescription menu, int id)
{
    for (const MenuEntry& entry : menu)
        if (entry.commandId == id)
            return true;
    return false;
}
constexpr bool InAMenu(int id)
{
    return InMenu(kSoftKeyMenu, id) || InMenu(kClearMenu, id) || InMenu(kDisplayMenu, id);
}

// Every command but the phone's OK (Enter) has a menu item, and every item
// is a command's.
constexpr bool Complete()
{
    for (const Command& command : kCommands)
        if (command.menuId != 0 && command.menuId != IdOK && !InAMenu(command.menuId))
            return false;
    for (const MenuDescription menu :
         {MenuDescription(kSoftKeyMenu), MenuDescription(kClearMenu), MenuDescription(kDisplayMenu)})
        for (const MenuEntry& entry : menu)
            if (entry.commandId != 0 && !IsCommandId(entry.commandId))
                return false;
    return true;
}
}  // namespace menus
static_assert(menus::Complete(), "a menu item for every command, a command for every item");

inline constexpr char16_t kVersionText[] = u"Abacor  Version " ABACOR_VERSION_TEXT;

}  // namespace abacor
