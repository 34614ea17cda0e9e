// SPDX-License-Identifier: GPL-3.0-or-later
// Which language a player gets from the locale variables and the languages
// Qt reports for them: French for French and where none is set, whatever
// Qt makes of the C locale; English for any other language. And the score,
// drawn outside Qt's widgets, in each.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>
#include <cstdlib>

#include "app/Language.h"
#include "render/ScoreText.h"

namespace {

struct Desktop {
    const char* language;  // LANGUAGE
    const char* lang;      // LANG
    QStringList uiLanguages;
    bool french;
};

TEST(Language, FrenchForFrenchAndForNoLanguageEnglishOtherwise)
{
    const Desktop desktops[] = {
        {nullptr, nullptr, {"C"}, true},
        {nullptr, nullptr, {"en-US"}, true},  // later Qt versions name the C locale so
        {nullptr, "C", {"en-US"}, true},
        {nullptr, "C.UTF-8", {"en-US"}, true},
        {nullptr, "POSIX", {"C"}, true},
        {nullptr, "fr_FR.UTF-8", {"fr-FR", "fr-Latn-FR", "fr"}, true},
        {nullptr, "fr_BE.UTF-8", {"fr-BE", "fr-Latn-BE"}, true},
        {"fr:en", "en_US.UTF-8", {"fr", "fr-Latn-FR", "en"}, true},
        {nullptr, "en_GB.UTF-8", {"en-GB", "en-Latn-GB"}, false},
        {nullptr, "de_DE.UTF-8", {"de-DE", "de-Latn-DE", "de"}, false},
        {"de", "C", {"de", "de-Latn-DE"}, false},
        {"en", "fr_FR.UTF-8", {"en", "en-Latn-US"}, false},
    };
    for (const Desktop& d : desktops) {
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
            unsetenv(name);
        if (d.language)
            setenv("LANGUAGE", d.language, 1);
        if (d.lang)
            setenv("LANG", d.lang, 1);
        EXPECT_EQ(zorbil::FrenchChosen(d.uiLanguages), d.french)
            << "LANGUAGE=" << (d.language ? d.language : "") << " LANG=" << (d.lang ? d.lang : "");
    }
}

// The score over the game: English puts no space before the colon.
TEST(Language, TheScoreReadsAsEachLanguageWritesIt)
{
    int argc = 0;
    QCoreApplication app(argc, nullptr);
    EXPECT_EQ(zorbil::ScoreText(0), "Score : 0");
    QTranslator english;
    ASSERT_TRUE(english.load(":/i18n/zorbil_en.qm"));
    QCoreApplication::installTranslator(&english);
    EXPECT_EQ(zorbil::ScoreText(0), "Score: 0");
    EXPECT_EQ(zorbil::ScoreText(1234), "Score: 1234");
}

}  // namespace
