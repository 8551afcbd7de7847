#pragma once

// Ids in the program's text table that the language files share with it.

// Every id from 0 to kTextCount - 1 has a text.
inline constexpr unsigned kTextCount = 129;

// Captions of the settings window's first eight tabs, left to right, then
// the tabs that only some desktops show and the last one.
inline constexpr unsigned kFirstTabTexts[] = {11, 12, 33, 42, 50, 68, 112, 69};
inline constexpr unsigned kLogonTabText = 77;
inline constexpr unsigned kFrostTabText = 103;
inline constexpr unsigned kAboutTabText = 1;

// The tray menu's entries, top to bottom.
inline constexpr unsigned kTraySettingsText = 41;
inline constexpr unsigned kTrayHelpText = 43;
inline constexpr unsigned kTrayUpdateText = 44;
inline constexpr unsigned kTrayAboutText = 1;
inline constexpr unsigned kTrayExitText = 45;
