// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>

namespace sd::test {

// The output of a shell command.
inline std::string run(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[512];
        while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

// A private print service for one test program, driven through tests/printing/spooler.sh (path
// in SD_SPOOLER): its own cupsd, queues that write what they print into DIR/out/QUEUE.pdf, never
// the machine's own print set-up. It goes when the test program ends, even by a crash.
class PrivateSpooler {
  public:
    // Makes its folder, points libcups at its socket (read once per thread, so before the first
    // print request) and starts cupsd.
    void start() {
        char pattern[] = "/tmp/sd-print-test.XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        // The spooler's filters run as the user lp, who must get through to its spool.
        ASSERT_EQ(chmod(pattern, 0711), 0);
        ASSERT_EQ(mkdir((dir_ + "/out").c_str(), 0755), 0);
        setenv("CUPS_SERVER", (dir_ + "/cups.sock").c_str(), 1);
        command("start", std::to_string(getpid()));
    }
    // A queue that prints into output(name), or into `file`.
    void addQueue(const std::string& name, const std::string& file = {}) {
        command("queue", name + " " + (file.empty() ? output(name) : file));
    }
    // A queue like addQueue's whose every job takes `seconds` before it prints.
    void addSlowQueue(const std::string& name, int seconds) {
        command("slow-queue", name + " " + output(name) + " " + std::to_string(seconds));
    }
    // default, reject, pause, stop, start again and clean, as spooler.sh does them.
    void command(const std::string& what, const std::string& arguments = {}) {
        const std::string line = "bash " SD_SPOOLER " " + what + " " + dir_ + " " + arguments;
        ASSERT_EQ(std::system(line.c_str()), 0) << line;
    }
    std::string output(const std::string& queue) const { return dir_ + "/out/" + queue + ".pdf"; }

    // A test suite's service: started with `queues` (addQueue's), `defaultQueue` the default one;
    // clean() at the suite's end.
    void startWith(std::initializer_list<const char*> queues, const std::string& defaultQueue) {
        start();
        if (::testing::Test::HasFatalFailure()) return;
        for (const char* queue : queues) addQueue(queue);
        command("default", defaultQueue);
    }
    // What the queues printed so far goes, before a test of its own.
    void forget(std::initializer_list<const char*> queues) const {
        for (const char* queue : queues) std::remove(output(queue).c_str());
    }
    void clean() { command("clean"); }
    const std::string& dir() const { return dir_; }

  private:
    std::string dir_;
};

// A print service that takes connections and never answers, as a remote server that hangs: a
// listening socket on the loopback that nobody accepts from.
class SilentService {
  public:
    SilentService() {
        fd_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        EXPECT_EQ(bind(fd_, reinterpret_cast<sockaddr*>(&address), length), 0);
        EXPECT_EQ(listen(fd_, 64), 0);
        getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
        server_ = "127.0.0.1:" + std::to_string(ntohs(address.sin_port));
    }
    ~SilentService() { close(fd_); }
    const std::string& server() const { return server_; }

  private:
    int fd_ = -1;
    std::string server_;
};

}  // namespace sd::test
