#include "FtpTransferPlan.h"
#include "servers/CFTPServer.h"
#include "snmp/StationAddress.h"

FtpTransferPlan FtpTransferPlan::Prepare(CFTPServer* server, const QString& deviceAddress, const QString& parameter,
                                         bool backup) {
    FtpTransferPlan plan;
    if (!server)
        return plan;
    const int bar = static_cast<int>(parameter.indexOf(QLatin1Char('|')));
    const QString mask = bar >= 0 ? parameter.left(bar) : parameter;
    const QString rest = bar >= 0 ? parameter.mid(bar + 1) : QString();
    const QString file = backup ? rest + deviceAddress + QStringLiteral(".dcf") : rest;
    const int cut = static_cast<int>(file.lastIndexOf(QLatin1Char('/')));
    plan.Folder = cut >= 0 ? file.left(cut) : QString();
    server->GetCurrentUser(plan.User, plan.Password);
    QString home;
    server->GetHomeDir(plan.User, home);
    if (home != plan.Folder)
        server->UpdateHomeDir(plan.User, plan.Folder);
    plan.RemoteFileName = file.mid(cut + 1);
    plan.ServerAddress = server->GetIpAddress();
    if (plan.ServerAddress.isEmpty() || plan.ServerAddress == QLatin1String("0.0.0.0")) {
        const StationAddress::Choice choice = StationAddress::StationAddressForDevice(deviceAddress, mask);
        plan.ServerAddress = choice.Ok ? choice.Address : QString();
    }
    return plan;
}
