<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="fr">
<context>
    <name>AboutPage</name>
    <message>
        <source>%1 - © 2026 les auteurs de Zorbil, logiciel libre</source>
        <translation>%1 - © 2026 os autores do Zorbil, software livre</translation>
    </message>
    <message>
        <source>Affichage 3D : OpenGL, GLU et freeglut (Mesa 3D)</source>
        <translation>Gráficos 3D: OpenGL, GLU e freeglut (Mesa 3D)</translation>
    </message>
    <message>
        <source>Fenêtres et écrans : Qt 6 (The Qt Company)</source>
        <translation>Janelas e telas: Qt 6 (The Qt Company)</translation>
    </message>
    <message>
        <source>Support sonore pris en charge par la librairie SDL_mixer</source>
        <translation>Som fornecido pela biblioteca SDL_mixer</translation>
    </message>
    <message>
        <source>Gestion des textures par la librairie mwGL de</source>
        <translation>Texturas gerenciadas pela biblioteca mwGL de</translation>
    </message>
    <message>
        <source>Sites Internet :</source>
        <translation>Sites:</translation>
    </message>
    <message>
        <source>Page Web de Zorbil :</source>
        <translation>Página do Zorbil:</translation>
    </message>
    <message>
        <source>(Zorbil.txt, les notes du jeu)</source>
        <translation>(Zorbil.pt_BR.txt, as notas do jogo)</translation>
    </message>
    <message>
        <source>Contacts e-mail :</source>
        <translation>E-mail:</translation>
    </message>
</context>
<context>
    <name>HelpPanel</name>
    <message>
        <source>/Zorbil.txt</source>
        <extracomment>The notes file in this language, beside the French &quot;Zorbil.txt&quot;</extracomment>
        <translation>/Zorbil.pt_BR.txt</translation>
    </message>
