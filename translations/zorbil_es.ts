<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="fr">
<context>
    <name>AboutPage</name>
    <message>
        <source>%1 - © 2026 les auteurs de Zorbil, logiciel libre</source>
        <translation>%1 - © 2026 los autores de Zorbil, software libre</translation>
    </message>
    <message>
        <source>Affichage 3D : OpenGL, GLU et freeglut (Mesa 3D)</source>
        <translation>Gráficos 3D: OpenGL, GLU y freeglut (Mesa 3D)</translation>
    </message>
    <message>
        <source>Fenêtres et écrans : Qt 6 (The Qt Company)</source>
        <translation>Ventanas y pantallas: Qt 6 (The Qt Company)</translation>
    </message>
    <message>
        <source>Support sonore pris en charge par la librairie SDL_mixer</source>
        <translation>Sonido gracias a la biblioteca SDL_mixer</translation>
    </message>
    <message>
        <source>Gestion des textures par la librairie mwGL de</source>
        <translation>Texturas gestionadas con la biblioteca mwGL de</translation>
    </message>
    <message>
        <source>Sites Internet :</source>
        <translation>Sitios web:</translation>
    </message>
    <message>
        <source>Page Web de Zorbil :</source>
        <translation>Página web de Zorbil:</translation>
    </message>
    <message>
        <source>(Zorbil.txt, les notes du jeu)</source>
        <translation>(Zorbil.es.txt, las notas del juego)</translation>
    </message>
    <message>
        <source>Contacts e-mail :</source>
        <translation>Correo:</translation>
    </message>
</context>
<context>
    <name>HelpPanel</name>
    <message>
        <source>/Zorbil.txt</source>
        <extracomment>The notes file in this language, beside the French &quot;Zorbil.txt&quot;</extracomment>
        <translation>/Zorbil.es.txt</translation>
    </message>
