<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>AboutPage</name>
    <message>
        <source>%1 - © 2026 les auteurs de Zorbil, logiciel libre</source>
        <translation>%1 - © 2026 the Zorbil authors, free software</translation>
    </message>
    <message>
        <source>Affichage 3D : OpenGL, GLU et freeglut (Mesa 3D)</source>
        <translation>3D display: OpenGL, GLU and freeglut (Mesa 3D)</translation>
    </message>
    <message>
        <source>Fenêtres et écrans : Qt 6 (The Qt Company)</source>
        <translation>Windows and screens: Qt 6 (The Qt Company)</translation>
    </message>
    <message>
        <source>Support sonore pris en charge par la librairie SDL_mixer</source>
        <translation>Sound support provided by the SDL_mixer library</translation>
    </message>
    <message>
        <source>Gestion des textures par la librairie mwGL de</source>
        <translation>Texture handling by the mwGL library from</translation>
    </message>
    <message>
        <source>Sites Internet :</source>
        <translation>Web sites:</translation>
    </message>
    <message>
        <source>Page Web de Zorbil :</source>
        <translation>Zorbil&apos;s web page:</translation>
    </message>
    <message>
        <source>(Zorbil.txt, les notes du jeu)</source>
        <translation>(Zorbil.en.txt, the game&apos;s notes)</translation>
    </message>
    <message>
        <source>Contacts e-mail :</source>
        <translation>E-mail contacts:</translation>
    </message>
</context>
<context>
    <name>HelpPanel</name>
    <message>
        <source>/Zorbil.txt</source>
        <extracomment>The notes file in this language, beside the French &quot;Zorbil.txt&quot;</extracomment>
        <translation>/Zorbil.en.txt</translation>
    </message>
