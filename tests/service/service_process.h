// A real zembra-service process on loopback: started on a free port with
// a data folder of its own, stopped (killed) with this object.
#pragma once

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

extern char** environ;

namespace zembra::service::test {

class TServiceProcess {
 public:
  ~TServiceProcess() {
    if (Pid_ > 0) {
      kill(Pid_, SIGKILL);
      waitpid(Pid_, nullptr, 0);
    }
  }

  // Starts the service and waits for its "listening on" line; false when it
  // exited instead (ExitCode() tells how).
  bool Start(const std::string& data, const std::string& database, std::vector<std::string> extra = {}) {
    // A service this object started before goes first: none is left behind.
    if (Pid_ > 0) {
      kill(Pid_, SIGKILL);
      waitpid(Pid_, nullptr, 0);
      Pid_ = 0;
    }
    int out[2];
    if (pipe(out) != 0) return false;
    std::vector<std::string> args = {ZEMBRA_SERVICE_BIN, "--listen", "127.0.0.1:0", "--data", data,
                                     "--ftp-port", "0", "--radio-port", "0", "--tour-port", "0", "--log", data + "/test.log"};
    if (!database.empty()) {
      args.push_back("--database");
      args.push_back(database);
    }
    args.insert(args.end(), extra.begin(), extra.end());
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    const int rc = posix_spawn(&Pid_, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (rc != 0) {
      close(out[0]);
      Pid_ = -1;
      return false;
    }
    std::string line;
    char c;
    while (read(out[0], &c, 1) == 1 && c != '\n') line += c;
    close(out[0]);
    const size_t colon = line.rfind(':');
    if (line.rfind("listening on", 0) != 0 || colon == std::string::npos) {
      Wait();
      return false;
    }
    Port_ = std::stoi(line.substr(colon + 1));
    return true;
  }

  int Port() const { return Port_; }
  pid_t Pid() const { return Pid_; }
  void Signal(int sig) { kill(Pid_, sig); }
  // Waits for the end; the exit code, or 128 + the signal.
  int Wait() {
    int status = 0;
    if (Pid_ <= 0) return ExitCode_;
    waitpid(Pid_, &status, 0);
    Pid_ = -1;
    ExitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return ExitCode_;
  }
  // Waits at most timeoutMs; -1 when it is still running then.
  int WaitFor(int timeoutMs) {
    if (Pid_ <= 0) return ExitCode_;
    for (int waited = 0; waited < timeoutMs; waited += 10) {
      int status = 0;
      if (waitpid(Pid_, &status, WNOHANG) == Pid_) {
        Pid_ = -1;
        ExitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return ExitCode_;
      }
      usleep(10000);
    }
    return -1;
  }
  int ExitCode() const { return ExitCode_; }

 private:
  pid_t Pid_ = -1;
  int Port_ = 0;
  int ExitCode_ = -1;
};

}  // namespace zembra::service::test
