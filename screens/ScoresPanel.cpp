// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/ScoresPanel.h"

#include "screens/Fonts.h"

namespace zorbil {

ScoresPanel::ScoresPanel(QWidget* parent) : ScreenPanel(parent, "MenuScores", QColor(0x00, 0x80, 0x00), "ScoresTex")
{
    //: The name of the title picture drawn in this language
    AddTitle("ImageScores", tr("ImageScores"), tr("Les Scores"), {8, 8, 625, 57});
    const QColor aqua(0x00, 0xFF, 0xFF);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignTop;
    AddLabel("LabelScore", tr("Votre score :"), {8, 208, 113, 25}, AnchorsLeftTop, ArialFont(16, Bold), aqua);
    ScoreNb = AddLabel("ScoreNb", "0", {479, 200, 150, 37}, AnchorTop | AnchorRight, ArialFont(32, Bold), aqua, right);
    AddLabel("LabelTopScore", tr("Meilleur score :"), {8, 256, 129, 25}, AnchorLeft | AnchorBottom, ArialFont(16, Bold),
             aqua);
    TopScoreNb = AddLabel("TopScoreNb", "0", {479, 248, 150, 41}, AnchorRight | AnchorBottom, ArialFont(32, Bold),
                          aqua, right);
    MenuScoresOK = AddButton("MenuScoresOK", tr("&Continuer"), {8, 440, 625, 30},
                             AnchorLeft | AnchorRight | AnchorBottom, Qt::white);
}

void ScoresPanel::ShowScore(int32_t score)
{
    ScoreNb->setText(QString::number(score));
}

void ScoresPanel::ShowBestScore(int32_t best)
{
    TopScoreNb->setText(QString::number(best));
}

}  // namespace zorbil
