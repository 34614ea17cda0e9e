<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="fr">
<context>
    <name>AboutPage</name>
    <message>
        <source>%1 - © 2026 les auteurs de Zorbil, logiciel libre</source>
        <translation>%1 - © 2026 gli autori di Zorbil, software libero</translation>
    </message>
    <message>
        <source>Affichage 3D : OpenGL, GLU et freeglut (Mesa 3D)</source>
        <translation>Grafica 3D: OpenGL, GLU e freeglut (Mesa 3D)</translation>
    </message>
    <message>
        <source>Fenêtres et écrans : Qt 6 (The Qt Company)</source>
        <translation>Finestre e schermate: Qt 6 (The Qt Company)</translation>
    </message>
    <message>
        <source>Support sonore pris en charge par la librairie SDL_mixer</source>
        <translation>Supporto audio fornito dalla libreria SDL_mixer</translation>
    </message>
    <message>
        <source>Gestion des textures par la librairie mwGL de</source>
        <translation>Gestione delle texture con la libreria mwGL di</translation>
    </message>
    <message>
        <source>Sites Internet :</source>
        <translation>Siti web:</translation>
    </message>
    <message>
        <source>Page Web de Zorbil :</source>
        <translation>Pagina web di Zorbil:</translation>
    </message>
    <message>
        <source>(Zorbil.txt, les notes du jeu)</source>
        <translation>(Zorbil.it.txt, le note del gioco)</translation>
    </message>
    <message>
        <source>Contacts e-mail :</source>
        <translation>Contatti e-mail:</translation>
    </message>
</context>
<context>
    <name>HelpPanel</name>
    <message>
        <source>/Zorbil.txt</source>
        <extracomment>The notes file in this language, beside the French &quot;Zorbil.txt&quot;</extracomment>
        <translation>/Zorbil.it.txt</translation>
    </message>
