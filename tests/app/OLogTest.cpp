// The HTML report: its fixed head and tail, the numbered lines, the red error
// lines and their total.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <vector>

#include "app/OLog.h"
#include "support/TestFiles.h"

using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    lines.push_back(line);
  }
  return lines;
}

TEST(OLog, WritesTheHeadLinesErrorsAndTheTotal) {
  TempFolder folder;
  const std::string path = folder / "Report.html";
  {
    OLog log(path);
    log.Line("App Constructor");
    log.Error("Can't select pixel format");
    log.Line("Changing resolution: Mode %i", 2);
    log.Error("Can't create rendering content");
    EXPECT_EQ(log.ErrorCount(), 2);
  }
  const std::string text = ReadText(path);
  EXPECT_THAT(text, StartsWith("<HTML>\n<HEAD>  <TITLE> Log file  </TITLE>  </HEAD>\n<BODY>\n"
                               "<FONT  STYLE='FONT-SIZE: 10pt'>\n<PRE>\n"
                               "<B><FONT color= '0000ff'>Log file opened: "));

  const std::vector<std::string> lines = Lines(text);
  ASSERT_EQ(lines.size(), 15u);
  const std::regex date(R"(\d{4}/\d\d/\d\d - \d\d:\d\d:\d\d </FONT></B>)");
  EXPECT_TRUE(std::regex_search(lines[5], date)) << lines[5];
  EXPECT_EQ(lines[6], "");

  // The milliseconds stand right-aligned in seven characters.
  const std::regex stamp(R"([ \d]{6}\d> )");
  const char* const bodies[] = {
      "App Constructor",
      "<B><FONT color= 'ff0000'>Error:</FONT></B> Can't select pixel format",
      "Changing resolution: Mode 2",
      "<B><FONT color= 'ff0000'>Error:</FONT></B> Can't create rendering content",
  };
  for (int i = 0; i < 4; ++i) {
    const std::string& line = lines[7 + i];
    ASSERT_GE(line.size(), 9u);
    EXPECT_TRUE(std::regex_match(line.substr(0, 9), stamp)) << line;
    EXPECT_EQ(line.substr(9), bodies[i]);
  }

  EXPECT_EQ(lines[11], "");
  EXPECT_EQ(lines[12], "<B><FONT color= '0000ff'>Total Errors = 2");
  EXPECT_THAT(lines[13], StartsWith("Log file closed: "));
  EXPECT_TRUE(std::regex_search(lines[13], date)) << lines[13];
  EXPECT_THAT(text, testing::EndsWith("</FONT></B>\n\n"));
}

TEST(OLog, ASecondStartReplacesThePreviousReport) {
  TempFolder folder;
  const std::string path = folder / "Report.html";
  { OLog(path).Error("from the first run"); }
  { OLog second(path); }
  const std::string text = ReadText(path);
  EXPECT_EQ(text.find("from the first run"), std::string::npos);
  EXPECT_THAT(text, HasSubstr("Total Errors = 0"));
}

TEST(OLog, ATextLongerThanTheBufferIsCut) {
  TempFolder folder;
  const std::string path = folder / "Report.html";
  {
    OLog log(path);
    log.Line("%s", std::string(5000, 'x').c_str());
  }
  const std::string longest = std::string(OLog::kMessageBufferSize - 1, 'x');
  EXPECT_THAT(ReadText(path), HasSubstr("> " + longest + "\n"));
}

TEST(OLog, AFileThatCannotBeOpenedIsIgnored) {
  TempFolder folder;
  OLog log(folder / "missing folder/Report.html");
  log.Error("nowhere to go");
  EXPECT_EQ(log.ErrorCount(), 1);
}

}  // namespace
