#pragma once

#include <string>

#include "game_file_error.h"

// The refusal of a run-length encoded (or any type 9 and above) .tga file. Its reason() is the
// program's fixed message, which the window shows on its own, without the file name.
class TgaRleRefused : public GameFileError {
public:
    // The fixed text of the refusal.
    static constexpr const char *Text = CORE_WORDING("CoreMessages", "Sorry but Tessary can't read RLE encoded .tga files.");

    // The refusal of the file at path.
    explicit TgaRleRefused(std::string path);
};
