#include "modes/converter/form2.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/number_text.h"
#include "modes/converter/conversions.h"
#include "support/fake_clipboard.h"
#include "support/locale_fixture.h"

namespace tavro {
namespace {

class Form2Test : public support::LocaleTest {
 protected:
  support::FakeClipboard clipboard;
  Form2 form{GetParam(), clipboard};

  std::string Convert(int button, const std::string& number) {
    form.Text1().Type(number);
    EXPECT_TRUE(form.Invoke("Command" + std::to_string(button) + "_Click"));
    return form.Text2().text();
  }
};

INSTANTIATE_TEST_SUITE_P(Locales, Form2Test, support::BothLocales(), support::LocaleNameOf);

TEST_P(Form2Test, WindowHasTwoUnlimitedFieldsAndSixteenOperations) {
  EXPECT_EQ(form.name(), "Form2");
  ASSERT_EQ(form.fields().size(), 2u);
  EXPECT_EQ(form.fields()[0].name(), "Text1");
  EXPECT_EQ(form.fields()[1].name(), "Text2");
  EXPECT_FALSE(form.Text1().max_length());
  EXPECT_FALSE(form.Text2().max_length());
  std::vector<std::string> expected;
  for (int i = 1; i <= 15; ++i) expected.push_back("Command" + std::to_string(i) + "_Click");
  expected.push_back("ce_Click");
  std::vector<std::string> names = form.OperationNames();
  std::sort(names.begin(), names.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(names, expected);
  EXPECT_FALSE(form.HasOperation("exit_Click"));
}

struct Case {
  int button;
  const char* number;    // with a full stop for the separator
  const char* expected;  // likewise
};

TEST_P(Form2Test, ConvertsWithTheTableFormulas) {
  const Case cases[] = {
      {1, "10", "25.4"},
      {12, "10", "16.09"},
      {13, "100", "212"},
      {3, "-5", "-16.405"},
      {1, "1", "2.54"},
      {2, "2.54", "1.00076"},
      {1, "12.5", "31.75"},
      {13, "1", "33.8"},
      {13, "-40", "-40"},
      {13, "36.6", "97.88"},
      {14, "212", "99.9999999999978"},
      {14, "50", "9.99999999999778"},
      {14, "-40", "-40.0000000000022"},
      {14, "0", "-17.77777777778"},
      {14, "1", "-17.2222222222244"},
      {14, "32", "-2.22044604925031E-12"},
      {2, "1E308", "3.94E+307"},
      {10, "1.7976931348623157E308", "1.64309152526416E+308"},
      {1, "4.9E-324", "1.48219693752374E-323"},
      {2, "  7  ", "2.758"},
      {4, "-0", "0"},
      {6, "1e3", "2205"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Convert(c.button, Local(c.number)), Local(c.expected)) << c.button << " " << c.number;
  }
}

TEST_P(Form2Test, OnlyTheExactlyEmptyTextConvertsAsZero) {
  const char* const from_empty[] = {"0", "0", "0", "0", "0", "0",  "0",
                                    "0", "0", "0", "0", "0", "32", "-17.77777777778"};
  for (int button = 1; button <= 14; ++button) {
    form.Text2().Type("old");
    EXPECT_EQ(Convert(button, ""), Local(from_empty[button - 1])) << button;
  }
  for (int button = 1; button <= 14; ++button) {
    form.Text2().Type("old");
    EXPECT_EQ(Convert(button, " "), "old") << button;
  }
}

// A failed conversion leaves whatever Text2 showed, possibly the result of
// another conversion.
TEST_P(Form2Test, AFailedConversionLeavesTheResultAsItWas) {
  ASSERT_EQ(Convert(13, "100"), "212");
  const std::string foreign_half = std::string("0") + Foreign() + "5";
  const std::string failing[] = {
      "a",
      "   ",
      "\t",
      foreign_half,
      "1" + std::string(1, GetParam().symbol) + "2" + GetParam().symbol + "3",
      "12 34",
      "1E400",
      "-1E309",
      "число",
      "\xF0\x9F\x98\x80",  // an emoji
      "5\xF0\x9F\x98\x80",
      std::string("1\0", 2),
      "+-1",
      "E5",
      "0x10",
  };
  for (const std::string& text : failing) {
    for (int button = 1; button <= 14; ++button) {
      EXPECT_EQ(Convert(button, text), "212") << button << " [" << text << "]";
    }
  }
}

TEST_P(Form2Test, OverflowOfTheResultFailsTheConversion) {
  form.Text2().Type("kept");
  EXPECT_EQ(Convert(1, Local("1E308")), "kept");
  EXPECT_EQ(Convert(13, Local("-1.7976931348623157E308")), "kept");
  EXPECT_EQ(Convert(2, Local("1E308")), Local("3.94E+307"));
}

TEST_P(Form2Test, VeryLongTextsNeitherCrashNorHang) {
  const std::string ones(1 << 20, '1');  // a megabyte of digits: beyond the double range
  form.Text2().Type("kept");
  EXPECT_EQ(Convert(2, ones), "kept");
  const std::string tiny =
      "0" + std::string(1, GetParam().symbol) + std::string(1 << 20, '0') + "1";
  EXPECT_EQ(Convert(1, tiny), "0");
  const std::string padded = std::string(1 << 16, ' ') + "10" + std::string(1 << 16, ' ');
  EXPECT_EQ(Convert(1, padded), "25" + std::string(1, GetParam().symbol) + "4");
  EXPECT_EQ(form.Text1().text(), padded);
}

TEST_P(Form2Test, PasteReplacesTheWholeFirstFieldAndConvertsNothing) {
  form.Text1().Type("123");
  form.Text2().Type("result");
  clipboard.text = "4" + std::string(1, GetParam().symbol) + "5";
  form.Command15_Click();
  EXPECT_EQ(form.Text1().text(), Local("4.5"));
  EXPECT_EQ(form.Text2().text(), "result");
  EXPECT_EQ(clipboard.reads, 1);

  const std::string pasted[] = {"не е число", "\xF0\x9F\x98\x80 x", "line one\r\nline two",
                                std::string(1 << 20, '9'), " "};
  for (const std::string& text : pasted) {
    clipboard.text = text;
    EXPECT_TRUE(form.Invoke("Command15_Click"));
    EXPECT_EQ(form.Text1().text(), text);
  }
  EXPECT_EQ(form.Text2().text(), "result");
}

TEST_P(Form2Test, PasteFromAClipboardWithoutTextEmptiesTheFirstField) {
  form.Text1().Type("123");
  form.Text2().Type("5");
  clipboard.text.clear();  // no text on the clipboard
  form.Command15_Click();
  EXPECT_EQ(form.Text1().text(), "");
  EXPECT_EQ(form.Text2().text(), "5");
  // The next conversion then takes the empty field as 0.
  EXPECT_TRUE(form.Invoke("Command13_Click"));
  EXPECT_EQ(form.Text2().text(), "32");
}

TEST_P(Form2Test, ClearEmptiesBothFieldsAndTheNextConversionTakesZero) {
  ASSERT_EQ(Convert(1, "10"), Local("25.4"));
  form.ce_Click();
  EXPECT_EQ(form.Text1().text(), "");
  EXPECT_EQ(form.Text2().text(), "");
  EXPECT_TRUE(form.Invoke("Command14_Click"));
  EXPECT_EQ(form.Text2().text(), Local("-17.77777777778"));
  EXPECT_TRUE(form.Invoke("ce_Click"));
  EXPECT_EQ(form.Text2().text(), "");
}

TEST_P(Form2Test, AReloadedWindowConvertsWhatItIsGivenAfresh) {
  ASSERT_EQ(Convert(6, "2"), Local("4.41"));
  form.Load();
  EXPECT_EQ(form.Text1().text(), "");
  EXPECT_EQ(form.Text2().text(), "");
  EXPECT_TRUE(form.Invoke("Command6_Click"));
  EXPECT_EQ(form.Text2().text(), "0");
}

// Each row of the conversion table is the operation named by its handler and
// applies that row's formula.
TEST_P(Form2Test, EachConversionRowIsTheOperationOfItsHandler) {
  for (const Conversion& conversion : kConversions) {
    form.Text1().Type(Local("3.7"));
    form.Text2().Type("");
    EXPECT_TRUE(form.Invoke(conversion.handler)) << conversion.handler;
    EXPECT_EQ(form.Text2().text(), TextFromNumber(conversion.formula(3.7), GetParam()))
        << conversion.handler;
  }
}

}  // namespace
}  // namespace tavro
