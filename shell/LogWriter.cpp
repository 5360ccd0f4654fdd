#include "shell/LogWriter.h"

#include "shell/LogMarkup.h"
#include "shell/LogSysInfo.h"
#include "util/Errors.h"

#include <ctime>

namespace zw {

namespace {
std::vector<std::string> BlockLines(LogBlock b) {
    switch (b) {
    case LogBlock::Cpu:
        return CpuInfoLines();
    case LogBlock::Memory:
        return MemoryStatusLines();
    case LogBlock::Ram:
        return RamMonitorLines();
    case LogBlock::Heap:
        return HeapMonitorLines();
    }
    return {};
}
} // namespace

LogWriter::LogWriter(const std::string& path, std::string appName)
    : path_(path), appName_(std::move(appName)) {
    file_ = std::fopen(path.c_str(), "wb");
    if (file_) thread_ = std::thread([this] { Run(); });
}

LogWriter::~LogWriter() {
    if (thread_.joinable()) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stop_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }
    if (file_) std::fclose(file_);
}

std::string LogWriter::JoinParts(const std::vector<LogPart>& parts) {
    std::string s;
    for (const auto& p : parts) {
        if (p.kind == LogPart::Kind::Integer)
            s += std::to_string(p.number);
        else
            s += p.text;
    }
    return s;
}

void LogWriter::Add(const std::string& message) {
    Item item;
    item.text = message;
    Push(std::move(item));
}

void LogWriter::AddParts(const std::vector<LogPart>& parts) {
    Item item;
    item.text = JoinParts(parts);
    Push(std::move(item));
}

void LogWriter::AddException(const std::exception& e, const std::string& routine,
                             const std::vector<std::pair<std::string, std::string>>& args) {
    Item item;
    item.isException = true;
    item.text = e.what();
    item.className = ErrorClassName(e);
    item.routine = routine;
    item.args = args;
    Push(std::move(item));
}

void LogWriter::Push(Item item) {
    if (!file_) return;
    item.when = static_cast<long long>(std::time(nullptr));
    {
        std::lock_guard<std::mutex> lock(mutex_);
        queue_.push_back(std::move(item));
        ++queued_;
    }
    wake_.notify_one();
}

void LogWriter::Flush() {
    std::unique_lock<std::mutex> lock(mutex_);
    uint64_t target = queued_;
    done_.wait(lock, [&] { return written_ >= target || !thread_.joinable(); });
}

void LogWriter::Run() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        wake_.wait(lock, [&] { return stop_ || !queue_.empty(); });
        if (queue_.empty() && stop_) break;
        std::deque<Item> batch;
        batch.swap(queue_);
        lock.unlock();
        for (const Item& item : batch)
            WriteItem(item);
        if (!failed_ && std::fflush(file_) != 0) failed_ = true;
        lock.lock();
        written_ += batch.size();
        done_.notify_all();
    }
}

void LogWriter::WriteItem(const Item& item) {
    if (failed_) return;
    std::vector<std::string> lines;
    try {
        if (item.isException) {
            lines = ExceptionEntryLines(item.text, item.className, item.routine, item.args);
        } else {
            MarkupContext ctx{LogDateText(item.when), LogTimeText(item.when), appName_, BlockLines};
            lines = RenderMarkup(item.text, ctx);
            for (auto& l : lines)
                l = LogLineUtf8(l);
        }
    } catch (const std::exception&) {
        return; // a message that cannot be laid out is left out; the log goes on
    }
    for (const auto& l : lines) {
        if (std::fwrite(l.data(), 1, l.size(), file_) != l.size() || std::fwrite("\r\n", 1, 2, file_) != 2) {
            failed_ = true;
            return;
        }
    }
}

} // namespace zw
