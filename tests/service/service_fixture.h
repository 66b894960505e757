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
#include "service_process.h"
#include "service/form.h"


namespace zembra::service::test {

struct TReply {
  int Status = 0;
  std::string Body;  // UTF-8
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
