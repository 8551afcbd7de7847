#pragma once

#include "support/FakePlatform.h"

#include <gtest/gtest.h>

// The fake services with the settings file at hand; its bytes come as text,
// so that a failure shows them readably.
class SettingsFileFixture : public ::testing::Test {
protected:
    void writeSettings(const QByteArray& xml)
    {
        FakePlatform::writeFile(services.settingsPath(), xml);
    }
    std::string settingsFile() const
    {
        return FakePlatform::readFile(services.settingsPath()).toStdString();
    }
    // Committed settings files: "first-run" holds what a first run writes, every
    // default in file order and format; "edited" one a user has edited by hand.
    static QByteArray goldenFile(const char* name)
    {
        return FakePlatform::readFile(
            QStringLiteral(YULAVIN_SOURCE_DIR "/tests/core/%1-settings.xml")
                .arg(QLatin1String(name)));
    }

    FakePlatform services;
};