</context>
<context>
    <name>HelpTexts</name>
    <message>
        <source>Zorbil est une reprise en 3D d&apos;un classique dans le monde du jeu vidéo, ce jeu dans lequel vous devez diriger un serpent (ou un ver de terre, c&apos;est selon) et le faire manger des objets sans qu&apos;il se morde la queue ou qu&apos;il se cogne aux bords de l&apos;écran.</source>
        <translation>Zorbil é uma versão em 3D de um clássico dos videogames, aquele jogo em que você controla uma cobra (ou uma minhoca, como preferir) e a faz comer coisas sem morder o próprio rabo nem bater nas bordas da tela.</translation>
    </message>
    <message>
        <source>Celles et ceux qui en connaissent déjà le principe n&apos;ont rien de plus à apprendre, puisque Zorbil reprend exactement le même, mais en ajoutant seulement la puissance graphique et sonore des PC actuels.</source>
        <translation>Quem já conhece a ideia não tem mais nada a aprender, pois o Zorbil segue exatamente as mesmas regras, só acrescentando o poder gráfico e sonoro dos PCs de hoje.</translation>
    </message>
    <message>
        <source>En effet, car Zorbil vous offre, en plus de l&apos;option de base pour ce type de jeu - le réglage de la vitesse de déplacement du serpent - la possibilité de mettre dans le jeu une texture de fond et une musique personnalisées (voir &apos;Textures et musiques&apos;).</source>
        <translation>Além da opção básica desse tipo de jogo (ajustar a velocidade da cobra), o Zorbil permite colocar no jogo uma textura de fundo e uma música à sua escolha (veja “Texturas e músicas”).</translation>
    </message>
    <message>
        <source>Si vous n&apos;avez vraiment jamais joué à ce genre de jeu, voici les principales règles du jeu que vous devez savoir.</source>
        <translation>Se você nunca jogou um jogo desse tipo, estas são as principais regras que precisa conhecer.</translation>
    </message>
    <message>
        <source>En fait, le but du jeu est de diriger Zorbil, un serpent qui, une fois lancé, ne peut plus s&apos;arrêter ni faire demi-tour, et qui doit manger les beignets qui apparaissent à l&apos;écran afin de vous faire gagner le maximum de points.</source>
        <translation>O objetivo do jogo é controlar o Zorbil, uma cobra que, depois que começa a andar, não pode mais parar nem dar meia-volta, e que deve comer os donuts que aparecem na tela para você ganhar o máximo de pontos.</translation>
    </message>
    <message>
        <source>Chaque donut ingurgité donne droit à un certain nombre de points (qui constituent en fait votre score). Ces points sont calculés en fonction de la vitesse de Zorbil : plus il va vite, plus vous gagnez de points à chaque donut avalé.</source>
        <translation>Cada donut engolido vale um número de pontos (que formam a sua pontuação). Os pontos dependem da velocidade do Zorbil: quanto mais rápido ele vai, mais pontos você ganha a cada donut.</translation>
    </message>
    <message>
        <source>Les donuts que vous avalez apparaissent un par un, et à chaque fois à un endroit différent de l&apos;écran. Sachez que vous ne pouvez ni arrêter ni faire reculer le serpent.</source>
        <translation>Os donuts aparecem um de cada vez, e cada vez num lugar diferente da tela. Lembre-se de que você não pode parar a cobra nem fazê-la voltar.</translation>
    </message>
    <message>
        <source>Le jeu se déroule ainsi tout le temps. Il ne se terminera que si Zorbil rencontre un des bords de l&apos;écran, ou s&apos;il se mord tout seul. A ce moment là, le score que vous avez obtenu vous sera montré et enregistré comme record s&apos;il dépasse le meilleur score.</source>
        <translation>O jogo continua assim o tempo todo. Ele só termina quando o Zorbil bate numa das bordas da tela ou morde a si mesmo. Nessa hora, sua pontuação é mostrada e, se passar da melhor, fica registrada como recorde.</translation>
    </message>
    <message>
        <source>Lisez les paragraphes suivants pour connaitre comment maîtriser le jeu, ou si vous vous sentez fin prêt(e) pour vous lancer au défi de battre le meilleur score actuel, bonne chance !</source>
        <translation>Leia as páginas seguintes para aprender a dominar o jogo ou, se já quer encarar o desafio de bater o recorde atual, boa sorte!</translation>
    </message>
    <message>
        <source>Après avoir configuré vos paramètres de carte son et d&apos;affichage (voir le fichier Zorbil.txt pour plus de précisions à ce sujet), vous voyez apparaître le menu principal dans lequel quatre boutons vous sont proposés :</source>
        <translation>Depois de configurar a placa de som e a tela (veja o arquivo Zorbil.pt_BR.txt para mais detalhes), aparece o menu principal, que oferece quatro botões:</translation>
    </message>
    <message>
        <source>* Jouer : pour démarrer une nouvelle partie avec les options sélectionnées.</source>
        <translation>* Jogar: começa uma nova partida com as opções escolhidas.</translation>
    </message>
    <message>
        <source>* Options de Jeu : pour activer ou désactiver les sons ou la musique, définir la vitesse de déplacement de Zorbil et choisir la texture d&apos;arrière-plan et la musique de fond à utiliser pendant le jeu.</source>
        <translation>* Opções do jogo: liga ou desliga os sons e a música, ajusta a velocidade do Zorbil e escolhe a textura de fundo e a música de fundo para a partida.</translation>
    </message>
    <message>
        <source>Note : si vous avez désactivé la case &apos;Son&apos; dans la boîte de dialogue de configuration, les cases pour activer ou désactiver le son et la musique seront automatiquement grisées.</source>
        <translation>Observação: se você desmarcou a caixa “Som” na janela de configuração, as caixas que ligam ou desligam o som e a música ficam automaticamente desativadas.</translation>
    </message>
    <message>
        <source>* Meilleurs scores : affiche le dernier score que vous avez fait depuis le lancement du jeu, ainsi que le meilleur, enregistré dans un fichier sur le disque dur.</source>
        <translation>* Recordes: mostra a última pontuação que você fez desde que abriu o jogo e a melhor, gravada num arquivo no disco rígido.</translation>
    </message>
    <message>
        <source>* Aide et Instructions : affiche cet écran d&apos;aide.</source>
        <translation>* Ajuda e instruções: mostra esta tela de ajuda.</translation>
    </message>
    <message>
        <source>* Quitte le jeu et revient au bureau.</source>
        <translation>* Volta à área de trabalho.</translation>
    </message>
    <message>
        <source>Notez que si vous n&apos;avez choisi ni musique ni texture lorsque vous cliquez sur Jouer, le menu Options apparait automatiquement.</source>
        <translation>Se você clicar em Jogar sem ter escolhido nem música nem textura, o menu de opções aparece sozinho.</translation>
    </message>
    <message>
        <source>Les commandes nécéssaires pour diriger Zorbil sont très simples à retenir : vous utilisez les quatres touches fléchées pour faire avancer Zorbil en bas, en haut, à gauche et à droite.</source>
        <translation>Os comandos para controlar o Zorbil são muito fáceis de lembrar: use as quatro setas do teclado para mover o Zorbil para baixo, para cima, para a esquerda e para a direita.</translation>
    </message>
    <message>
        <source>Il existe aussi d&apos;autres commandes que vous pouvez utiliser à tout moment pendant le jeu :</source>
        <translation>Há também outras teclas que você pode usar a qualquer momento durante a partida:</translation>
    </message>
    <message>
        <source>* Echap : vous permet de mettre en pause le jeu. Vous pourrez ensuite choisir de reprendre la partie ou de la quitter, et donc d&apos;enregistrer votre score à l&apos;état ou il se trouve à ce moment-là.</source>
        <translation>* Esc: pausa o jogo. Depois você pode escolher continuar a partida ou sair dela, gravando assim a sua pontuação do jeito que estiver naquele momento.</translation>
    </message>
    <message>
        <source>* F1 : affiche cet écran d&apos;aide.</source>
        <translation>* F1: mostra esta tela de ajuda.</translation>
    </message>
    <message>
        <source>* F2 : pour accéder au menu des options. Très utile pour changer la musique ou la texture en cours ou régler la vitesse de Zorbil. Dans ce cas, le comptage des points change en fonction de la nouvelle vitesse, mais vos points déjà acquis sont conservés.</source>
        <translation>* F2: abre o menu de opções. Muito útil para trocar a música ou a textura atual ou ajustar a velocidade do Zorbil. Os pontos passam a contar pela nova velocidade, mas os que você já ganhou continuam valendo.</translation>
    </message>
    <message>
        <source>* F3 : affiche le menu des scores.</source>
        <translation>* F3: mostra o menu de recordes.</translation>
    </message>
    <message>
        <source>Si vous passez à une autre fenêtre pendant une partie (Alt+Tab, clic ailleurs...), le jeu se met de lui-même en pause, comme avec Echap.</source>
        <translation>Se você mudar para outra janela durante uma partida (Alt+Tab, um clique em outro lugar...), o jogo pausa sozinho, como com Esc.</translation>
    </message>
    <message>
        <source>Zorbil vous donne la possibilité, en plus des textures et musiques déjà existantes, d&apos;importer celles de votre choix et de les utiliser dans le jeu, à condition de respecter les formats de fichiers supportés.</source>
        <translation>Além das texturas e músicas que já vêm com ele, o Zorbil permite importar as que você quiser e usá-las no jogo, desde que estejam num formato de arquivo suportado.</translation>
    </message>
    <message>
        <source>Pour ce qui est des textures, celles-ci doivent obligatoirement être au format PCX (Paintbrush ZSoft), de taille 256 x 256 et en 256 couleurs (8 bits). La palette de couleurs utilisée n&apos;a pas d&apos;importance.</source>
        <translation>As texturas têm que ser arquivos PCX (Paintbrush ZSoft), de 256 x 256 pixels e 256 cores (8 bits). A paleta de cores usada não importa.</translation>
    </message>
    <message>
        <source>Notez bien que les textures exploitent la librairie mwGL, de Pelmoro (voir Zorbil.txt pour infos) et que cette librairie affiche la texture étirée sur tout l&apos;écran (pas en mosaïque) avec un filtre de flou.</source>
        <translation>Observe que as texturas usam a biblioteca mwGL, de Pelmoro (mais informações em Zorbil.pt_BR.txt), e que essa biblioteca estica a textura pela tela inteira (sem repetir em mosaico) com um filtro de desfoque.</translation>
    </message>
    <message>
        <source>Il y a donc de fortes chances pour qu&apos;elles ne s&apos;affichent pas de la même façon que dans votre logiciel de dessin habituel. Sachez également que Zorbil prend la couleur principale de l&apos;arrière-plan utilisé, donc qu&apos;il risque de se voir plus ou moins bien.</source>
        <translation>Por isso, é bem provável que elas não apareçam do mesmo jeito que no seu programa de desenho. Saiba também que o Zorbil assume a cor principal do fundo usado, então ele pode ficar mais ou menos visível.</translation>
    </message>
    <message>
        <source>Pour que vos textures s&apos;affichent dans la liste du menu des options, elles doivent se trouver dans le sous-répertoire Textures du jeu et porter l&apos;extension .pcx.</source>
        <translation>Para que suas texturas apareçam na lista do menu de opções, elas precisam estar na subpasta Textures do jogo e ter a extensão .pcx.</translation>
    </message>
    <message>
        <source>La librairie SDL_mixer (qui prend en charge le son et la musique), quant à elle, supporte un grand nombre de formats musicaux :</source>
        <translation>A biblioteca SDL_mixer (que cuida do som e da música) suporta um grande número de formatos de música:</translation>
    </message>
    <message>
        <source>* les échantillons *.wav (PCM Wave), *.aif (Audio IFF), *.mp3 (MPEG Layer 3), *.ogg (Vorbis OGG), *.opus (Opus), *.flac (FLAC).</source>
        <translation>* as amostras *.wav (PCM Wave), *.aif (Audio IFF), *.mp3 (MPEG Layer 3), *.ogg (Vorbis OGG), *.opus (Opus), *.flac (FLAC).</translation>
    </message>
    <message>
        <source>* les modules *.mod (Protracker), *.s3m (Screamtracker), *.xm (FastTracker), *.it (Impulse Tracker), *.mid (Midi).</source>
        <translation>* os módulos *.mod (Protracker), *.s3m (Screamtracker), *.xm (FastTracker), *.it (Impulse Tracker), *.mid (Midi).</translation>
    </message>
    <message>
        <source>Les musiques doivent obligatoirement porter l&apos;extension .mus afin de pouvoir être affichées dans la liste du menu des options. Vous pouvez tout à fait rajouter l&apos;extension .mus après celle existant déjà (ex : musique.mid.mus).</source>
        <translation>As músicas têm que ter a extensão .mus para aparecer na lista do menu de opções. Basta acrescentar .mus depois da extensão que já existe (ex.: musica.mid.mus).</translation>
    </message>
    <message>
        <source>Remarques : Le jeu détecte tout seul le format de fichier utilisé. Il est préférable d&apos;utiliser des fichiers musicaux en 44,1 KHz maximum, étant donné que le jeu ne vous autorise pas à choisir une fréquence de lecture de plus de 44100 Hz.</source>
        <translation>Observações: o jogo reconhece sozinho o formato do arquivo. É melhor usar arquivos de música de no máximo 44,1 kHz, já que o jogo não deixa escolher uma frequência de reprodução acima de 44100 Hz.</translation>
    </message>
    <message>
        <source>Avec une manette, branchée avant ou pendant le jeu : la croix ou le stick gauche dirigent Zorbil, Start met en pause ou reprend, B fait comme Echap. Dans les menus, la croix passe d&apos;une commande à l&apos;autre et A l&apos;active. Configuration : gauche et droite changent la fréquence et la qualité, Start valide. Options : gauche et droite règlent la vitesse, haut et bas choisissent dans les listes. Aide : LB et RB (ou gauche et droite) tournent les pages. Dans les options et l&apos;aide, B fait comme Continuer. Débranchée pendant une partie, la manette la met en pause.</source>
        <translation>Com um controle, conectado antes ou durante o jogo: o direcional ou o analógico esquerdo controlam o Zorbil, Start pausa ou retoma, B faz o mesmo que Esc. Nos menus, o direcional passa de um item para o outro e A o aciona. Configuração: esquerda e direita mudam a frequência e a qualidade, Start confirma. Opções: esquerda e direita ajustam a velocidade, cima e baixo escolhem nas listas. Ajuda: LB e RB (ou esquerda e direita) viram as páginas. Nas opções e na ajuda, B faz o mesmo que Continuar. Desconectado durante uma partida, o controle pausa o jogo.</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Erreur</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Avertissement</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>&amp;Oui</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;Non</source>
        <translation>&amp;Não</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Impossible de jouer le son. Votre carte son est occupée ou ne supporte pas les fonctions requises par le driver utilisé. Fermez toutes les applications, vérifiez que les pilotes choisis au départ sont supportés et rééssayez. Lisez Zorbil.txt pour infos.</source>
        <translation>Não foi possível tocar o som. Sua placa de som está ocupada ou não suporta as funções que o driver em uso exige. Feche todos os aplicativos, verifique se os drivers escolhidos no início são suportados e tente de novo. Mais informações em Zorbil.pt_BR.txt.</translation>
    </message>
    <message>
        <source>Impossible de jouer le son. Votre carte son est occupée ou ne supporte pas les fonctions requises par le driver utilisé. Fermez toutes les applications, vérifiez que les pilotes choisis au départ sont supportés et rééssayez. Lisez Zorbil.txt pour info</source>
        <translation>Não foi possível tocar o som. Sua placa de som está ocupada ou não suporta as funções que o driver em uso exige. Feche todos os aplicativos, verifique se os drivers escolhidos no início são suportados e tente de novo. Mais informações em Zorbil.pt_BR.txt</translation>
    </message>
    <message>
        <source>Un problème est survenu lors de la configuration avec les paramètres choisis. Votre carte son ne les supporte pas ou est peut-être occupée. Lisez le fichier Zorbil.txt pour plus de détails sur ces problèmes.</source>
        <translation>Ocorreu um problema ao configurar o som com as opções escolhidas. Sua placa de som não as suporta ou talvez esteja ocupada. Leia o arquivo Zorbil.pt_BR.txt para mais detalhes sobre esses problemas.</translation>
    </message>
    <message>
        <source>Vous utilisez actuellement le mode Grandes Polices de Windows. Zorbil est optimisé pour fonctionner en Petites Polices et apparaîtra fortement disproportionné si vous le lancez avec le mode Grandes Polices. Voulez-vous continuer malgré tout ?</source>
        <translation>Você está usando o modo Fontes grandes do Windows. O Zorbil foi feito para rodar com Fontes pequenas e vai ficar muito desproporcional se você abri-lo no modo Fontes grandes. Deseja continuar mesmo assim?</translation>
    </message>
    <message>
        <source>Impossible de lire la configuration du jeu depuis le fichier Config.dat. Assurez-vous que le répertoire Data existe, et que le disque ne soit pas plein ou protégé en écriture.</source>
        <translation>Não foi possível ler a configuração do jogo no arquivo Config.dat. Verifique se a pasta Data existe e se o disco não está cheio nem protegido contra gravação.</translation>
    </message>
    <message>
        <source>Impossible de sauvegarder la configuration ! Vérifiez que le répertoire Data existe et que le disque n&apos;est pas plein ou protégé en écriture.</source>
        <translation>Não foi possível salvar a configuração! Verifique se a pasta Data existe e se o disco não está cheio nem protegido contra gravação.</translation>
    </message>
    <message>
        <source>Impossible de lire la configuration des options depuis le fichier Config.dat ! Vérifiez que le répertoire Data existe et que le disque n&apos;est pas plein ou protégé en écriture.</source>
        <translation>Não foi possível ler a configuração das opções no arquivo Config.dat! Verifique se a pasta Data existe e se o disco não está cheio nem protegido contra gravação.</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire sur le disque. Vérifiez qu&apos;il n&apos;est pas plein ou protégé en écriture.</source>
        <translation>Não foi possível gravar no disco. Verifique se ele não está cheio nem protegido contra gravação.</translation>
    </message>
    <message>
        <source>Impossible de travailler sur le disque dur. Vérifiez qu&apos;il n&apos;est pas plein ou protégé en écriture.</source>
        <translation>Não foi possível trabalhar no disco rígido. Verifique se ele não está cheio nem protegido contra gravação.</translation>
    </message>
    <message>
        <source>Impossible de préparer le dossier du jeu %1 (%2). Vérifiez que vous pouvez y écrire et que le disque n&apos;est pas plein.</source>
        <translation>Não foi possível preparar a pasta do jogo %1 (%2). Verifique se você pode gravar nela e se o disco não está cheio.</translation>
    </message>
    <message>
        <source>Impossible de lancer le programme du jeu %1 (%2). Réinstallez le jeu.</source>
        <translation>Não foi possível iniciar o programa do jogo %1 (%2). Reinstale o jogo.</translation>
    </message>
    <message>
        <source>Une erreur s&apos;est produite lors du chargement de la texture d&apos;arrière-plan que vous avez sélectionnée. Le fichier est introuvable ou son format n&apos;est pas correct. Lisez le fichier Zorbil.txt pour plus de détails sur ce type d&apos;erreurs.</source>
        <translation>Ocorreu um erro ao carregar a textura de fundo que você escolheu. O arquivo não foi encontrado ou o formato dele não está correto. Leia o arquivo Zorbil.pt_BR.txt para mais detalhes sobre esse tipo de erro.</translation>
    </message>
    <message>
        <source>Impossible de lire le contenu des répertoires suivants : %1. Les textures et les musiques du jeu doivent se trouver dans les sous-répertoires Textures et Musiques du répertoire du jeu. Lisez Zorbil.txt pour plus de détails.</source>
        <translation>Não foi possível ler o conteúdo destas pastas: %1. As texturas e as músicas do jogo devem ficar nas subpastas Textures e Musiques da pasta do jogo. Leia Zorbil.pt_BR.txt para mais detalhes.</translation>
    </message>
    <message>
        <source>Les fichiers de sons sont décodés sans Landlock : le noyau ne l&apos;offre pas.</source>
        <translation>Os arquivos de som são decodificados sem Landlock: o kernel não o oferece.</translation>
    </message>
    <message>
        <source>Les fichiers de sons sont décodés sans filtre d&apos;appels système : le noyau l&apos;a refusé.</source>
        <translation>Os arquivos de som são decodificados sem filtro de chamadas de sistema: o kernel o recusou.</translation>
    </message>
    <message>
        <source>Les fichiers de sons sont décodés sans espaces de noms à eux : le noyau les a refusés.</source>
        <translation>Os arquivos de som são decodificados sem namespaces próprios: o kernel os recusou.</translation>
    </message>
