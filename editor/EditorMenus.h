#pragma once

#include <array>

#include "platform/shell/MenuDescription.h"
#include "text/Translatable.h"

namespace abacor {

// Commands of the editor's soft-key bars.
enum EditorCommand : int {
    IdSave = 32774,
    IdDelete = 32775,
    IdRevert = 32776,
    IdEditorExit = 32779,
    IdColourOk = 32781,
    IdColourCancel = 32783,
};

// Menu 130, on every page: "保存" on the left, "その他" on the right.
inline constexpr std::array<MenuEntry, 5> kEditorMenu{{
    {0, ABACOR_TRANSLATABLE("Menu", u"保存"), IdSave},
    {0, ABACOR_TRANSLATABLE("Menu", u"その他"), 0},
    {1, ABACOR_TRANSLATABLE("Menu", u"削除\t(&1)"), IdDelete},
    {1, ABACOR_TRANSLATABLE("Menu", u"元に戻す\t(&2)"), IdRevert},
    {1, ABACOR_TRANSLATABLE("Menu", u"終了\t(&0)"), IdEditorExit},
}};

// Menu 135, the colour dialog's bar.
inline constexpr std::array<MenuEntry, 2> kColourDialogMenu{{
    {0, ABACOR_TRANSLATABLE("Menu", u"OK"), IdColourOk},
    {0, ABACOR_TRANSLATABLE("Menu", u"キャンセル"), IdColourCancel},
}};

inline constexpr char16_t kSheetCaption[] = ABACOR_TRANSLATABLE("Editor", u"Abacorの設定");
inline constexpr char16_t kAskExitUnsaved[] = ABACOR_TRANSLATABLE("Message", u"保存せずに終了しますか？");
inline constexpr char16_t kSaved[] = ABACOR_TRANSLATABLE("Message", u"設定を保存しました。");
inline constexpr char16_t kSaveFailed[] = ABACOR_TRANSLATABLE("Message", u"設定を保存できませんでした。");
inline constexpr char16_t kSaveReadOnly[] =
    ABACOR_TRANSLATABLE("Message", u"設定ファイルが読み取り専用のため、設定を保存できませんでした。");
inline constexpr char16_t kSaveNotOwner[] =
    ABACOR_TRANSLATABLE("Message", u"設定ファイルの所有者を保てないため、設定を保存できませんでした。");
inline constexpr char16_t kAskDelete[] = ABACOR_TRANSLATABLE("Message", u"設定を削除しますか？");
inline constexpr char16_t kDeleted[] = ABACOR_TRANSLATABLE("Message", u"設定を削除しました。");
inline constexpr char16_t kDeleteFailed[] = ABACOR_TRANSLATABLE("Message", u"設定を削除できませんでした。");

}  // namespace abacor
