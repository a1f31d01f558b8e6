#pragma once
#include <string>

// Language packs reach the device as firmware updates do; the device tells
// them apart by their content: a line "language=NAME" (NAME 1 to 32
// characters) within the first 64 KiB makes the file a language pack, which
// the device installs beside its firmware, without a restart of its own.
namespace LanguagePack {
// NAME, or "" when the file is no language pack.
std::string NameOf(const std::string& file);
}  // namespace LanguagePack
