#pragma once
#include <QString>

// Maps the paths that an FTP client names onto the local disk, confined to one
// home folder. The client sees the home folder as "/"; a path may never lead
// above it, neither by ".." nor through a symbolic link.
class FtpPathResolver {
public:
    FtpPathResolver() = default;
    // The home folder is canonicalised here; IsValid() is false when it does
    // not exist or is not a folder.
    explicit FtpPathResolver(const QString& home);

    bool IsValid() const { return !root_.isEmpty(); }
    // The canonical home folder.
    const QString& Root() const { return root_; }

    // Joins a client path to the current virtual folder and removes ".", ".."
    // and repeated "/". Returns an empty text when the result would climb above
    // "/" or the path holds control characters.
    static QString Normalize(const QString& cwd, const QString& path);

    // Local path of an existing entry, following links; empty when it does not
    // exist or lies outside the home folder.
    QString Existing(const QString& virtualPath) const;

    // Local path at which a file may be created or replaced: its folder must
    // exist inside the home folder, and an existing entry of that name must be a
    // regular file inside it (a link is followed to its target). Empty otherwise.
    QString Writable(const QString& virtualPath) const;

    // Local path of a directory entry itself, links not followed, for removal:
    // its folder must lie inside the home folder. Empty otherwise.
    QString Entry(const QString& virtualPath) const;

private:
    bool Inside(const QString& canonical) const;
    QString root_;
};
