#include "ChildProcess.h"
#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

ChildProcess::ChildProcess(std::vector<std::string> args) {
    int pipeFds[2];
    if (args.empty() || pipe(pipeFds) != 0)
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
        execvp(argv[0], argv.data());
        _exit(127);
    }
    close(pipeFds[1]);
    outFd_ = pipeFds[0];
    fcntl(outFd_, F_SETFL, O_NONBLOCK);
}

ChildProcess::~ChildProcess() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        int status = 0;
        for (int i = 0; i < 40 && waitpid(pid_, &status, WNOHANG) != pid_; ++i)
            usleep(50000);
        if (waitpid(pid_, &status, WNOHANG) == 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, &status, 0);
        }
    }
    if (outFd_ >= 0)
        close(outFd_);
}

void ChildProcess::ReadAvailable(int waitMs) {
    if (outFd_ < 0)
        return;
    pollfd p{outFd_, POLLIN, 0};
    if (poll(&p, 1, waitMs) <= 0)
        return;
    char buffer[4096];
    ssize_t n;
    while ((n = read(outFd_, buffer, sizeof buffer)) > 0)
        output_.append(buffer, static_cast<size_t>(n));
}

bool ChildProcess::WaitForOutput(const std::string& text, int seconds) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (output_.find(text) == std::string::npos && std::chrono::steady_clock::now() < deadline)
        ReadAvailable(100);
    return output_.find(text) != std::string::npos;
}

const std::string& ChildProcess::Output() {
    ReadAvailable(0);
    return output_;
}

int ChildProcess::FreeTcpPort() {
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in in{};
    in.sin_family = AF_INET;
    in.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int port = 0;
    if (bind(fd, reinterpret_cast<sockaddr*>(&in), sizeof in) == 0) {
        socklen_t length = sizeof in;
        getsockname(fd, reinterpret_cast<sockaddr*>(&in), &length);
        port = ntohs(in.sin_port);
    }
    close(fd);
    return port;
}

bool ChildProcess::WaitForTcp(int port, int seconds) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < deadline) {
        int fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in in{};
        in.sin_family = AF_INET;
        in.sin_port = htons(static_cast<uint16_t>(port));
        in.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bool ok = connect(fd, reinterpret_cast<sockaddr*>(&in), sizeof in) == 0;
        close(fd);
        if (ok)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}
