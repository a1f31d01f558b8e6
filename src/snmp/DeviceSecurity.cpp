#include "DeviceSecurity.h"
#include <map>
#include <mutex>

namespace DeviceSecurity {
namespace {

std::mutex gMutex;
std::map<QByteArray, User> gUsers;

}  // namespace

void Set(const QByteArray& transportAddress, const User& user) {
    std::lock_guard lock(gMutex);
    if (user.Version == DeviceTarget::Version1)
        gUsers.erase(transportAddress);
    else
        gUsers[transportAddress] = user;
}

void Remove(const QByteArray& transportAddress) {
    std::lock_guard lock(gMutex);
    gUsers.erase(transportAddress);
}

void Clear() {
    std::lock_guard lock(gMutex);
    gUsers.clear();
}

bool Find(const QByteArray& transportAddress, User& user) {
    std::lock_guard lock(gMutex);
    const auto it = gUsers.find(transportAddress);
    if (it == gUsers.end())
        return false;
    user = it->second;
    return true;
}

void ApplyTo(const QByteArray& transportAddress, DeviceTarget& target) {
    User user;
    if (!Find(transportAddress, user))
        return;
    target.Version = user.Version;
    if (user.Version != DeviceTarget::Version3)
        return;   // v2c: the request's communities stay
    target.SecurityModel = 3;
    target.SecurityName = user.Name;
    target.SecurityLevel = user.SecurityLevel;
    target.AuthProtocol = user.AuthProtocol;
    target.PrivProtocol = user.PrivProtocol;
    target.AuthPassword = user.AuthPassword;
    target.PrivPassword = user.PrivPassword;
}

}  // namespace DeviceSecurity
