#include "FtpPasswordDecoder.h"
#include "platform/PasswordScrambler.h"
#include "snmp/CZRException.h"

namespace FtpPasswordDecoder {

namespace {
constexpr int kNotEncrypted = -14;
}

QString Unscramble(const QByteArray& scrambled) {
    const std::optional<QByteArray> plain =
        PasswordScrambler::Unscramble(scrambled.constData(), static_cast<size_t>(scrambled.size()));
    if (!plain)
        throw CZRException(kNotEncrypted);
    return QString::fromUtf8(*plain);
}

}  // namespace FtpPasswordDecoder
