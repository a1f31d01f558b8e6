#pragma once
#include <QString>

// One traffic-manager rule as the traffic control page keeps it: a client
// (by IP and MAC address) and its speeds in kbit/s.
class CTrafficRule {
public:
    QString Name;
    QString ClientIp;
    QString ClientMac;   // 12 hexadecimal digits
    QString DownSpeed;
    QString UpSpeed;

    // The MAC address as 12 upper-case hexadecimal digits, from a text with
    // or without ':' or '-' separators; "" when it is none.
    static QString MacDigits(const QString& text);
};
