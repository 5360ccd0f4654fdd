#pragma once
// The engine log file: messages are queued by the caller and laid out and
// written by one background thread, in call order, with CR LF line ends.
#include "shell/ZwLog.h"

#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

namespace zw {

class LogWriter final : public ZwLog {
  public:
    // Creates the file empty (the previous run's log is overwritten). When it
    // cannot be created, every message is dropped and the program runs on.
    LogWriter(const std::string& path, std::string appName);
    // Writes everything queued, then closes the file.
    ~LogWriter() override;
    LogWriter(const LogWriter&) = delete;
    LogWriter& operator=(const LogWriter&) = delete;

    bool IsOpen() const { return file_ != nullptr; }
    const std::string& Path() const { return path_; }

    void Add(const std::string& message) override;
    void AddParts(const std::vector<LogPart>& parts) override;
    void AddException(const std::exception& e, const std::string& routine = "",
                      const std::vector<std::pair<std::string, std::string>>& args = {}) override;

    // Waits until everything queued so far is on disk.
    void Flush();

    // Parts joined into one message: integers in decimal, objects by class name.
    static std::string JoinParts(const std::vector<LogPart>& parts);

  private:
    struct Item {
        bool isException = false;
        std::string text; // the message, or the exception's message
        std::string className;
        std::string routine;
        std::vector<std::pair<std::string, std::string>> args;
        long long when = 0;
    };

    void Push(Item item);
    void Run();
    void WriteItem(const Item& item);

    std::string path_;
    std::string appName_;
    std::FILE* file_ = nullptr;
    bool failed_ = false; // a write failed: the rest is dropped

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable done_;
    std::deque<Item> queue_;
    uint64_t queued_ = 0;
    uint64_t written_ = 0;
    bool stop_ = false;
    std::thread thread_;
};

} // namespace zw
