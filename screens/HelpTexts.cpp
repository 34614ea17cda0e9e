// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/HelpTexts.h"

#include <QtGlobal>

namespace zorbil {

namespace {

constexpr HelpText texts[] = {
    // TabIntro
    {"TabIntro", "LabelAide1", 4, 19, 610,
     QT_TRANSLATE_NOOP("HelpTexts", "Zorbil est une reprise en 3D d'un classique dans le monde du jeu vidéo, ce jeu dans lequel vous devez diriger un serpent (ou un ver de terre, c'est selon) et le faire manger des objets sans qu'il se morde la queue ou qu'il se cogne aux bords de l'écran.")},
    {"TabIntro", "LabelAide2", 4, 54, 599,
     QT_TRANSLATE_NOOP("HelpTexts", "Celles et ceux qui en connaissent déjà le principe n'ont rien de plus à apprendre, puisque Zorbil reprend exactement le même, mais en ajoutant seulement la puissance graphique et sonore des PC actuels.")},
    {"TabIntro", "LabelAide3", 4, 89, 584,
     QT_TRANSLATE_NOOP("HelpTexts", "En effet, car Zorbil vous offre, en plus de l'option de base pour ce type de jeu - le réglage de la vitesse de déplacement du serpent - la possibilité de mettre dans le jeu une texture de fond et une musique personnalisées (voir 'Textures et musiques').")},
    {"TabIntro", "LabelAide4", 4, 123, 526,
     QT_TRANSLATE_NOOP("HelpTexts", "Si vous n'avez vraiment jamais joué à ce genre de jeu, voici les principales règles du jeu que vous devez savoir.")},
    {"TabIntro", "LabelAide5", 4, 141, 577,
     QT_TRANSLATE_NOOP("HelpTexts", "En fait, le but du jeu est de diriger Zorbil, un serpent qui, une fois lancé, ne peut plus s'arrêter ni faire demi-tour, et qui doit manger les beignets qui apparaissent à l'écran afin de vous faire gagner le maximum de points.")},
    {"TabIntro", "LabelAide6", 4, 174, 610,
     QT_TRANSLATE_NOOP("HelpTexts", "Chaque donut ingurgité donne droit à un certain nombre de points (qui constituent en fait votre score). Ces points sont calculés en fonction de la vitesse de Zorbil : plus il va vite, plus vous gagnez de points à chaque donut avalé.")},
    {"TabIntro", "LabelAide7", 4, 206, 582,
     QT_TRANSLATE_NOOP("HelpTexts", "Les donuts que vous avalez apparaissent un par un, et à chaque fois à un endroit différent de l'écran. Sachez que vous ne pouvez ni arrêter ni faire reculer le serpent.")},
    {"TabIntro", "LabelAide8", 4, 241, 603,
     QT_TRANSLATE_NOOP("HelpTexts", "Le jeu se déroule ainsi tout le temps. Il ne se terminera que si Zorbil rencontre un des bords de l'écran, ou s'il se mord tout seul. A ce moment là, le score que vous avez obtenu vous sera montré et enregistré comme record s'il dépasse le meilleur score.")},
    {"TabIntro", "LabelAide9", 4, 274, 610,
     QT_TRANSLATE_NOOP("HelpTexts", "Lisez les paragraphes suivants pour connaitre comment maîtriser le jeu, ou si vous vous sentez fin prêt(e) pour vous lancer au défi de battre le meilleur score actuel, bonne chance !")},
    // TabMenus
    {"TabMenus", "LabelAideM1", 4, 44, 588,
     QT_TRANSLATE_NOOP("HelpTexts", "Après avoir configuré vos paramètres de carte son et d'affichage (voir le fichier Zorbil.txt pour plus de précisions à ce sujet), vous voyez apparaître le menu principal dans lequel quatre boutons vous sont proposés :")},
    {"TabMenus", "LabelAideM2", 4, 77, 351,
     QT_TRANSLATE_NOOP("HelpTexts", "* Jouer : pour démarrer une nouvelle partie avec les options sélectionnées.")},
    {"TabMenus", "LabelAideM3", 4, 97, 589,
     QT_TRANSLATE_NOOP("HelpTexts", "* Options de Jeu : pour activer ou désactiver les sons ou la musique, définir la vitesse de déplacement de Zorbil et choisir la texture d'arrière-plan et la musique de fond à utiliser pendant le jeu.")},
    {"TabMenus", "LabelAideM3b", 4, 129, 612,
     QT_TRANSLATE_NOOP("HelpTexts", "Note : si vous avez désactivé la case 'Son' dans la boîte de dialogue de configuration, les cases pour activer ou désactiver le son et la musique seront automatiquement grisées.")},
    {"TabMenus", "LabelAideM4", 4, 163, 610,
     QT_TRANSLATE_NOOP("HelpTexts", "* Meilleurs scores : affiche le dernier score que vous avez fait depuis le lancement du jeu, ainsi que le meilleur, enregistré dans un fichier sur le disque dur.")},
    {"TabMenus", "LabelAideM5", 4, 198, 220,
     QT_TRANSLATE_NOOP("HelpTexts", "* Aide et Instructions : affiche cet écran d'aide.")},
    {"TabMenus", "LabelAideM6", 4, 215, 169,
     QT_TRANSLATE_NOOP("HelpTexts", "* Quitte le jeu et revient au bureau.")},
    {"TabMenus", "LabelAideM7", 4, 235, 603,
     QT_TRANSLATE_NOOP("HelpTexts", "Notez que si vous n'avez choisi ni musique ni texture lorsque vous cliquez sur Jouer, le menu Options apparait automatiquement.")},
    // TabCommandes
    {"TabCommandes", "LabelAideC1", 4, 60, 602,
     QT_TRANSLATE_NOOP("HelpTexts", "Les commandes nécéssaires pour diriger Zorbil sont très simples à retenir : vous utilisez les quatres touches fléchées pour faire avancer Zorbil en bas, en haut, à gauche et à droite.")},
    {"TabCommandes", "LabelAideC2", 4, 92, 425,
     QT_TRANSLATE_NOOP("HelpTexts", "Il existe aussi d'autres commandes que vous pouvez utiliser à tout moment pendant le jeu :")},
    {"TabCommandes", "LabelAideC3", 4, 116, 586,
     QT_TRANSLATE_NOOP("HelpTexts", "* Echap : vous permet de mettre en pause le jeu. Vous pourrez ensuite choisir de reprendre la partie ou de la quitter, et donc d'enregistrer votre score à l'état ou il se trouve à ce moment-là.")},
    {"TabCommandes", "LabelAideC4", 4, 148, 142,
     QT_TRANSLATE_NOOP("HelpTexts", "* F1 : affiche cet écran d'aide.")},
    {"TabCommandes", "LabelAideC5", 4, 168, 610,
     QT_TRANSLATE_NOOP("HelpTexts", "* F2 : pour accéder au menu des options. Très utile pour changer la musique ou la texture en cours ou régler la vitesse de Zorbil. Dans ce cas, le comptage des points change en fonction de la nouvelle vitesse, mais vos points déjà acquis sont conservés.")},
    {"TabCommandes", "LabelAideC6", 2, 200, 157,
     QT_TRANSLATE_NOOP("HelpTexts", "* F3 : affiche le menu des scores.")},
    {"TabCommandes", "LabelAideC7", 4, 224, 602,
     QT_TRANSLATE_NOOP("HelpTexts", "Si vous passez à une autre fenêtre pendant une partie (Alt+Tab, clic ailleurs...), le jeu se met de lui-même en pause, comme avec Echap.")},
    {"TabCommandes", "LabelAideC8", 4, 258, 602,
     QT_TRANSLATE_NOOP("HelpTexts", "Avec une manette, branchée avant ou pendant le jeu : la croix ou le stick gauche dirigent Zorbil, Start met en pause ou reprend, B fait comme Echap. Dans les menus, la croix passe d'une commande à l'autre et A l'active. Configuration : gauche et droite changent la fréquence et la qualité, Start valide. Options : gauche et droite règlent la vitesse, haut et bas choisissent dans les listes. Aide : LB et RB (ou gauche et droite) tournent les pages. Dans les options et l'aide, B fait comme Continuer. Débranchée pendant une partie, la manette la met en pause.")},
    // TabTexMus
    {"TabTexMus", "LabelAideT1", 4, 19, 612,
     QT_TRANSLATE_NOOP("HelpTexts", "Zorbil vous donne la possibilité, en plus des textures et musiques déjà existantes, d'importer celles de votre choix et de les utiliser dans le jeu, à condition de respecter les formats de fichiers supportés.")},
    {"TabTexMus", "LabelAideT2", 4, 51, 610,
     QT_TRANSLATE_NOOP("HelpTexts", "Pour ce qui est des textures, celles-ci doivent obligatoirement être au format PCX (Paintbrush ZSoft), de taille 256 x 256 et en 256 couleurs (8 bits). La palette de couleurs utilisée n'a pas d'importance.")},
    {"TabTexMus", "LabelAideT3", 4, 83, 612,
     QT_TRANSLATE_NOOP("HelpTexts", "Notez bien que les textures exploitent la librairie mwGL, de Pelmoro (voir Zorbil.txt pour infos) et que cette librairie affiche la texture étirée sur tout l'écran (pas en mosaïque) avec un filtre de flou.")},
    {"TabTexMus", "LabelAideT4", 4, 109, 599,
     QT_TRANSLATE_NOOP("HelpTexts", "Il y a donc de fortes chances pour qu'elles ne s'affichent pas de la même façon que dans votre logiciel de dessin habituel. Sachez également que Zorbil prend la couleur principale de l'arrière-plan utilisé, donc qu'il risque de se voir plus ou moins bien.")},
    {"TabTexMus", "LabelAideT5", 4, 141, 599,
     QT_TRANSLATE_NOOP("HelpTexts", "Pour que vos textures s'affichent dans la liste du menu des options, elles doivent se trouver dans le sous-répertoire Textures du jeu et porter l'extension .pcx.")},
    {"TabTexMus", "LabelAideT6", 4, 174, 573,
     QT_TRANSLATE_NOOP("HelpTexts", "La librairie SDL_mixer (qui prend en charge le son et la musique), quant à elle, supporte un grand nombre de formats musicaux :")},
    {"TabTexMus", "LabelAideT7", 4, 198, 589,
     QT_TRANSLATE_NOOP("HelpTexts", "* les échantillons *.wav (PCM Wave), *.aif (Audio IFF), *.mp3 (MPEG Layer 3), *.ogg (Vorbis OGG), *.opus (Opus), *.flac (FLAC).")},
    {"TabTexMus", "LabelAideT8", 4, 212, 619,
     QT_TRANSLATE_NOOP("HelpTexts", "* les modules *.mod (Protracker), *.s3m (Screamtracker), *.xm (FastTracker), *.it (Impulse Tracker), *.mid (Midi).")},
    {"TabTexMus", "LabelAideT9", 4, 234, 588,
     QT_TRANSLATE_NOOP("HelpTexts", "Les musiques doivent obligatoirement porter l'extension .mus afin de pouvoir être affichées dans la liste du menu des options. Vous pouvez tout à fait rajouter l'extension .mus après celle existant déjà (ex : musique.mid.mus).")},
    {"TabTexMus", "LabelAideT10", 4, 266, 578,
     QT_TRANSLATE_NOOP("HelpTexts", "Remarques : Le jeu détecte tout seul le format de fichier utilisé. Il est préférable d'utiliser des fichiers musicaux en 44,1 KHz maximum, étant donné que le jeu ne vous autorise pas à choisir une fréquence de lecture de plus de 44100 Hz.")},
};

}  // namespace

std::span<const HelpText> HelpTexts()
{
    return texts;
}

}  // namespace zorbil