</context>
<context>
    <name>HelpTexts</name>
    <message>
        <source>Zorbil est une reprise en 3D d&apos;un classique dans le monde du jeu vidéo, ce jeu dans lequel vous devez diriger un serpent (ou un ver de terre, c&apos;est selon) et le faire manger des objets sans qu&apos;il se morde la queue ou qu&apos;il se cogne aux bords de l&apos;écran.</source>
        <translation>Zorbil es una versión en 3D de un clásico de los videojuegos: ese juego en el que diriges una serpiente (o una lombriz, como prefieras) y le haces comer cosas sin que se muerda la cola ni choque contra los bordes de la pantalla.</translation>
    </message>
    <message>
        <source>Celles et ceux qui en connaissent déjà le principe n&apos;ont rien de plus à apprendre, puisque Zorbil reprend exactement le même, mais en ajoutant seulement la puissance graphique et sonore des PC actuels.</source>
        <translation>Quien ya conozca el juego no tiene nada más que aprender: Zorbil sigue exactamente las mismas reglas y solo añade la potencia gráfica y sonora de los PC actuales.</translation>
    </message>
    <message>
        <source>En effet, car Zorbil vous offre, en plus de l&apos;option de base pour ce type de jeu - le réglage de la vitesse de déplacement du serpent - la possibilité de mettre dans le jeu une texture de fond et une musique personnalisées (voir &apos;Textures et musiques&apos;).</source>
        <translation>Y es que, además de la opción básica de este tipo de juegos (ajustar la velocidad de la serpiente), Zorbil te permite poner en el juego una textura de fondo y una música a tu gusto (consulta “Texturas y música”).</translation>
    </message>
    <message>
        <source>Si vous n&apos;avez vraiment jamais joué à ce genre de jeu, voici les principales règles du jeu que vous devez savoir.</source>
        <translation>Si de verdad nunca has jugado a un juego de este tipo, estas son las reglas principales que debes conocer.</translation>
    </message>
    <message>
        <source>En fait, le but du jeu est de diriger Zorbil, un serpent qui, une fois lancé, ne peut plus s&apos;arrêter ni faire demi-tour, et qui doit manger les beignets qui apparaissent à l&apos;écran afin de vous faire gagner le maximum de points.</source>
        <translation>El objetivo del juego es dirigir a Zorbil, una serpiente que, una vez en marcha, ya no puede pararse ni dar media vuelta, y que debe comerse los dónuts que aparecen en la pantalla para que ganes el máximo de puntos.</translation>
    </message>
    <message>
        <source>Chaque donut ingurgité donne droit à un certain nombre de points (qui constituent en fait votre score). Ces points sont calculés en fonction de la vitesse de Zorbil : plus il va vite, plus vous gagnez de points à chaque donut avalé.</source>
        <translation>Cada dónut que se come vale un número de puntos (que forman tu puntuación). Los puntos dependen de la velocidad de Zorbil: cuanto más rápido va, más puntos ganas con cada dónut.</translation>
    </message>
    <message>
        <source>Les donuts que vous avalez apparaissent un par un, et à chaque fois à un endroit différent de l&apos;écran. Sachez que vous ne pouvez ni arrêter ni faire reculer le serpent.</source>
        <translation>Los dónuts aparecen de uno en uno, y cada vez en un lugar distinto de la pantalla. Recuerda que no puedes parar la serpiente ni hacerla retroceder.</translation>
    </message>
    <message>
        <source>Le jeu se déroule ainsi tout le temps. Il ne se terminera que si Zorbil rencontre un des bords de l&apos;écran, ou s&apos;il se mord tout seul. A ce moment là, le score que vous avez obtenu vous sera montré et enregistré comme record s&apos;il dépasse le meilleur score.</source>
        <translation>El juego sigue así todo el rato. Solo termina cuando Zorbil choca contra uno de los bordes de la pantalla o se muerde a sí mismo. Entonces verás tu puntuación, que se guardará como récord si supera la mejor puntuación.</translation>
    </message>
    <message>
        <source>Lisez les paragraphes suivants pour connaitre comment maîtriser le jeu, ou si vous vous sentez fin prêt(e) pour vous lancer au défi de battre le meilleur score actuel, bonne chance !</source>
        <translation>Lee las páginas siguientes para aprender a dominar el juego o, si te ves con fuerzas para intentar batir la mejor puntuación actual, ¡buena suerte!</translation>
    </message>
    <message>
        <source>Après avoir configuré vos paramètres de carte son et d&apos;affichage (voir le fichier Zorbil.txt pour plus de précisions à ce sujet), vous voyez apparaître le menu principal dans lequel quatre boutons vous sont proposés :</source>
        <translation>Cuando hayas configurado la tarjeta de sonido y la pantalla (consulta el archivo Zorbil.es.txt para más detalles), aparece el menú principal, que te ofrece cuatro botones:</translation>
    </message>
    <message>
        <source>* Jouer : pour démarrer une nouvelle partie avec les options sélectionnées.</source>
        <translation>* Jugar: empieza una partida nueva con las opciones elegidas.</translation>
    </message>
    <message>
        <source>* Options de Jeu : pour activer ou désactiver les sons ou la musique, définir la vitesse de déplacement de Zorbil et choisir la texture d&apos;arrière-plan et la musique de fond à utiliser pendant le jeu.</source>
        <translation>* Opciones de juego: activa o desactiva los sonidos y la música, ajusta la velocidad de Zorbil y elige la textura de fondo y la música que sonará durante la partida.</translation>
    </message>
    <message>
        <source>Note : si vous avez désactivé la case &apos;Son&apos; dans la boîte de dialogue de configuration, les cases pour activer ou désactiver le son et la musique seront automatiquement grisées.</source>
        <translation>Nota: si desmarcaste la casilla “Audio” en el cuadro de configuración, las casillas para activar o desactivar el sonido y la música aparecen en gris.</translation>
    </message>
    <message>
        <source>* Meilleurs scores : affiche le dernier score que vous avez fait depuis le lancement du jeu, ainsi que le meilleur, enregistré dans un fichier sur le disque dur.</source>
        <translation>* Mejores puntuaciones: muestra la última puntuación que has hecho desde que arrancaste el juego y la mejor, guardada en un archivo del disco duro.</translation>
    </message>
    <message>
        <source>* Aide et Instructions : affiche cet écran d&apos;aide.</source>
        <translation>* Ayuda e instrucciones: muestra esta ayuda.</translation>
    </message>
    <message>
        <source>* Quitte le jeu et revient au bureau.</source>
        <translation>* Cierra el juego y vuelve al escritorio.</translation>
    </message>
    <message>
        <source>Notez que si vous n&apos;avez choisi ni musique ni texture lorsque vous cliquez sur Jouer, le menu Options apparait automatiquement.</source>
        <translation>Si al pulsar Jugar no has elegido ni música ni textura, el menú de opciones aparece solo.</translation>
    </message>
    <message>
        <source>Les commandes nécéssaires pour diriger Zorbil sont très simples à retenir : vous utilisez les quatres touches fléchées pour faire avancer Zorbil en bas, en haut, à gauche et à droite.</source>
        <translation>Los controles para dirigir a Zorbil son muy fáciles de recordar: usa las cuatro flechas del teclado para mover a Zorbil hacia abajo, arriba, la izquierda y la derecha.</translation>
    </message>
    <message>
        <source>Il existe aussi d&apos;autres commandes que vous pouvez utiliser à tout moment pendant le jeu :</source>
        <translation>Hay además otras teclas que puedes usar en cualquier momento de la partida:</translation>
    </message>
    <message>
        <source>* Echap : vous permet de mettre en pause le jeu. Vous pourrez ensuite choisir de reprendre la partie ou de la quitter, et donc d&apos;enregistrer votre score à l&apos;état ou il se trouve à ce moment-là.</source>
        <translation>* Esc: pone el juego en pausa. Después puedes elegir entre seguir la partida o dejarla, y así guardar tu puntuación tal como esté en ese momento.</translation>
    </message>
    <message>
        <source>* F1 : affiche cet écran d&apos;aide.</source>
        <translation>* F1: muestra esta ayuda.</translation>
    </message>
    <message>
        <source>* F2 : pour accéder au menu des options. Très utile pour changer la musique ou la texture en cours ou régler la vitesse de Zorbil. Dans ce cas, le comptage des points change en fonction de la nouvelle vitesse, mais vos points déjà acquis sont conservés.</source>
        <translation>* F2: abre el menú de opciones. Muy útil para cambiar la música o la textura actual o ajustar la velocidad de Zorbil. Los puntos se cuentan entonces según la nueva velocidad, pero conservas los que ya habías ganado.</translation>
    </message>
    <message>
        <source>* F3 : affiche le menu des scores.</source>
        <translation>* F3: muestra los récords.</translation>
    </message>
    <message>
        <source>Si vous passez à une autre fenêtre pendant une partie (Alt+Tab, clic ailleurs...), le jeu se met de lui-même en pause, comme avec Echap.</source>
        <translation>Si cambias a otra ventana durante una partida (Alt+Tab, un clic fuera...), el juego se pone en pausa solo, como con Esc.</translation>
    </message>
    <message>
        <source>Zorbil vous donne la possibilité, en plus des textures et musiques déjà existantes, d&apos;importer celles de votre choix et de les utiliser dans le jeu, à condition de respecter les formats de fichiers supportés.</source>
        <translation>Además de las texturas y las músicas que trae, Zorbil te permite importar las que quieras y usarlas en el juego, siempre que estén en un formato de archivo compatible.</translation>
    </message>
    <message>
        <source>Pour ce qui est des textures, celles-ci doivent obligatoirement être au format PCX (Paintbrush ZSoft), de taille 256 x 256 et en 256 couleurs (8 bits). La palette de couleurs utilisée n&apos;a pas d&apos;importance.</source>
        <translation>Las texturas tienen que ser archivos PCX (Paintbrush ZSoft), de 256 x 256 píxeles y 256 colores (8 bits). La paleta de colores que uses da igual.</translation>
    </message>
    <message>
        <source>Notez bien que les textures exploitent la librairie mwGL, de Pelmoro (voir Zorbil.txt pour infos) et que cette librairie affiche la texture étirée sur tout l&apos;écran (pas en mosaïque) avec un filtre de flou.</source>
        <translation>Ten en cuenta que las texturas usan la biblioteca mwGL, de Pelmoro (más información en Zorbil.es.txt), y que esta biblioteca estira la textura por toda la pantalla (sin repetirla en mosaico) con un filtro de desenfoque.</translation>
    </message>
    <message>
        <source>Il y a donc de fortes chances pour qu&apos;elles ne s&apos;affichent pas de la même façon que dans votre logiciel de dessin habituel. Sachez également que Zorbil prend la couleur principale de l&apos;arrière-plan utilisé, donc qu&apos;il risque de se voir plus ou moins bien.</source>
        <translation>Así que lo más probable es que no se vean igual que en tu programa de dibujo habitual. Ten en cuenta también que Zorbil toma el color principal del fondo que uses, así que puede verse mejor o peor.</translation>
    </message>
    <message>
        <source>Pour que vos textures s&apos;affichent dans la liste du menu des options, elles doivent se trouver dans le sous-répertoire Textures du jeu et porter l&apos;extension .pcx.</source>
        <translation>Para que tus texturas aparezcan en la lista del menú de opciones, deben estar en la subcarpeta Textures del juego y tener la extensión .pcx.</translation>
    </message>
    <message>
        <source>La librairie SDL_mixer (qui prend en charge le son et la musique), quant à elle, supporte un grand nombre de formats musicaux :</source>
        <translation>La biblioteca SDL_mixer (que se encarga del sonido y la música) admite un gran número de formatos de música:</translation>
    </message>
    <message>
        <source>* les échantillons *.wav (PCM Wave), *.aif (Audio IFF), *.mp3 (MPEG Layer 3), *.ogg (Vorbis OGG), *.opus (Opus), *.flac (FLAC).</source>
        <translation>* las muestras *.wav (PCM Wave), *.aif (Audio IFF), *.mp3 (MPEG Layer 3), *.ogg (Vorbis OGG), *.opus (Opus), *.flac (FLAC).</translation>
    </message>
    <message>
        <source>* les modules *.mod (Protracker), *.s3m (Screamtracker), *.xm (FastTracker), *.it (Impulse Tracker), *.mid (Midi).</source>
        <translation>* los módulos *.mod (Protracker), *.s3m (Screamtracker), *.xm (FastTracker), *.it (Impulse Tracker), *.mid (Midi).</translation>
    </message>
    <message>
        <source>Les musiques doivent obligatoirement porter l&apos;extension .mus afin de pouvoir être affichées dans la liste du menu des options. Vous pouvez tout à fait rajouter l&apos;extension .mus après celle existant déjà (ex : musique.mid.mus).</source>
        <translation>Las músicas tienen que llevar la extensión .mus para aparecer en la lista del menú de opciones. Basta con añadir .mus detrás de la extensión que ya tienen (p. ej.: musica.mid.mus).</translation>
    </message>
    <message>
        <source>Remarques : Le jeu détecte tout seul le format de fichier utilisé. Il est préférable d&apos;utiliser des fichiers musicaux en 44,1 KHz maximum, étant donné que le jeu ne vous autorise pas à choisir une fréquence de lecture de plus de 44100 Hz.</source>
        <translation>Observaciones: el juego detecta solo el formato del archivo. Es mejor usar archivos de música de 44,1 kHz como máximo, ya que el juego no te deja elegir una frecuencia de reproducción de más de 44100 Hz.</translation>
    </message>
    <message>
        <source>Avec une manette, branchée avant ou pendant le jeu : la croix ou le stick gauche dirigent Zorbil, Start met en pause ou reprend, B fait comme Echap. Dans les menus, la croix passe d&apos;une commande à l&apos;autre et A l&apos;active. Configuration : gauche et droite changent la fréquence et la qualité, Start valide. Options : gauche et droite règlent la vitesse, haut et bas choisissent dans les listes. Aide : LB et RB (ou gauche et droite) tournent les pages. Dans les options et l&apos;aide, B fait comme Continuer. Débranchée pendant une partie, la manette la met en pause.</source>
        <translation>Con un mando, conectado antes o durante el juego: la cruceta o el stick izquierdo dirigen a Zorbil, Start pausa o reanuda y B hace lo mismo que Esc. En los menús, la cruceta pasa de un control a otro y A lo activa. Configuración: izquierda y derecha cambian la frecuencia y la calidad, Start confirma. Opciones: izquierda y derecha ajustan la velocidad, arriba y abajo eligen en las listas. Ayuda: LB y RB (o izquierda y derecha) pasan las páginas. En las opciones y en la ayuda, B hace lo mismo que Continuar. Si desconectas el mando durante una partida, la partida se pone en pausa.</translation>
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
        <translation>Aviso</translation>
    </message>
    <message>
        <source>&amp;Oui</source>
        <translation>&amp;Sí</translation>
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
        <translation>No se puede reproducir el sonido. Tu tarjeta de sonido está ocupada o no admite las funciones que necesita el controlador en uso. Cierra todas las aplicaciones, comprueba que los controladores elegidos al inicio son compatibles y vuelve a intentarlo. Más información en Zorbil.es.txt.</translation>
    </message>
    <message>
        <source>Impossible de jouer le son. Votre carte son est occupée ou ne supporte pas les fonctions requises par le driver utilisé. Fermez toutes les applications, vérifiez que les pilotes choisis au départ sont supportés et rééssayez. Lisez Zorbil.txt pour info</source>
        <translation>No se puede reproducir el sonido. Tu tarjeta de sonido está ocupada o no admite las funciones que necesita el controlador en uso. Cierra todas las aplicaciones, comprueba que los controladores elegidos al inicio son compatibles y vuelve a intentarlo. Más información en Zorbil.es.txt</translation>
    </message>
    <message>
        <source>Un problème est survenu lors de la configuration avec les paramètres choisis. Votre carte son ne les supporte pas ou est peut-être occupée. Lisez le fichier Zorbil.txt pour plus de détails sur ces problèmes.</source>
        <translation>Hubo un problema al configurar el sonido con los ajustes elegidos. Tu tarjeta de sonido no los admite o puede que esté ocupada. Lee el archivo Zorbil.es.txt para más detalles sobre estos problemas.</translation>
    </message>
    <message>
        <source>Vous utilisez actuellement le mode Grandes Polices de Windows. Zorbil est optimisé pour fonctionner en Petites Polices et apparaîtra fortement disproportionné si vous le lancez avec le mode Grandes Polices. Voulez-vous continuer malgré tout ?</source>
        <translation>Estás usando el modo Fuentes grandes de Windows. Zorbil está pensado para funcionar con Fuentes pequeñas y se verá muy desproporcionado si lo inicias en el modo Fuentes grandes. ¿Quieres continuar de todos modos?</translation>
    </message>
    <message>
        <source>Impossible de lire la configuration du jeu depuis le fichier Config.dat. Assurez-vous que le répertoire Data existe, et que le disque ne soit pas plein ou protégé en écriture.</source>
        <translation>No se puede leer la configuración del juego del archivo Config.dat. Asegúrate de que la carpeta Data existe y de que el disco no está lleno ni protegido contra escritura.</translation>
    </message>
    <message>
        <source>Impossible de sauvegarder la configuration ! Vérifiez que le répertoire Data existe et que le disque n&apos;est pas plein ou protégé en écriture.</source>
        <translation>¡No se puede guardar la configuración! Comprueba que la carpeta Data existe y que el disco no está lleno ni protegido contra escritura.</translation>
    </message>
    <message>
        <source>Impossible de lire la configuration des options depuis le fichier Config.dat ! Vérifiez que le répertoire Data existe et que le disque n&apos;est pas plein ou protégé en écriture.</source>
        <translation>¡No se puede leer la configuración de las opciones del archivo Config.dat! Comprueba que la carpeta Data existe y que el disco no está lleno ni protegido contra escritura.</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire sur le disque. Vérifiez qu&apos;il n&apos;est pas plein ou protégé en écriture.</source>
        <translation>No se puede escribir en el disco. Comprueba que no está lleno ni protegido contra escritura.</translation>
    </message>
    <message>
        <source>Impossible de travailler sur le disque dur. Vérifiez qu&apos;il n&apos;est pas plein ou protégé en écriture.</source>
        <translation>No se puede trabajar en el disco duro. Comprueba que no está lleno ni protegido contra escritura.</translation>
    </message>
    <message>
        <source>Impossible de préparer le dossier du jeu %1 (%2). Vérifiez que vous pouvez y écrire et que le disque n&apos;est pas plein.</source>
        <translation>No se puede preparar la carpeta del juego %1 (%2). Comprueba que puedes escribir en ella y que el disco no está lleno.</translation>
    </message>
    <message>
        <source>Impossible de lancer le programme du jeu %1 (%2). Réinstallez le jeu.</source>
        <translation>No se puede iniciar el programa del juego %1 (%2). Vuelve a instalar el juego.</translation>
    </message>
    <message>
        <source>Une erreur s&apos;est produite lors du chargement de la texture d&apos;arrière-plan que vous avez sélectionnée. Le fichier est introuvable ou son format n&apos;est pas correct. Lisez le fichier Zorbil.txt pour plus de détails sur ce type d&apos;erreurs.</source>
        <translation>Se produjo un error al cargar la textura de fondo que elegiste. No se encuentra el archivo o su formato no es correcto. Lee el archivo Zorbil.es.txt para más detalles sobre este tipo de errores.</translation>
    </message>
    <message>
        <source>Impossible de lire le contenu des répertoires suivants : %1. Les textures et les musiques du jeu doivent se trouver dans les sous-répertoires Textures et Musiques du répertoire du jeu. Lisez Zorbil.txt pour plus de détails.</source>
        <translation>No se puede leer el contenido de estas carpetas: %1. Las texturas y las músicas del juego deben estar en las subcarpetas Textures y Musiques de la carpeta del juego. Lee Zorbil.es.txt para más detalles.</translation>
    </message>
    <message>
        <source>Les fichiers de sons sont décodés sans Landlock : le noyau ne l&apos;offre pas.</source>
        <translation>Los archivos de sonido se decodifican sin Landlock: el núcleo no lo ofrece.</translation>
    </message>
    <message>
        <source>Les fichiers de sons sont décodés sans filtre d&apos;appels système : le noyau l&apos;a refusé.</source>
        <translation>Los archivos de sonido se decodifican sin filtro de llamadas al sistema: el núcleo lo ha rechazado.</translation>
    </message>
    <message>
        <source>Les fichiers de sons sont décodés sans espaces de noms à eux : le noyau les a refusés.</source>
        <translation>Los archivos de sonido se decodifican sin espacios de nombres propios: el núcleo los ha rechazado.</translation>
    </message>
