#pragma once
#include "RefreshTally.h"
#include "TrafficRule.h"
#include "shell/Page.h"
#include <array>

class ComboField;
class EditField;
class QTabWidget;

// The traffic control page: each interface as downlink or uplink with the two
// bandwidths, the QoS priorities of nine port rules, and the traffic manager
// with its per-client rules (added and deleted through the device's action
// variable). Bandwidths are in Mbit/s (1-150); rule speeds in kbit/s, at
// most the bandwidth of their direction; a QoS limit is a share of the
// bandwidth in percent (0-100, 0: no limit).
class CTrafficControlPage : public CPage {
    Q_OBJECT
public:
    static constexpr int kQosRules = 9;

    CTrafficControlPage(CMainView* view, const PageRow& row);

    void Refresh() override;
    const std::vector<CTrafficRule>& Rules() const { return rules_; }

private:
    struct QosRow {
        ComboField* Priority = nullptr;
        EditField* Limit = nullptr;
        EditField* Port = nullptr;
    };
    void BuildLinks();
    void BuildQos();
    void BuildManager();
    void QosArrived(const RequestResult& result);
    // Shows the SSID's name or the remote AP's address beside an interface (0 Ethernet, 1-8 SSIDs, 9-16 WDS).
    void LabelInterface(int interface, const QString& detail);
    void RuleRowArrived();
    void RulesEnded(const RequestResult& result);
    void ReadRules(std::function<void(bool)> then);
    // Mbit/s of a bandwidth field; 0 when it is empty or no number.
    int Bandwidth(const char* variable) const;

    void SaveLinks();
    void SaveQos();
    void SaveManager();
    void AddRule();
    void DeleteRule();
    // Sends `first`, then `second`; one outcome line at the end.
    void WriteBoth(PageRequest& first, PageRequest& second, const QString& okLine, const QString& errorLine);

    PageRequest* modes_ = nullptr;
    PageRequest* bandwidth_ = nullptr;
    PageRequest* qosState_ = nullptr;
    PageRequest* qosRules_ = nullptr;
    PageRequest* managerState_ = nullptr;
    PageRequest* rule_ = nullptr;
    PageRequest* ruleList_ = nullptr;
    PageRequest* ssids_ = nullptr;
    PageRequest* remoteAps_ = nullptr;
    PageRequest* apMode_ = nullptr;

    QTabWidget* tabs_ = nullptr;
    std::vector<PageField*> modeFields_;
    ComboField* qosOn_ = nullptr;
    ComboField* managerOn_ = nullptr;
    std::array<QosRow, kQosRules> qos_{};
    EditField* ruleName_ = nullptr;
    EditField* clientIp_ = nullptr;
    EditField* clientMac_ = nullptr;
    EditField* downSpeed_ = nullptr;
    EditField* upSpeed_ = nullptr;
    PageList* view_ = nullptr;

    std::vector<CTrafficRule> rules_;
    std::vector<CTrafficRule> arriving_;
    std::function<void(bool)> rulesThen_;
    RefreshTally tally_;
};
