#include "SimProcess.h"
#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

std::string SimProcess::Binary() {
    return NXA_SIM_BINARY;
}

int SimProcess::FreeUdpPort(const std::string& address) {
    int fd = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in in{};
    in.sin_family = AF_INET;
    inet_pton(AF_INET, address.c_str(), &in.sin_addr);
    int port = 0;
    if (bind(fd, reinterpret_cast<sockaddr*>(&in), sizeof in) == 0) {
        socklen_t length = sizeof in;
        getsockname(fd, reinterpret_cast<sockaddr*>(&in), &length);
        port = ntohs(in.sin_port);
    }
    close(fd);
    return port;
}

SimProcess::SimProcess(const std::string& address, std::vector<std::string> extra, int devices) : address_(address) {
    port_ = FreeUdpPort(address);
    std::vector<std::string> args = {Binary(), "--devices", std::to_string(devices), "--base", address, "--port", std::to_string(port_)};
    args.insert(args.end(), extra.begin(), extra.end());
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return;
    pid_ = fork();
    if (pid_ == 0) {
        dup2(pipeFds[1], 1);
        dup2(pipeFds[1], 2);
        close(pipeFds[0]);
        std::vector<char*> argv;
        for (auto& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(pipeFds[1]);
    outFd_ = pipeFds[0];
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < deadline && output_.find("nxa-sim: ready") == std::string::npos) {
        pollfd p{outFd_, POLLIN, 0};
        if (poll(&p, 1, 200) > 0) {
            char buffer[4096];
            ssize_t n = read(outFd_, buffer, sizeof buffer);
            if (n <= 0)
                break;
            output_.append(buffer, static_cast<size_t>(n));
        }
    }
    ready_ = output_.find("nxa-sim: ready") != std::string::npos;
    fcntl(outFd_, F_SETFL, O_NONBLOCK);
}

std::string SimProcess::Target(int n) const {
    in_addr in{};
    inet_pton(AF_INET, address_.c_str(), &in);
    in.s_addr = htonl(ntohl(in.s_addr) + static_cast<uint32_t>(n - 1));
    char text[INET_ADDRSTRLEN];
    inet_ntop(AF_INET, &in, text, sizeof text);
    return std::string(text) + ":" + std::to_string(port_);
}

int SimProcess::Stop() {
    if (pid_ <= 0)
        return -1;
    kill(pid_, SIGTERM);
    int status = 0;
    for (int i = 0; i < 100; ++i) {
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            char buffer[4096];
            ssize_t n;
            while ((n = read(outFd_, buffer, sizeof buffer)) > 0)
                output_.append(buffer, static_cast<size_t>(n));
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        usleep(50000);
    }
    kill(pid_, SIGKILL);
    waitpid(pid_, &status, 0);
    pid_ = -1;
    return -1;
}

SimProcess::~SimProcess() {
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        int status = 0;
        waitpid(pid_, &status, 0);
    }
    if (outFd_ >= 0)
        close(outFd_);
}

int RunTool(const std::string& command, std::string& output) {
    output.clear();
    // MIBS empty: the tools print numeric OIDs and load no MIB files.
    std::string full = "MIBS= MIBDIRS= timeout 60 " + command + " 2>&1";
    FILE* pipe = popen(full.c_str(), "r");
    if (!pipe)
        return -1;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, n);
    int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
