#pragma once
#include "WireTypes.h"
#include <memory>
#include <string>

// The pure part of the engine's read-ahead of table walks: which step
// follows an answered one, and when a submitted step is that same step.
// A walk step is a get-next with, for each of its varbinds, the column that
// varbind walks (`columns`).
namespace WalkReadAhead {

using Columns = std::vector<std::vector<uint32_t>>;

// The next get-next of a walk step that succeeded while at least one of its
// columns goes on (the answer moved forward and stayed inside the column,
// and is no end marker); nullptr when the walk ends here or the exchange is
// no walk step.
std::shared_ptr<SnmpExchange> FollowUp(const SnmpExchange& answered, const Columns& columns);

// Equal for two walk steps that would send the same PDU to the same agent
// through the same session (target, credentials, command, OIDs, columns).
std::string Key(const SnmpExchange& exchange, const Columns& columns);

// The agent an exchange goes to ("udp:127.0.0.1" and port).
std::string Agent(const SnmpExchange& exchange);

}  // namespace WalkReadAhead
