#pragma once
#include <QString>
#include <array>
#include <memory>

class SnmpRequest;

// The module's application object. Its start runs at the first call into the
// module (the host's Qt application exists by then): the temporary folder,
// the SNMP layer and the three shared requests. Its end runs when the host's
// Qt application goes or the module is unloaded, whichever comes first.
class ModuleApp {
public:
    enum SharedRequestIndex { BasicConfigRequest = 0, TrafficRequest = 1, ClientRequest = 2 };

    static ModuleApp& Instance();
    ~ModuleApp();
    ModuleApp(const ModuleApp&) = delete;
    ModuleApp& operator=(const ModuleApp&) = delete;

    // Starts once; later calls only start the SNMP layer again when it
    // failed to start before (the failure was shown as a message).
    void EnsureStarted();
    bool Started() const { return started_; }
    const QString& TempFolder() const { return tempFolder_; }

    // One of the three shared requests (after EnsureStarted).
    SnmpRequest& SharedRequest(SharedRequestIndex index);

    // The management window's open, show and close steps (ModuleAppWindow.cpp,
    // linked into the module with the window). Without a window,
    // open and show do nothing and close reports success.
    void OpenWindow();
    void ShowWindow();
    bool CloseWindow();

private:
    ModuleApp() = default;
    void End();
    void StartSnmpLayer();
    static void OnApplicationEnd();

    bool started_ = false;
    bool ended_ = false;
    bool startFailureShown_ = false;
    QString tempFolder_;
    std::array<std::unique_ptr<SnmpRequest>, 3> requests_;
};
