#include "replay/scenario_runner.h"

#include <gtest/gtest.h>

#include <string>

namespace tavro::replay {
namespace {

using Json = nlohmann::ordered_json;

Json Replay(const char* scenario) { return RunScenario(Json::parse(scenario)); }

Json Expects(const char* window,
             std::initializer_list<std::pair<const char*, const char*>> fields) {
  Json steps = Json::array();
  for (const auto& [field, text] : fields) steps.push_back({"expect", window, field, text});
  return steps;
}

Json Concat(std::initializer_list<Json> parts) {
  Json all = Json::array();
  for (const Json& part : parts) {
    for (const Json& step : part) all.push_back(step);
  }
  return all;
}

TEST(ScenarioRunnerTest, ExpectStepsFollowOpenAndClickButNotSet) {
  const Json out = Replay(R"({"name": "sum", "steps": [
      ["open", "Form1"], ["set", "Form1", "Text1", "2"], ["set", "Form1", "Text2", "3"],
      ["click", "Form1", "Command1_Click"]]})");

  EXPECT_EQ(out["name"], "sum");
  EXPECT_EQ(out.begin().key(), "name");  // members keep their order
  EXPECT_EQ(out["steps"],
            Concat({Json::array({{"open", "Form1"}}),
                    Expects("Form1", {{"Text1", ""}, {"Text2", ""}, {"Text3", ""}}),
                    Json::array({{"set", "Form1", "Text1", "2"},
                                 {"set", "Form1", "Text2", "3"},
                                 {"click", "Form1", "Command1_Click"}}),
                    Expects("Form1", {{"Text1", "2"}, {"Text2", "3"}, {"Text3", "5"}})}));
}

TEST(ScenarioRunnerTest, GivenExpectStepsAreReplacedByWhatTheWindowsShow) {
  const Json out = Replay(R"({"steps": [["expect", "Form1", "Text1", "wrong"],
      ["set", "Form1", "Text1", "4"], ["click", "Form1", "Command8_Click"],
      ["expect", "Form1", "Text3", "wrong"]]})");
  EXPECT_EQ(
      out["steps"],
      Concat({Json::array({{"set", "Form1", "Text1", "4"}, {"click", "Form1", "Command8_Click"}}),
              Expects("Form1", {{"Text1", "4"}, {"Text2", ""}, {"Text3", "2"}})}));
}

TEST(ScenarioRunnerTest, AClickThatSwitchesIsFollowedByTheOpenedWindow) {
  const Json out =
      Replay(R"({"steps": [["set", "Form1", "Text1", "4"], ["click", "Form1", "f1_Click"]]})");
  EXPECT_EQ(out["steps"],
            Concat({Json::array({{"set", "Form1", "Text1", "4"}, {"click", "Form1", "f1_Click"}}),
                    Expects("Form2", {{"Text1", ""}, {"Text2", ""}})}));
}

TEST(ScenarioRunnerTest, AClickThatEndsIsFollowedByNothingAndNothingMayFollowIt) {
  const Json out = Replay(R"({"steps": [["click", "Form1", "Command9_Click"]]})");
  EXPECT_EQ(out["steps"], Json::array({{"click", "Form1", "Command9_Click"}}));

  EXPECT_THROW(Replay(R"({"steps": [["click", "Form1", "ex_Click"], ["open", "Form1"]]})"),
               ScenarioError);
}

TEST(ScenarioRunnerTest, HelpOpensBesideTheModeWindowWithoutFields) {
  const Json out = Replay(R"({"steps": [["open", "Form3"], ["open", "Form5"],
      ["click", "Form3", "help2_Click"], ["set", "Form3", "Text1", "6"]]})");
  EXPECT_EQ(out["steps"],
            Concat({Json::array({{"open", "Form3"}}),
                    Expects("Form3", {{"Text1", ""}, {"Text2", ""}, {"Text3", ""}}),
                    Json::array({{"open", "Form5"}, {"click", "Form3", "help2_Click"}}),
                    Expects("Form3", {{"Text1", ""}, {"Text2", ""}, {"Text3", ""}}),
                    Json::array({{"set", "Form3", "Text1", "6"}})}));
}