</context>
<context>
    <name>ScoreText</name>
    <message>
        <source>Score : %1</source>
        <translation>Pontos: %1</translation>
    </message>
</context>
<context>
    <name>ZorbilApplication</name>
    <message>
        <source>Une erreur inattendue est survenue.</source>
        <translation>Ocorreu um erro inesperado.</translation>
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
        <translation>ImageAidePtBR</translation>
    </message>
    <message>
        <source>A propos</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>&amp;Continuer</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>Principes du jeu</source>
        <translation>Como jogar</translation>
    </message>
    <message>
        <source>Les menus</source>
        <translation>Os menus</translation>
    </message>
    <message>
        <source>Les commandes</source>
        <translation>Os comandos</translation>
    </message>
    <message>
        <source>Textures et musiques</source>
        <translation>Texturas e músicas</translation>
    </message>
    <message>
        <source>Infos complémentaires (Zorbil.txt)</source>
        <translation>Mais informações (Zorbil.pt_BR.txt)</translation>
    </message>
    <message>
        <source>N&apos;hésitez surtout pas à lire le fichier Zorbil.txt. Il contient bien plus de renseignements que ceux donnés ici, comme des explications pour configurer la carte son ou des avertissements importants sur les messages d&apos;erreur qui peuvent parfois s&apos;afficher.</source>
        <translation>Não deixe de ler o arquivo Zorbil.pt_BR.txt. Ele traz muito mais informações do que as dadas aqui, como explicações para configurar a placa de som e avisos importantes sobre as mensagens de erro que às vezes podem aparecer.</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir le fichier %1.</source>
        <translation>Não foi possível abrir o arquivo %1.</translation>
    </message>
    <message>
        <source>Aide et Instructions</source>
        <translation>Ajuda e instruções</translation>
    </message>
