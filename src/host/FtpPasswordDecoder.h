#pragma once
#include <QByteArray>
#include <QString>

// Turns the stored "FtpPassword" value back into plain text.
namespace FtpPasswordDecoder {
// Raises CZRException -14 when the value is not in scrambled form.
QString Unscramble(const QByteArray& scrambled);
}  // namespace FtpPasswordDecoder
