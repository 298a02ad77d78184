// The converter's Paste with a clipboard that misbehaves: it holds only an
// image (no text to be had), bytes in another encoding, ten megabytes, or
// text with NUL characters in it. Paste never crashes, and the field keeps
// valid UTF-8 that the conversions then read like anything typed.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "hostile/hostile_session.h"
#include "support/repeated_text.h"

namespace tavro::hostile {
namespace {

using ::testing::IsEmpty;

class PasteFaults : public ::testing::Test {
 protected:
  // The converter with 5 converted to 12.7 centimetres in Text2.
  PasteFaults() : converter(program.Open("Form2")) {
    converter.FindField("Text1")->Type("5");
    program.Click("Form2", "Command1_Click");
  }
  void Paste(std::string clipboard_text) {
    program.clipboard.text = std::move(clipboard_text);
    program.Click("Form2", "Command15_Click");
  }
  const std::string& Text1() { return converter.FindField("Text1")->text(); }
  const std::string& Text2() { return converter.FindField("Text2")->text(); }

  Program program;
  WindowModel& converter;
};

TEST_F(PasteFaults, NoTextOnTheClipboardEmptiesTheField) {
  ASSERT_EQ(Text2(), "12.7");
  Paste("");
  EXPECT_EQ(Text1(), "");
  EXPECT_EQ(Text2(), "12.7");
  program.Click("Form2", "Command1_Click");  // the empty field converts as 0
  EXPECT_EQ(Text2(), "0");
}

TEST_F(PasteFaults, TenMegabytesArriveWholeAndConvert) {
  const std::string number = "1." + std::string(kTenMegabytes, '0') + "5";
  Paste(number);
  EXPECT_EQ(Text1(), number);
  program.Click("Form2", "Command1_Click");
  EXPECT_EQ(Text2(), "2.54");

  const std::string letters = support::Repeated("щ", kTenMegabytes);
  Paste(letters);
  EXPECT_EQ(Text1(), letters);
  program.Click("Form2", "Command1_Click");
  EXPECT_EQ(Text2(), "2.54");  // not a number: the last result stays
  EXPECT_THAT(program.BrokenFields(), IsEmpty());
}

TEST_F(PasteFaults, NulCharactersAreKeptAndAreNoPartOfANumber) {
  const std::string nul_inside(
      "1\0"
      "2",
      3);
  Paste(nul_inside);
  EXPECT_EQ(Text1(), nul_inside);
  program.Click("Form2", "Command1_Click");
  EXPECT_EQ(Text2(), "12.7");

  // A lone NUL is a character: the field is not empty and does not convert as 0.
  Paste(std::string(1, '\0'));
  EXPECT_EQ(Text1(), std::string(1, '\0'));
  program.Click("Form2", "Command13_Click");
  EXPECT_EQ(Text2(), "12.7");
  EXPECT_THAT(program.BrokenFields(), IsEmpty());
}

class PasteInAnotherEncoding : public ::testing::TestWithParam<const char*> {};

TEST_P(PasteInAnotherEncoding, LeavesValidUtf8InTheField) {
  Program program;
  WindowModel& converter = program.Open("Form2");
  program.clipboard.text = GetParam();
  program.Click("Form2", "Command15_Click");
  EXPECT_THAT(program.BrokenFields(), IsEmpty());
  for (const std::string& operation : converter.OperationNames()) {
    program.Click("Form2", operation);
    EXPECT_THAT(program.BrokenFields(), IsEmpty()) << "after " << operation;
  }
}

INSTANTIATE_TEST_SUITE_P(Bytes, PasteInAnotherEncoding,
                         ::testing::Values("caf\xE9",       // Latin-1
                                           "\xEF\xE5\xF2",  // Cyrillic in Windows-1251
                                           "\xFF\xFE"
                                           "5",       // a UTF-16 byte order mark
                                           "12\xC3",  // a sequence cut off at the end
                                           "\x80"
                                           "5",                 // a stray continuation byte
                                           "\xC0\xAF",          // an overlong form
                                           "\xED\xA0\x80",      // a surrogate
                                           "\xF4\x90\x80\x80",  // beyond U+10FFFF
                                           "\xF0\x9F\x98"));    // an emoji without its last byte

}  // namespace
}  // namespace tavro::hostile
