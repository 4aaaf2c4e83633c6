#include "game_file_error.h"

GameFileError::GameFileError(std::string path, std::string reason)
    : std::runtime_error(path + ": " + reason), m_path(std::move(path)), m_reason(std::move(reason))
{
}
