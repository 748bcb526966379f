#pragma once

#include <QObject>

#include <cstdint>

#include "settings/CalculatorSettings.h"

namespace abacor {

using SettingField = std::uint32_t CalculatorSettings::*;

// The editor's one editable copy of the settings and whether it holds
// changes not yet saved; nothing reaches the store until the sheet saves it.
class SettingsRecord : public QObject {
    Q_OBJECT
public:
    explicit SettingsRecord(const CalculatorSettings& initial, QObject* parent = nullptr)
        : QObject(parent), settings_(initial)
    {
    }

    const CalculatorSettings& settings() const { return settings_; }
    bool modified() const { return modified_; }

    // Changes one value and marks the copy unsaved, even when the value stays.
    void SetValue(SettingField field, std::uint32_t value)
    {
        settings_.*field = value;
        modified_ = true;
        emit changed(field);
    }
    // The whole copy anew, as saved (a revert, a load).
    void Replace(const CalculatorSettings& settings)
    {
        settings_ = settings;
        modified_ = false;
        emit replaced();
    }
    void SetModified(bool modified) { modified_ = modified; }

signals:
    void changed(abacor::SettingField field);
    void replaced();

private:
    CalculatorSettings settings_;
    bool modified_ = false;
};

}  // namespace abacor