</context>
<context>
    <name>HelpTexts</name>
    <message>
        <source>Zorbil est une reprise en 3D d&apos;un classique dans le monde du jeu vidéo, ce jeu dans lequel vous devez diriger un serpent (ou un ver de terre, c&apos;est selon) et le faire manger des objets sans qu&apos;il se morde la queue ou qu&apos;il se cogne aux bords de l&apos;écran.</source>
        <translation>Zorbil is a 3D remake of a video game classic, the game in which you steer a snake (or an earthworm, as you like) and make it eat things without biting its own tail or bumping into the edges of the screen.</translation>
    </message>
    <message>
        <source>Celles et ceux qui en connaissent déjà le principe n&apos;ont rien de plus à apprendre, puisque Zorbil reprend exactement le même, mais en ajoutant seulement la puissance graphique et sonore des PC actuels.</source>
        <translation>Those who already know the idea have nothing more to learn, since Zorbil follows it exactly, only adding the graphics and sound power of today&apos;s PCs.</translation>
    </message>
    <message>
        <source>En effet, car Zorbil vous offre, en plus de l&apos;option de base pour ce type de jeu - le réglage de la vitesse de déplacement du serpent - la possibilité de mettre dans le jeu une texture de fond et une musique personnalisées (voir &apos;Textures et musiques&apos;).</source>
        <translation>Indeed, on top of the basic option of this kind of game - setting the snake&apos;s speed - Zorbil lets you put a background texture and a music of your own choice into the game (see &apos;Textures and musics&apos;).</translation>
    </message>
    <message>
        <source>Si vous n&apos;avez vraiment jamais joué à ce genre de jeu, voici les principales règles du jeu que vous devez savoir.</source>
        <translation>If you have really never played this kind of game, here are the main rules you need to know.</translation>
    </message>
    <message>
        <source>En fait, le but du jeu est de diriger Zorbil, un serpent qui, une fois lancé, ne peut plus s&apos;arrêter ni faire demi-tour, et qui doit manger les beignets qui apparaissent à l&apos;écran afin de vous faire gagner le maximum de points.</source>
        <translation>The aim of the game is to steer Zorbil, a snake which, once started, can neither stop nor turn back, and which must eat the doughnuts that appear on the screen to win you as many points as possible.</translation>
    </message>
    <message>
        <source>Chaque donut ingurgité donne droit à un certain nombre de points (qui constituent en fait votre score). Ces points sont calculés en fonction de la vitesse de Zorbil : plus il va vite, plus vous gagnez de points à chaque donut avalé.</source>
        <translation>Each donut swallowed is worth a number of points (which make up your score). The points depend on Zorbil&apos;s speed: the faster it goes, the more points you win for each donut it swallows.</translation>
    </message>
    <message>
        <source>Les donuts que vous avalez apparaissent un par un, et à chaque fois à un endroit différent de l&apos;écran. Sachez que vous ne pouvez ni arrêter ni faire reculer le serpent.</source>
        <translation>The donuts you swallow appear one at a time, each time at a different place on the screen. Remember that you can neither stop the snake nor make it go back.</translation>
    </message>
    <message>
        <source>Le jeu se déroule ainsi tout le temps. Il ne se terminera que si Zorbil rencontre un des bords de l&apos;écran, ou s&apos;il se mord tout seul. A ce moment là, le score que vous avez obtenu vous sera montré et enregistré comme record s&apos;il dépasse le meilleur score.</source>
        <translation>The game goes on like this all the time. It only ends when Zorbil meets one of the edges of the screen, or bites itself. Your score is then shown to you and recorded as the record if it beats the best score.</translation>
    </message>
    <message>
        <source>Lisez les paragraphes suivants pour connaitre comment maîtriser le jeu, ou si vous vous sentez fin prêt(e) pour vous lancer au défi de battre le meilleur score actuel, bonne chance !</source>
        <translation>Read the following pages to learn how to master the game, or if you feel ready to take up the challenge of beating the current best score, good luck!</translation>
    </message>
    <message>
        <source>Après avoir configuré vos paramètres de carte son et d&apos;affichage (voir le fichier Zorbil.txt pour plus de précisions à ce sujet), vous voyez apparaître le menu principal dans lequel quatre boutons vous sont proposés :</source>
        <translation>Once you have set up your sound card and display (see the Zorbil.en.txt file for more details on this), the main menu appears, offering you four buttons:</translation>
    </message>
    <message>
        <source>* Jouer : pour démarrer une nouvelle partie avec les options sélectionnées.</source>
        <translation>* Play: starts a new game with the selected options.</translation>
    </message>
    <message>
        <source>* Options de Jeu : pour activer ou désactiver les sons ou la musique, définir la vitesse de déplacement de Zorbil et choisir la texture d&apos;arrière-plan et la musique de fond à utiliser pendant le jeu.</source>
        <translation>* Game Options: turns the sounds or the music on or off, sets Zorbil&apos;s speed and chooses the background texture and the music to use during the game.</translation>
    </message>
    <message>
        <source>Note : si vous avez désactivé la case &apos;Son&apos; dans la boîte de dialogue de configuration, les cases pour activer ou désactiver le son et la musique seront automatiquement grisées.</source>
        <translation>Note: if you unticked the &apos;Sound&apos; box in the configuration dialog, the boxes that turn the sound and the music on or off are greyed out.</translation>
    </message>
    <message>
        <source>* Meilleurs scores : affiche le dernier score que vous avez fait depuis le lancement du jeu, ainsi que le meilleur, enregistré dans un fichier sur le disque dur.</source>
        <translation>* Best Scores: shows the last score you made since the game started, and the best one, recorded in a file on the hard disk.</translation>
    </message>
    <message>
        <source>* Aide et Instructions : affiche cet écran d&apos;aide.</source>
        <translation>* Help and Instructions: shows this help screen.</translation>
    </message>
    <message>
        <source>* Quitte le jeu et revient au bureau.</source>
        <translation>* Quits the game to the desktop.</translation>
    </message>
    <message>
        <source>Notez que si vous n&apos;avez choisi ni musique ni texture lorsque vous cliquez sur Jouer, le menu Options apparait automatiquement.</source>
        <translation>Note that if you have chosen neither a music nor a texture when you click Play, the Options menu appears by itself.</translation>
    </message>
    <message>
        <source>Les commandes nécéssaires pour diriger Zorbil sont très simples à retenir : vous utilisez les quatres touches fléchées pour faire avancer Zorbil en bas, en haut, à gauche et à droite.</source>
        <translation>The controls that steer Zorbil are very easy to remember: you use the four arrow keys to move Zorbil down, up, left and right.</translation>
    </message>
    <message>
        <source>Il existe aussi d&apos;autres commandes que vous pouvez utiliser à tout moment pendant le jeu :</source>
        <translation>There are also other keys that you can use at any time during the game:</translation>
    </message>
    <message>
        <source>* Echap : vous permet de mettre en pause le jeu. Vous pourrez ensuite choisir de reprendre la partie ou de la quitter, et donc d&apos;enregistrer votre score à l&apos;état ou il se trouve à ce moment-là.</source>
        <translation>* Esc: pauses the game. You can then choose to resume the game or to quit it, and so record your score as it stands at that moment.</translation>
    </message>
    <message>
        <source>* F1 : affiche cet écran d&apos;aide.</source>
        <translation>* F1: shows this help screen.</translation>
    </message>
    <message>
        <source>* F2 : pour accéder au menu des options. Très utile pour changer la musique ou la texture en cours ou régler la vitesse de Zorbil. Dans ce cas, le comptage des points change en fonction de la nouvelle vitesse, mais vos points déjà acquis sont conservés.</source>
        <translation>* F2: opens the options menu. Very useful to change the current music or texture or to set Zorbil&apos;s speed. The points then count at the new speed, but the points you already won are kept.</translation>
    </message>
    <message>
        <source>* F3 : affiche le menu des scores.</source>
        <translation>* F3: shows the scores menu.</translation>
    </message>
    <message>
        <source>Si vous passez à une autre fenêtre pendant une partie (Alt+Tab, clic ailleurs...), le jeu se met de lui-même en pause, comme avec Echap.</source>
        <translation>If you switch to another window during a game (Alt+Tab, a click elsewhere...), the game pauses by itself, as with Esc.</translation>
    </message>
    <message>
        <source>Zorbil vous donne la possibilité, en plus des textures et musiques déjà existantes, d&apos;importer celles de votre choix et de les utiliser dans le jeu, à condition de respecter les formats de fichiers supportés.</source>
        <translation>Besides the textures and musics that come with it, Zorbil lets you import those of your choice and use them in the game, as long as they are in the supported file formats.</translation>
    </message>
    <message>
        <source>Pour ce qui est des textures, celles-ci doivent obligatoirement être au format PCX (Paintbrush ZSoft), de taille 256 x 256 et en 256 couleurs (8 bits). La palette de couleurs utilisée n&apos;a pas d&apos;importance.</source>
        <translation>Textures must be PCX files (Paintbrush ZSoft), 256 x 256 in size and in 256 colours (8 bits). The colour palette used does not matter.</translation>
    </message>
    <message>
        <source>Notez bien que les textures exploitent la librairie mwGL, de Pelmoro (voir Zorbil.txt pour infos) et que cette librairie affiche la texture étirée sur tout l&apos;écran (pas en mosaïque) avec un filtre de flou.</source>
        <translation>Note that the textures use the mwGL library, by Pelmoro (see Zorbil.en.txt for details), and that this library stretches the texture over the whole screen (not tiled) with a blur filter.</translation>
    </message>
    <message>
        <source>Il y a donc de fortes chances pour qu&apos;elles ne s&apos;affichent pas de la même façon que dans votre logiciel de dessin habituel. Sachez également que Zorbil prend la couleur principale de l&apos;arrière-plan utilisé, donc qu&apos;il risque de se voir plus ou moins bien.</source>
        <translation>So they will very likely not look the same as in your usual drawing program. Note also that Zorbil takes the main colour of the background in use, so it may be more or less easy to see.</translation>
    </message>
    <message>
        <source>Pour que vos textures s&apos;affichent dans la liste du menu des options, elles doivent se trouver dans le sous-répertoire Textures du jeu et porter l&apos;extension .pcx.</source>
        <translation>For your textures to show in the list of the options menu, they must be in the game&apos;s Textures subfolder and have the extension .pcx.</translation>
    </message>
    <message>
        <source>La librairie SDL_mixer (qui prend en charge le son et la musique), quant à elle, supporte un grand nombre de formats musicaux :</source>
        <translation>The SDL_mixer library (which handles the sound and the music) supports a large number of music formats:</translation>
    </message>
    <message>
        <source>* les échantillons *.wav (PCM Wave), *.aif (Audio IFF), *.mp3 (MPEG Layer 3), *.ogg (Vorbis OGG), *.opus (Opus), *.flac (FLAC).</source>
        <translation>* the samples *.wav (PCM Wave), *.aif (Audio IFF), *.mp3 (MPEG Layer 3), *.ogg (Vorbis OGG), *.opus (Opus), *.flac (FLAC).</translation>
    </message>
    <message>
        <source>* les modules *.mod (Protracker), *.s3m (Screamtracker), *.xm (FastTracker), *.it (Impulse Tracker), *.mid (Midi).</source>
        <translation>* the modules *.mod (Protracker), *.s3m (Screamtracker), *.xm (FastTracker), *.it (Impulse Tracker), *.mid (Midi).</translation>
    </message>
    <message>
        <source>Les musiques doivent obligatoirement porter l&apos;extension .mus afin de pouvoir être affichées dans la liste du menu des options. Vous pouvez tout à fait rajouter l&apos;extension .mus après celle existant déjà (ex : musique.mid.mus).</source>
        <translation>Musics must have the extension .mus to be shown in the list of the options menu. You may simply add the extension .mus after the existing one (e.g. music.mid.mus).</translation>
    </message>
    <message>
        <source>Remarques : Le jeu détecte tout seul le format de fichier utilisé. Il est préférable d&apos;utiliser des fichiers musicaux en 44,1 KHz maximum, étant donné que le jeu ne vous autorise pas à choisir une fréquence de lecture de plus de 44100 Hz.</source>
        <translation>Remarks: the game finds out by itself the format of the file used. Music files of at most 44.1 kHz are best, since the game does not let you choose a playback rate above 44100 Hz.</translation>
    </message>
    <message>
        <source>Avec une manette, branchée avant ou pendant le jeu : la croix ou le stick gauche dirigent Zorbil, Start met en pause ou reprend, B fait comme Echap. Dans les menus, la croix passe d&apos;une commande à l&apos;autre et A l&apos;active. Configuration : gauche et droite changent la fréquence et la qualité, Start valide. Options : gauche et droite règlent la vitesse, haut et bas choisissent dans les listes. Aide : LB et RB (ou gauche et droite) tournent les pages. Dans les options et l&apos;aide, B fait comme Continuer. Débranchée pendant une partie, la manette la met en pause.</source>
        <translation>With a gamepad, plugged in before or during the game: the D-pad or the left stick steer Zorbil, Start pauses or resumes, B does as Esc. In the menus, the D-pad moves from one control to the next and A uses it. Setup: left and right change the frequency and the quality, Start confirms. Options: left and right set the speed, up and down choose in the lists. Help: LB and RB (or left and right) turn the pages. In the options and the help, B does as Continue. Unplugged during a game, the gamepad pauses it.</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Avertissement</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>&amp;Oui</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Non</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Impossible de jouer le son. Votre carte son est occupée ou ne supporte pas les fonctions requises par le driver utilisé. Fermez toutes les applications, vérifiez que les pilotes choisis au départ sont supportés et rééssayez. Lisez Zorbil.txt pour infos.</source>
        <translation>Cannot play the sound. Your sound card is busy or does not support the functions the driver in use needs. Close all applications, check that the drivers chosen at start-up are supported and try again. Read Zorbil.en.txt for details.</translation>
    </message>
    <message>
        <source>Impossible de jouer le son. Votre carte son est occupée ou ne supporte pas les fonctions requises par le driver utilisé. Fermez toutes les applications, vérifiez que les pilotes choisis au départ sont supportés et rééssayez. Lisez Zorbil.txt pour info</source>
        <translation>Cannot play the sound. Your sound card is busy or does not support the functions the driver in use needs. Close all applications, check that the drivers chosen at start-up are supported and try again. Read Zorbil.en.txt for detail</translation>
    </message>
    <message>
        <source>Un problème est survenu lors de la configuration avec les paramètres choisis. Votre carte son ne les supporte pas ou est peut-être occupée. Lisez le fichier Zorbil.txt pour plus de détails sur ces problèmes.</source>
        <translation>A problem occurred while setting up the sound with the chosen settings. Your sound card does not support them or may be busy. Read the Zorbil.en.txt file for more details on these problems.</translation>
    </message>
    <message>
        <source>Vous utilisez actuellement le mode Grandes Polices de Windows. Zorbil est optimisé pour fonctionner en Petites Polices et apparaîtra fortement disproportionné si vous le lancez avec le mode Grandes Polices. Voulez-vous continuer malgré tout ?</source>
        <translation>You are currently using Windows&apos; Large Fonts mode. Zorbil is designed to run in Small Fonts and will look badly out of proportion if you start it in Large Fonts mode. Do you want to go on anyway?</translation>
    </message>
    <message>
        <source>Impossible de lire la configuration du jeu depuis le fichier Config.dat. Assurez-vous que le répertoire Data existe, et que le disque ne soit pas plein ou protégé en écriture.</source>
        <translation>Cannot read the game&apos;s configuration from the file Config.dat. Make sure that the Data folder exists, and that the disk is not full or write-protected.</translation>
    </message>
    <message>
        <source>Impossible de sauvegarder la configuration ! Vérifiez que le répertoire Data existe et que le disque n&apos;est pas plein ou protégé en écriture.</source>
        <translation>Cannot save the configuration! Check that the Data folder exists and that the disk is not full or write-protected.</translation>
    </message>
    <message>
        <source>Impossible de lire la configuration des options depuis le fichier Config.dat ! Vérifiez que le répertoire Data existe et que le disque n&apos;est pas plein ou protégé en écriture.</source>
        <translation>Cannot read the options&apos; configuration from the file Config.dat! Check that the Data folder exists and that the disk is not full or write-protected.</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire sur le disque. Vérifiez qu&apos;il n&apos;est pas plein ou protégé en écriture.</source>
        <translation>Cannot write to the disk. Check that it is not full or write-protected.</translation>
    </message>
    <message>
        <source>Impossible de travailler sur le disque dur. Vérifiez qu&apos;il n&apos;est pas plein ou protégé en écriture.</source>
        <translation>Cannot work on the hard disk. Check that it is not full or write-protected.</translation>
    </message>
    <message>
        <source>Impossible de préparer le dossier du jeu %1 (%2). Vérifiez que vous pouvez y écrire et que le disque n&apos;est pas plein.</source>
        <translation>Cannot prepare the game folder %1 (%2). Check that you can write there and that the disk is not full.</translation>
    </message>
    <message>
        <source>Impossible de lancer le programme du jeu %1 (%2). Réinstallez le jeu.</source>
        <translation>Cannot start the game program %1 (%2). Reinstall the game.</translation>
    </message>
    <message>
        <source>Une erreur s&apos;est produite lors du chargement de la texture d&apos;arrière-plan que vous avez sélectionnée. Le fichier est introuvable ou son format n&apos;est pas correct. Lisez le fichier Zorbil.txt pour plus de détails sur ce type d&apos;erreurs.</source>
        <translation>An error occurred while loading the background texture you selected. The file cannot be found or its format is not right. Read the Zorbil.en.txt file for more details on this kind of error.</translation>
    </message>
    <message>
        <source>Impossible de lire le contenu des répertoires suivants : %1. Les textures et les musiques du jeu doivent se trouver dans les sous-répertoires Textures et Musiques du répertoire du jeu. Lisez Zorbil.txt pour plus de détails.</source>
        <translation>Cannot read the content of the following folders: %1. The game&apos;s textures and musics must be in the Textures and Musiques subfolders of the game folder. Read Zorbil.en.txt for more details.</translation>
    </message>
    <message>
        <source>Les fichiers de sons sont décodés sans Landlock : le noyau ne l&apos;offre pas.</source>
        <translation>Sound files are decoded without Landlock: the kernel does not offer it.</translation>
    </message>
    <message>
        <source>Les fichiers de sons sont décodés sans filtre d&apos;appels système : le noyau l&apos;a refusé.</source>
        <translation>Sound files are decoded without a system-call filter: the kernel refused it.</translation>
    </message>
    <message>
        <source>Les fichiers de sons sont décodés sans espaces de noms à eux : le noyau les a refusés.</source>
        <translation>Sound files are decoded without namespaces of their own: the kernel refused them.</translation>
    </message>
