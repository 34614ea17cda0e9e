// SPDX-License-Identifier: GPL-3.0-or-later
// Run by translations-check.sh on desktops of 96 and 192 dpi: every
// translation the game embeds, as a player of that language sees it. Each
// message keeps its place holders and accelerator marks, the score can be
// drawn by the score's glyphs, the titles and the notes it names exist, and
// in the configuration dialog and the six screens every text fits its
// place, measured with the fonts it is drawn in, at every window size, with
// one accelerator a letter. French, the code's language, is measured too.
#include <QApplication>
#include <QDir>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTranslator>
#include <memory>

#include "app/Language.h"
#include "assets/Artwork.h"
#include "config/LargeFonts.h"
#include "config/ZorbilConfig.h"
#include "render/ScoreText.h"
#include "screens/GameOverPanel.h"
#include "screens/HelpPanel.h"
#include "screens/MainMenuPanel.h"
#include "screens/OptionsPanel.h"
#include "screens/PausePanel.h"
#include "screens/ScoresPanel.h"
#include "support/MessageBoxWatcher.h"
#include "support/RecordingSoundLibrary.h"
#include "support/TempGameFolder.h"
#include "support/TextsFit.h"
#include "support/TsFile.h"

using namespace zorbil;
using namespace zorbil::test;

namespace {

QString TsPath(const QString& language)
{
    return QString(ZORBIL_TRANSLATIONS_DIR "/zorbil_%1.ts").arg(language);
}

// "pt_BR" -> "PtBR": the suffix of the language's title pictures.
QString PictureSuffix(const QString& language)
{
    QString suffix = QString(language).remove('_');
    suffix[0] = suffix[0].toUpper();
    return suffix;
}

QStringList PlaceHolders(const QString& text)
{
    QStringList found;
    for (const QRegularExpressionMatch& m : QRegularExpression("%\\d").globalMatch(text))
        found << m.captured();
    found.sort();
    return found;
}

int Accelerators(const QString& text)
{
    return int(QString(text).remove("&&").count('&'));
}

void AddLanguageRows(bool withFrench)
{
    QTest::addColumn<QString>("language");
    if (withFrench)
        QTest::newRow("fr") << QString("fr");
    for (const QString& language : EmbeddedLanguages())
        QTest::newRow(qPrintable(language)) << language;
}

class TranslationsCheck : public QObject {
    Q_OBJECT
private slots:
    void MessagesKeepTheirMarksAndNameWhatExists_data() { AddLanguageRows(false); }
    void MessagesKeepTheirMarksAndNameWhatExists();
    void TextsFitTheirPlacesWithOneAcceleratorALetter_data() { AddLanguageRows(true); }
    void TextsFitTheirPlacesWithOneAcceleratorALetter();
};

void TranslationsCheck::MessagesKeepTheirMarksAndNameWhatExists()
{
    QFETCH(QString, language);
    const QString file = QFileInfo(TsPath(language)).fileName();
    const QList<TsMessage> messages = ReadTs(TsPath(language));
    QVERIFY2(!messages.isEmpty(), qPrintable(file + ": no message read"));
    QStringList faults;
    for (const TsMessage& m : messages) {
        const QString what = QString("%1: %2 \"%3\"").arg(file, m.context, m.source);
        if (!m.finished || m.translation.isEmpty()) {
            faults << what + ": no finished translation";
            continue;
        }
        if (PlaceHolders(m.source) != PlaceHolders(m.translation))
            faults << what + ": place holders " + PlaceHolders(m.source).join(',') + " became \"" + m.translation +
                          "\"";
        if (Accelerators(m.source) != Accelerators(m.translation))
            faults << what + ": the accelerator marks of \"" + m.translation + "\" differ";
        // The title pictures are drawn for each language under its suffix.
        if (m.source.startsWith("Image")) {
            if (m.translation != m.source + PictureSuffix(language))
                faults << what + ": names the picture \"" + m.translation + "\", drawn as \"" + m.source +
                              PictureSuffix(language) + "\"";
            else if (Artwork(m.translation).isNull())
                faults << what + ": no picture \"" + m.translation + "\" is drawn";
        }
        if (m.source == "/Zorbil.txt") {
            const QString notes = QString("/Zorbil.%1.txt").arg(language);
            if (m.translation != notes)
                faults << what + ": names the notes \"" + m.translation + "\" for \"" + notes + "\"";
            else if (!QFile::exists(ZORBIL_GAME_DIR + notes))
                faults << what + ": the notes \"" + notes + "\" are not shipped (assets/Zorbil." + language +
                              ".txt)";
        }
    }

    // The score is drawn by glyphs of the character codes 1 to 255.
    QTranslator translator;
    QVERIFY(translator.load(QString(":/i18n/zorbil_%1.qm").arg(language)));
    QCoreApplication::installTranslator(&translator);
    const QString score = QCoreApplication::translate("ScoreText", "Score : %1").arg(987654);
    const std::string drawn = ScoreText(987654);
    QCoreApplication::removeTranslator(&translator);
    for (const QChar c : score)
        if (c.unicode() < 1 || c.unicode() > 255) {
            faults << file + ": the score \"" + score + "\" has letters its glyphs cannot draw";
            break;
        }
    if (QString::fromLatin1(drawn.c_str()) != score && faults.isEmpty())
        faults << file + ": the score is drawn as \"" + QString::fromLatin1(drawn.c_str()) + "\"";
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

// The dialog and each screen (each help page, the options' warning too) in
// the language.
void TranslationsCheck::TextsFitTheirPlacesWithOneAcceleratorALetter()
{
    QFETCH(QString, language);
    QTranslator translator;
    if (language != "fr") {
        QVERIFY(translator.load(QString(":/i18n/zorbil_%1.qm").arg(language)));
        QCoreApplication::installTranslator(&translator);
    }
    const auto removeTranslator = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });
    QStringList faults;
    QString tightest;
    double tightestShare = 0;
    const auto check = [&](QWidget* window, const QString& name) {
        const TextsFit fit(window);
        for (const QString& fault : fit.faults)
            faults << name + ": " + fault;
        for (const QString& repeated : RepeatedAccelerators(window))
            faults << name + ": " + repeated;
        if (fit.tightestShare > tightestShare) {
            tightestShare = fit.tightestShare;
            tightest = name + ": " + fit.tightest;
        }
    };

