#include "core/OLog.h"

#include <cstdarg>
#include <cstdio>

#include "platform/Clock.h"

namespace {

void WriteDateTime(std::FILE* file) {
  const platform::LocalDateTime now = platform::LocalNow();
  std::fprintf(file, "%d/%02d/%02d - %02d:%02d:%02d </FONT></B>\n\n", now.year, now.month, now.day, now.hour,
               now.minute, now.second);
}

}  // namespace

OLog::OLog(std::string path) : fileName_(std::move(path)) {
  std::FILE* file = std::fopen(fileName_.c_str(), "w");
  if (file == nullptr) {
    return;
  }
  std::fputs("<HTML>\n<HEAD>  <TITLE> Log file  </TITLE>  </HEAD>\n", file);
  std::fputs("<BODY>\n", file);
  std::fputs("<FONT  STYLE='FONT-SIZE: 10pt'>\n<PRE>", file);
  std::fputs("\n<B><FONT color= '0000ff'>Log file opened: ", file);
  WriteDateTime(file);
  std::fclose(file);
}

OLog::~OLog() { Close(); }

void OLog::Close() {
  if (closed_) {
    return;
  }
  closed_ = true;
  std::FILE* file = std::fopen(fileName_.c_str(), "a");
  if (file == nullptr) {
    return;
  }
  std::fprintf(file, "\n<B><FONT color= '0000ff'>Total Errors = %d\n", errorCount_);
  std::fputs("Log file closed: ", file);
  WriteDateTime(file);
  std::fclose(file);
}

OLog& OLog::Instance() {
  static OLog log("Report.html");
  return log;
}

void OLog::Line(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  Append("", format, arguments);
  va_end(arguments);
}

void OLog::Error(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  Append("<B><FONT color= 'ff0000'>Error:</FONT></B> ", format, arguments);
  va_end(arguments);
  ++errorCount_;
}

void OLog::Append(const char* prefix, const char* format, va_list arguments) {
  std::vsnprintf(message_.data(), message_.size(), format, arguments);
  std::FILE* file = std::fopen(fileName_.c_str(), "a");
  if (file == nullptr) {
    return;
  }
  std::fprintf(file, "%7d> %s%s\n", static_cast<int>(platform::MillisecondsSinceStart()), prefix,
               message_.data());
  std::fclose(file);
}
