#pragma once
#include "shell/Page.h"

class ComboField;
class EditField;
class RateField;
class StaticField;

// The Performance page: the radio's fine parameters. The device's band
// decides which of the two wireless-mode variables the page shows and
// writes, and the label of the acknowledgement time-out; the chosen mode
// decides whether the fragmentation threshold is shown (modes without
// 802.11n only: an 802.11n radio aggregates frames instead of fragmenting
// them). The RTS threshold and the acknowledgement time-out are shown in
// every mode.
class CPerformancePage : public CPage {
    Q_OBJECT
public:
    CPerformancePage(CMainView* view, const PageRow& row);

    void Refresh() override;

    bool FiveGhz() const;
    // Whether the chosen mode of the band includes 802.11n.
    bool ModeHasN() const;

private:
    void ShowFieldsForMode();
    void ModesArrived();

    PageRequest* settings_ = nullptr;
    PageRequest* band_ = nullptr;
    StaticField* bandText_ = nullptr;
    ComboField* modeA_ = nullptr;
    ComboField* modeG_ = nullptr;
    RateField* rate_ = nullptr;
    EditField* fragment_ = nullptr;
    EditField* rts_ = nullptr;
    EditField* ack_ = nullptr;
};