TEST(ScenarioRunnerTest, TypingStopsAtTheFieldsMaximumLength) {
  const Json out = Replay(R"({"steps": [
      ["set", "Form1", "Text1", "1234567890123456789012345"], ["set", "Form1", "Text3", "1234567890123456789012345"],
      ["click", "Form1", "main_Click"], ["open", "Form6"], ["set", "Form6", "Text2", "+-"],
      ["click", "Form6", "fg_Click"]]})");
  const Json& steps = out["steps"];
  EXPECT_EQ(steps[3], Json({"expect", "Form1", "Text1", "12345678901234567890"}));
  EXPECT_EQ(steps[5], Json({"expect", "Form1", "Text3", "1234567890123456789012345"}));
  EXPECT_EQ(steps.back()[0], "expect");
  EXPECT_EQ(steps[steps.size() - 13], Json({"expect", "Form6", "Text2", "+"}));
}

TEST(ScenarioRunnerTest, AnyTextTheUserTypesComesBackUnchanged) {
  const std::string odd =
      "\xD0\x9F\xD0\xB5\xD1\x82 \xF0\x9F\x98\x80 \x01\x7F\t" + std::string(100000, '9');
  Json scenario = {{"steps", Json::array({{"open", "Form2"},
                                          {"set", "Form2", "Text1", odd},
                                          {"click", "Form2", "Command1_Click"}})}};
  const Json out = RunScenario(scenario);
  // Compared as booleans: a failure would print the whole long text.
  EXPECT_TRUE(out["steps"][5] == Json({"expect", "Form2", "Text1", odd}));
  EXPECT_EQ(out["steps"][6], Json({"expect", "Form2", "Text2", ""}));  // not a number
  EXPECT_TRUE(Json::parse(FormatScenario(out)) == out);
}

TEST(ScenarioRunnerTest, TheLocaleAndTheClipboardReachTheWindows) {
  const Json out = Replay(R"({"locale": "bg", "clipboard": "2,5", "steps": [["open", "Form2"],
      ["click", "Form2", "Command15_Click"], ["click", "Form2", "Command1_Click"]]})");
  EXPECT_EQ(out["steps"].back(), Json({"expect", "Form2", "Text2", "6,35"}));
}

TEST(ScenarioRunnerTest, FormattedScenariosReadBackOneStepALine) {
  const Json out = Replay(
      R"({"locale": "en", "clipboard": null, "steps": [["click", "Form1", "Command6_Click"]]})");
  EXPECT_EQ(FormatScenario(out),
            "{\n"
            "  \"locale\": \"en\",\n"
            "  \"clipboard\": null,\n"
            "  \"steps\": [\n"
            "    [\"click\",\"Form1\",\"Command6_Click\"],\n"
            "    [\"expect\",\"Form1\",\"Text1\",\"\"],\n"
            "    [\"expect\",\"Form1\",\"Text2\",\"\"],\n"
            "    [\"expect\",\"Form1\",\"Text3\",\"\"]\n"
            "  ]\n"
            "}\n");
  EXPECT_EQ(FormatScenario(Replay(R"({"steps": []})")), "{\n  \"steps\": []\n}\n");
}

TEST(ScenarioParseTest, RefusesTextThatIsNotJson) {
  for (const char* text : {"", "{", "{\"steps\": [}", "\xff", "{\"steps\": []} x"}) {
    EXPECT_THROW(ParseScenario(text), ScenarioError) << text;
  }
}

TEST(ScenarioParseTest, RefusesDeepNestingWithoutExhaustingTheStack) {
  const std::size_t depth = 1000000;
  const std::string deep =
      "{\"steps\": [], \"note\": " + std::string(depth, '[') + std::string(depth, ']') + "}";
  EXPECT_THROW(ParseScenario(deep), ScenarioError);
  const std::string shallow = "{\"note\": [[[\"a\"]]], \"steps\": [[\"open\", \"Form2\"]]}";
  EXPECT_EQ(ParseScenario(shallow)["note"][0][0][0], "a");
}

