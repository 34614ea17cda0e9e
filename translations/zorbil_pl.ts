<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="fr">
<context>
    <name>AboutPage</name>
    <message>
        <source>%1 - © 2026 les auteurs de Zorbil, logiciel libre</source>
        <translation>%1 - © 2026 autorzy Zorbila, wolne oprogramowanie</translation>
    </message>
    <message>
        <source>Affichage 3D : OpenGL, GLU et freeglut (Mesa 3D)</source>
        <translation>Grafika 3D: OpenGL, GLU i freeglut (Mesa 3D)</translation>
    </message>
    <message>
        <source>Fenêtres et écrans : Qt 6 (The Qt Company)</source>
        <translation>Okna i ekrany: Qt 6 (The Qt Company)</translation>
    </message>
    <message>
        <source>Support sonore pris en charge par la librairie SDL_mixer</source>
        <translation>Obsługa dźwięku: biblioteka SDL_mixer</translation>
    </message>
    <message>
        <source>Gestion des textures par la librairie mwGL de</source>
        <translation>Obsługa tekstur: biblioteka mwGL autorstwa</translation>
    </message>
    <message>
        <source>Sites Internet :</source>
        <translation>Strony WWW:</translation>
    </message>
    <message>
        <source>Page Web de Zorbil :</source>
        <translation>Strona Zorbila:</translation>
    </message>
    <message>
        <source>(Zorbil.txt, les notes du jeu)</source>
        <translation>(Zorbil.pl.txt, informacje o grze)</translation>
    </message>
    <message>
        <source>Contacts e-mail :</source>
        <translation>Kontakt e-mail:</translation>
    </message>
</context>
<context>
    <name>HelpPanel</name>
    <message>
        <source>/Zorbil.txt</source>
        <extracomment>The notes file in this language, beside the French &quot;Zorbil.txt&quot;</extracomment>
        <translation>/Zorbil.pl.txt</translation>
    </message>
