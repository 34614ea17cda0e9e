<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="fr">
<context>
    <name>AboutPage</name>
    <message>
        <source>%1 - © 2026 les auteurs de Zorbil, logiciel libre</source>
        <translation>%1 - © 2026 die Zorbil-Autoren, freie Software</translation>
    </message>
    <message>
        <source>Affichage 3D : OpenGL, GLU et freeglut (Mesa 3D)</source>
        <translation>3D-Darstellung: OpenGL, GLU und freeglut (Mesa 3D)</translation>
    </message>
    <message>
        <source>Fenêtres et écrans : Qt 6 (The Qt Company)</source>
        <translation>Fenster und Menüs: Qt 6 (The Qt Company)</translation>
    </message>
    <message>
        <source>Support sonore pris en charge par la librairie SDL_mixer</source>
        <translation>Sound-Unterstützung durch die Bibliothek SDL_mixer</translation>
    </message>
    <message>
        <source>Gestion des textures par la librairie mwGL de</source>
        <translation>Texturverwaltung durch die Bibliothek mwGL von</translation>
    </message>
    <message>
        <source>Sites Internet :</source>
        <translation>Websites:</translation>
    </message>
    <message>
        <source>Page Web de Zorbil :</source>
        <translation>Zorbils Webseite:</translation>
    </message>
    <message>
        <source>(Zorbil.txt, les notes du jeu)</source>
        <translation>(Zorbil.de.txt, die Hinweise zum Spiel)</translation>
    </message>
    <message>
        <source>Contacts e-mail :</source>
        <translation>E-Mail-Kontakte:</translation>
    </message>
</context>
<context>
    <name>HelpPanel</name>
    <message>
        <source>/Zorbil.txt</source>
        <extracomment>The notes file in this language, beside the French &quot;Zorbil.txt&quot;</extracomment>
        <translation>/Zorbil.de.txt</translation>
    </message>
