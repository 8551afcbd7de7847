#pragma once

// The program's English texts, by id (0..128), plus the application title.
// Returns nullptr for an id without a text.
const char* ResourceString(unsigned id);

// Id of the application title, the caption of every message box.
constexpr unsigned kAppTitleStringId = 57344;