</context>
<context>
    <name>HelpTexts</name>
    <message>
        <source>Zorbil est une reprise en 3D d&apos;un classique dans le monde du jeu vidéo, ce jeu dans lequel vous devez diriger un serpent (ou un ver de terre, c&apos;est selon) et le faire manger des objets sans qu&apos;il se morde la queue ou qu&apos;il se cogne aux bords de l&apos;écran.</source>
        <translation>Zorbil to trójwymiarowa wersja klasyka gier wideo – gry, w której kierujesz wężem (albo dżdżownicą, jak kto woli) i karmisz go różnymi smakołykami, pilnując, żeby nie ugryzł się w ogon ani nie uderzył w krawędź ekranu.</translation>
    </message>
    <message>
        <source>Celles et ceux qui en connaissent déjà le principe n&apos;ont rien de plus à apprendre, puisque Zorbil reprend exactement le même, mais en ajoutant seulement la puissance graphique et sonore des PC actuels.</source>
        <translation>Kto zna już zasady, nie musi uczyć się niczego nowego: Zorbil trzyma się ich dokładnie, dodając tylko grafikę i dźwięk na miarę dzisiejszych komputerów.</translation>
    </message>
    <message>
        <source>En effet, car Zorbil vous offre, en plus de l&apos;option de base pour ce type de jeu - le réglage de la vitesse de déplacement du serpent - la possibilité de mettre dans le jeu une texture de fond et une musique personnalisées (voir &apos;Textures et musiques&apos;).</source>
        <translation>Oprócz podstawowej opcji takich gier – ustawienia prędkości węża – Zorbil pozwala też dodać do gry własną teksturę tła i własną muzykę (zobacz „Tekstury i muzyka”).</translation>
    </message>
    <message>
        <source>Si vous n&apos;avez vraiment jamais joué à ce genre de jeu, voici les principales règles du jeu que vous devez savoir.</source>
        <translation>Jeśli taka gra to dla ciebie zupełna nowość, oto najważniejsze zasady, które musisz znać.</translation>
    </message>
    <message>
        <source>En fait, le but du jeu est de diriger Zorbil, un serpent qui, une fois lancé, ne peut plus s&apos;arrêter ni faire demi-tour, et qui doit manger les beignets qui apparaissent à l&apos;écran afin de vous faire gagner le maximum de points.</source>
        <translation>Celem gry jest kierowanie Zorbilem – wężem, który po starcie nie może się już zatrzymać ani zawrócić i który musi zjadać pojawiające się na ekranie donuty, by zdobyć dla ciebie jak najwięcej punktów.</translation>
    </message>
    <message>
        <source>Chaque donut ingurgité donne droit à un certain nombre de points (qui constituent en fait votre score). Ces points sont calculés en fonction de la vitesse de Zorbil : plus il va vite, plus vous gagnez de points à chaque donut avalé.</source>
        <translation>Każdy zjedzony donut daje pewną liczbę punktów (to one składają się na twój wynik). Liczba punktów zależy od prędkości Zorbila: im szybciej się porusza, tym więcej punktów dostajesz za każdy połknięty donut.</translation>
    </message>
    <message>
        <source>Les donuts que vous avalez apparaissent un par un, et à chaque fois à un endroit différent de l&apos;écran. Sachez que vous ne pouvez ni arrêter ni faire reculer le serpent.</source>
        <translation>Donuty pojawiają się pojedynczo, za każdym razem w innym miejscu ekranu. Pamiętaj, że węża nie można ani zatrzymać, ani cofnąć.</translation>
    </message>
    <message>
        <source>Le jeu se déroule ainsi tout le temps. Il ne se terminera que si Zorbil rencontre un des bords de l&apos;écran, ou s&apos;il se mord tout seul. A ce moment là, le score que vous avez obtenu vous sera montré et enregistré comme record s&apos;il dépasse le meilleur score.</source>
        <translation>I tak gra toczy się bez końca. Kończy się dopiero wtedy, gdy Zorbil uderzy w krawędź ekranu albo ugryzie sam siebie. Wtedy zobaczysz swój wynik, a jeśli pobije on najlepszy wynik, zostanie zapisany jako rekord.</translation>
    </message>
    <message>
        <source>Lisez les paragraphes suivants pour connaitre comment maîtriser le jeu, ou si vous vous sentez fin prêt(e) pour vous lancer au défi de battre le meilleur score actuel, bonne chance !</source>
        <translation>Na kolejnych stronach dowiesz się, jak opanować grę. A jeśli już teraz chcesz spróbować pobić obecny rekord – powodzenia!</translation>
    </message>
    <message>
        <source>Après avoir configuré vos paramètres de carte son et d&apos;affichage (voir le fichier Zorbil.txt pour plus de précisions à ce sujet), vous voyez apparaître le menu principal dans lequel quatre boutons vous sont proposés :</source>
        <translation>Po ustawieniu karty dźwiękowej i ekranu (więcej na ten temat w pliku Zorbil.pl.txt) pojawia się menu główne z czterema przyciskami:</translation>
    </message>
    <message>
        <source>* Jouer : pour démarrer une nouvelle partie avec les options sélectionnées.</source>
        <translation>* Graj: rozpoczyna nową grę z wybranymi opcjami.</translation>
    </message>
    <message>
        <source>* Options de Jeu : pour activer ou désactiver les sons ou la musique, définir la vitesse de déplacement de Zorbil et choisir la texture d&apos;arrière-plan et la musique de fond à utiliser pendant le jeu.</source>
        <translation>* Opcje gry: włącza lub wyłącza dźwięki i muzykę, ustawia prędkość Zorbila oraz wybiera teksturę tła i muzykę, które będą towarzyszyć grze.</translation>
    </message>
    <message>
        <source>Note : si vous avez désactivé la case &apos;Son&apos; dans la boîte de dialogue de configuration, les cases pour activer ou désactiver le son et la musique seront automatiquement grisées.</source>
        <translation>Uwaga: jeśli w oknie konfiguracji pole „Dźwięk” jest odznaczone, pola włączające i wyłączające dźwięki i muzykę są automatycznie wyszarzone.</translation>
    </message>
    <message>
        <source>* Meilleurs scores : affiche le dernier score que vous avez fait depuis le lancement du jeu, ainsi que le meilleur, enregistré dans un fichier sur le disque dur.</source>
        <translation>* Najlepsze wyniki: pokazuje twój ostatni wynik od uruchomienia gry oraz najlepszy wynik, zapisany w pliku na dysku twardym.</translation>
    </message>
    <message>
        <source>* Aide et Instructions : affiche cet écran d&apos;aide.</source>
        <translation>* Pomoc i instrukcje: pokazuje tę pomoc.</translation>
    </message>
    <message>
        <source>* Quitte le jeu et revient au bureau.</source>
        <translation>* Zamyka grę i wraca do pulpitu.</translation>
    </message>
    <message>
        <source>Notez que si vous n&apos;avez choisi ni musique ni texture lorsque vous cliquez sur Jouer, le menu Options apparait automatiquement.</source>
        <translation>Jeśli po kliknięciu Graj nie jest wybrana ani muzyka, ani tekstura, automatycznie pojawi się menu opcji.</translation>
    </message>
    <message>
        <source>Les commandes nécéssaires pour diriger Zorbil sont très simples à retenir : vous utilisez les quatres touches fléchées pour faire avancer Zorbil en bas, en haut, à gauche et à droite.</source>
        <translation>Sterowanie Zorbilem łatwo zapamiętać: czterema klawiszami strzałek kierujesz go w dół, w górę, w lewo i w prawo.</translation>
    </message>
    <message>
        <source>Il existe aussi d&apos;autres commandes que vous pouvez utiliser à tout moment pendant le jeu :</source>
        <translation>Są też inne klawisze, których możesz używać w dowolnej chwili gry:</translation>
    </message>
    <message>
        <source>* Echap : vous permet de mettre en pause le jeu. Vous pourrez ensuite choisir de reprendre la partie ou de la quitter, et donc d&apos;enregistrer votre score à l&apos;état ou il se trouve à ce moment-là.</source>
        <translation>* Esc: wstrzymuje grę. Potem możesz wrócić do gry albo ją zakończyć i tym samym zapisać wynik w obecnym stanie.</translation>
    </message>
    <message>
        <source>* F1 : affiche cet écran d&apos;aide.</source>
        <translation>* F1: pokazuje tę pomoc.</translation>
    </message>
    <message>
        <source>* F2 : pour accéder au menu des options. Très utile pour changer la musique ou la texture en cours ou régler la vitesse de Zorbil. Dans ce cas, le comptage des points change en fonction de la nouvelle vitesse, mais vos points déjà acquis sont conservés.</source>
        <translation>* F2: otwiera menu opcji. Bardzo przydatne, by zmienić bieżącą muzykę lub teksturę albo ustawić prędkość Zorbila. Punkty liczą się wtedy według nowej prędkości, a już zdobyte zostają zachowane.</translation>
    </message>
    <message>
        <source>* F3 : affiche le menu des scores.</source>
        <translation>* F3: wyświetla menu wyników.</translation>
    </message>
    <message>
        <source>Si vous passez à une autre fenêtre pendant une partie (Alt+Tab, clic ailleurs...), le jeu se met de lui-même en pause, comme avec Echap.</source>
        <translation>Jeśli podczas gry przełączysz się do innego okna (Alt+Tab, kliknięcie gdzie indziej...), gra sama się wstrzyma, tak jak po naciśnięciu Esc.</translation>
    </message>
    <message>
        <source>Zorbil vous donne la possibilité, en plus des textures et musiques déjà existantes, d&apos;importer celles de votre choix et de les utiliser dans le jeu, à condition de respecter les formats de fichiers supportés.</source>
        <translation>Oprócz dołączonych tekstur i utworów Zorbil pozwala zaimportować własne i używać ich w grze, o ile są w obsługiwanych formatach plików.</translation>
    </message>
    <message>
        <source>Pour ce qui est des textures, celles-ci doivent obligatoirement être au format PCX (Paintbrush ZSoft), de taille 256 x 256 et en 256 couleurs (8 bits). La palette de couleurs utilisée n&apos;a pas d&apos;importance.</source>
        <translation>Tekstury muszą być plikami PCX (Paintbrush ZSoft) o rozmiarze 256 x 256 i w 256 kolorach (8 bitów). Użyta paleta kolorów nie ma znaczenia.</translation>
    </message>
    <message>
        <source>Notez bien que les textures exploitent la librairie mwGL, de Pelmoro (voir Zorbil.txt pour infos) et que cette librairie affiche la texture étirée sur tout l&apos;écran (pas en mosaïque) avec un filtre de flou.</source>
        <translation>Pamiętaj, że tekstury korzystają z biblioteki mwGL autorstwa Pelmoro (szczegóły w Zorbil.pl.txt), która rozciąga teksturę na cały ekran (bez kafelkowania) i nakłada na nią filtr rozmycia.</translation>
    </message>
    <message>
        <source>Il y a donc de fortes chances pour qu&apos;elles ne s&apos;affichent pas de la même façon que dans votre logiciel de dessin habituel. Sachez également que Zorbil prend la couleur principale de l&apos;arrière-plan utilisé, donc qu&apos;il risque de se voir plus ou moins bien.</source>
        <translation>Dlatego najpewniej nie będą wyglądać tak samo jak w twoim programie graficznym. Pamiętaj też, że Zorbil przyjmuje główny kolor użytego tła, więc może być widoczny lepiej lub gorzej.</translation>
    </message>
    <message>
        <source>Pour que vos textures s&apos;affichent dans la liste du menu des options, elles doivent se trouver dans le sous-répertoire Textures du jeu et porter l&apos;extension .pcx.</source>
        <translation>Aby twoje tekstury pojawiły się na liście w menu opcji, muszą się znajdować w podfolderze Textures gry i mieć rozszerzenie .pcx.</translation>
    </message>
    <message>
        <source>La librairie SDL_mixer (qui prend en charge le son et la musique), quant à elle, supporte un grand nombre de formats musicaux :</source>
        <translation>Biblioteka SDL_mixer (która obsługuje dźwięk i muzykę) radzi sobie z wieloma formatami muzyki:</translation>
    </message>
    <message>
        <source>* les échantillons *.wav (PCM Wave), *.aif (Audio IFF), *.mp3 (MPEG Layer 3), *.ogg (Vorbis OGG), *.opus (Opus), *.flac (FLAC).</source>
        <translation>* próbki *.wav (PCM Wave), *.aif (Audio IFF), *.mp3 (MPEG Layer 3), *.ogg (Vorbis OGG), *.opus (Opus), *.flac (FLAC).</translation>
    </message>
    <message>
        <source>* les modules *.mod (Protracker), *.s3m (Screamtracker), *.xm (FastTracker), *.it (Impulse Tracker), *.mid (Midi).</source>
        <translation>* moduły *.mod (Protracker), *.s3m (Screamtracker), *.xm (FastTracker), *.it (Impulse Tracker), *.mid (Midi).</translation>
    </message>
    <message>
        <source>Les musiques doivent obligatoirement porter l&apos;extension .mus afin de pouvoir être affichées dans la liste du menu des options. Vous pouvez tout à fait rajouter l&apos;extension .mus après celle existant déjà (ex : musique.mid.mus).</source>
        <translation>Utwory muszą mieć rozszerzenie .mus, aby pojawiły się na liście w menu opcji. Wystarczy dopisać .mus po istniejącym rozszerzeniu (np. muzyka.mid.mus).</translation>
    </message>
    <message>
        <source>Remarques : Le jeu détecte tout seul le format de fichier utilisé. Il est préférable d&apos;utiliser des fichiers musicaux en 44,1 KHz maximum, étant donné que le jeu ne vous autorise pas à choisir une fréquence de lecture de plus de 44100 Hz.</source>
        <translation>Uwagi: gra sama rozpoznaje format pliku. Najlepiej używać plików muzycznych o częstotliwości najwyżej 44,1 kHz, ponieważ gra nie pozwala wybrać częstotliwości odtwarzania powyżej 44100 Hz.</translation>
    </message>
    <message>
        <source>Avec une manette, branchée avant ou pendant le jeu : la croix ou le stick gauche dirigent Zorbil, Start met en pause ou reprend, B fait comme Echap. Dans les menus, la croix passe d&apos;une commande à l&apos;autre et A l&apos;active. Configuration : gauche et droite changent la fréquence et la qualité, Start valide. Options : gauche et droite règlent la vitesse, haut et bas choisissent dans les listes. Aide : LB et RB (ou gauche et droite) tournent les pages. Dans les options et l&apos;aide, B fait comme Continuer. Débranchée pendant une partie, la manette la met en pause.</source>
        <translation>Z padem podłączonym przed grą lub w jej trakcie: krzyżak albo lewa gałka kierują Zorbilem, Start wstrzymuje lub wznawia grę, B działa jak Esc. W menu krzyżak przechodzi między elementami, a A je uruchamia. Konfiguracja: lewo i prawo zmieniają częstotliwość i jakość, Start zatwierdza. Opcje: lewo i prawo ustawiają prędkość, góra i dół wybierają z list. Pomoc: LB i RB (albo lewo i prawo) przewracają strony. W opcjach i pomocy B działa jak Dalej. Odłączenie pada podczas gry wstrzymuje grę.</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Erreur</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Avertissement</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>&amp;Oui</source>
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>&amp;Non</source>
        <translation>&amp;Nie</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Impossible de jouer le son. Votre carte son est occupée ou ne supporte pas les fonctions requises par le driver utilisé. Fermez toutes les applications, vérifiez que les pilotes choisis au départ sont supportés et rééssayez. Lisez Zorbil.txt pour infos.</source>
        <translation>Nie można odtworzyć dźwięku. Karta dźwiękowa jest zajęta albo nie obsługuje funkcji wymaganych przez używany sterownik. Zamknij wszystkie aplikacje, sprawdź, czy sterowniki wybrane na początku są obsługiwane, i spróbuj ponownie. Więcej informacji w Zorbil.pl.txt.</translation>
    </message>
    <message>
        <source>Impossible de jouer le son. Votre carte son est occupée ou ne supporte pas les fonctions requises par le driver utilisé. Fermez toutes les applications, vérifiez que les pilotes choisis au départ sont supportés et rééssayez. Lisez Zorbil.txt pour info</source>
        <translation>Nie można odtworzyć dźwięku. Karta dźwiękowa jest zajęta albo nie obsługuje funkcji wymaganych przez używany sterownik. Zamknij wszystkie aplikacje, sprawdź, czy sterowniki wybrane na początku są obsługiwane, i spróbuj ponownie. Więcej informacji w Zorbil.pl.txt</translation>
    </message>
    <message>
        <source>Un problème est survenu lors de la configuration avec les paramètres choisis. Votre carte son ne les supporte pas ou est peut-être occupée. Lisez le fichier Zorbil.txt pour plus de détails sur ces problèmes.</source>
        <translation>Podczas konfigurowania dźwięku z wybranymi ustawieniami wystąpił problem. Karta dźwiękowa ich nie obsługuje albo jest zajęta. Więcej o takich problemach w pliku Zorbil.pl.txt.</translation>
    </message>
    <message>
        <source>Vous utilisez actuellement le mode Grandes Polices de Windows. Zorbil est optimisé pour fonctionner en Petites Polices et apparaîtra fortement disproportionné si vous le lancez avec le mode Grandes Polices. Voulez-vous continuer malgré tout ?</source>
        <translation>Używasz trybu dużych czcionek systemu Windows. Zorbil jest przystosowany do małych czcionek i przy dużych będzie wyglądał mocno nieproporcjonalnie. Czy mimo to chcesz kontynuować?</translation>
    </message>
    <message>
        <source>Impossible de lire la configuration du jeu depuis le fichier Config.dat. Assurez-vous que le répertoire Data existe, et que le disque ne soit pas plein ou protégé en écriture.</source>
        <translation>Nie można wczytać konfiguracji gry z pliku Config.dat. Upewnij się, że folder Data istnieje, a dysk nie jest pełny ani zabezpieczony przed zapisem.</translation>
    </message>
    <message>
        <source>Impossible de sauvegarder la configuration ! Vérifiez que le répertoire Data existe et que le disque n&apos;est pas plein ou protégé en écriture.</source>
        <translation>Nie można zapisać konfiguracji! Sprawdź, czy folder Data istnieje, a dysk nie jest pełny ani zabezpieczony przed zapisem.</translation>
    </message>
    <message>
        <source>Impossible de lire la configuration des options depuis le fichier Config.dat ! Vérifiez que le répertoire Data existe et que le disque n&apos;est pas plein ou protégé en écriture.</source>
        <translation>Nie można wczytać ustawień opcji z pliku Config.dat! Sprawdź, czy folder Data istnieje, a dysk nie jest pełny ani zabezpieczony przed zapisem.</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire sur le disque. Vérifiez qu&apos;il n&apos;est pas plein ou protégé en écriture.</source>
        <translation>Nie można zapisać na dysku. Sprawdź, czy nie jest pełny ani zabezpieczony przed zapisem.</translation>
    </message>
    <message>
        <source>Impossible de travailler sur le disque dur. Vérifiez qu&apos;il n&apos;est pas plein ou protégé en écriture.</source>
        <translation>Brak dostępu do dysku twardego. Sprawdź, czy nie jest pełny ani zabezpieczony przed zapisem.</translation>
    </message>
    <message>
        <source>Impossible de préparer le dossier du jeu %1 (%2). Vérifiez que vous pouvez y écrire et que le disque n&apos;est pas plein.</source>
        <translation>Nie można przygotować folderu gry %1 (%2). Sprawdź, czy możesz w nim zapisywać i czy dysk nie jest pełny.</translation>
    </message>
    <message>
        <source>Impossible de lancer le programme du jeu %1 (%2). Réinstallez le jeu.</source>
        <translation>Nie można uruchomić programu gry %1 (%2). Zainstaluj grę ponownie.</translation>
    </message>
    <message>
        <source>Une erreur s&apos;est produite lors du chargement de la texture d&apos;arrière-plan que vous avez sélectionnée. Le fichier est introuvable ou son format n&apos;est pas correct. Lisez le fichier Zorbil.txt pour plus de détails sur ce type d&apos;erreurs.</source>
        <translation>Podczas wczytywania wybranej tekstury tła wystąpił błąd. Nie znaleziono pliku albo ma on nieprawidłowy format. Więcej o takich błędach w pliku Zorbil.pl.txt.</translation>
    </message>
    <message>
        <source>Impossible de lire le contenu des répertoires suivants : %1. Les textures et les musiques du jeu doivent se trouver dans les sous-répertoires Textures et Musiques du répertoire du jeu. Lisez Zorbil.txt pour plus de détails.</source>
        <translation>Nie można odczytać zawartości następujących folderów: %1. Tekstury i muzyka gry muszą się znajdować w podfolderach Textures i Musiques folderu gry. Więcej informacji w Zorbil.pl.txt.</translation>
    </message>
    <message>
        <source>Les fichiers de sons sont décodés sans Landlock : le noyau ne l&apos;offre pas.</source>
        <translation>Pliki dźwiękowe są dekodowane bez Landlocka: jądro go nie obsługuje.</translation>
    </message>
    <message>
        <source>Les fichiers de sons sont décodés sans filtre d&apos;appels système : le noyau l&apos;a refusé.</source>
        <translation>Pliki dźwiękowe są dekodowane bez filtra wywołań systemowych: jądro go odrzuciło.</translation>
    </message>
    <message>
        <source>Les fichiers de sons sont décodés sans espaces de noms à eux : le noyau les a refusés.</source>
        <translation>Pliki dźwiękowe są dekodowane bez własnych przestrzeni nazw: jądro je odrzuciło.</translation>
    </message>
