#include "CFTPServer.h"

CFTPServer::~CFTPServer() = default;