</context>
<context>
    <name>zorbil::MainMenuPanel</name>
    <message>
        <source>&amp;Jouer</source>
        <translation>&amp;Jogar</translation>
    </message>
    <message>
        <source>&amp;Meilleurs Scores</source>
        <translation>&amp;Recordes</translation>
    </message>
    <message>
        <source>&amp;Aide et Instructions</source>
        <translation>&amp;Ajuda e instruções</translation>
    </message>
    <message>
        <source>&amp;Options de Jeu</source>
        <translation>&amp;Opções do jogo</translation>
    </message>
    <message>
        <source>&amp;Quitter Zorbil</source>
        <translation>&amp;Sair do Zorbil</translation>
    </message>
    <message>
        <source>Menu principal</source>
        <translation>Menu principal</translation>
    </message>
</context>
<context>
    <name>zorbil::OptionsPanel</name>
    <message>
        <source>Choisissez une texture et / ou une musique à utiliser pendant le jeu dans les listes ci-dessous.</source>
        <translation>Escolha nas listas abaixo uma textura e/ou uma música para usar na partida.</translation>
    </message>
    <message>
        <source>Vitesse de Zorbil :</source>
        <translation>Velocidade:</translation>
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
        <translation>Textura de fundo:</translation>
    </message>
    <message>
        <source>Musique de fond :</source>
        <translation>Música de fundo:</translation>
    </message>
    <message>
        <source>&amp;Continuer</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>ImageOptions</source>
        <extracomment>The name of the title picture drawn in this language</extracomment>
        <translation>ImageOptionsPtBR</translation>
    </message>
    <message>
        <source>Activer les sons</source>
        <translation>Ativar sons</translation>
    </message>
    <message>
        <source>Activer les musiques</source>
        <translation>Ativar músicas</translation>
    </message>
    <message>
        <source>Options de Jeu</source>
        <translation>Opções de jogo</translation>
    </message>
    <message>
        <source>De 0, la plus rapide, à 9, la plus lente</source>
        <translation>De 0, a mais rápida, a 9, a mais lenta</translation>
    </message>