struct RefusedCase {
  const char* scenario;
  const char* message;
};

class RefusedScenarioTest : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedScenarioTest, IsRefusedWithAMessageThatSaysWhy) {
  try {
    Replay(GetParam().scenario);
    FAIL() << "accepted";
  } catch (const ScenarioError& error) {
    EXPECT_NE(std::string(error.what()).find(GetParam().message), std::string::npos)
        << error.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Malformed, RefusedScenarioTest,
    ::testing::Values(
        RefusedCase{R"([["open", "Form1"]])", "a scenario is a JSON object"},
        RefusedCase{R"({"locale": "en"})", "no \"steps\""},
        RefusedCase{R"({"steps": {"open": "Form1"}})", "\"steps\" must be an array"},
        RefusedCase{R"({"locale": "de", "steps": []})", "\"locale\" must be \"en\" or \"bg\""},
        RefusedCase{R"({"locale": 1, "steps": []})", "\"locale\" must be"},
        RefusedCase{R"({"clipboard": 12.5, "steps": []})", "\"clipboard\" must be a text"},
        RefusedCase{R"({"steps": ["open"]})", "step 1 \"open\": a step is an array"},
        RefusedCase{R"({"steps": [[]]})", "a step is an array"},
        RefusedCase{R"({"steps": [[1, "Form1"]]})", "a step is an array"},
        RefusedCase{R"({"steps": [["press", "Form1", "Command1_Click"]]})",
                    "unknown step kind \"press\""},
        RefusedCase{R"({"steps": [["open"]]})", "a step \"open\" has 2 elements"},
        RefusedCase{R"({"steps": [["click", "Form1"]]})", "a step \"click\" has 3 elements"},
        RefusedCase{R"({"steps": [["set", "Form1", "Text1", 2]]})", "element 4 must be a text"}));

INSTANTIATE_TEST_SUITE_P(
    UnknownNames, RefusedScenarioTest,
    ::testing::Values(RefusedCase{R"({"steps": [["open", "Form7"]]})", "unknown window Form7"},
                      RefusedCase{R"({"steps": [["open", "form1"]]})", "unknown window form1"},
                      RefusedCase{R"({"steps": [["set", "Form1", "Text4", "1"]]})",
                                  "Form1 has no field Text4"},
                      RefusedCase{R"({"steps": [["click", "Form1", "Command99_Click"]]})",
                                  "Form1 has no operation Command99_Click"},
                      RefusedCase{R"({"steps": [["click", "Form1", "at_Click"]]})",
                                  "Form1 has no operation at_Click"},
                      RefusedCase{R"({"steps": [["click", "Form5", "Command1_Click"]]})",
                                  "Form5 has no operation"}));

INSTANTIATE_TEST_SUITE_P(
    ClosedWindows, RefusedScenarioTest,
    ::testing::Values(
        RefusedCase{R"({"steps": [["set", "Form2", "Text1", "1"]]})", "step 1 "},
        RefusedCase{R"({"steps": [["open", "Form1"], ["click", "Form2", "Command1_Click"]]})",
                    "step 2 [\"click\",\"Form2\",\"Command1_Click\"]: Form2 is not open"},
        RefusedCase{
            R"({"steps": [["click", "Form1", "f1_Click"], ["click", "Form1", "Command1_Click"]]})",
            "Form1 is not open"},
        RefusedCase{
            R"({"steps": [["click", "Form1", "ex_Click"], ["set", "Form1", "Text1", "1"]]})",
            "the program has ended"},
        RefusedCase{R"({"steps": [["click", "Form1", "Command9_Click"], ["open", "Form2"]]})",
                    "the program has ended"}));

}  // namespace
}  // namespace tavro::replay