</context>
<context>
    <name>HelpTexts</name>
    <message>
        <source>Zorbil est une reprise en 3D d&apos;un classique dans le monde du jeu vidéo, ce jeu dans lequel vous devez diriger un serpent (ou un ver de terre, c&apos;est selon) et le faire manger des objets sans qu&apos;il se morde la queue ou qu&apos;il se cogne aux bords de l&apos;écran.</source>
        <translation>Zorbil è un remake in 3D di un classico dei videogiochi, il gioco in cui devi guidare un serpente (o un lombrico, fa lo stesso) e fargli mangiare degli oggetti senza che si morda la coda o sbatta contro i bordi dello schermo.</translation>
    </message>
    <message>
        <source>Celles et ceux qui en connaissent déjà le principe n&apos;ont rien de plus à apprendre, puisque Zorbil reprend exactement le même, mais en ajoutant seulement la puissance graphique et sonore des PC actuels.</source>
        <translation>Chi conosce già il meccanismo non ha niente di nuovo da imparare, perché Zorbil lo riprende tale e quale, aggiungendo soltanto la potenza grafica e sonora dei PC di oggi.</translation>
    </message>
    <message>
        <source>En effet, car Zorbil vous offre, en plus de l&apos;option de base pour ce type de jeu - le réglage de la vitesse de déplacement du serpent - la possibilité de mettre dans le jeu une texture de fond et une musique personnalisées (voir &apos;Textures et musiques&apos;).</source>
        <translation>Infatti, oltre all&apos;opzione di base di questo tipo di gioco - la regolazione della velocità del serpente - Zorbil ti permette di mettere nel gioco una texture di sfondo e una musica a tua scelta (vedi &apos;Texture e musiche&apos;).</translation>
    </message>
    <message>
        <source>Si vous n&apos;avez vraiment jamais joué à ce genre de jeu, voici les principales règles du jeu que vous devez savoir.</source>
        <translation>Se non hai mai giocato a questo genere di gioco, ecco le regole principali che devi conoscere.</translation>
    </message>
    <message>
        <source>En fait, le but du jeu est de diriger Zorbil, un serpent qui, une fois lancé, ne peut plus s&apos;arrêter ni faire demi-tour, et qui doit manger les beignets qui apparaissent à l&apos;écran afin de vous faire gagner le maximum de points.</source>
        <translation>Lo scopo del gioco è guidare Zorbil, un serpente che, una volta partito, non può più fermarsi né tornare indietro, e che deve mangiare le ciambelle che compaiono sullo schermo per farti guadagnare più punti possibile.</translation>
    </message>
    <message>
        <source>Chaque donut ingurgité donne droit à un certain nombre de points (qui constituent en fait votre score). Ces points sont calculés en fonction de la vitesse de Zorbil : plus il va vite, plus vous gagnez de points à chaque donut avalé.</source>
        <translation>Ogni ciambella mangiata vale un certo numero di punti (che formano il tuo punteggio). I punti dipendono dalla velocità di Zorbil: più va veloce, più punti guadagni per ogni ciambella che mangia.</translation>
    </message>
    <message>
        <source>Les donuts que vous avalez apparaissent un par un, et à chaque fois à un endroit différent de l&apos;écran. Sachez que vous ne pouvez ni arrêter ni faire reculer le serpent.</source>
        <translation>Le ciambelle da mangiare compaiono una alla volta, ogni volta in un punto diverso dello schermo. Ricorda che non puoi né fermare il serpente né farlo tornare indietro.</translation>
    </message>
    <message>
        <source>Le jeu se déroule ainsi tout le temps. Il ne se terminera que si Zorbil rencontre un des bords de l&apos;écran, ou s&apos;il se mord tout seul. A ce moment là, le score que vous avez obtenu vous sera montré et enregistré comme record s&apos;il dépasse le meilleur score.</source>
        <translation>Il gioco va avanti così senza sosta. Finisce solo quando Zorbil tocca uno dei bordi dello schermo o si morde da solo. A quel punto vedrai il tuo punteggio, che sarà salvato come record se supera il miglior punteggio.</translation>
    </message>
    <message>
        <source>Lisez les paragraphes suivants pour connaitre comment maîtriser le jeu, ou si vous vous sentez fin prêt(e) pour vous lancer au défi de battre le meilleur score actuel, bonne chance !</source>
        <translation>Leggi le pagine seguenti per imparare a padroneggiare il gioco, oppure, se te la senti di raccogliere la sfida e battere il miglior punteggio attuale, buona fortuna!</translation>
    </message>
    <message>
        <source>Après avoir configuré vos paramètres de carte son et d&apos;affichage (voir le fichier Zorbil.txt pour plus de précisions à ce sujet), vous voyez apparaître le menu principal dans lequel quatre boutons vous sont proposés :</source>
        <translation>Dopo aver configurato la scheda audio e lo schermo (vedi il file Zorbil.it.txt per maggiori dettagli), compare il menu principale, che ti offre quattro pulsanti:</translation>
    </message>
    <message>
        <source>* Jouer : pour démarrer une nouvelle partie avec les options sélectionnées.</source>
        <translation>* Gioca: inizia una nuova partita con le opzioni selezionate.</translation>
    </message>
    <message>
        <source>* Options de Jeu : pour activer ou désactiver les sons ou la musique, définir la vitesse de déplacement de Zorbil et choisir la texture d&apos;arrière-plan et la musique de fond à utiliser pendant le jeu.</source>
        <translation>* Opzioni di gioco: per attivare o disattivare suoni e musica, impostare la velocità di Zorbil e scegliere la texture di sfondo e la musica da usare durante il gioco.</translation>
    </message>
    <message>
        <source>Note : si vous avez désactivé la case &apos;Son&apos; dans la boîte de dialogue de configuration, les cases pour activer ou désactiver le son et la musique seront automatiquement grisées.</source>
        <translation>Nota: se hai disattivato la casella &apos;Audio&apos; nella finestra di configurazione, le caselle per attivare o disattivare suoni e musica saranno automaticamente in grigio.</translation>
    </message>
    <message>
        <source>* Meilleurs scores : affiche le dernier score que vous avez fait depuis le lancement du jeu, ainsi que le meilleur, enregistré dans un fichier sur le disque dur.</source>
        <translation>* Punteggi migliori: mostra l&apos;ultimo punteggio che hai ottenuto da quando hai avviato il gioco e il migliore, salvato in un file sul disco rigido.</translation>
    </message>
    <message>
        <source>* Aide et Instructions : affiche cet écran d&apos;aide.</source>
        <translation>* Aiuto e istruzioni: mostra questo aiuto.</translation>
    </message>
    <message>
        <source>* Quitte le jeu et revient au bureau.</source>
        <translation>* Chiude il gioco e torna al desktop.</translation>
    </message>
    <message>
        <source>Notez que si vous n&apos;avez choisi ni musique ni texture lorsque vous cliquez sur Jouer, le menu Options apparait automatiquement.</source>
        <translation>Nota che se non hai scelto né una musica né una texture quando fai clic su Gioca, il menu Opzioni compare da solo.</translation>
    </message>
    <message>
        <source>Les commandes nécéssaires pour diriger Zorbil sont très simples à retenir : vous utilisez les quatres touches fléchées pour faire avancer Zorbil en bas, en haut, à gauche et à droite.</source>
        <translation>I comandi per guidare Zorbil sono facilissimi da ricordare: usa i quattro tasti freccia per far muovere Zorbil in basso, in alto, a sinistra e a destra.</translation>
    </message>
    <message>
        <source>Il existe aussi d&apos;autres commandes que vous pouvez utiliser à tout moment pendant le jeu :</source>
        <translation>Ci sono anche altri tasti che puoi usare in qualsiasi momento durante il gioco:</translation>
    </message>
    <message>
        <source>* Echap : vous permet de mettre en pause le jeu. Vous pourrez ensuite choisir de reprendre la partie ou de la quitter, et donc d&apos;enregistrer votre score à l&apos;état ou il se trouve à ce moment-là.</source>
        <translation>* Esc: mette in pausa il gioco. Potrai poi scegliere se riprendere la partita o abbandonarla, e quindi salvare il tuo punteggio così com&apos;è in quel momento.</translation>
    </message>
    <message>
        <source>* F1 : affiche cet écran d&apos;aide.</source>
        <translation>* F1: mostra questo aiuto.</translation>
    </message>
    <message>
        <source>* F2 : pour accéder au menu des options. Très utile pour changer la musique ou la texture en cours ou régler la vitesse de Zorbil. Dans ce cas, le comptage des points change en fonction de la nouvelle vitesse, mais vos points déjà acquis sont conservés.</source>
        <translation>* F2: apre il menu delle opzioni. Utilissimo per cambiare la musica o la texture in uso o regolare la velocità di Zorbil. I punti vengono allora contati in base alla nuova velocità, ma quelli già guadagnati restano.</translation>
    </message>
    <message>
        <source>* F3 : affiche le menu des scores.</source>
        <translation>* F3: mostra il menu dei punteggi.</translation>
    </message>
    <message>
        <source>Si vous passez à une autre fenêtre pendant une partie (Alt+Tab, clic ailleurs...), le jeu se met de lui-même en pause, comme avec Echap.</source>
        <translation>Se passi a un&apos;altra finestra durante una partita (Alt+Tab, clic altrove...), il gioco va in pausa da solo, come con Esc.</translation>
    </message>
    <message>
        <source>Zorbil vous donne la possibilité, en plus des textures et musiques déjà existantes, d&apos;importer celles de votre choix et de les utiliser dans le jeu, à condition de respecter les formats de fichiers supportés.</source>
        <translation>Oltre alle texture e alle musiche incluse, Zorbil ti permette di importare quelle che preferisci e di usarle nel gioco, purché siano nei formati di file supportati.</translation>
    </message>
    <message>
        <source>Pour ce qui est des textures, celles-ci doivent obligatoirement être au format PCX (Paintbrush ZSoft), de taille 256 x 256 et en 256 couleurs (8 bits). La palette de couleurs utilisée n&apos;a pas d&apos;importance.</source>
        <translation>Le texture devono essere per forza in formato PCX (Paintbrush ZSoft), di 256 x 256 pixel e a 256 colori (8 bit). La tavolozza dei colori usata non ha importanza.</translation>
    </message>
    <message>
        <source>Notez bien que les textures exploitent la librairie mwGL, de Pelmoro (voir Zorbil.txt pour infos) et que cette librairie affiche la texture étirée sur tout l&apos;écran (pas en mosaïque) avec un filtre de flou.</source>
        <translation>Nota che le texture usano la libreria mwGL di Pelmoro (vedi Zorbil.it.txt per informazioni) e che questa libreria stira la texture su tutto lo schermo (non affiancata) con un filtro di sfocatura.</translation>
    </message>
    <message>
        <source>Il y a donc de fortes chances pour qu&apos;elles ne s&apos;affichent pas de la même façon que dans votre logiciel de dessin habituel. Sachez également que Zorbil prend la couleur principale de l&apos;arrière-plan utilisé, donc qu&apos;il risque de se voir plus ou moins bien.</source>
        <translation>È quindi molto probabile che non appaiano come nel tuo solito programma di disegno. Sappi anche che Zorbil prende il colore principale dello sfondo in uso, quindi potrebbe vedersi più o meno bene.</translation>
    </message>
    <message>
        <source>Pour que vos textures s&apos;affichent dans la liste du menu des options, elles doivent se trouver dans le sous-répertoire Textures du jeu et porter l&apos;extension .pcx.</source>
        <translation>Perché le tue texture compaiano nell&apos;elenco del menu delle opzioni, devono trovarsi nella sottocartella Textures del gioco e avere l&apos;estensione .pcx.</translation>
    </message>
    <message>
        <source>La librairie SDL_mixer (qui prend en charge le son et la musique), quant à elle, supporte un grand nombre de formats musicaux :</source>
        <translation>La libreria SDL_mixer (che gestisce suoni e musica), invece, supporta moltissimi formati musicali:</translation>
    </message>
    <message>
        <source>* les échantillons *.wav (PCM Wave), *.aif (Audio IFF), *.mp3 (MPEG Layer 3), *.ogg (Vorbis OGG), *.opus (Opus), *.flac (FLAC).</source>
        <translation>* i campioni *.wav (PCM Wave), *.aif (Audio IFF), *.mp3 (MPEG Layer 3), *.ogg (Vorbis OGG), *.opus (Opus), *.flac (FLAC).</translation>
    </message>
    <message>
        <source>* les modules *.mod (Protracker), *.s3m (Screamtracker), *.xm (FastTracker), *.it (Impulse Tracker), *.mid (Midi).</source>
        <translation>* i moduli *.mod (Protracker), *.s3m (Screamtracker), *.xm (FastTracker), *.it (Impulse Tracker), *.mid (Midi).</translation>
    </message>
    <message>
        <source>Les musiques doivent obligatoirement porter l&apos;extension .mus afin de pouvoir être affichées dans la liste du menu des options. Vous pouvez tout à fait rajouter l&apos;extension .mus après celle existant déjà (ex : musique.mid.mus).</source>
        <translation>Le musiche devono per forza avere l&apos;estensione .mus per comparire nell&apos;elenco del menu delle opzioni. Puoi semplicemente aggiungere .mus dopo l&apos;estensione già presente (es. musica.mid.mus).</translation>
    </message>
    <message>
        <source>Remarques : Le jeu détecte tout seul le format de fichier utilisé. Il est préférable d&apos;utiliser des fichiers musicaux en 44,1 KHz maximum, étant donné que le jeu ne vous autorise pas à choisir une fréquence de lecture de plus de 44100 Hz.</source>
        <translation>Note: il gioco riconosce da solo il formato del file usato. È meglio usare file musicali a 44,1 kHz al massimo, dato che il gioco non ti permette di scegliere una frequenza di riproduzione superiore a 44100 Hz.</translation>
    </message>
    <message>
        <source>Avec une manette, branchée avant ou pendant le jeu : la croix ou le stick gauche dirigent Zorbil, Start met en pause ou reprend, B fait comme Echap. Dans les menus, la croix passe d&apos;une commande à l&apos;autre et A l&apos;active. Configuration : gauche et droite changent la fréquence et la qualité, Start valide. Options : gauche et droite règlent la vitesse, haut et bas choisissent dans les listes. Aide : LB et RB (ou gauche et droite) tournent les pages. Dans les options et l&apos;aide, B fait comme Continuer. Débranchée pendant une partie, la manette la met en pause.</source>
        <translation>Con un gamepad, collegato prima o durante il gioco: la croce direzionale o lo stick sinistro guidano Zorbil, Start mette in pausa o riprende, B fa come Esc. Nei menu la croce passa da un comando all&apos;altro e A lo attiva. Configurazione: sinistra e destra cambiano frequenza e qualità, Start conferma. Opzioni: sinistra e destra regolano la velocità, su e giù scelgono nelle liste. Aiuto: LB e RB (o sinistra e destra) girano le pagine. Nelle opzioni e nell&apos;aiuto, B fa come Continua. Se lo scolleghi durante una partita, il gioco va in pausa.</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Erreur</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Avertissement</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>&amp;Oui</source>
        <translation>&amp;Sì</translation>
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
        <translation>Impossibile riprodurre il suono. La scheda audio è occupata o non supporta le funzioni richieste dal driver in uso. Chiudi tutte le applicazioni, verifica che i driver scelti all&apos;avvio siano supportati e riprova. Leggi Zorbil.it.txt per informazioni.</translation>
    </message>
    <message>
        <source>Impossible de jouer le son. Votre carte son est occupée ou ne supporte pas les fonctions requises par le driver utilisé. Fermez toutes les applications, vérifiez que les pilotes choisis au départ sont supportés et rééssayez. Lisez Zorbil.txt pour info</source>
        <translation>Impossibile riprodurre il suono. La scheda audio è occupata o non supporta le funzioni richieste dal driver in uso. Chiudi tutte le applicazioni, verifica che i driver scelti all&apos;avvio siano supportati e riprova. Leggi Zorbil.it.txt per info</translation>
    </message>
    <message>
        <source>Un problème est survenu lors de la configuration avec les paramètres choisis. Votre carte son ne les supporte pas ou est peut-être occupée. Lisez le fichier Zorbil.txt pour plus de détails sur ces problèmes.</source>
        <translation>Si è verificato un problema durante la configurazione con le impostazioni scelte. La scheda audio non le supporta o forse è occupata. Leggi il file Zorbil.it.txt per maggiori dettagli su questi problemi.</translation>
    </message>
    <message>
        <source>Vous utilisez actuellement le mode Grandes Polices de Windows. Zorbil est optimisé pour fonctionner en Petites Polices et apparaîtra fortement disproportionné si vous le lancez avec le mode Grandes Polices. Voulez-vous continuer malgré tout ?</source>
        <translation>Stai usando la modalità Caratteri grandi di Windows. Zorbil è pensato per Caratteri piccoli e apparirà molto sproporzionato se lo avvii in modalità Caratteri grandi. Vuoi continuare comunque?</translation>
    </message>
    <message>
        <source>Impossible de lire la configuration du jeu depuis le fichier Config.dat. Assurez-vous que le répertoire Data existe, et que le disque ne soit pas plein ou protégé en écriture.</source>
        <translation>Impossibile leggere la configurazione del gioco dal file Config.dat. Assicurati che la cartella Data esista e che il disco non sia pieno o protetto da scrittura.</translation>
    </message>
    <message>
        <source>Impossible de sauvegarder la configuration ! Vérifiez que le répertoire Data existe et que le disque n&apos;est pas plein ou protégé en écriture.</source>
        <translation>Impossibile salvare la configurazione! Verifica che la cartella Data esista e che il disco non sia pieno o protetto da scrittura.</translation>
    </message>
    <message>
        <source>Impossible de lire la configuration des options depuis le fichier Config.dat ! Vérifiez que le répertoire Data existe et que le disque n&apos;est pas plein ou protégé en écriture.</source>
        <translation>Impossibile leggere la configurazione delle opzioni dal file Config.dat! Verifica che la cartella Data esista e che il disco non sia pieno o protetto da scrittura.</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire sur le disque. Vérifiez qu&apos;il n&apos;est pas plein ou protégé en écriture.</source>
        <translation>Impossibile scrivere sul disco. Verifica che non sia pieno o protetto da scrittura.</translation>
    </message>
    <message>
        <source>Impossible de travailler sur le disque dur. Vérifiez qu&apos;il n&apos;est pas plein ou protégé en écriture.</source>
        <translation>Impossibile lavorare sul disco rigido. Verifica che non sia pieno o protetto da scrittura.</translation>
    </message>
    <message>
        <source>Impossible de préparer le dossier du jeu %1 (%2). Vérifiez que vous pouvez y écrire et que le disque n&apos;est pas plein.</source>
        <translation>Impossibile preparare la cartella del gioco %1 (%2). Verifica di poterci scrivere e che il disco non sia pieno.</translation>
    </message>
    <message>
        <source>Impossible de lancer le programme du jeu %1 (%2). Réinstallez le jeu.</source>
        <translation>Impossibile avviare il programma del gioco %1 (%2). Reinstalla il gioco.</translation>
    </message>
    <message>
        <source>Une erreur s&apos;est produite lors du chargement de la texture d&apos;arrière-plan que vous avez sélectionnée. Le fichier est introuvable ou son format n&apos;est pas correct. Lisez le fichier Zorbil.txt pour plus de détails sur ce type d&apos;erreurs.</source>
        <translation>Si è verificato un errore durante il caricamento della texture di sfondo che hai selezionato. Il file non è stato trovato o il suo formato non è corretto. Leggi il file Zorbil.it.txt per maggiori dettagli su questo tipo di errori.</translation>
    </message>
    <message>
        <source>Impossible de lire le contenu des répertoires suivants : %1. Les textures et les musiques du jeu doivent se trouver dans les sous-répertoires Textures et Musiques du répertoire du jeu. Lisez Zorbil.txt pour plus de détails.</source>
        <translation>Impossibile leggere il contenuto delle seguenti cartelle: %1. Le texture e le musiche del gioco devono trovarsi nelle sottocartelle Textures e Musiques della cartella del gioco. Leggi Zorbil.it.txt per maggiori dettagli.</translation>
    </message>
    <message>
        <source>Les fichiers de sons sont décodés sans Landlock : le noyau ne l&apos;offre pas.</source>
        <translation>I file audio vengono decodificati senza Landlock: il kernel non lo supporta.</translation>
    </message>
    <message>
        <source>Les fichiers de sons sont décodés sans filtre d&apos;appels système : le noyau l&apos;a refusé.</source>
        <translation>I file audio vengono decodificati senza filtro delle chiamate di sistema: il kernel l&apos;ha rifiutato.</translation>
    </message>
    <message>
        <source>Les fichiers de sons sont décodés sans espaces de noms à eux : le noyau les a refusés.</source>
        <translation>I file audio vengono decodificati senza namespace propri: il kernel li ha rifiutati.</translation>
    </message>