</context>
<context>
    <name>HelpTexts</name>
    <message>
        <source>Zorbil est une reprise en 3D d&apos;un classique dans le monde du jeu vidéo, ce jeu dans lequel vous devez diriger un serpent (ou un ver de terre, c&apos;est selon) et le faire manger des objets sans qu&apos;il se morde la queue ou qu&apos;il se cogne aux bords de l&apos;écran.</source>
        <translation>Zorbil ist eine 3D-Neuauflage eines Videospielklassikers: das Spiel, in dem du eine Schlange (oder einen Regenwurm, ganz wie du willst) steuerst und sie Dinge fressen lässt, ohne dass sie sich in den Schwanz beißt oder gegen den Bildschirmrand stößt.</translation>
    </message>
    <message>
        <source>Celles et ceux qui en connaissent déjà le principe n&apos;ont rien de plus à apprendre, puisque Zorbil reprend exactement le même, mais en ajoutant seulement la puissance graphique et sonore des PC actuels.</source>
        <translation>Wer das Prinzip schon kennt, muss nichts Neues lernen: Zorbil übernimmt es genau so und bringt nur die Grafik und den Sound heutiger PCs mit.</translation>
    </message>
    <message>
        <source>En effet, car Zorbil vous offre, en plus de l&apos;option de base pour ce type de jeu - le réglage de la vitesse de déplacement du serpent - la possibilité de mettre dans le jeu une texture de fond et une musique personnalisées (voir &apos;Textures et musiques&apos;).</source>
        <translation>Denn neben der Grundeinstellung solcher Spiele – dem Tempo der Schlange – kannst du bei Zorbil auch eine eigene Hintergrundtextur und eigene Musik ins Spiel holen (siehe „Texturen und Musik“).</translation>
    </message>
    <message>
        <source>Si vous n&apos;avez vraiment jamais joué à ce genre de jeu, voici les principales règles du jeu que vous devez savoir.</source>
        <translation>Falls du so ein Spiel wirklich noch nie gespielt hast, hier die wichtigsten Regeln, die du kennen musst.</translation>
    </message>
    <message>
        <source>En fait, le but du jeu est de diriger Zorbil, un serpent qui, une fois lancé, ne peut plus s&apos;arrêter ni faire demi-tour, et qui doit manger les beignets qui apparaissent à l&apos;écran afin de vous faire gagner le maximum de points.</source>
        <translation>Ziel des Spiels ist es, Zorbil zu steuern: eine Schlange, die, einmal in Bewegung, weder anhalten noch umkehren kann und die Donuts fressen muss, die auf dem Bildschirm erscheinen, damit du möglichst viele Punkte bekommst.</translation>
    </message>
    <message>
        <source>Chaque donut ingurgité donne droit à un certain nombre de points (qui constituent en fait votre score). Ces points sont calculés en fonction de la vitesse de Zorbil : plus il va vite, plus vous gagnez de points à chaque donut avalé.</source>
        <translation>Jeder verschlungene Donut bringt eine bestimmte Anzahl Punkte (zusammen ergeben sie deine Punktzahl). Die Punkte hängen von Zorbils Tempo ab: Je schneller er ist, desto mehr Punkte bekommst du für jeden Donut, den er frisst.</translation>
    </message>
    <message>
        <source>Les donuts que vous avalez apparaissent un par un, et à chaque fois à un endroit différent de l&apos;écran. Sachez que vous ne pouvez ni arrêter ni faire reculer le serpent.</source>
        <translation>Die Donuts erscheinen einzeln, jedes Mal an einer anderen Stelle des Bildschirms. Denk daran: Du kannst die Schlange weder anhalten noch rückwärts laufen lassen.</translation>
    </message>
    <message>
        <source>Le jeu se déroule ainsi tout le temps. Il ne se terminera que si Zorbil rencontre un des bords de l&apos;écran, ou s&apos;il se mord tout seul. A ce moment là, le score que vous avez obtenu vous sera montré et enregistré comme record s&apos;il dépasse le meilleur score.</source>
        <translation>So geht das Spiel immer weiter. Es endet erst, wenn Zorbil gegen einen Bildschirmrand stößt oder sich selbst beißt. Dann wird dir deine Punktzahl angezeigt und als Rekord gespeichert, wenn sie den bisherigen Rekord schlägt.</translation>
    </message>
    <message>
        <source>Lisez les paragraphes suivants pour connaitre comment maîtriser le jeu, ou si vous vous sentez fin prêt(e) pour vous lancer au défi de battre le meilleur score actuel, bonne chance !</source>
        <translation>Auf den nächsten Seiten erfährst du, wie du das Spiel meisterst. Und wenn du dich schon bereit fühlst, den aktuellen Rekord zu knacken: viel Glück!</translation>
    </message>
    <message>
        <source>Après avoir configuré vos paramètres de carte son et d&apos;affichage (voir le fichier Zorbil.txt pour plus de précisions à ce sujet), vous voyez apparaître le menu principal dans lequel quatre boutons vous sont proposés :</source>
        <translation>Sobald du Soundkarte und Anzeige eingerichtet hast (mehr dazu in der Datei Zorbil.de.txt), erscheint das Hauptmenü mit vier Schaltflächen:</translation>
    </message>
    <message>
        <source>* Jouer : pour démarrer une nouvelle partie avec les options sélectionnées.</source>
        <translation>* Spielen: startet ein neues Spiel mit den gewählten Optionen.</translation>
    </message>
    <message>
        <source>* Options de Jeu : pour activer ou désactiver les sons ou la musique, définir la vitesse de déplacement de Zorbil et choisir la texture d&apos;arrière-plan et la musique de fond à utiliser pendant le jeu.</source>
        <translation>* Spieloptionen: schaltet Soundeffekte und Musik ein oder aus, stellt Zorbils Tempo ein und wählt die Hintergrundtextur und die Hintergrundmusik für das Spiel.</translation>
    </message>
    <message>
        <source>Note : si vous avez désactivé la case &apos;Son&apos; dans la boîte de dialogue de configuration, les cases pour activer ou désactiver le son et la musique seront automatiquement grisées.</source>
        <translation>Hinweis: Wenn du im Konfigurationsdialog das Kästchen „Ton“ abgewählt hast, sind die Kästchen für Soundeffekte und Musik automatisch ausgegraut.</translation>
    </message>
    <message>
        <source>* Meilleurs scores : affiche le dernier score que vous avez fait depuis le lancement du jeu, ainsi que le meilleur, enregistré dans un fichier sur le disque dur.</source>
        <translation>* Bestenliste: zeigt deine letzte Punktzahl seit dem Start des Spiels und den Rekord, der in einer Datei auf der Festplatte gespeichert ist.</translation>
    </message>
    <message>
        <source>* Aide et Instructions : affiche cet écran d&apos;aide.</source>
        <translation>* Hilfe und Anleitung: zeigt diese Hilfe an.</translation>
    </message>
    <message>
        <source>* Quitte le jeu et revient au bureau.</source>
        <translation>* Zurück zum Desktop.</translation>
    </message>
    <message>
        <source>Notez que si vous n&apos;avez choisi ni musique ni texture lorsque vous cliquez sur Jouer, le menu Options apparait automatiquement.</source>
        <translation>Hast du beim Klick auf Spielen weder Musik noch Textur gewählt, erscheint automatisch das Optionsmenü.</translation>
    </message>
    <message>
        <source>Les commandes nécéssaires pour diriger Zorbil sont très simples à retenir : vous utilisez les quatres touches fléchées pour faire avancer Zorbil en bas, en haut, à gauche et à droite.</source>
        <translation>Die Steuerung von Zorbil ist ganz leicht zu merken: Mit den vier Pfeiltasten lenkst du Zorbil nach unten, oben, links und rechts.</translation>
    </message>
    <message>
        <source>Il existe aussi d&apos;autres commandes que vous pouvez utiliser à tout moment pendant le jeu :</source>
        <translation>Außerdem gibt es weitere Tasten, die du jederzeit während des Spiels benutzen kannst:</translation>
    </message>
    <message>
        <source>* Echap : vous permet de mettre en pause le jeu. Vous pourrez ensuite choisir de reprendre la partie ou de la quitter, et donc d&apos;enregistrer votre score à l&apos;état ou il se trouve à ce moment-là.</source>
        <translation>* Esc: pausiert das Spiel. Danach kannst du weiterspielen oder die Partie beenden und so deine Punktzahl mit dem aktuellen Stand speichern.</translation>
    </message>
    <message>
        <source>* F1 : affiche cet écran d&apos;aide.</source>
        <translation>* F1: zeigt diese Hilfe an.</translation>
    </message>
    <message>
        <source>* F2 : pour accéder au menu des options. Très utile pour changer la musique ou la texture en cours ou régler la vitesse de Zorbil. Dans ce cas, le comptage des points change en fonction de la nouvelle vitesse, mais vos points déjà acquis sont conservés.</source>
        <translation>* F2: öffnet das Optionsmenü. Sehr praktisch, um die laufende Musik oder Textur zu wechseln oder Zorbils Tempo einzustellen. Die Punkte zählen dann nach dem neuen Tempo, deine bisherigen Punkte bleiben erhalten.</translation>
    </message>
    <message>
        <source>* F3 : affiche le menu des scores.</source>
        <translation>* F3: zeigt die Bestenliste an.</translation>
    </message>
    <message>
        <source>Si vous passez à une autre fenêtre pendant une partie (Alt+Tab, clic ailleurs...), le jeu se met de lui-même en pause, comme avec Echap.</source>
        <translation>Wechselst du während einer Partie in ein anderes Fenster (Alt+Tab, Klick daneben ...), pausiert das Spiel von selbst, wie mit Esc.</translation>
    </message>
    <message>
        <source>Zorbil vous donne la possibilité, en plus des textures et musiques déjà existantes, d&apos;importer celles de votre choix et de les utiliser dans le jeu, à condition de respecter les formats de fichiers supportés.</source>
        <translation>Neben den mitgelieferten Texturen und Musikstücken kannst du bei Zorbil auch eigene importieren und im Spiel verwenden, solange sie in einem unterstützten Dateiformat vorliegen.</translation>
    </message>
    <message>
        <source>Pour ce qui est des textures, celles-ci doivent obligatoirement être au format PCX (Paintbrush ZSoft), de taille 256 x 256 et en 256 couleurs (8 bits). La palette de couleurs utilisée n&apos;a pas d&apos;importance.</source>
        <translation>Texturen müssen PCX-Dateien (Paintbrush ZSoft) sein, 256 x 256 Pixel groß und mit 256 Farben (8 Bit). Die verwendete Farbpalette spielt keine Rolle.</translation>
    </message>
    <message>
        <source>Notez bien que les textures exploitent la librairie mwGL, de Pelmoro (voir Zorbil.txt pour infos) et que cette librairie affiche la texture étirée sur tout l&apos;écran (pas en mosaïque) avec un filtre de flou.</source>
        <translation>Beachte, dass die Texturen die Bibliothek mwGL von Pelmoro nutzen (Näheres in Zorbil.de.txt) und dass diese Bibliothek die Textur über den ganzen Bildschirm streckt (nicht gekachelt) und weichzeichnet.</translation>
    </message>
    <message>
        <source>Il y a donc de fortes chances pour qu&apos;elles ne s&apos;affichent pas de la même façon que dans votre logiciel de dessin habituel. Sachez également que Zorbil prend la couleur principale de l&apos;arrière-plan utilisé, donc qu&apos;il risque de se voir plus ou moins bien.</source>
        <translation>Sie sehen also sehr wahrscheinlich nicht genauso aus wie in deinem gewohnten Zeichenprogramm. Beachte auch, dass Zorbil die Hauptfarbe des verwendeten Hintergrunds annimmt und daher mal besser, mal schlechter zu sehen ist.</translation>
    </message>
    <message>
        <source>Pour que vos textures s&apos;affichent dans la liste du menu des options, elles doivent se trouver dans le sous-répertoire Textures du jeu et porter l&apos;extension .pcx.</source>
        <translation>Damit deine Texturen in der Liste des Optionsmenüs erscheinen, müssen sie im Unterordner Textures des Spiels liegen und die Endung .pcx haben.</translation>
    </message>
    <message>
        <source>La librairie SDL_mixer (qui prend en charge le son et la musique), quant à elle, supporte un grand nombre de formats musicaux :</source>
        <translation>Die Bibliothek SDL_mixer (sie kümmert sich um Sound und Musik) unterstützt viele Musikformate:</translation>
    </message>
    <message>
        <source>* les échantillons *.wav (PCM Wave), *.aif (Audio IFF), *.mp3 (MPEG Layer 3), *.ogg (Vorbis OGG), *.opus (Opus), *.flac (FLAC).</source>
        <translation>* die Samples *.wav (PCM Wave), *.aif (Audio IFF), *.mp3 (MPEG Layer 3), *.ogg (Vorbis OGG), *.opus (Opus), *.flac (FLAC).</translation>
    </message>
    <message>
        <source>* les modules *.mod (Protracker), *.s3m (Screamtracker), *.xm (FastTracker), *.it (Impulse Tracker), *.mid (Midi).</source>
        <translation>* die Module *.mod (Protracker), *.s3m (Screamtracker), *.xm (FastTracker), *.it (Impulse Tracker), *.mid (Midi).</translation>
    </message>
    <message>
        <source>Les musiques doivent obligatoirement porter l&apos;extension .mus afin de pouvoir être affichées dans la liste du menu des options. Vous pouvez tout à fait rajouter l&apos;extension .mus après celle existant déjà (ex : musique.mid.mus).</source>
        <translation>Musikstücke müssen die Endung .mus haben, damit sie in der Liste des Optionsmenüs erscheinen. Du kannst .mus einfach an die vorhandene Endung anhängen (z. B. musik.mid.mus).</translation>
    </message>
    <message>
        <source>Remarques : Le jeu détecte tout seul le format de fichier utilisé. Il est préférable d&apos;utiliser des fichiers musicaux en 44,1 KHz maximum, étant donné que le jeu ne vous autorise pas à choisir une fréquence de lecture de plus de 44100 Hz.</source>
        <translation>Hinweise: Das Spiel erkennt das Dateiformat von selbst. Am besten nimmst du Musikdateien mit höchstens 44,1 kHz, da du im Spiel keine Wiedergabefrequenz über 44100 Hz wählen kannst.</translation>
    </message>
    <message>
        <source>Avec une manette, branchée avant ou pendant le jeu : la croix ou le stick gauche dirigent Zorbil, Start met en pause ou reprend, B fait comme Echap. Dans les menus, la croix passe d&apos;une commande à l&apos;autre et A l&apos;active. Configuration : gauche et droite changent la fréquence et la qualité, Start valide. Options : gauche et droite règlent la vitesse, haut et bas choisissent dans les listes. Aide : LB et RB (ou gauche et droite) tournent les pages. Dans les options et l&apos;aide, B fait comme Continuer. Débranchée pendant une partie, la manette la met en pause.</source>
        <translation>Mit einem Gamepad, vor oder während des Spiels angeschlossen: Steuerkreuz oder linker Stick lenken Zorbil, Start pausiert oder setzt fort, B wirkt wie Esc. In den Menüs springt das Steuerkreuz von Element zu Element, A löst es aus. Konfiguration: Links und rechts ändern Frequenz und Qualität, Start bestätigt. Optionen: Links und rechts stellen das Tempo ein, hoch und runter wählen in den Listen. Hilfe: LB und RB (oder links und rechts) blättern um. In den Optionen und der Hilfe wirkt B wie Weiter. Wird das Gamepad während einer Partie abgezogen, pausiert es die Partie.</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Erreur</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Avertissement</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>&amp;Oui</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;Non</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Impossible de jouer le son. Votre carte son est occupée ou ne supporte pas les fonctions requises par le driver utilisé. Fermez toutes les applications, vérifiez que les pilotes choisis au départ sont supportés et rééssayez. Lisez Zorbil.txt pour infos.</source>
        <translation>Der Sound kann nicht abgespielt werden. Deine Soundkarte ist belegt oder unterstützt die Funktionen nicht, die der verwendete Treiber braucht. Schließe alle Anwendungen, prüfe, ob die beim Start gewählten Treiber unterstützt werden, und versuche es erneut. Näheres in Zorbil.de.txt.</translation>
    </message>
    <message>
        <source>Impossible de jouer le son. Votre carte son est occupée ou ne supporte pas les fonctions requises par le driver utilisé. Fermez toutes les applications, vérifiez que les pilotes choisis au départ sont supportés et rééssayez. Lisez Zorbil.txt pour info</source>
        <translation>Der Sound kann nicht abgespielt werden. Deine Soundkarte ist belegt oder unterstützt die Funktionen nicht, die der verwendete Treiber braucht. Schließe alle Anwendungen, prüfe, ob die beim Start gewählten Treiber unterstützt werden, und versuche es erneut. Näheres in Zorbil.de.txt</translation>
    </message>
    <message>
        <source>Un problème est survenu lors de la configuration avec les paramètres choisis. Votre carte son ne les supporte pas ou est peut-être occupée. Lisez le fichier Zorbil.txt pour plus de détails sur ces problèmes.</source>
        <translation>Beim Einrichten des Sounds mit den gewählten Einstellungen ist ein Problem aufgetreten. Deine Soundkarte unterstützt sie nicht oder ist vielleicht belegt. Mehr zu diesen Problemen in der Datei Zorbil.de.txt.</translation>
    </message>
    <message>
        <source>Vous utilisez actuellement le mode Grandes Polices de Windows. Zorbil est optimisé pour fonctionner en Petites Polices et apparaîtra fortement disproportionné si vous le lancez avec le mode Grandes Polices. Voulez-vous continuer malgré tout ?</source>
        <translation>Du verwendest gerade den Windows-Modus „Große Schriftarten“. Zorbil ist für kleine Schriftarten ausgelegt und sieht mit großen Schriftarten stark verzerrt aus. Möchtest du trotzdem fortfahren?</translation>
    </message>
    <message>
        <source>Impossible de lire la configuration du jeu depuis le fichier Config.dat. Assurez-vous que le répertoire Data existe, et que le disque ne soit pas plein ou protégé en écriture.</source>
        <translation>Die Spielkonfiguration kann nicht aus der Datei Config.dat gelesen werden. Stelle sicher, dass der Ordner Data existiert und der Datenträger nicht voll oder schreibgeschützt ist.</translation>
    </message>
    <message>
        <source>Impossible de sauvegarder la configuration ! Vérifiez que le répertoire Data existe et que le disque n&apos;est pas plein ou protégé en écriture.</source>
        <translation>Die Konfiguration kann nicht gespeichert werden! Prüfe, ob der Ordner Data existiert und der Datenträger nicht voll oder schreibgeschützt ist.</translation>
    </message>
    <message>
        <source>Impossible de lire la configuration des options depuis le fichier Config.dat ! Vérifiez que le répertoire Data existe et que le disque n&apos;est pas plein ou protégé en écriture.</source>
        <translation>Die Optionen können nicht aus der Datei Config.dat gelesen werden! Prüfe, ob der Ordner Data existiert und der Datenträger nicht voll oder schreibgeschützt ist.</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire sur le disque. Vérifiez qu&apos;il n&apos;est pas plein ou protégé en écriture.</source>
        <translation>Auf den Datenträger kann nicht geschrieben werden. Prüfe, ob er voll oder schreibgeschützt ist.</translation>
    </message>
    <message>
        <source>Impossible de travailler sur le disque dur. Vérifiez qu&apos;il n&apos;est pas plein ou protégé en écriture.</source>
        <translation>Kein Zugriff auf die Festplatte. Prüfe, ob sie voll oder schreibgeschützt ist.</translation>
    </message>
    <message>
        <source>Impossible de préparer le dossier du jeu %1 (%2). Vérifiez que vous pouvez y écrire et que le disque n&apos;est pas plein.</source>
        <translation>Der Spielordner %1 kann nicht vorbereitet werden (%2). Prüfe, ob du dort schreiben darfst und der Datenträger nicht voll ist.</translation>
    </message>
    <message>
        <source>Impossible de lancer le programme du jeu %1 (%2). Réinstallez le jeu.</source>
        <translation>Das Spielprogramm %1 kann nicht gestartet werden (%2). Installiere das Spiel neu.</translation>
    </message>
    <message>
        <source>Une erreur s&apos;est produite lors du chargement de la texture d&apos;arrière-plan que vous avez sélectionnée. Le fichier est introuvable ou son format n&apos;est pas correct. Lisez le fichier Zorbil.txt pour plus de détails sur ce type d&apos;erreurs.</source>
        <translation>Beim Laden der gewählten Hintergrundtextur ist ein Fehler aufgetreten. Die Datei wurde nicht gefunden oder ihr Format stimmt nicht. Mehr zu solchen Fehlern in der Datei Zorbil.de.txt.</translation>
    </message>
    <message>
        <source>Impossible de lire le contenu des répertoires suivants : %1. Les textures et les musiques du jeu doivent se trouver dans les sous-répertoires Textures et Musiques du répertoire du jeu. Lisez Zorbil.txt pour plus de détails.</source>
        <translation>Der Inhalt folgender Ordner kann nicht gelesen werden: %1. Die Texturen und Musikstücke des Spiels müssen in den Unterordnern Textures und Musiques des Spielordners liegen. Näheres in Zorbil.de.txt.</translation>
    </message>
    <message>
        <source>Les fichiers de sons sont décodés sans Landlock : le noyau ne l&apos;offre pas.</source>
        <translation>Sounddateien werden ohne Landlock dekodiert: Der Kernel bietet es nicht an.</translation>
    </message>
    <message>
        <source>Les fichiers de sons sont décodés sans filtre d&apos;appels système : le noyau l&apos;a refusé.</source>
        <translation>Sounddateien werden ohne Systemaufruf-Filter dekodiert: Der Kernel hat ihn abgelehnt.</translation>
    </message>
    <message>
        <source>Les fichiers de sons sont décodés sans espaces de noms à eux : le noyau les a refusés.</source>
        <translation>Sounddateien werden ohne eigene Namensräume dekodiert: Der Kernel hat sie abgelehnt.</translation>
    </message>
