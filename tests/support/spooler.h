// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
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
    const std::string& dir() const { return dir_; }

  private:
    std::string dir_;
};

}  // namespace sd::test
