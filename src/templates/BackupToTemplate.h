#pragma once
#include <QString>

// Turns a device configuration backup into a template, as the host's parse
// export asks: on success the backup's path holds the flat key file and the
// template path holds the sectioned template. False when the backup cannot be
// read or unpacked, its XML does not load, or a file cannot be written; the
// backup is then left as it was and nothing is left at the template path that
// this call wrote.
bool ParseBackupToTemplate(const QString& backupPath, const QString& templatePath);
