#pragma once
#include <QObject>
#include <QString>

// The document of the window: what the device has said about itself that
// steers the pages (the Information page learns it at every refresh).
class CMainDoc : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // The mask of the access-point modes the device supports, as read
    // ("" until the first successful read).
    QString ApModeMask() const { return apModeMask_; }
    void SetApModeMask(const QString& mask);
    // "Universal Repeater" when the device says so, else "AP Repeater".
    QString RepeaterName() const;
    void SetUniversalRepeater(bool universal);
    // False once the device has shown it has no dynamic-IP function.
    bool HasDhcpFunction() const { return hasDhcpFunction_; }
    void SetNoDhcpFunction();

signals:
    void CapabilitiesChanged();
    // The device has no dynamic-IP function: its page goes from the window.
    void DhcpFunctionMissing();

private:
    QString apModeMask_;
    bool universalRepeater_ = false;
    bool hasDhcpFunction_ = true;
};