</context>
<context>
    <name>ScoreText</name>
    <message>
        <source>Score : %1</source>
        <translation>Wynik: %1</translation>
    </message>
</context>
<context>
    <name>ZorbilApplication</name>
    <message>
        <source>Une erreur inattendue est survenue.</source>
        <translation>Wystąpił nieoczekiwany błąd.</translation>
    </message>
</context>
<context>
    <name>zorbil::GameOverPanel</name>
    <message>
        <source>&amp;Continuer</source>
        <translation>&amp;Dalej</translation>
    </message>
</context>
<context>
    <name>zorbil::HelpPanel</name>
    <message>
        <source>ImageAide</source>
        <extracomment>The name of the title picture drawn in this language</extracomment>
        <translation>ImageAidePl</translation>
    </message>
    <message>
        <source>A propos</source>
        <translation>O grze</translation>
    </message>
    <message>
        <source>&amp;Continuer</source>
        <translation>&amp;Dalej</translation>
    </message>
    <message>
        <source>Principes du jeu</source>
        <translation>Zasady gry</translation>
    </message>
    <message>
        <source>Les menus</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Les commandes</source>
        <translation>Sterowanie</translation>
    </message>
    <message>
        <source>Textures et musiques</source>
        <translation>Tekstury i muzyka</translation>
    </message>
    <message>
        <source>Infos complémentaires (Zorbil.txt)</source>
        <translation>Więcej informacji (Zorbil.pl.txt)</translation>
    </message>
    <message>
        <source>N&apos;hésitez surtout pas à lire le fichier Zorbil.txt. Il contient bien plus de renseignements que ceux donnés ici, comme des explications pour configurer la carte son ou des avertissements importants sur les messages d&apos;erreur qui peuvent parfois s&apos;afficher.</source>
        <translation>Koniecznie przeczytaj plik Zorbil.pl.txt. Znajdziesz w nim znacznie więcej informacji niż tutaj, np. jak skonfigurować kartę dźwiękową, a także ważne uwagi o komunikatach o błędach, które mogą się czasem pojawić.</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir le fichier %1.</source>
        <translation>Nie można otworzyć pliku %1.</translation>
    </message>
    <message>
        <source>Aide et Instructions</source>
        <translation>Pomoc i instrukcja</translation>
    </message>