</context>
<context>
    <name>ScoreText</name>
    <message>
        <source>Score : %1</source>
        <translation>Puntos: %1</translation>
    </message>
</context>
<context>
    <name>ZorbilApplication</name>
    <message>
        <source>Une erreur inattendue est survenue.</source>
        <translation>Se ha producido un error inesperado.</translation>
    </message>
</context>
<context>
    <name>zorbil::GameOverPanel</name>
    <message>
        <source>&amp;Continuer</source>
        <translation>&amp;Continuar</translation>
    </message>
</context>
<context>
    <name>zorbil::HelpPanel</name>
    <message>
        <source>ImageAide</source>
        <extracomment>The name of the title picture drawn in this language</extracomment>
        <translation>ImageAideEs</translation>
    </message>
    <message>
        <source>A propos</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>&amp;Continuer</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>Principes du jeu</source>
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>Les menus</source>
        <translation>Los menús</translation>
    </message>
    <message>
        <source>Les commandes</source>
        <translation>Los controles</translation>
    </message>
    <message>
        <source>Textures et musiques</source>
        <translation>Texturas y música</translation>
    </message>
    <message>
        <source>Infos complémentaires (Zorbil.txt)</source>
        <translation>Más información (Zorbil.es.txt)</translation>
    </message>
    <message>
        <source>N&apos;hésitez surtout pas à lire le fichier Zorbil.txt. Il contient bien plus de renseignements que ceux donnés ici, comme des explications pour configurer la carte son ou des avertissements importants sur les messages d&apos;erreur qui peuvent parfois s&apos;afficher.</source>
        <translation>No dejes de leer el archivo Zorbil.es.txt. Tiene mucha más información que la que hay aquí, como la manera de configurar la tarjeta de sonido o avisos importantes sobre los mensajes de error que pueden aparecer a veces.</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir le fichier %1.</source>
        <translation>No se puede abrir el archivo %1.</translation>
    </message>
    <message>
        <source>Aide et Instructions</source>
        <translation>Ayuda e instrucciones</translation>
    </message>
