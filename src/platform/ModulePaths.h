#pragma once
#include <QString>

// File places of the module: the folder of the loaded module file and the
// user's temporary folder.
namespace ModulePaths {
// Full path of the ELF object that holds this code (the module, or the
// program when linked in statically).
QString ModuleFile();
// ModuleFile() cut before its last "/" (the whole path when it has none).
QString ModuleFolder();
// The user's temporary folder, without a trailing "/".
QString TempFolder();
}  // namespace ModulePaths