</context>
<context>
    <name>ScoreText</name>
    <message>
        <source>Score : %1</source>
        <translation>Punteggio: %1</translation>
    </message>
</context>
<context>
    <name>ZorbilApplication</name>
    <message>
        <source>Une erreur inattendue est survenue.</source>
        <translation>Si è verificato un errore imprevisto.</translation>
    </message>
</context>
<context>
    <name>zorbil::GameOverPanel</name>
    <message>
        <source>&amp;Continuer</source>
        <translation>&amp;Continua</translation>
    </message>
</context>
<context>
    <name>zorbil::HelpPanel</name>
    <message>
        <source>ImageAide</source>
        <extracomment>The name of the title picture drawn in this language</extracomment>
        <translation>ImageAideIt</translation>
    </message>
    <message>
        <source>A propos</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>&amp;Continuer</source>
        <translation>&amp;Continua</translation>
    </message>
    <message>
        <source>Principes du jeu</source>
        <translation>Come si gioca</translation>
    </message>
    <message>
        <source>Les menus</source>
        <translation>I menu</translation>
    </message>
    <message>
        <source>Les commandes</source>
        <translation>I comandi</translation>
    </message>
    <message>
        <source>Textures et musiques</source>
        <translation>Texture e musiche</translation>
    </message>
    <message>
        <source>Infos complémentaires (Zorbil.txt)</source>
        <translation>Altre informazioni (Zorbil.it.txt)</translation>
    </message>
    <message>
        <source>N&apos;hésitez surtout pas à lire le fichier Zorbil.txt. Il contient bien plus de renseignements que ceux donnés ici, comme des explications pour configurer la carte son ou des avertissements importants sur les messages d&apos;erreur qui peuvent parfois s&apos;afficher.</source>
        <translation>Non esitare a leggere il file Zorbil.it.txt. Contiene molte più informazioni di quelle date qui, come le spiegazioni per configurare la scheda audio o avvertenze importanti sui messaggi di errore che a volte possono comparire.</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir le fichier %1.</source>
        <translation>Impossibile aprire il file %1.</translation>
    </message>
    <message>
        <source>Aide et Instructions</source>
        <translation>Aiuto e istruzioni</translation>
    </message>
