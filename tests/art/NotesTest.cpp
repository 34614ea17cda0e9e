// SPDX-License-Identifier: GPL-3.0-or-later
// The players' notes "Zorbil.txt" and their versions in the game's other
// languages ("Zorbil.en.txt" and so on) as staged in the game folder: readable in any editor and in the help
// screen's text box, and quoting word for word every message the program can
// show in their language, since the messages send players there.
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QStringDecoder>
#include <QTranslator>
#include <gtest/gtest.h>

#include "app/Language.h"

#include "audio/GameSound.h"
#include "audio/SoundDecoders.h"
#include "audio/SoundDevice.h"
#include "config/LargeFonts.h"
#include "config/Settings.h"
#include "launcher/LauncherMessages.h"
#include "render/GLThread.h"
#include "screens/OptionsPanel.h"

namespace {

QByteArray Notes(const char* path = ZORBIL_NOTES_FILE)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString Collapsed(const QString& text) { return text.simplified(); }

// The French notes and those of each language the game speaks.
QStringList NotesFiles()
{
    QStringList files{ZORBIL_NOTES_FILE};
    for (const QString& language : zorbil::EmbeddedLanguages())
        if (const QString file = QString(ZORBIL_GAME_DIR "/Zorbil.%1.txt").arg(language); QFile::exists(file))
            files << file;
    return files;
}

TEST(Notes, AreUtf8PlainTextInShortLines)
{
    for (const QString& file : NotesFiles()) {
        const QByteArray local = file.toLocal8Bit();
        const char* path = local.constData();
        SCOPED_TRACE(path);
        const QByteArray bytes = Notes(path);
        ASSERT_FALSE(bytes.isEmpty());
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = decoder(bytes);
        ASSERT_FALSE(decoder.hasError());
        EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF")) << "no byte-order mark";
        EXPECT_FALSE(bytes.contains('\r'));
        EXPECT_FALSE(bytes.contains('\t'));
        const QStringList lines = text.split('\n');
        for (int i = 0; i < lines.size(); ++i) {
            EXPECT_LT(lines[i].toUcs4().size(), 80) << "line " << i + 1;
            EXPECT_FALSE(lines[i].endsWith(' ')) << "line " << i + 1;
        }
    }
}

TEST(Notes, QuoteEveryMessageOfTheProgram)
{
    const QString notes = Collapsed(QString::fromUtf8(Notes()));
    const char* messages[] = {
        zorbil::LargeFontsQuestion,
        zorbil::ConfigReadErrorMessage,
        zorbil::SaveErrorMessage,
        zorbil::OptionsReadErrorMessage,
        zorbil::SoundPlayErrorMessage,
        zorbil::DonutSoundErrorMessage,
        zorbil::SoundSetupErrorMessage,
        zorbil::BackgroundErrorMessage,
        zorbil::DecoderWithoutLandlockMessage,
        zorbil::DecoderWithoutFilterMessage,
        zorbil::DecoderWithoutNamespacesMessage,
        "Impossible d'écrire sur le disque. Vérifiez qu'il n'est pas plein ou protégé en écriture.",
        "Impossible de travailler sur le disque dur. Vérifiez qu'il n'est pas plein ou protégé en écriture.",
        "Impossible d'ouvrir le fichier",
    };
    for (const char* message : messages)
        EXPECT_TRUE(notes.contains("\"" + Collapsed(QString::fromUtf8(message))))
            << "not quoted: " << message;
    // The folder list varies: both sides of it are quoted.
    const QStringList folders = QString::fromUtf8(zorbil::MissingFoldersMessage).split("%1");
    ASSERT_EQ(folders.size(), 2);
    EXPECT_TRUE(notes.contains("\"" + Collapsed(folders[0])));
    EXPECT_TRUE(notes.contains(Collapsed(folders[1]) + "\""));
    // The launcher's messages name a path and a reason: their two ends are quoted.
    for (const char* message : {zorbil::launcher::FolderErrorMessage, zorbil::launcher::ProgramErrorMessage}) {
        const QString text = QString::fromUtf8(message);
        EXPECT_TRUE(notes.contains("\"" + Collapsed(text.section("%1", 0, 0)))) << message;
        EXPECT_TRUE(notes.contains(Collapsed(text.section("%2", 1)) + "\"")) << message;
    }
}

TEST(Notes, ExplainEveryDriverButtonAndEveryDataFile)
{
    const QString notes = Collapsed(QString::fromUtf8(Notes()));
    for (const char* word : {"Windows Multimedia", "Microsoft DirectSound", "Open Sound System",
                             "Enlightment Sound Daemon", "A3D", "SDL_AUDIODRIVER", "timgm6mb-soundfont",
                             "Config.dat", "Scores.dat", "Temp.dat", "Menu.dat", "Donut.dat", "Over.dat",
                             "Log.txt", "log.txt", "Textures", "Musiques", ".mus", ".pcx", "Échap", "F1", "F2",
                             "F3"})
        EXPECT_TRUE(notes.contains(QString::fromUtf8(word))) << word;
}

// Each language's notes quote its messages, as the game embeds them.
TEST(Notes, EachLanguagesNotesQuoteEveryMessageInThatLanguage)
{
    for (const QString& file : NotesFiles().mid(1)) {
        SCOPED_TRACE(file.toStdString());
        QTranslator translation;
        ASSERT_TRUE(translation.load(QString(":/i18n/zorbil_%1.qm").arg(file.section('.', -2, -2))));
        const QString notes = Collapsed(QString::fromUtf8(Notes(file.toLocal8Bit().constData())));
        const char* messages[] = {
            zorbil::LargeFontsQuestion,       zorbil::ConfigReadErrorMessage, zorbil::SaveErrorMessage,
            zorbil::OptionsReadErrorMessage,  zorbil::SoundPlayErrorMessage,  zorbil::DonutSoundErrorMessage,
            zorbil::SoundSetupErrorMessage,   zorbil::BackgroundErrorMessage,   zorbil::DecoderWithoutLandlockMessage,
            zorbil::DecoderWithoutFilterMessage,      zorbil::DecoderWithoutNamespacesMessage,
            "Impossible d'écrire sur le disque. Vérifiez qu'il n'est pas plein ou protégé en écriture.",
            "Impossible de travailler sur le disque dur. Vérifiez qu'il n'est pas plein ou protégé en écriture.",
        };
        for (const char* message : messages) {
            const QString text = translation.translate("Messages", message);
            ASSERT_FALSE(text.isEmpty()) << "no translation: " << message;
            EXPECT_TRUE(notes.contains("\"" + Collapsed(text))) << "not quoted: " << text.toStdString();
        }
        const QString open = translation.translate("zorbil::HelpPanel", "Impossible d'ouvrir le fichier %1.");
        EXPECT_TRUE(notes.contains("\"" + Collapsed(open.section("%1", 0, 0)))) << open.toStdString();
        for (const char* message : {zorbil::MissingFoldersMessage, zorbil::launcher::FolderErrorMessage,
                                    zorbil::launcher::ProgramErrorMessage}) {
            const QString text = translation.translate("Messages", message);
            ASSERT_FALSE(text.isEmpty()) << "no translation: " << message;
            EXPECT_TRUE(notes.contains("\"" + Collapsed(text.section("%1", 0, 0)))) << text.toStdString();
            EXPECT_TRUE(notes.contains(Collapsed(text.section(QRegularExpression("%[12]"), -1)) + "\""))
                << text.toStdString();
        }
    }
}

}  // namespace
