#include "TransferHost.h"

namespace {
TransferHost::Source gSource;
}  // namespace

void TransferHost::SetSource(Source source) { gSource = std::move(source); }

TransferHost TransferHost::Current() { return gSource ? gSource() : TransferHost{}; }
