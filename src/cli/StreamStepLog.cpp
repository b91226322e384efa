#include "cli/StreamStepLog.h"

#include <cerrno>
#include <ostream>

#include "cli/CliArguments.h"

namespace korvane {

namespace {

[[noreturn]] void ThrowOutputError(int error) {
    std::string message = "cannot write the log to standard output";
    if (error != 0) message += ReasonText(error);
    throw OutputError(message);
}

}  // namespace

StreamStepLog::StreamStepLog(std::ostream& out) : out_(out) {
    buffer_.reserve(kBufferBytes);
}

void StreamStepLog::AppendStepLog(std::string_view line) {
    if (buffer_.size() + line.size() + 1 > kBufferBytes) WriteBuffer();
    buffer_ += line;
    buffer_ += '\n';
    lastLine_.assign(line);
}

void StreamStepLog::Write(std::string_view text) {
    if (buffer_.size() + text.size() > kBufferBytes) WriteBuffer();
    buffer_ += text;
}

void StreamStepLog::Flush() {
    WriteBuffer();
    errno = 0;
    if (!out_.flush()) ThrowOutputError(errno);
}

void StreamStepLog::WriteBuffer() {
    errno = 0;
    if (!out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size())))
        ThrowOutputError(errno);
    buffer_.clear();
}

}  // namespace korvane
