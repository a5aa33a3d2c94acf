#include <gtest/gtest.h>

#include <string>

#include "support/ScriptedPrompter.h"
#include "tree/ArchRules.h"
#include "tree/NameRule.h"

TEST(NameRuleTest, AtMostFifteenCharactersWithoutControlCharacters) {
    const struct {
        std::string m_strName;
        NameProblem m_problem;
    } cases[] = {
        {"", NameProblem::None},
        {"Fifteen letters", NameProblem::None},
        {"Caf\xE9 \xFF~!", NameProblem::None},
        {"Sixteen letters!", NameProblem::TooLong},
        {"a\tb", NameProblem::ControlCharacter},
        {"a\nb", NameProblem::ControlCharacter},
        {"a\rb", NameProblem::ControlCharacter},
        {std::string("a\0b", 3), NameProblem::ControlCharacter},
        {"a\x7F", NameProblem::ControlCharacter},
        {"a\x85", NameProblem::ControlCharacter},
        {"\x9F", NameProblem::ControlCharacter},
        {"\xA0", NameProblem::None},
        {"A sixteen-long\t.", NameProblem::ControlCharacter},
    };
    for (const auto& c : cases) EXPECT_EQ(CheckName(c.m_strName), c.m_problem) << c.m_strName;

    EXPECT_EQ(BlankControlCharacters(std::string("Hall\tA\r\n\0\x7F\x80\xE9", 12)),
              "Hall A     \xE9");

    ScriptedPrompter prompter;
    EXPECT_TRUE(ValidateNameEntry("Lobby", prompter));
    EXPECT_FALSE(ValidateNameEntry("Lob\tby", prompter));
    EXPECT_FALSE(ValidateNameEntry("Sixteen letters!", prompter));
    ASSERT_EQ(prompter.m_shown.size(), 2u);
}

TEST(NameRuleTest, ArchNumbersInReadingOrder) {
    const char* ordered[] = {"#1", "*",   "01", "1",  "9",   "9#",
                             "10", "012", "12", "99", "100", "1000"};
    for (size_t i = 0; i < std::size(ordered); ++i)
        for (size_t j = 0; j < std::size(ordered); ++j)
            EXPECT_EQ(ArchNumberLess(ordered[i], ordered[j]), i < j)
                << ordered[i] << " " << ordered[j];
}