</context>
<context>
    <name>zorbil::MainMenuPanel</name>
    <message>
        <source>&amp;Jouer</source>
        <translation>&amp;Gioca</translation>
    </message>
    <message>
        <source>&amp;Meilleurs Scores</source>
        <translation>&amp;Punteggi migliori</translation>
    </message>
    <message>
        <source>&amp;Aide et Instructions</source>
        <translation>&amp;Aiuto e istruzioni</translation>
    </message>
    <message>
        <source>&amp;Options de Jeu</source>
        <translation>&amp;Opzioni di gioco</translation>
    </message>
    <message>
        <source>&amp;Quitter Zorbil</source>
        <translation>&amp;Esci da Zorbil</translation>
    </message>
    <message>
        <source>Menu principal</source>
        <translation>Menu principale</translation>
    </message>
</context>
<context>
    <name>zorbil::OptionsPanel</name>
    <message>
        <source>Choisissez une texture et / ou une musique à utiliser pendant le jeu dans les listes ci-dessous.</source>
        <translation>Scegli nelle liste qui sotto una texture e / o una musica da usare durante il gioco.</translation>
    </message>
    <message>
        <source>Vitesse de Zorbil :</source>
        <translation>Velocità di Zorbil:</translation>
    </message>
    <message>
        <source>Rapide</source>
        <translation>Veloce</translation>
    </message>
    <message>
        <source>Lente</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>Texture de l&apos;arrière-plan :</source>
        <translation>Texture di sfondo:</translation>
    </message>
    <message>
        <source>Musique de fond :</source>
        <translation>Musica di sottofondo:</translation>
    </message>
    <message>
        <source>&amp;Continuer</source>
        <translation>&amp;Continua</translation>
    </message>
    <message>
        <source>ImageOptions</source>
        <extracomment>The name of the title picture drawn in this language</extracomment>
        <translation>ImageOptionsIt</translation>
    </message>
    <message>
        <source>Activer les sons</source>
        <translation>Attiva i suoni</translation>
    </message>
    <message>
        <source>Activer les musiques</source>
        <translation>Attiva la musica</translation>
    </message>
    <message>
        <source>Options de Jeu</source>
        <translation>Opzioni di gioco</translation>
    </message>
    <message>
        <source>De 0, la plus rapide, à 9, la plus lente</source>
        <translation>Da 0, la più veloce, a 9, la più lenta</translation>
    </message>
