#pragma once

#include "core/CZelApp.h"
#include "core/CZelDlg.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

#include <functional>

// The settings window as the program runs it, on the fake services. The one
// place these tests make the program and its window.
class SettingsWindowFixture : public ::testing::Test {
protected:
    SettingsWindowFixture();
    ~SettingsWindowFixture() override;

    // A language file beside the program with the given texts (id, text).
    void writeLanguage(const QString& english, const QString& native,
                       const std::vector<std::pair<int, QString>>& texts) const;
    // Copies the language files the build puts beside the program.
    void copyShippedLanguages() const;
    // Sets the language as the settings would and loads it, as the start-up does.
    void loadLanguage(const QString& language);

    // Runs the window's loop: `whileRunning` looks at the window from inside
    // it, then the loop ends as Exit ends it.
    void runWindow(const std::function<void(CZelDlg&)>& whileRunning, bool startHidden = false);
    // Runs the whole program: `whileRunning` sees its window from inside the
    // main loop and ends the program itself, or leaves that to the test's clicks.
    bool runProgram(const std::function<void(CZelDlg&)>& whileRunning);
    void endProgram() { app.EndMainLoop(); }

    FakePlatform services;
    CZelApp app;
};
