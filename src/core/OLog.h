// The HTML report of start-up and errors, rewritten at every start. Between two
// lines the file is closed, so it is complete on disk even if the game dies.
#pragma once

#include <array>
#include <cstdarg>
#include <string>

class OLog {
 public:
  // Rewrites the file at `path` with the report's head and the time it was opened.
  explicit OLog(std::string path);
  // Closes the log unless an early exit already did.
  ~OLog();

  OLog(const OLog&) = delete;
  OLog& operator=(const OLog&) = delete;

  // The game's own report, "Report.html" in the working folder.
  static OLog& Instance();

  // printf-style; a text longer than the message buffer is cut, never overflows it.
  void Line(const char* format, ...) __attribute__((format(printf, 2, 3)));
  // As Line, drawn in red and counted.
  void Error(const char* format, ...) __attribute__((format(printf, 2, 3)));

  int ErrorCount() const { return errorCount_; }

  // Appends the error total and the time the log was closed, once. An exit
  // that skips the destructors calls it first, so every report ends alike.
  void Close();

  static constexpr std::size_t kMessageBufferSize = 1024;

 private:
  void Append(const char* prefix, const char* format, va_list arguments);

  int errorCount_ = 0;
  bool closed_ = false;
  std::string fileName_;
  std::array<char, kMessageBufferSize> message_{};
};