    TempGameFolder folder;
    RecordingSoundLibrary sound;
    MessageBoxWatcher watcher;
    TConfigForm dialog(sound, folder.str());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    check(&dialog, "dialog");

    // Each screen at the smallest, a middle and a large window size: the
    // controls stretch with the window by their anchors.
    const auto panel = [&](std::unique_ptr<ScreenPanel> screen, const QString& name) {
        for (const QSize size : {DesignSize, QSize(1024, 768), QSize(1920, 1080)}) {
            const QString where = QString("%1 %2x%3").arg(name).arg(size.width()).arg(size.height());
            screen->resize(size);
            screen->ShowPanel();
            QVERIFY(QTest::qWaitForWindowExposed(screen.get()));
            check(screen.get(), where);
            if (auto* options = dynamic_cast<OptionsPanel*>(screen.get())) {
                options->SetWarningLayout();
                check(screen.get(), where + " (warning)");
                options->SetNormalLayout();
            }
            if (auto* help = dynamic_cast<HelpPanel*>(screen.get())) {
                for (int page = 1; page < help->PageControlAide->count(); ++page) {
                    help->PageControlAide->setCurrentIndex(page);
                    check(screen.get(), where + " " + help->PageControlAide->tabText(page));
                }
                help->PageControlAide->setCurrentIndex(0);
            }
        }
    };
    panel(std::make_unique<MainMenuPanel>(nullptr), "menu");
    panel(std::make_unique<OptionsPanel>(nullptr), "options");
    panel(std::make_unique<ScoresPanel>(nullptr), "scores");
    panel(std::make_unique<HelpPanel>(nullptr), "help");
    panel(std::make_unique<PausePanel>(nullptr), "pause");
    panel(std::make_unique<GameOverPanel>(nullptr), "game over");
    QVERIFY2(faults.isEmpty(), qPrintable(language + " at " + QString::number(qRound(ScreenFontDpi())) + " dpi:\n" +
                                          faults.join('\n')));
    qInfo("%s at %d dpi, the fullest place: %s (%.0f %%)", qPrintable(language), qRound(ScreenFontDpi()),
          qPrintable(tightest), tightestShare * 100);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    TranslationsCheck check;
    return QTest::qExec(&check, argc, argv);
}

#include "TranslationsCheck.moc"