</context>
<context>
    <name>ScoreText</name>
    <message>
        <source>Score : %1</source>
        <translation>Score: %1</translation>
    </message>
</context>
<context>
    <name>ZorbilApplication</name>
    <message>
        <source>Une erreur inattendue est survenue.</source>
        <translation>An unexpected error occurred.</translation>
    </message>
</context>
<context>
    <name>zorbil::GameOverPanel</name>
    <message>
        <source>&amp;Continuer</source>
        <translation>&amp;Continue</translation>
    </message>
</context>
<context>
    <name>zorbil::HelpPanel</name>
    <message>
        <source>ImageAide</source>
        <extracomment>The name of the title picture drawn in this language</extracomment>
        <translation>ImageAideEn</translation>
    </message>
    <message>
        <source>A propos</source>
        <translation>About</translation>
    </message>
    <message>
        <source>&amp;Continuer</source>
        <translation>&amp;Continue</translation>
    </message>
    <message>
        <source>Principes du jeu</source>
        <translation>How to play</translation>
    </message>
    <message>
        <source>Les menus</source>
        <translation>The menus</translation>
    </message>
    <message>
        <source>Les commandes</source>
        <translation>The controls</translation>
    </message>
    <message>
        <source>Textures et musiques</source>
        <translation>Textures and musics</translation>
    </message>
    <message>
        <source>Infos complémentaires (Zorbil.txt)</source>
        <translation>More information (Zorbil.en.txt)</translation>
    </message>
    <message>
        <source>N&apos;hésitez surtout pas à lire le fichier Zorbil.txt. Il contient bien plus de renseignements que ceux donnés ici, comme des explications pour configurer la carte son ou des avertissements importants sur les messages d&apos;erreur qui peuvent parfois s&apos;afficher.</source>
        <translation>Do read the Zorbil.en.txt file. It holds much more information than what is given here, such as how to set up the sound card, and important warnings about the error messages that may sometimes show.</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir le fichier %1.</source>
        <translation>Cannot open the file %1.</translation>
    </message>
    <message>
        <source>Aide et Instructions</source>
        <translation>Help and Instructions</translation>
    </message>