</context>
<context>
    <name>ScoreText</name>
    <message>
        <source>Score : %1</source>
        <translation>Punkte: %1</translation>
    </message>
</context>
<context>
    <name>ZorbilApplication</name>
    <message>
        <source>Une erreur inattendue est survenue.</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten.</translation>
    </message>
</context>
<context>
    <name>zorbil::GameOverPanel</name>
    <message>
        <source>&amp;Continuer</source>
        <translation>&amp;Weiter</translation>
    </message>
</context>
<context>
    <name>zorbil::HelpPanel</name>
    <message>
        <source>ImageAide</source>
        <extracomment>The name of the title picture drawn in this language</extracomment>
        <translation>ImageAideDe</translation>
    </message>
    <message>
        <source>A propos</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>&amp;Continuer</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Principes du jeu</source>
        <translation>Spielprinzip</translation>
    </message>
    <message>
        <source>Les menus</source>
        <translation>Die Menüs</translation>
    </message>
    <message>
        <source>Les commandes</source>
        <translation>Die Steuerung</translation>
    </message>
    <message>
        <source>Textures et musiques</source>
        <translation>Texturen und Musik</translation>
    </message>
    <message>
        <source>Infos complémentaires (Zorbil.txt)</source>
        <translation>Weitere Infos (Zorbil.de.txt)</translation>
    </message>
    <message>
        <source>N&apos;hésitez surtout pas à lire le fichier Zorbil.txt. Il contient bien plus de renseignements que ceux donnés ici, comme des explications pour configurer la carte son ou des avertissements importants sur les messages d&apos;erreur qui peuvent parfois s&apos;afficher.</source>
        <translation>Lies unbedingt die Datei Zorbil.de.txt. Sie enthält viel mehr Informationen als diese Hilfe, etwa wie du die Soundkarte einrichtest, und wichtige Hinweise zu den Fehlermeldungen, die manchmal erscheinen können.</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir le fichier %1.</source>
        <translation>Die Datei %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Aide et Instructions</source>
        <translation>Hilfe und Anleitung</translation>
    </message>
