#include <gtest/gtest.h>

#include <QCoreApplication>

#include "lang/ProgramLanguage.h"
#include "model/Translate.h"
#include "report/ReportMessages.h"

TEST(ProgramLanguageTest, FirstLanguageWithATranslationUnlessEnglishComesFirst) {
    struct Case {
        QStringList uiLanguages;
        QString loaded;
    };
    const Case cases[] = {
        {{"de"}, "de"},
        {{"de-DE", "de-Latn-DE", "de"}, "de"},
        {{"de-CH"}, "de"},
        {{"fr", "fr-FR", "de"}, "de"},  // no French: the next language
        {{"fr"}, ""},
        {{"en", "de"}, ""},  // English first: the source texts
        {{"en-US", "de"}, ""},
        {{"C"}, ""},
        {{}, ""},
        {{"en-XA", "en"}, "en_XA"},  // the pseudo-language
    };
    for (const Case& c : cases) {
        const ProgramLanguage language(c.uiLanguages, {"/nonexistent", ZRT_TRANSLATIONS_DIR});
        EXPECT_EQ(language.Language(), c.loaded) << c.uiLanguages.join(",").toStdString();
    }
}

TEST(ProgramLanguageTest, CoreAndQtTextsFollowTheLanguageForItsLifetime) {
    const char* cancel = "Cancel";
    const QString englishCancel = QCoreApplication::translate("QPlatformTheme", cancel);
    {
        ProgramLanguage language({"de"}, {ZRT_TRANSLATIONS_DIR});
        language.InstallInApplication();
        EXPECT_EQ(Tr("Report", kReportSettings), "Einstellungen:");
        EXPECT_EQ(Tr("Report", kReportHeader), "NEXIL-Programmdaten f\xC3\xBCr: %s");
        EXPECT_EQ(QCoreApplication::translate("Report", kReportPrintMenu),
                  QStringLiteral("&Drucken\tCtrl+P"));
        // Qt's own buttons, from the system's qtbase_de.qm.
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", cancel),
                  QStringLiteral("Abbrechen"));
    }
    EXPECT_EQ(Tr("Report", kReportSettings), "Settings:");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", cancel), englishCancel);
    {
        const ProgramLanguage language({"en-XA"}, {ZRT_TRANSLATIONS_DIR});
        const std::string pseudo = Tr("Report", kReportSettings);
        EXPECT_EQ(pseudo.front(), '[');
        EXPECT_EQ(pseudo.back(), ']');
        EXPECT_GE(pseudo.size(), std::string(kReportSettings).size() * 14 / 10);
        EXPECT_EQ(Tr("Report", kReportFooter).find("%d") != std::string::npos, true);
        // A file dialog's pattern still finds the files.
        EXPECT_TRUE(QCoreApplication::translate("Window", "PDF Files (*.pdf)")
                        .contains(QStringLiteral(" (*.pdf)")));
    }
}