</context>
<context>
    <name>zorbil::MainMenuPanel</name>
    <message>
        <source>&amp;Jouer</source>
        <translation>&amp;Graj</translation>
    </message>
    <message>
        <source>&amp;Meilleurs Scores</source>
        <translation>&amp;Najlepsze wyniki</translation>
    </message>
    <message>
        <source>&amp;Aide et Instructions</source>
        <translation>&amp;Pomoc i instrukcje</translation>
    </message>
    <message>
        <source>&amp;Options de Jeu</source>
        <translation>&amp;Opcje gry</translation>
    </message>
    <message>
        <source>&amp;Quitter Zorbil</source>
        <translation>&amp;Wyjdź z gry</translation>
    </message>
    <message>
        <source>Menu principal</source>
        <translation>Menu główne</translation>
    </message>
</context>
<context>
    <name>zorbil::OptionsPanel</name>
    <message>
        <source>Choisissez une texture et / ou une musique à utiliser pendant le jeu dans les listes ci-dessous.</source>
        <translation>Wybierz z poniższych list teksturę i/lub muzykę, których chcesz używać w grze.</translation>
    </message>
    <message>
        <source>Vitesse de Zorbil :</source>
        <translation>Prędkość Zorbila:</translation>
    </message>
    <message>
        <source>Rapide</source>
        <translation>Szybka</translation>
    </message>
    <message>
        <source>Lente</source>
        <translation>Wolna</translation>
    </message>
    <message>
        <source>Texture de l&apos;arrière-plan :</source>
        <translation>Tekstura tła:</translation>
    </message>
    <message>
        <source>Musique de fond :</source>
        <translation>Muzyka w tle:</translation>
    </message>
    <message>
        <source>&amp;Continuer</source>
        <translation>&amp;Dalej</translation>
    </message>
    <message>
        <source>ImageOptions</source>
        <extracomment>The name of the title picture drawn in this language</extracomment>
        <translation>ImageOptionsPl</translation>
    </message>
    <message>
        <source>Activer les sons</source>
        <translation>Włącz dźwięki</translation>
    </message>
    <message>
        <source>Activer les musiques</source>
        <translation>Włącz muzykę</translation>
    </message>
    <message>
        <source>Options de Jeu</source>
        <translation>Opcje gry</translation>
    </message>
    <message>
        <source>De 0, la plus rapide, à 9, la plus lente</source>
        <translation>Od 0, najszybciej, do 9, najwolniej</translation>
    </message>
