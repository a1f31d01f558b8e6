#pragma once
#include <QObject>

// The document of the window: it carries no data of its own.
class CMainDoc : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
};