</context>
<context>
    <name>zorbil::PausePanel</name>
    <message>
        <source>ImagePause</source>
        <extracomment>The name of the title picture drawn in this language</extracomment>
        <translation>ImagePausePtBR</translation>
    </message>
    <message>
        <source>&amp;Continuer</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Jeu en Pause</source>
        <translation>Jogo pausado</translation>
    </message>
</context>
<context>
    <name>zorbil::ScoresPanel</name>
    <message>
        <source>ImageScores</source>
        <extracomment>The name of the title picture drawn in this language</extracomment>
        <translation>ImageScoresPtBR</translation>
    </message>
    <message>
        <source>Votre score :</source>
        <translation>Seus pontos:</translation>
    </message>
    <message>
        <source>Meilleur score :</source>
        <translation>Recorde:</translation>
    </message>
    <message>
        <source>&amp;Continuer</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>Les Scores</source>
        <translation>Recordes</translation>
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
        <translation>Diminuir</translation>
    </message>
</context>
<context>
    <name>zorbil::TConfigForm</name>
    <message>
        <source>Son</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Fréq.</source>
        <translation>Freq.</translation>
    </message>
    <message>
        <source>Qualité</source>
        <translation>Qualid.</translation>
    </message>
    <message>
        <source>&amp;Interpolation</source>
        <translation>&amp;Interpolação</translation>
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
        <translation>&amp;Microsoft DirectSound (suporta EAX 1/2)</translation>
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
        <translation>&amp;A3D - Versão 3.0 (suporta geometria)</translation>
    </message>
    <message>
        <source>Mixeur :</source>
        <translation>Mixer:</translation>
    </message>
    <message>
        <source>Au&amp;to-Détection</source>
        <translation>Au&amp;todetecção</translation>
    </message>
    <message>
        <source>Pentium (MM&amp;X)</source>
        <translation>Pentium (MM&amp;X)</translation>
    </message>
    <message>
        <source>Pentium &amp;(Non MMX)</source>
        <translation>Pe&amp;ntium (sem MMX)</translation>
    </message>
    <message>
        <source>Pentium P&amp;ro / PII / PIII</source>
        <translation>Pentium P&amp;ro / PII / PIII</translation>
    </message>
    <message>
        <source>FPU I&amp;nterpolé</source>
        <translation>FPU interpo&amp;lado</translation>
    </message>
    <message>
        <source>Affichage</source>
        <translation>Exibição</translation>
    </message>
    <message>
        <source>&amp;Plein Ecran</source>
        <translation>Tela &amp;cheia</translation>
    </message>
    <message>
        <source>&amp;Fenêtré</source>
        <translation>&amp;Janela</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Fréquence de mixage</source>
        <translation>Frequência de mixagem</translation>
    </message>
</context>
<context>
    <name>zorbil::TZorbilForm</name>
    <message>
        <source>Score : %1, meilleur score : %2</source>
        <translation>Pontos: %1, recorde: %2</translation>
    </message>
</context>
</TS>
