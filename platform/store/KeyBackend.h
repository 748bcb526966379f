#pragma once

// What each platform's store provides under UserStoreKey: one file per
// platform, chosen by the build.
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringView>

#include <cstdint>

#include "platform/store/UserStore.h"

namespace abacor::store {

enum class KeyStatus { Missing, Unreadable, Read };

struct KeyValues {
    KeyStatus status = KeyStatus::Missing;
    QMap<QString, QString> texts;  // by lower-case name
};

QString KeyLocation(QStringView path);
KeyValues ReadKey(QStringView path);
[[nodiscard]] StoreFailure WriteKey(QStringView path, const QList<QPair<QString, std::uint32_t>>& values);
[[nodiscard]] bool RemoveKey(QStringView path);

}  // namespace abacor::store
