#pragma once

#include "app/CZelApp.h"
#include "app/CZelDlg.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

#include <functional>

// The settings window as the program runs it, on the fake services: the
// window's loop runs, `whileRunning` looks at the window from inside it, and
// the loop then ends as Exit ends it.
class SettingsWindowFixture : public ::testing::Test {
protected:
    SettingsWindowFixture();
    ~SettingsWindowFixture() override;

    // A language file beside the program with the given texts (id, text).
    void writeLanguage(const QString& english, const QString& native,
                       const std::vector<std::pair<int, QString>>& texts) const;
    // Copies the language files the build puts beside the program.
    void copyShippedLanguages() const;
    // Loads the language named in the settings, as the start-up does.
    void loadLanguage();

    void runWindow(const std::function<void(CZelDlg&)>& whileRunning, bool startHidden = false);

    FakePlatform services;
    CZelApp app;
};
