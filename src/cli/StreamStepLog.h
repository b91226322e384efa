#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

#include "core/StepLog.h"
#include "mklibs/Errors.h"

namespace korvane {

// Standard output could not take the log (a full disk, a closed stream);
// what() says so in one line.
class OutputError : public Error {
  public:
    explicit OutputError(const std::string& message) : Error(message) {}
};

// The step log as korvane-cli prints it: every line goes to the stream as
// it is made, through a buffer, so that memory does not grow with the log.
// Every write is checked; one that fails throws OutputError, which ends the
// computation that is logging.
class StreamStepLog : public StepLog {
  public:
    static constexpr std::size_t kBufferBytes = 64 * 1024;

    explicit StreamStepLog(std::ostream& out);

    // Nothing: what is printed cannot be taken back, and every computation
    // clears the log before its first line, when nothing has been printed.
    void ClearStepLog() override {}
    // Throws OutputError.
    void AppendStepLog(std::string_view line) override;
    // Text as it stands, without a line end of its own (a marked-up form of
    // the log, a matrix). Throws OutputError.
    void Write(std::string_view text);
    // Writes what the buffer holds and flushes the stream. Throws OutputError.
    void Flush();
    // The line appended last (a refusal, when a command refuses).
    const std::string& LastLine() const { return lastLine_; }

  private:
    void WriteBuffer();

    std::ostream& out_;
    std::string buffer_;
    std::string lastLine_;
};

}  // namespace korvane