</context>
<context>
    <name>zorbil::MainMenuPanel</name>
    <message>
        <source>&amp;Jouer</source>
        <translation>&amp;Spielen</translation>
    </message>
    <message>
        <source>&amp;Meilleurs Scores</source>
        <translation>&amp;Bestenliste</translation>
    </message>
    <message>
        <source>&amp;Aide et Instructions</source>
        <translation>&amp;Hilfe und Anleitung</translation>
    </message>
    <message>
        <source>&amp;Options de Jeu</source>
        <translation>Spiel&amp;optionen</translation>
    </message>
    <message>
        <source>&amp;Quitter Zorbil</source>
        <translation>Zorbil b&amp;eenden</translation>
    </message>
    <message>
        <source>Menu principal</source>
        <translation>Hauptmenü</translation>
    </message>
</context>
<context>
    <name>zorbil::OptionsPanel</name>
    <message>
        <source>Choisissez une texture et / ou une musique à utiliser pendant le jeu dans les listes ci-dessous.</source>
        <translation>Wähle unten in den Listen eine Textur und/oder eine Musik für das Spiel aus.</translation>
    </message>
    <message>
        <source>Vitesse de Zorbil :</source>
        <translation>Zorbils Tempo:</translation>
    </message>
    <message>
        <source>Rapide</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Lente</source>
        <translation>Träge</translation>
    </message>
    <message>
        <source>Texture de l&apos;arrière-plan :</source>
        <translation>Hintergrundtextur:</translation>
    </message>
    <message>
        <source>Musique de fond :</source>
        <translation>Hintergrundmusik:</translation>
    </message>
    <message>
        <source>&amp;Continuer</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>ImageOptions</source>
        <extracomment>The name of the title picture drawn in this language</extracomment>
        <translation>ImageOptionsDe</translation>
    </message>
    <message>
        <source>Activer les sons</source>
        <translation>Soundeffekte an</translation>
    </message>
    <message>
        <source>Activer les musiques</source>
        <translation>Musik an</translation>
    </message>
    <message>
        <source>Options de Jeu</source>
        <translation>Spieloptionen</translation>
    </message>
    <message>
        <source>De 0, la plus rapide, à 9, la plus lente</source>
        <translation>Von 0, am schnellsten, bis 9, am langsamsten</translation>
    </message>