</context>
<context>
    <name>zorbil::MainMenuPanel</name>
    <message>
        <source>&amp;Jouer</source>
        <translation>&amp;Play</translation>
    </message>
    <message>
        <source>&amp;Meilleurs Scores</source>
        <translation>&amp;Best Scores</translation>
    </message>
    <message>
        <source>&amp;Aide et Instructions</source>
        <translation>&amp;Help and Instructions</translation>
    </message>
    <message>
        <source>&amp;Options de Jeu</source>
        <translation>Game &amp;Options</translation>
    </message>
    <message>
        <source>&amp;Quitter Zorbil</source>
        <translation>&amp;Quit Zorbil</translation>
    </message>
    <message>
        <source>Menu principal</source>
        <translation>Main menu</translation>
    </message>
</context>
<context>
    <name>zorbil::OptionsPanel</name>
    <message>
        <source>Choisissez une texture et / ou une musique à utiliser pendant le jeu dans les listes ci-dessous.</source>
        <translation>Choose a texture and / or a music to use during the game in the lists below.</translation>
    </message>
    <message>
        <source>Vitesse de Zorbil :</source>
        <translation>Zorbil&apos;s speed:</translation>
    </message>
    <message>
        <source>Rapide</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>Lente</source>
        <translation>Slow</translation>
    </message>
    <message>
        <source>Texture de l&apos;arrière-plan :</source>
        <translation>Background texture:</translation>
    </message>
    <message>
        <source>Musique de fond :</source>
        <translation>Background music:</translation>
    </message>
    <message>
        <source>&amp;Continuer</source>
        <translation>&amp;Continue</translation>
    </message>
    <message>
        <source>ImageOptions</source>
        <extracomment>The name of the title picture drawn in this language</extracomment>
        <translation>ImageOptionsEn</translation>
    </message>
    <message>
        <source>Activer les sons</source>
        <translation>Turn sounds on</translation>
    </message>
    <message>
        <source>Activer les musiques</source>
        <translation>Turn music on</translation>
    </message>
    <message>
        <source>Options de Jeu</source>
        <translation>Game Options</translation>
    </message>
    <message>
        <source>De 0, la plus rapide, à 9, la plus lente</source>
        <translation>From 0, the fastest, to 9, the slowest</translation>
    </message>