</context>
<context>
    <name>zorbil::PausePanel</name>
    <message>
        <source>ImagePause</source>
        <extracomment>The name of the title picture drawn in this language</extracomment>
        <translation>ImagePauseIt</translation>
    </message>
    <message>
        <source>&amp;Continuer</source>
        <translation>&amp;Continua</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Jeu en Pause</source>
        <translation>Gioco in pausa</translation>
    </message>
</context>
<context>
    <name>zorbil::ScoresPanel</name>
    <message>
        <source>ImageScores</source>
        <extracomment>The name of the title picture drawn in this language</extracomment>
        <translation>ImageScoresIt</translation>
    </message>
    <message>
        <source>Votre score :</source>
        <translation>Il tuo punteggio:</translation>
    </message>
    <message>
        <source>Meilleur score :</source>
        <translation>Miglior punteggio:</translation>
    </message>
    <message>
        <source>&amp;Continuer</source>
        <translation>&amp;Continua</translation>
    </message>
    <message>
        <source>Les Scores</source>
        <translation>Punteggi</translation>
    </message>
</context>
<context>
    <name>zorbil::SpinButton</name>
    <message>
        <source>Augmenter</source>
        <translation>Aumenta</translation>
    </message>
    <message>
        <source>Diminuer</source>
        <translation>Diminuisci</translation>
    </message>
