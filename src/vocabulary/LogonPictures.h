#pragma once

#include <array>

// The pictures that can go behind the logon screen, in the order the Logon
// page lists them: the name of their files in the logon folder beside the
// program (NAME.jpg and NAME_preview.jpg), which the settings file stores in
// LogonImage, and the id of the text that names them.
struct LogonPicture {
    const char* name;
    unsigned textId;
};

inline constexpr std::array<LogonPicture, 14> kLogonPictures = {{
    {"blue", 79},
    {"blue_tree", 80},
    {"bokeh", 81},
    {"decoration", 94},
    {"green_tree", 82},
    {"hot_chocolate", 97},
    {"in_the_snow", 83},
    {"ornament", 98},
    {"picture", 84},
    {"santa_skating", 85},
    {"snow", 99},
    {"snowfall", 86},
    {"snowman", 87},
    {"tree", 90},
}};