</context>
<context>
    <name>zorbil::PausePanel</name>
    <message>
        <source>ImagePause</source>
        <extracomment>The name of the title picture drawn in this language</extracomment>
        <translation>ImagePauseEn</translation>
    </message>
    <message>
        <source>&amp;Continuer</source>
        <translation>&amp;Continue</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Jeu en Pause</source>
        <translation>Game Paused</translation>
    </message>
</context>
<context>
    <name>zorbil::ScoresPanel</name>
    <message>
        <source>ImageScores</source>
        <extracomment>The name of the title picture drawn in this language</extracomment>
        <translation>ImageScoresEn</translation>
    </message>
    <message>
        <source>Votre score :</source>
        <translation>Your score:</translation>
    </message>
    <message>
        <source>Meilleur score :</source>
        <translation>Best score:</translation>
    </message>
    <message>
        <source>&amp;Continuer</source>
        <translation>&amp;Continue</translation>
    </message>
    <message>
        <source>Les Scores</source>
        <translation>Best Scores</translation>
    </message>
</context>
<context>
    <name>zorbil::SpinButton</name>
    <message>
        <source>Augmenter</source>
        <translation>Increase</translation>
    </message>
    <message>
        <source>Diminuer</source>
        <translation>Decrease</translation>
    </message>
