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
// A folder of the module's own that belongs to the user alone: "nxa-7310" in
// the user's runtime folder, or in the user's cache folder when there is no
// usable runtime folder. Made when missing; empty when it cannot be made.
// (The temporary folder may be shared by every user of the machine.)
QString UserStateFolder();
}  // namespace ModulePaths