</context>
<context>
    <name>zorbil::TConfigForm</name>
    <message>
        <source>Son</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Fréq.</source>
        <translation>Freq.</translation>
    </message>
    <message>
        <source>Qualité</source>
        <translation>Qualità</translation>
    </message>
    <message>
        <source>&amp;Interpolation</source>
        <translation>&amp;Interpolazione</translation>
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
        <translation>&amp;Microsoft DirectSound (supporta EAX 1/2)</translation>
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
        <translation>&amp;A3D - Versione 3.0 (supporta geometria)</translation>
    </message>
    <message>
        <source>Mixeur :</source>
        <translation>Mixer:</translation>
    </message>
    <message>
        <source>Au&amp;to-Détection</source>
        <translation>Au&amp;torilevamento</translation>
    </message>
    <message>
        <source>Pentium (MM&amp;X)</source>
        <translation>Pentium (MM&amp;X)</translation>
    </message>
    <message>
        <source>Pentium &amp;(Non MMX)</source>
        <translation>Pentium &amp;(non MMX)</translation>
    </message>
    <message>
        <source>Pentium P&amp;ro / PII / PIII</source>
        <translation>Pentium P&amp;ro / PII / PIII</translation>
    </message>
    <message>
        <source>FPU I&amp;nterpolé</source>
        <translation>FPU I&amp;nterpolata</translation>
    </message>
    <message>
        <source>Affichage</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>&amp;Plein Ecran</source>
        <translation>&amp;Schermo intero</translation>
    </message>
    <message>
        <source>&amp;Fenêtré</source>
        <translation>In &amp;finestra</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>Es&amp;ci</translation>
    </message>
    <message>
        <source>Fréquence de mixage</source>
        <translation>Frequenza di missaggio</translation>
    </message>
</context>
<context>
    <name>zorbil::TZorbilForm</name>
    <message>
        <source>Score : %1, meilleur score : %2</source>
        <translation>Punteggio: %1, record: %2</translation>
    </message>
</context>
</TS>