</context>
<context>
    <name>zorbil::PausePanel</name>
    <message>
        <source>ImagePause</source>
        <extracomment>The name of the title picture drawn in this language</extracomment>
        <translation>ImagePausePl</translation>
    </message>
    <message>
        <source>&amp;Continuer</source>
        <translation>&amp;Dalej</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>Jeu en Pause</source>
        <translation>Gra wstrzymana</translation>
    </message>
</context>
<context>
    <name>zorbil::ScoresPanel</name>
    <message>
        <source>ImageScores</source>
        <extracomment>The name of the title picture drawn in this language</extracomment>
        <translation>ImageScoresPl</translation>
    </message>
    <message>
        <source>Votre score :</source>
        <translation>Twój wynik:</translation>
    </message>
    <message>
        <source>Meilleur score :</source>
        <translation>Najlepszy wynik:</translation>
    </message>
    <message>
        <source>&amp;Continuer</source>
        <translation>&amp;Dalej</translation>
    </message>
    <message>
        <source>Les Scores</source>
        <translation>Wyniki</translation>
    </message>
</context>
<context>
    <name>zorbil::SpinButton</name>
    <message>
        <source>Augmenter</source>
        <translation>Zwiększ</translation>
    </message>
    <message>
        <source>Diminuer</source>
        <translation>Zmniejsz</translation>
    </message>