</context>
<context>
    <name>zorbil::TConfigForm</name>
    <message>
        <source>Son</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Fréq.</source>
        <translation>Freq.</translation>
    </message>
    <message>
        <source>Qualité</source>
        <translation>Quality</translation>
    </message>
    <message>
        <source>&amp;Interpolation</source>
        <translation>&amp;Interpolation</translation>
    </message>
    <message>
        <source>Driver / Pilote :</source>
        <translation>Driver:</translation>
    </message>
    <message>
        <source>&amp;Windows Multimedia</source>
        <translation>&amp;Windows Multimedia</translation>
    </message>
    <message>
        <source>&amp;Microsoft DirectSound (Supporte EAX 1/2)</source>
        <translation>&amp;Microsoft DirectSound (Supports EAX 1/2)</translation>
    </message>
    <message>
        <source>Op&amp;en Sound System (Linux/Unix)</source>
        <translation>Op&amp;en Sound System (Linux/Unix)</translation>
    </message>
    <message>
        <source>Enli&amp;ghtment Sound Daemon (Linux/Unix)</source>
        <translation>Enli&amp;ghtment Sound Daemon (Linux/Unix)</translation>
    </message>
    <message>
        <source>&amp;A3D - Version 3.0 (Supporte Géométrie)</source>
        <translation>&amp;A3D - Version 3.0 (Supports Geometry)</translation>
    </message>
    <message>
        <source>Mixeur :</source>
        <translation>Mixer:</translation>
    </message>
    <message>
        <source>Au&amp;to-Détection</source>
        <translation>Au&amp;to-Detection</translation>
    </message>
    <message>
        <source>Pentium (MM&amp;X)</source>
        <translation>Pentium (MM&amp;X)</translation>
    </message>
    <message>
        <source>Pentium &amp;(Non MMX)</source>
        <translation>Pentium &amp;(Non MMX)</translation>
    </message>
    <message>
        <source>Pentium P&amp;ro / PII / PIII</source>
        <translation>Pentium P&amp;ro / PII / PIII</translation>
    </message>
    <message>
        <source>FPU I&amp;nterpolé</source>
        <translation>FPU I&amp;nterpolated</translation>
    </message>
    <message>
        <source>Affichage</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>&amp;Plein Ecran</source>
        <translation>&amp;Full Screen</translation>
    </message>
    <message>
        <source>&amp;Fenêtré</source>
        <translation>Win&amp;dowed</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Fréquence de mixage</source>
        <translation>Mixing rate</translation>
    </message>
</context>
<context>
    <name>zorbil::TZorbilForm</name>
    <message>
        <source>Score : %1, meilleur score : %2</source>
        <translation>Score: %1, best score: %2</translation>
    </message>
</context>
</TS>
