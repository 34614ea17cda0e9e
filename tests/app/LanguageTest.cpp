// SPDX-License-Identifier: GPL-3.0-or-later
// Which language a player gets from the locale variables and the languages
// Qt reports for them: French for French and where none is set, whatever
// Qt makes of the C locale; the translation of the first language named
// when the game has one; English for any other language. And the score,
// drawn outside Qt's widgets, in French and English.
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
    const char* chosen;    // when the game has that translation
};

TEST(Language, FirstLanguageWithATranslationFrenchWhenNoneIsSet)
{
    // Every listed language is embedded, those still awaited aside.
    const QStringList built = QString(ZORBIL_TRANSLATED_LANGUAGES).split(' ');
    EXPECT_EQ(zorbil::EmbeddedLanguages(), [&] {
        QStringList sorted = built;
        sorted.sort();
        return sorted;
    }());
    const Desktop desktops[] = {
        {nullptr, nullptr, {"C"}, "fr"},
        {nullptr, nullptr, {"en-US"}, "fr"},  // later Qt versions name the C locale so
        {nullptr, "C", {"en-US"}, "fr"},
        {nullptr, "C.UTF-8", {"en-US"}, "fr"},
        {nullptr, "POSIX", {"C"}, "fr"},
        {nullptr, "fr_FR.UTF-8", {"fr-FR", "fr-Latn-FR", "fr"}, "fr"},
        {nullptr, "fr_BE.UTF-8", {"fr-BE", "fr-Latn-BE"}, "fr"},
        {"fr:en", "en_US.UTF-8", {"fr", "fr-Latn-FR", "en"}, "fr"},
        {nullptr, "en_GB.UTF-8", {"en-GB", "en-Latn-GB"}, "en"},
        {"en", "fr_FR.UTF-8", {"en", "en-Latn-US"}, "en"},
        {nullptr, "de_DE.UTF-8", {"de-DE", "de-Latn-DE", "de"}, "de"},
        {"de", "C", {"de", "de-Latn-DE"}, "de"},
        {nullptr, "de_AT.UTF-8", {"de-AT", "de-Latn-AT"}, "de"},
        {nullptr, "es_MX.UTF-8", {"es-MX", "es-Latn-MX"}, "es"},
        {"it", "en_US.UTF-8", {"it", "it-Latn-IT"}, "it"},
        {nullptr, "pt_BR.UTF-8", {"pt-BR", "pt-Latn-BR"}, "pt_BR"},
        {nullptr, "pt_PT.UTF-8", {"pt-PT", "pt-Latn-PT"}, "pt_BR"},
        {"pt", "C", {"pt", "pt-Latn-BR"}, "pt_BR"},
        {nullptr, "pl_PL.UTF-8", {"pl-PL", "pl-Latn-PL"}, "pl"},
        // Only the first language counts: the next ones are not looked at.
        {"sv:de", "sv_SE.UTF-8", {"sv", "sv-Latn-SE", "de"}, "en"},
        {nullptr, "ja_JP.UTF-8", {"ja-JP", "ja-Jpan-JP"}, "en"},
    };
    for (const Desktop& d : desktops) {
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
            unsetenv(name);
        if (d.language)
            setenv("LANGUAGE", d.language, 1);
        if (d.lang)
            setenv("LANG", d.lang, 1);
        // A language whose translation is still awaited gets English.
        const QString chosen = d.chosen;
        const QString expected = chosen == "fr" || built.contains(chosen) ? chosen : QString("en");
        EXPECT_EQ(zorbil::ChosenLanguage(d.uiLanguages), expected)
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
