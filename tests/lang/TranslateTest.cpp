#include <gtest/gtest.h>

#include "lang/ShownText.h"
#include "model/Translate.h"

namespace {

// A translator for one test, English again afterwards.
class TranslateTest : public ::testing::Test {
protected:
    ~TranslateTest() override { SetTextTranslator({}); }
};

}  // namespace

TEST_F(TranslateTest, EnglishWithoutTranslator) {
    EXPECT_EQ(Tr("Report", "Page %d"), "Page %d");
    SetTextTranslator([](const char*, const char*) { return std::string(); });
    EXPECT_EQ(Tr("Report", "Page %d"), "Page %d");
}

TEST_F(TranslateTest, TranslationUsedOnlyWithTheSourcesDirectives) {
    struct Case {
        const char* source;
        const char* translation;
        const char* expected;
    };
    const Case cases[] = {
        {"Page %d", "Seite %d", "Seite %d"},
        {"Video Out %d: %d", "Videoausgang %d: %d", "Videoausgang %d: %d"},
        {"100%% done: %s", "%s: zu 100%% fertig", "%s: zu 100%% fertig"},
        {"Page %d", "Seite %s", "Page %d"},         // a string for a number
        {"Page %d", "Seite %d von %d", "Page %d"},  // one too many
        {"To %s: %s", "Nach %s", "To %s: %s"},      // one too few
        {"Name %-15s", "Name %-15s", "Name %-15s"},
        {"Name %-15s", "Name %s", "Name %-15s"},
        {"Done", "Fertig zu 100 %%", "Fertig zu 100 %%"},
        {"Delete %1?", "%1 löschen?", "%1 löschen?"},
    };
    for (const Case& c : cases) {
        SetTextTranslator([&](const char* context, const char* source) {
            EXPECT_STREQ(context, "Ctx");
            EXPECT_STREQ(source, c.source);
            return std::string(c.translation);
        });
        EXPECT_EQ(Tr("Ctx", c.source), c.expected) << c.source << " -> " << c.translation;
    }
}

TEST(ShownTextTest, UnicodeTextAndLatin1NamesTogether) {
    struct Case {
        std::string bytes;
        QString shown;
    };
    const Case cases[] = {
        {"Lobby", QStringLiteral("Lobby")},
        {"Z\xFCrich", QStringLiteral(u"Zürich")},                   // a Latin-1 name
        {"f\xC3\xBCr", QStringLiteral(u"für")},                     // a translated text
        {"f\xC3\xBCr Z\xFCrich", QStringLiteral(u"für Zürich")},    // both in one line
        {"\xC3(", QStringLiteral(u"Ã(")},                           // a lone lead byte
        {"\xE2\x82\xAC \xF0\x9F\x93\xB7", QStringLiteral(u"€ 📷")},  // three and four bytes
        {"\xC0\x80", QStringLiteral(u"À\u0080")},                   // overlong: Latin-1
        {"\xED\xA0\x80", QStringLiteral(u"í\u00A0\u0080")},         // a surrogate: Latin-1
    };
    for (const Case& c : cases) EXPECT_EQ(ShownText(c.bytes), c.shown) << c.bytes;
}
