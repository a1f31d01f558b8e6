#pragma once
#include <QString>

// The names of the files that the maintenance pages send to a device or let
// it store: what each upload accepts, judged on the file name alone (the
// text after the path's last "/"), by case-sensitive substring tests.
namespace FileRules {

enum class Kind { Firmware, LanguagePack, Certificate, Key, Configuration };

QString FileName(const QString& path);
// The folder of a path: the text before its last "/" ("" when none).
QString FolderOf(const QString& path);
// Firmware and language packs: ".tfp", ".had" or ".bin"; certificates and
// keys: ".der" or ".pem"; configuration files: ".dcf".
bool Accepts(Kind kind, const QString& fileName);
// A configuration download keeps a name with ".dcf" or ".DCF" and gets
// ".dcf" appended otherwise.
QString DownloadPath(const QString& path);

// A classic filter ("Text(*.x)|*.x|...||") as the name filter that the
// module's file dialogs take ("Text(*.x);;..."); "" stays "".
QString NameFilter(const QString& classic);

}  // namespace FileRules