</context>
<context>
    <name>zorbil::TConfigForm</name>
    <message>
        <source>Son</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Fréq.</source>
        <translation>Częst.</translation>
    </message>
    <message>
        <source>Qualité</source>
        <translation>Jakość</translation>
    </message>
    <message>
        <source>&amp;Interpolation</source>
        <translation>&amp;Interpolacja</translation>
    </message>
    <message>
        <source>Driver / Pilote :</source>
        <translation>Sterownik:</translation>
    </message>
    <message>
        <source>&amp;Windows Multimedia</source>
        <translation>&amp;Windows Multimedia</translation>
    </message>
    <message>
        <source>&amp;Microsoft DirectSound (Supporte EAX 1/2)</source>
        <translation>&amp;Microsoft DirectSound (obsługa EAX 1/2)</translation>
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
        <translation>&amp;A3D - Wersja 3.0 (obsługa geometrii)</translation>
    </message>
    <message>
        <source>Mixeur :</source>
        <translation>Mikser:</translation>
    </message>
    <message>
        <source>Au&amp;to-Détection</source>
        <translation>Au&amp;towykrywanie</translation>
    </message>
    <message>
        <source>Pentium (MM&amp;X)</source>
        <translation>Pentium (MM&amp;X)</translation>
    </message>
    <message>
        <source>Pentium &amp;(Non MMX)</source>
        <translation>Pentium &amp;(bez MMX)</translation>
    </message>
    <message>
        <source>Pentium P&amp;ro / PII / PIII</source>
        <translation>Pentium P&amp;ro / PII / PIII</translation>
    </message>
    <message>
        <source>FPU I&amp;nterpolé</source>
        <translation>FPU z i&amp;nterpolacją</translation>
    </message>
    <message>
        <source>Affichage</source>
        <translation>Ekran</translation>
    </message>
    <message>
        <source>&amp;Plein Ecran</source>
        <translation>&amp;Pełny ekran</translation>
    </message>
    <message>
        <source>&amp;Fenêtré</source>
        <translation>W o&amp;knie</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>Fréquence de mixage</source>
        <translation>Częstotliwość miksowania</translation>
    </message>
</context>
<context>
    <name>zorbil::TZorbilForm</name>
    <message>
        <source>Score : %1, meilleur score : %2</source>
        <translation>Wynik: %1, rekord: %2</translation>
    </message>
</context>
</TS>
