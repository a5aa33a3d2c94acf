#include <gtest/gtest.h>

#include "model/Translate.h"
#include "report/ReportDate.h"
#include "report/ReportMessages.h"

namespace {

std::tm NewYearsEve() {
    std::tm t{};
    t.tm_year = 2009 - 1900;
    t.tm_mon = 11;
    t.tm_mday = 31;
    t.tm_hour = 23;
    t.tm_min = 59;
    t.tm_sec = 8;
    return t;
}

// A translator for one test, English again afterwards.
class ReportDateTest : public ::testing::Test {
protected:
    ~ReportDateTest() override { SetTextTranslator({}); }
};

}  // namespace

// The date line of a translated report: any order of the fields is used, a
// pattern that drops, repeats or renames one is not; nothing in it reaches a
// C formatting function.
TEST_F(ReportDateTest, TranslatedPatternUsedOnlyWithEveryFieldOnce) {
    struct Case {
        const char* translation;
        const char* written;
    };
    const Case cases[] = {
        {"{day}.{month}.{year} {hour}:{minute}:{second}", "31.12.09 23:59:08"},
        {"{year}-{month}-{day} {hour}.{minute}.{second} Uhr", "09-12-31 23.59.08 Uhr"},
        {"{hour}:{minute}:{second}, {day}/{month}/{year}", "23:59:08, 31/12/09"},
        {"%s%n%d {day}.{month}.{year} {hour}:{minute}:{second}", "%s%n%d 31.12.09 23:59:08"},
        {"{Tag} {day}.{month}.{year} {hour}:{minute}:{second}", "{Tag} 31.12.09 23:59:08"},
        {"{day}.{month}. {hour}:{minute}:{second}", "12/31/09 23:59:08"},              // no year
        {"{day}.{day}.{year} {hour}:{minute}:{second}", "12/31/09 23:59:08"},          // twice
        {"{tag}.{month}.{year} {hour}:{minute}:{second}", "12/31/09 23:59:08"},        // unknown
        {"{day}.{month}.{year} {hour}:{minute}:{second} {day}", "12/31/09 23:59:08"},  // twice
        {"%d.%m.%y %H:%M:%S", "12/31/09 23:59:08"},  // strftime's codes are not fields
        {"", "12/31/09 23:59:08"},
    };
    for (const Case& c : cases) {
        SetTextTranslator([&](const char* context, const char* source) {
            return std::string(context) == "Report" && std::string(source) == kReportDateTime
                       ? std::string(c.translation)
                       : std::string();
        });
        EXPECT_EQ(ReportDateTime(NewYearsEve()), c.written) << c.translation;
    }
}

// English as strftime's "%m/%d/%y %H:%M:%S" writes it, two digits a field.
TEST_F(ReportDateTest, EnglishPatternWritesTwoDigitsAField) {
    struct Case {
        int year, month, day, hour, minute, second;
        const char* written;
    };
    const Case cases[] = {
        {2009, 12, 31, 23, 59, 8, "12/31/09 23:59:08"},
        {2026, 1, 2, 0, 0, 0, "01/02/26 00:00:00"},
        {1999, 7, 4, 9, 5, 60, "07/04/99 09:05:60"},  // a leap second
        {2100, 3, 9, 12, 30, 1, "03/09/00 12:30:01"},
    };
    for (const Case& c : cases) {
        std::tm t{};
        t.tm_year = c.year - 1900;
        t.tm_mon = c.month - 1;
        t.tm_mday = c.day;
        t.tm_hour = c.hour;
        t.tm_min = c.minute;
        t.tm_sec = c.second;
        EXPECT_EQ(ReportDateTime(t), c.written);
    }
}
