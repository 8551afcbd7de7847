// Writes English.lng from the program's own English texts, so that a user who
// switched to another language finds English in the list again.
#include "StringTable.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: yulavin-lnggen FILE\n");
        return 2;
    }
    std::FILE* file = std::fopen(argv[1], "wb");
    if (!file)
        return 1;
    std::fputs("[Language]\nlang_en=English\nlang_native=English\n\n[Text]\n", file);
    for (unsigned id = 0; const char* text = ResourceString(id); ++id)
        std::fprintf(file, "%u=%s\n", id, text);
    return std::fclose(file) == 0 ? 0 : 1;
}
