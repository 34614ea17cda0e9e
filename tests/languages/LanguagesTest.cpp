// SPDX-License-Identifier: GPL-3.0-or-later
// The game played in each of its languages through the real windows: the
// configuration dialog, the main menu, the options, a help page, a game and
// its game over. What each shows, read as assistive technology reads it
// (the accessible names and descriptions, the score included), is the French
// game's with each French text replaced by its translation in the
// language's file, and nothing else. With ZORBIL_TEST_SHOTS naming a folder,
// a picture of each screen is kept there as <language>-<screen>.png
// (dialog, menu, options, help, game, over).
#include <QApplication>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTranslator>

#include "../gamewindow/GameWindowFixture.h"
#include "app/Language.h"
#include "config/ZorbilConfig.h"
#include "controls/CaptionName.h"
#include "support/AccessibleTree.h"
#include "support/TextsFit.h"
#include "support/TsFile.h"

using namespace zorbil;
using namespace zorbil::test;

namespace {

using Texts = QMap<QString, QPair<QString, QString>>;

// The texts a French text becomes in a language: its translations, with
// the values a French text with place holders shows put into theirs.
class Translation {
public:
    explicit Translation(const QList<TsMessage>& messages) : messages_(messages) {}

    // Empty when the French text is no translated one: it stays as it is.
    // A caption's text without its colon names the control beside it.
    QStringList Of(const QString& french) const
    {
        QStringList found = Matching(french, [](const QString& text) { return Shown(text); });
        if (found.isEmpty())
            found = Matching(french, [](const QString& text) { return CaptionName(text); });
        return found;
    }

private:
    QStringList Matching(const QString& french, QString (*shown)(const QString&)) const
    {
        static const QRegularExpression holder("%(\\d)");
        QStringList found;
        for (const TsMessage& m : messages_) {
            const QString source = shown(m.source);
            if (source == french) {
                found << shown(m.translation);
                continue;
            }
            // A text with place holders, filled: the translation gets the
            // same values.
            QList<int> order;
            QStringList parts;
            qsizetype from = 0;
            for (const QRegularExpressionMatch& h : holder.globalMatch(source)) {
                order << h.captured(1).toInt();
                parts << QRegularExpression::escape(source.mid(from, h.capturedStart() - from));
                from = h.capturedEnd();
            }
            if (order.isEmpty())
                continue;
            parts << QRegularExpression::escape(source.mid(from));
            const QRegularExpressionMatch match =
                QRegularExpression(QRegularExpression::anchoredPattern(parts.join("(.*)"))).match(french);
            if (!match.hasMatch())
                continue;
            QString translated = shown(m.translation);
            for (int i = 0; i < order.size(); ++i)
                translated.replace(QString("%%1").arg(order[i]), match.captured(i + 1));
            found << translated;
        }
        return found;
    }

    QList<TsMessage> messages_;
};

class LanguagesTest : public QObject {
    Q_OBJECT
private slots:
    void EachLanguageShowsItsTranslationOnEveryScreen();

private:
    // Reads the window's texts as the screen `name`, keeps its picture.
    void Read(const QString& name, QWidget* window, bool fromScreen = false)
    {
        QCoreApplication::processEvents();
        shown_[name] = AccessibleTexts(window);
        const QString shots = qEnvironmentVariable("ZORBIL_TEST_SHOTS");
        if (shots.isEmpty())
            return;
        const QPixmap picture = fromScreen ? window->screen()->grabWindow(0).copy(window->geometry())
                                           : window->grab();
        QVERIFY(picture.save(QString("%1/%2-%3.png").arg(shots, language_, name)));
    }
    // One player's way through the windows.
    void Play();

    QString language_;
    QMap<QString, Texts> shown_;
};

void LanguagesTest::Play()
{
    shown_.clear();
    {
        TempGameFolder folder;
        RecordingSoundLibrary sound;
        MessageBoxWatcher watcher;
        TConfigForm dialog(sound, folder.str());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        Read("dialog", &dialog);
    }
    GameWindow window(true);
    window.Open();
    TZorbilForm& form = *window.form;
    Read("menu", window.form->MenuPrincipal);
    window.Open(Screen::Options);
    Read("options", form.MenuOptions);
    window.Continue();
    window.Open(Screen::Help);
    form.MenuAide->PageControlAide->setCurrentIndex(3);
    Read("help", form.MenuAide);
    // The last page shows the language's notes, as shipped, or the French
    // ones for a language that has none.
    const QString notes = QString(ZORBIL_GAME_DIR "/Zorbil.%1.txt").arg(language_);
    QFile shipped(QFile::exists(notes) ? notes : QString(ZORBIL_GAME_DIR "/Zorbil.txt"));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    const std::string copy = window.game.file("/" + QFileInfo(shipped).fileName().toStdString());
    QVERIFY(QFile::copy(shipped.fileName(), QString::fromStdString(copy)));
    if (shipped.fileName() != QString(ZORBIL_GAME_DIR "/Zorbil.txt"))
        window.game.write("/Zorbil.txt", "Les notes en français");
    form.MenuAide->PageControlAide->setCurrentWidget(form.MenuAide->TabInfosSup);
    const QString expected = QString::fromUtf8(shipped.readAll());
    QTRY_COMPARE(form.MenuAide->Memo->toPlainText(), expected);
    window.Continue();
    window.StartGame(9);
    QVERIFY(window.NextStep());
    Read("game", &form, true);
    QVERIFY(window.StepUntilOver());
    Read("over", &form);
}

void LanguagesTest::EachLanguageShowsItsTranslationOnEveryScreen()
{
    // The French game is what every language translates.
    language_ = "fr";
    Play();
    const QMap<QString, Texts> french = shown_;
    QVERIFY(french.size() == 6);
    QStringList faults;
    for (const QString& language : EmbeddedLanguages()) {
        const QString file = QString(ZORBIL_TRANSLATIONS_DIR "/zorbil_%1.ts").arg(language);
        const Translation translation(ReadTs(file));
        QTranslator translator;
        QVERIFY(translator.load(QString(":/i18n/zorbil_%1.qm").arg(language)));
        QCoreApplication::installTranslator(&translator);
        language_ = language;
        Play();
        QCoreApplication::removeTranslator(&translator);
        int compared = 0;
        for (auto screen = french.begin(); screen != french.end(); ++screen) {
            const Texts& shown = shown_[screen.key()];
            for (auto node = screen->begin(); node != screen->end(); ++node) {
                const QString where = QString("%1, %2 %3").arg(language, screen.key(), node.key());
                if (!shown.contains(node.key())) {
                    faults << where + ": gone";
                    continue;
                }
                const std::pair<QString, QString> texts[] = {{node->first, shown[node.key()].first},
                                                             {node->second, shown[node.key()].second}};
                for (const auto& [inFrench, inLanguage] : texts) {
                    const QStringList expected = translation.Of(inFrench);
                    ++compared;
                    if (expected.isEmpty() ? inLanguage != inFrench : !expected.contains(inLanguage))
                        faults << QString("%1: shows \"%2\" for the French \"%3\" (%4 in %5)")
                                      .arg(where, inLanguage, inFrench,
                                           expected.isEmpty() ? "no translation" : "\"" + expected.join("\" or \"") + "\"",
                                           QFileInfo(file).fileName());
                }
            }
        }
        qInfo("%s: %d texts compared on six screens", qPrintable(language), compared);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    LanguagesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "LanguagesTest.moc"