</context>
<context>
    <name>zorbil::MainMenuPanel</name>
    <message>
        <source>&amp;Jouer</source>
        <translation>&amp;Jugar</translation>
    </message>
    <message>
        <source>&amp;Meilleurs Scores</source>
        <translation>&amp;Mejores puntuaciones</translation>
    </message>
    <message>
        <source>&amp;Aide et Instructions</source>
        <translation>&amp;Ayuda e instrucciones</translation>
    </message>
    <message>
        <source>&amp;Options de Jeu</source>
        <translation>&amp;Opciones de juego</translation>
    </message>
    <message>
        <source>&amp;Quitter Zorbil</source>
        <translation>&amp;Salir de Zorbil</translation>
    </message>
    <message>
        <source>Menu principal</source>
        <translation>Menú principal</translation>
    </message>
</context>
<context>
    <name>zorbil::OptionsPanel</name>
    <message>
        <source>Choisissez une texture et / ou une musique à utiliser pendant le jeu dans les listes ci-dessous.</source>
        <translation>Elige en las listas de abajo una textura y/o una música para la partida.</translation>
    </message>
    <message>
        <source>Vitesse de Zorbil :</source>
        <translation>Velocidad:</translation>
    </message>
    <message>
        <source>Rapide</source>
        <translation>Rápida</translation>
    </message>
    <message>
        <source>Lente</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>Texture de l&apos;arrière-plan :</source>
        <translation>Textura de fondo:</translation>
    </message>
    <message>
        <source>Musique de fond :</source>
        <translation>Música de fondo:</translation>
    </message>
    <message>
        <source>&amp;Continuer</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>ImageOptions</source>
        <extracomment>The name of the title picture drawn in this language</extracomment>
        <translation>ImageOptionsEs</translation>
    </message>
    <message>
        <source>Activer les sons</source>
        <translation>Activar sonidos</translation>
    </message>
    <message>
        <source>Activer les musiques</source>
        <translation>Activar música</translation>
    </message>
    <message>
        <source>Options de Jeu</source>
        <translation>Opciones de juego</translation>
    </message>
    <message>
        <source>De 0, la plus rapide, à 9, la plus lente</source>
        <translation>De 0, la más rápida, a 9, la más lenta</translation>
    </message>
