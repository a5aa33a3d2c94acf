#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/CliFixture.h"
#include "support/RunProgram.h"

// The command-line tools (and zrtpro's --help) speak the person's language (LANGUAGE, then LC_ALL,
// LC_MESSAGES, LANG), and with English, C, a language it has no texts for or
// nothing set it says exactly what it always said.
namespace {

const std::string kClean = "env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG ";
const std::vector<std::string> kGerman = {"LANGUAGE=de", "LANG=de_DE.UTF-8", "LC_ALL=de_AT.UTF-8",
                                          "LANG=C LANGUAGE=de_CH:en"};
const std::vector<std::string> kEnglish = {"LANGUAGE=en", "LC_ALL=C", "LANGUAGE=fr",
                                           "LANGUAGE=en:de", ""};

ProgramRun In(const std::string& env, const std::string& program, const std::string& args) {
    return RunProgram(kClean + env + " " + program + " " + args);
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class CliLanguageTest : public CliFixture {};

}  // namespace

TEST_F(CliLanguageTest, HelpAndMessagesInTheSystemsLanguage) {
    for (const std::string& env : kGerman) {
        const ProgramRun overview = In(env, ZRTPRO_CLI, "--help");
        EXPECT_EQ(overview.m_nStatus, 0) << env;
        for (const char* part :
             {"Aufruf: zrtpro-cli BEFEHL [ARGUMENTE...]\n", "\nBefehle:\n",
              "\n  zrtpro-cli show DATEI.zrt [--json]\n", "\nOptionen:\n",
              "Exit-Status: 0 Erfolg, 1 der Vorgang ist fehlgeschlagen, 2 falscher Aufruf."})
            EXPECT_TRUE(Contains(overview.m_strOut, part)) << env << '\n' << overview.m_strOut;

        const ProgramRun help = In(env, ZRTPRO_CLI, "show --help");
        EXPECT_EQ(help.m_strOut.substr(0, help.m_strOut.find('\n')),
                  "Aufruf: zrtpro-cli show DATEI.zrt [--json]")
            << env;
        EXPECT_TRUE(Contains(help.m_strOut, "Gibt die ganze Konfiguration aus:")) << env;

        const ProgramRun wrong = In(env, ZRTPRO_CLI, "show a.zrt b.zrt");
        EXPECT_EQ(wrong.m_nStatus, 2) << env;
        EXPECT_EQ(
            wrong.m_strErr,
            "zrtpro-cli show: falsche Argumente (Aufruf: zrtpro-cli show DATEI.zrt [--json])\n")
            << env;
        const ProgramRun unknown = In(env, ZRTPRO_CLI, "shwo");
        EXPECT_EQ(unknown.m_nStatus, 2) << env;
        EXPECT_EQ(unknown.m_strErr,
                  "zrtpro-cli: unbekannter Befehl \"shwo\" (zrtpro-cli --help listet sie auf)\n")
            << env;
        // The connection forms are what is typed, in every language.
        const ProgramRun connection = In(env, ZRTPRO_CLI, "set-time --connect carrier:pigeon");
        EXPECT_EQ(connection.m_nStatus, 1) << env;
        EXPECT_EQ(connection.m_strErr,
                  "unbekannte Verbindung \"carrier:pigeon\" (verwenden Sie serial:DEVICE[:BAUD], "
                  "tcp:HOST:PORT, modem:DEVICE[:BAUD]:NUMBER oder unitsim:EEPROM-FILE)\n")
            << env;

        const ProgramRun sim = In(env, ZRTPRO_UNITSIM, "--eeprom unit.bin --tcp 70000");
        EXPECT_EQ(sim.m_nStatus, 2) << env;
        EXPECT_EQ(sim.m_strErr,
                  "zrtpro-unitsim: --tcp braucht eine Portnummer von 0 bis 65535\n"
                  "Siehe zrtpro-unitsim --help\n")
            << env;
        const std::string simHelp = In(env, ZRTPRO_UNITSIM, "--help").m_strOut;
        EXPECT_EQ(simHelp.substr(0, simHelp.find('\n')),
                  "Aufruf: zrtpro-unitsim --eeprom DATEI [Optionen]")
            << env;

        const ProgramRun window = In(env, ZRTPRO, "--help");
        EXPECT_EQ(window.m_nStatus, 0) << env;
        EXPECT_EQ(window.m_strOut.substr(0, window.m_strOut.find('\n')),
                  "Aufruf: zrtpro [DATEI.zrt]")
            << env;
        EXPECT_TRUE(Contains(window.m_strOut, "\"sudo adduser $USER dialout\"")) << env;
    }

    const std::string overview = In("LANGUAGE=en", ZRTPRO_CLI, "--help").m_strOut;
    for (const std::string& env : kEnglish) {
        EXPECT_EQ(In(env, ZRTPRO_CLI, "--help").m_strOut, overview) << env;
        EXPECT_EQ(In(env, ZRTPRO_CLI, "show --help").m_strOut,
                  "usage: zrtpro-cli show FILE.zrt [--json]\n\n"
                  "Prints the whole configuration: system, settings, idle loop, every node and "
                  "the\nunassigned Arch Numbers. --json prints one object keyed by the model's "
                  "member names.\n")
            << env;
        EXPECT_EQ(In(env, ZRTPRO_CLI, "show a.zrt b.zrt").m_strErr,
                  "zrtpro-cli show: wrong arguments (usage: zrtpro-cli show FILE.zrt [--json])\n")
            << env;
        EXPECT_EQ(In(env, ZRTPRO_CLI, "shwo").m_strErr,
                  "zrtpro-cli: unknown command \"shwo\" (zrtpro-cli --help lists them)\n")
            << env;
        EXPECT_EQ(In(env, ZRTPRO, "--help").m_strOut.substr(0, 26), "Usage: zrtpro [FILE.zrt]\n\n")
            << env;
        EXPECT_EQ(In(env, ZRTPRO_UNITSIM, "--eeprom unit.bin --tcp 70000").m_strErr,
                  "zrtpro-unitsim: --tcp needs a port number from 0 to 65535\n"
                  "Try zrtpro-unitsim --help\n")
            << env;
    }
    EXPECT_EQ(overview.substr(0, overview.find('\n')), "Usage: zrtpro-cli COMMAND [ARGS...]");
    EXPECT_TRUE(Contains(overview, "\n  zrtpro-cli show FILE.zrt [--json]\n")) << overview;
}

// What scripts read stays as it is in every language: --json and the exit
// status; the text for people follows the language, the unit's names in it,
// and so do Qt's own texts.
TEST_F(CliLanguageTest, WhatScriptsReadStaysWhatPeopleReadFollowsTheLanguage) {
    const std::string site = SaveConfig("site.zrt", 4, 0, 10, [](CZRTProDoc& doc) {
        doc.m_nodes[6].m_strArch = "12";
        doc.m_nodes[4].m_strName = "Caf\xE9";
        doc.m_nodes[5].m_strArch = "913";
        doc.m_zones.push_back({"40", "Spare", 9});
    });
    // Qt's own part of a message follows the language too (the report's file).
    const std::string pdf = m_dir.PathOf("none/plant.pdf");
    EXPECT_EQ(In("LANGUAGE=de", ZRTPRO_CLI, "report " + site + " -o " + pdf).m_strErr,
              "Der Bericht kann nicht nach " + pdf +
                  " geschrieben werden: Die Datei oder das Verzeichnis konnte nicht gefunden "
                  "werden\n");
    const ProgramRun json = In("LANGUAGE=en", ZRTPRO_CLI, "show --json " + site);
    const ProgramRun conflicts = In("LANGUAGE=en", ZRTPRO_CLI, "conflicts " + site);
    ASSERT_EQ(json.m_nStatus, 0) << json.m_strErr;
    ASSERT_EQ(conflicts.m_nStatus, 1) << conflicts.m_strErr;
    for (const std::string& env : kGerman) {
        EXPECT_EQ(In(env, ZRTPRO_CLI, "show --json " + site).m_strOut, json.m_strOut) << env;
        const ProgramRun german = In(env, ZRTPRO_CLI, "conflicts " + site);
        EXPECT_EQ(german.m_nStatus, conflicts.m_nStatus) << env;
        const ProgramRun shown = In(env, ZRTPRO_CLI, "show " + site);
        EXPECT_EQ(shown.m_nStatus, 0) << env;
        for (const char* part :
             {"System: M-4400, 4 Anschl\xC3\xBCsse, 0 Kamera-Schnittstelleneinheiten;",
              "\nRuheschleife (3 s): 11\nEing\xC3\xA4nge:\n", "Caf\xC3\xA9",
              "\nNicht zugewiesene Arch Numbers:\n  40  Spare\n"})
            EXPECT_TRUE(Contains(shown.m_strOut, part)) << env << '\n' << shown.m_strOut;
    }
}