</context>
<context>
    <name>zorbil::PausePanel</name>
    <message>
        <source>ImagePause</source>
        <extracomment>The name of the title picture drawn in this language</extracomment>
        <translation>ImagePauseDe</translation>
    </message>
    <message>
        <source>&amp;Continuer</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Jeu en Pause</source>
        <translation>Spiel pausiert</translation>
    </message>
</context>
<context>
    <name>zorbil::ScoresPanel</name>
    <message>
        <source>ImageScores</source>
        <extracomment>The name of the title picture drawn in this language</extracomment>
        <translation>ImageScoresDe</translation>
    </message>
    <message>
        <source>Votre score :</source>
        <translation>Deine Punkte:</translation>
    </message>
    <message>
        <source>Meilleur score :</source>
        <translation>Rekord:</translation>
    </message>
    <message>
        <source>&amp;Continuer</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Les Scores</source>
        <translation>Bestenliste</translation>
    </message>
</context>
<context>
    <name>zorbil::SpinButton</name>
    <message>
        <source>Augmenter</source>
        <translation>Erhöhen</translation>
    </message>
    <message>
        <source>Diminuer</source>
        <translation>Verringern</translation>
    </message>
</context>
<context>
    <name>zorbil::TConfigForm</name>
    <message>
        <source>Son</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Fréq.</source>
        <translation>Freq.</translation>
    </message>
    <message>
        <source>Qualité</source>
        <translation>Qualität</translation>
    </message>
    <message>
        <source>&amp;Interpolation</source>
        <translation>&amp;Interpolation</translation>
    </message>
    <message>
        <source>Driver / Pilote :</source>
        <translation>Treiber:</translation>
    </message>
    <message>
        <source>&amp;Windows Multimedia</source>
        <translation>&amp;Windows Multimedia</translation>
    </message>
    <message>
        <source>&amp;Microsoft DirectSound (Supporte EAX 1/2)</source>
        <translation>&amp;Microsoft DirectSound (mit EAX 1/2)</translation>
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
        <translation>&amp;A3D - Version 3.0 (mit Geometrie)</translation>
    </message>
    <message>
        <source>Mixeur :</source>
        <translation>Mixer:</translation>
    </message>
    <message>
        <source>Au&amp;to-Détection</source>
        <translation>Au&amp;to-Erkennung</translation>
    </message>
    <message>
        <source>Pentium (MM&amp;X)</source>
        <translation>Pentium (MM&amp;X)</translation>
    </message>
    <message>
        <source>Pentium &amp;(Non MMX)</source>
        <translation>Pentium &amp;(ohne MMX)</translation>
    </message>
    <message>
        <source>Pentium P&amp;ro / PII / PIII</source>
        <translation>Pentium P&amp;ro / PII / PIII</translation>
    </message>
    <message>
        <source>FPU I&amp;nterpolé</source>
        <translation>FPU i&amp;nterpoliert</translation>
    </message>
    <message>
        <source>Affichage</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>&amp;Plein Ecran</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>&amp;Fenêtré</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Fréquence de mixage</source>
        <translation>Mischfrequenz</translation>
    </message>
</context>
<context>
    <name>zorbil::TZorbilForm</name>
    <message>
        <source>Score : %1, meilleur score : %2</source>
        <translation>Punkte: %1, Rekord: %2</translation>
    </message>
</context>
</TS>