</context>
<context>
    <name>zorbil::PausePanel</name>
    <message>
        <source>ImagePause</source>
        <extracomment>The name of the title picture drawn in this language</extracomment>
        <translation>ImagePauseEs</translation>
    </message>
    <message>
        <source>&amp;Continuer</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Jeu en Pause</source>
        <translation>Juego en pausa</translation>
    </message>
</context>
<context>
    <name>zorbil::ScoresPanel</name>
    <message>
        <source>ImageScores</source>
        <extracomment>The name of the title picture drawn in this language</extracomment>
        <translation>ImageScoresEs</translation>
    </message>
    <message>
        <source>Votre score :</source>
        <translation>Tus puntos:</translation>
    </message>
    <message>
        <source>Meilleur score :</source>
        <translation>Récord:</translation>
    </message>
    <message>
        <source>&amp;Continuer</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>Les Scores</source>
        <translation>Récords</translation>
    </message>
</context>
<context>
    <name>zorbil::SpinButton</name>
    <message>
        <source>Augmenter</source>
        <translation>Aumentar</translation>
    </message>
    <message>
        <source>Diminuer</source>
        <translation>Disminuir</translation>
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
        <translation>Frec.</translation>
    </message>
    <message>
        <source>Qualité</source>
        <translation>Calidad</translation>
    </message>
    <message>
        <source>&amp;Interpolation</source>
        <translation>&amp;Interpolación</translation>
    </message>
    <message>
        <source>Driver / Pilote :</source>
        <translation>Controlador:</translation>
    </message>
    <message>
        <source>&amp;Windows Multimedia</source>
        <translation>&amp;Windows Multimedia</translation>
    </message>
    <message>
        <source>&amp;Microsoft DirectSound (Supporte EAX 1/2)</source>
        <translation>&amp;Microsoft DirectSound (admite EAX 1/2)</translation>
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
        <translation>A3&amp;D - Versión 3.0 (admite geometría)</translation>
    </message>
    <message>
        <source>Mixeur :</source>
        <translation>Mezclador:</translation>
    </message>
    <message>
        <source>Au&amp;to-Détection</source>
        <translation>Au&amp;todetección</translation>
    </message>
    <message>
        <source>Pentium (MM&amp;X)</source>
        <translation>Pentium (MM&amp;X)</translation>
    </message>
    <message>
        <source>Pentium &amp;(Non MMX)</source>
        <translation>Pentium (si&amp;n MMX)</translation>
    </message>
    <message>
        <source>Pentium P&amp;ro / PII / PIII</source>
        <translation>Pentium P&amp;ro / PII / PIII</translation>
    </message>
    <message>
        <source>FPU I&amp;nterpolé</source>
        <translation>FPU interpo&amp;lada</translation>
    </message>
    <message>
        <source>Affichage</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>&amp;Plein Ecran</source>
        <translation>&amp;Completa</translation>
    </message>
    <message>
        <source>&amp;Fenêtré</source>
        <translation>&amp;Ventana</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Fréquence de mixage</source>
        <translation>Frecuencia de mezcla</translation>
    </message>
</context>
<context>
    <name>zorbil::TZorbilForm</name>
    <message>
        <source>Score : %1, meilleur score : %2</source>
        <translation>Puntos: %1, récord: %2</translation>
    </message>
</context>
</TS>
