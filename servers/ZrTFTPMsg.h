#pragma once
#include <QString>
#include <functional>

// What the TFTP server tells its owner about a transfer.
struct ZrTFTPMsg {
    enum Kinds {
        Started = 0,    // a write request was accepted
        Progress = 1,   // a data block was stored
        Completed = 2,  // the file is in place
        Failed = 3,     // the transfer ended without a file; Text says why
    };
    int Kind = Started;
    QString PeerAddress;
    quint16 PeerPort = 0;
    QString RequestedName;  // the name the client asked for (not used for storing)
    QString Mode;           // "octet" or "netascii"
    QString LocalPath;      // where the file is stored
    qint64 Bytes = 0;       // data bytes received so far
    quint32 Blocks = 0;     // data blocks received so far (not wrapped)
    QString Text;
};

// Called on the server's thread for each message. Setting the flag to true
// cancels the transfer (the client is sent an error and nothing is stored).
using ZrTFTPMsgCallback = std::function<void(const ZrTFTPMsg& message, bool& cancel)>;
