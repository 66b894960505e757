// A real zembra-service on loopback for each test: a fresh data folder, a
// free port, and SQLite, or a fresh PostgreSQL database when the test runs
// with ZEMBRA_TEST_PG (libpq keywords of a throw-away server).
#pragma once

#include <gtest/gtest.h>
#include <httplib.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "records/cp1251.h"
#include "service/form.h"

extern char** environ;

namespace zembra::service::test {

struct TReply {
  int Status = 0;
  std::string Body;  // UTF-8
};

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
    int out[2];
    if (pipe(out) != 0) return false;
    std::vector<std::string> args = {ZEMBRA_SERVICE_BIN, "--listen", "127.0.0.1:0", "--data", data,
                                     "--ftp-port", "0", "--log", data + "/test.log"};
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
  int ExitCode() const { return ExitCode_; }

 private:
  pid_t Pid_ = -1;
  int Port_ = 0;
  int ExitCode_ = -1;
};

class ServiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static std::atomic<int> serial{0};
    Data_ = std::filesystem::temp_directory_path() /
            ("zembra-service-test-" + std::to_string(getpid()) + "-" + std::to_string(serial++));
    std::filesystem::remove_all(Data_);
    std::filesystem::create_directories(Data_);
    Database_ = FreshDatabase();
    ASSERT_TRUE(StartService()) << "the service did not start";
  }

  void TearDown() override {
    Service_.reset();
    std::error_code ec;
    std::filesystem::remove_all(Data_, ec);
  }

  bool StartService(std::vector<std::string> extra = {}) {
    Service_ = std::make_unique<TServiceProcess>();
    if (!Service_->Start(Data_.string(), Database_, extra)) return false;
    Client_ = std::make_unique<httplib::Client>("127.0.0.1", Service_->Port());
    Client_->set_read_timeout(10, 0);
    Client_->set_default_headers({{"User-Agent", "OrvSpecAccess"}});
    return true;
  }

  // A PostgreSQL database of this test's own, or "" for SQLite.
  static std::string FreshDatabase() {
    const char* pg = std::getenv("ZEMBRA_TEST_PG");
    if (!pg || !*pg) return {};
    static std::atomic<int> n{0};
    const std::string name = "zt_" + std::to_string(getpid()) + "_" + std::to_string(n++);
    const std::string cmd = std::string("psql -q \"") + pg + " dbname=postgres\" -c 'CREATE DATABASE " + name + "'";
    if (std::system(cmd.c_str()) != 0) return "postgresql:///nonexistent";
    std::string url = "postgresql:///" + name + "?";
    // The keywords "host=… port=… user=…" as the address's query.
    std::string keywords = pg;
    for (char& c : keywords)
      if (c == ' ') c = '&';
    return url + keywords;
  }

  // A POST of the body exactly as given (code page 1251 bytes).
  TReply PostRaw(const std::string& path, const std::string& body) {
    auto res = Client_->Post(path.c_str(), body, "application/x-www-form-urlencoded");
    if (!res) return {};
    return {res->status, Cp1251ToUtf8(res->body)};
  }
  // A body written in UTF-8 and sent as code page 1251, values as they are.
  TReply Post(const std::string& path, const std::string& utf8Body) { return PostRaw(path, Utf8ToCp1251(utf8Body)); }
  TReply Get(const std::string& path) {
    auto res = Client_->Get(path.c_str());
    if (!res) return {};
    return {res->status, res->body};
  }

  TReply Register(const std::string& nick, const std::string& pw, const std::string& city = "Moscow") {
    return Post("/AccountService", "nick=" + nick + "&pw=" + pw + "&city=" + city +
                                       "&country1=Russia&country2=1-001&sex=M&email=a@b.cd&dater=10.12.2026"
                                       "&R01=xxx&R02=xxx&R03=xxx&R04=0&R05=0&R06=0");
  }

  std::filesystem::path Data_;
  std::string Database_;
  std::unique_ptr<TServiceProcess> Service_;
  std::unique_ptr<httplib::Client> Client_;
};

}  // namespace zembra::service::test
