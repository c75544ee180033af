<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>About</name>
    <message>
        <source>&lt;h3&gt;Whiskerdash %1&lt;/h3&gt;&lt;p&gt;An arcade puzzle game: push rows of crates to trap the cats before they catch the mouse.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Whiskerdash %1&lt;/h3&gt;&lt;p&gt;Un jeu de réflexion d’arcade : poussez des rangées de caisses pour piéger les chats avant qu’ils n’attrapent la souris.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Free software under the MIT licence.</source>
        <translation>Logiciel libre sous licence MIT.</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Whiskerdash developers.</source>
        <translation>Copyright © 2026 Les développeurs de Whiskerdash.</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Remerciements</translation>
    </message>
    <message>
        <source>Game, levels, sprites and sounds: the Whiskerdash developers.</source>
        <translation>Jeu, niveaux, images et sons : les développeurs de Whiskerdash.</translation>
    </message>
    <message>
        <source>translator-credits</source>
        <translation>Les développeurs de Whiskerdash</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Traduction</translation>
    </message>
    <message>
        <source>Home page: %1</source>
        <translation>Site web : %1</translation>
    </message>
    <message>
        <source>Report bugs at %1</source>
        <translation>Signaler un bogue : %1</translation>
    </message>
    <message>
        <source>About Whiskerdash</source>
        <translation>À propos de Whiskerdash</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>Press an arrow key to start</source>
        <translation>Appuyez sur une flèche pour commencer</translation>
    </message>
    <message>
        <source>Level %1 cleared</source>
        <translation>Niveau %1 réussi</translation>
    </message>
    <message>
        <source>%1 cleared</source>
        <comment>a level&apos;s file name</comment>
        <translation>%1 réussi</translation>
    </message>
    <message>
        <source>Cheese %1 of %2 · Score %3</source>
        <translation>Fromage %1 sur %2 · Score %3</translation>
    </message>
    <message>
        <source>No way left to catch every cat — F5 restarts the level</source>
        <translation>Plus aucun moyen d’attraper tous les chats — F5 recommence le niveau</translation>
    </message>
    <message>
        <source>No way left to catch every cat — F5 restarts the level, Backspace goes back</source>
        <translation>Plus moyen d’attraper tous les chats — F5 recommence le niveau, Retour arrière revient en arrière</translation>
    </message>
    <message numerus="yes">
        <source>or C to continue level %1 with %n points</source>
        <comment>the game left last time</comment>
        <translation>
            <numerusform>ou C pour reprendre le niveau %1 à %n point</numerusform>
            <numerusform>ou C pour reprendre le niveau %1 à %n points</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Whiskerdash: steer the mouse with the arrow keys, push crates onto the cats and eat the cheese.</source>
        <translation>Whiskerdash : guidez la souris avec les flèches, poussez des caisses sur les chats et mangez le fromage.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Start with sound off for this run.</source>
        <translation>Démarrer sans le son, pour cette fois.</translation>
    </message>
    <message>
        <source>Start every level at once, without waiting for a key (for scripts).</source>
        <translation>Lancer chaque niveau aussitôt, sans attendre de touche (pour les scripts).</translation>
    </message>
    <message>
        <source>A level file to play first.</source>
        <translation>Un fichier de niveau à jouer d&apos;abord.</translation>
    </message>
    <message>
        <source>Usage: whiskerdash [options] [LEVEL.lvx]</source>
        <translation>Utilisation : whiskerdash [options] [LEVEL.lvx]</translation>
    </message>
    <message>
        <source>only one level file can be given, not %1</source>
        <translation>un seul fichier de niveau est accepté, pas %1</translation>
    </message>
    <message>
        <source>Play in the current folder: its levels, sprites and hsc.dat first (the default when it holds level000.lvx). Otherwise the scores are kept in the player&apos;s data folder.</source>
        <translation>Jouer dans le dossier courant : ses niveaux, ses sprites et son hsc.dat d’abord (c’est le cas par défaut s’il contient level000.lvx). Sinon, les scores sont gardés dans le dossier de données du joueur.</translation>
    </message>
    <message>
        <source>Also show a level that cannot be played in a message box (the desktop entry passes this).</source>
        <translation>Afficher aussi dans une boîte de message un niveau impossible à jouer (le lanceur du bureau passe cette option).</translation>
    </message>
    <message>
        <source>Try &apos;whiskerdash --help&apos; for more information.</source>
        <translation>Essayez « whiskerdash --help » pour plus d’informations.</translation>
    </message>
    <message>
        <source>Play the recorded game in FILE in the window.</source>
        <translation>Rejouer dans la fenêtre la partie enregistrée dans FICHIER.</translation>
    </message>
    <message>
        <source>With --replay: play it without a window, as fast as it goes, print its trace lines and exit 0 when it comes to the recorded end and score, 1 when not, 2 when it cannot be played.</source>
        <translation>Avec --replay : la rejouer sans fenêtre, aussi vite que possible, afficher ses lignes de trace et sortir avec 0 si elle aboutit à la fin et au score enregistrés, 1 sinon, 2 si elle ne peut pas être rejouée.</translation>
    </message>
    <message>
        <source>--check goes with --replay FILE</source>
        <translation>--check va avec --replay FICHIER</translation>
    </message>
    <message>
        <source>a recording plays its own levels: no level file goes with --replay</source>
        <translation>un enregistrement joue ses propres niveaux : aucun fichier de niveau ne va avec --replay</translation>
    </message>
    <message>
        <source>Files: installed, the game keeps hsc.dat in $XDG_DATA_HOME/org.whiskerdash.Whiskerdash
(~/.local/share/org.whiskerdash.Whiskerdash by default); levels, sprites and sounds put
there replace the installed ones. Started in a folder that holds level000.lvx, or
with --play-here, it plays in that folder and keeps hsc.dat there. Recordings of games
(the last one, one for each entry of the table, and a game left to continue) are kept
in recordings/ beside hsc.dat.
</source>
        <translation>Fichiers : installé, le jeu garde hsc.dat dans $XDG_DATA_HOME/org.whiskerdash.Whiskerdash
(~/.local/share/org.whiskerdash.Whiskerdash par défaut) ; les niveaux, images et sons mis
là remplacent ceux installés. Lancé dans un dossier qui contient level000.lvx, ou
avec --play-here, il joue dans ce dossier et y garde hsc.dat.
Les enregistrements des parties (la dernière, une par entrée du tableau et une partie
quittée à reprendre) sont gardés dans recordings/ à côté de hsc.dat.
</translation>
    </message>
</context>
<context>
    <name>GameOverBox</name>
    <message>
        <source>Whiskerdash</source>
        <translation>Whiskerdash</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Rejouer</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>(unverified)</source>
        <translation>(non vérifié)</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Regarder</translation>
    </message>
    <message>
        <source>Caught!</source>
        <translation>Attrapée !</translation>
    </message>
    <message numerus="yes">
        <source>Caught on %1 with %n points.</source>
        <comment>%1 is &quot;level 5&quot; or a file name</comment>
        <translation>
            <numerusform>Attrapée sur %1 avec %n point.</numerusform>
            <numerusform>Attrapée sur %1 avec %n points.</numerusform>
        </translation>
    </message>
    <message>
        <source>All levels cleared!</source>
        <translation>Tous les niveaux réussis !</translation>
    </message>
    <message numerus="yes">
        <source>You cleared every level with %n points.</source>
        <translation>
            <numerusform>Vous avez réussi tous les niveaux avec %n point.</numerusform>
            <numerusform>Vous avez réussi tous les niveaux avec %n points.</numerusform>
        </translation>
    </message>
    <message>
        <source>The next level could not be loaded.</source>
        <translation>Le niveau suivant n&apos;a pas pu être chargé.</translation>
    </message>
    <message numerus="yes">
        <source>Reached %1 with %n points.</source>
        <comment>%1 is &quot;level 5&quot; or a file name</comment>
        <translation>
            <numerusform>Fin sur %1 avec %n point.</numerusform>
            <numerusform>Fin sur %1 avec %n points.</numerusform>
        </translation>
    </message>
    <message>
        <source>A practice game is not ranked.</source>
        <translation>Une partie d’entraînement n’est pas classée.</translation>
    </message>
</context>
<context>
    <name>HelpBox</name>
    <message>
        <source>Whiskerdash high scores</source>
        <translation>Whiskerdash – meilleurs scores</translation>
    </message>
    <message>
        <source>Whiskerdash help</source>
        <translation>Whiskerdash – aide</translation>
    </message>
    <message>
        <source>Whiskerdash keys</source>
        <translation>Touches de Whiskerdash</translation>
    </message>
    <message>
        <source>The rules</source>
        <translation>Les règles</translation>
    </message>
    <message>
        <source>You are the mouse. Catch every cat to clear a level. Each level starts when you press an arrow key.</source>
        <translation>Vous êtes la souris. Attrapez tous les chats pour finir un niveau. Chaque niveau commence quand vous appuyez sur une flèche.</translation>
    </message>
    <message>
        <source>Walk into a row of crates to push it, unless a stone wall stops it.</source>
        <translation>Avancez contre une rangée de caisses pour la pousser, sauf si un mur de pierre l’arrête.</translation>
    </message>
    <message>
        <source>Stone walls never move.</source>
        <translation>Les murs de pierre ne bougent jamais.</translation>
    </message>
    <message>
        <source>Cheese is worth 10 points. Cats cannot step on cheese or crates.</source>
        <translation>Le fromage vaut 10 points. Les chats ne peuvent marcher ni sur le fromage ni sur les caisses.</translation>
    </message>
    <message>
        <source>Push a crate onto a cat: it escapes to a free cell next to it, or is caught when it has none. If a cat reaches you, the game is over.</source>
        <translation>Poussez une caisse sur un chat : il s’échappe vers une case libre voisine, ou il est attrapé s’il n’en a aucune. Si un chat vous rejoint, la partie est finie.</translation>
    </message>
    <message>
        <source>So trap cats: wait until one stands where crates, walls or cheese surround it, then push the last crate onto it. Cats follow you, which lets you lure them into a pocket before you close it.</source>
        <translation>Alors tendez des pièges : attendez qu’un chat soit entouré de caisses, de murs ou de fromage, puis poussez la dernière caisse sur lui. Les chats vous suivent : attirez-les dans un recoin avant de le fermer.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>First steps</source>
        <translation>Premiers pas</translation>
    </message>
    <message>
        <source>Walk, eat the cheese, and push the crate into the pen until the cat has no room left.</source>
        <translation>Marchez, mangez le fromage et poussez la caisse dans l’enclos jusqu’à ce que le chat n’ait plus de place.</translation>
    </message>
    <message>
        <source>A row of crates</source>
        <translation>Une rangée de caisses</translation>
    </message>
    <message>
        <source>A whole row moves when the mouse pushes its end.</source>
        <translation>Toute une rangée avance quand la souris pousse son extrémité.</translation>
    </message>
    <message>
        <source>Nowhere to go</source>
        <translation>Sans issue</translation>
    </message>
    <message>
        <source>Three cats boxed in by crates, each caught by the first push onto it.</source>
        <translation>Trois chats enfermés par des caisses : chacun est pris dès la première poussée sur lui.</translation>
    </message>
    <message>
        <source>Cheese fence</source>
        <translation>Clôture de fromage</translation>
    </message>
    <message>
        <source>One lane</source>
        <translation>Un couloir</translation>
    </message>
    <message>
        <source>A cat in a lane between rows of crates: push a crate into the lane beside it, then one onto it.</source>
        <translation>Un chat dans un couloir entre des rangées de caisses : poussez une caisse dans le couloir à côté de lui, puis une autre sur lui.</translation>
    </message>
    <message>
        <source>From below</source>
        <translation>Par le bas</translation>
    </message>
    <message>
        <source>The open floor is at the bottom this time; the lanes run over it.</source>
        <translation>Cette fois, l’espace dégagé est en bas ; les couloirs passent au-dessus.</translation>
    </message>
    <message>
        <source>Standing rows</source>
        <translation>Rangées debout</translation>
    </message>
    <message>
        <source>Rows of crates that stand upright: the lanes run up and down.</source>
        <translation>Des rangées de caisses debout : les couloirs vont de haut en bas.</translation>
    </message>
    <message>
        <source>Two lanes</source>
        <translation>Deux couloirs</translation>
    </message>
    <message>
        <source>Two cats in two lanes: close one lane without opening the other.</source>
        <translation>Deux chats dans deux couloirs : fermez un couloir sans ouvrir l’autre.</translation>
    </message>
    <message>
        <source>A cat cannot step onto cheese: cheese in a lane fences a cat in, so eat it last.</source>
        <translation>Un chat ne peut pas marcher sur le fromage : du fromage dans un couloir y enferme un chat, alors mangez-le en dernier.</translation>
    </message>
    <message>
        <source>Dead ends</source>
        <translation>Culs-de-sac</translation>
    </message>
    <message>
        <source>Walls cut the lanes: drive a cat to the end of its lane and close it in.</source>
        <translation>Des murs coupent les couloirs : rabattez un chat jusqu’au bout de son couloir et enfermez-le.</translation>
    </message>
    <message>
        <source>Three lanes</source>
        <translation>Trois couloirs</translation>
    </message>
    <message>
        <source>Three cats in three lanes: catch them one by one, nearest first.</source>
        <translation>Trois chats dans trois couloirs : attrapez-les un par un, le plus proche d’abord.</translation>
    </message>
    <message>
        <source>Cheese bait</source>
        <translation>Appât de fromage</translation>
    </message>
    <message>
        <source>Cheese waits deep in the lanes, where the cats are: worth the walk, if the way back is open.</source>
        <translation>Du fromage attend au fond des couloirs, là où sont les chats : il vaut le détour, si le chemin du retour est libre.</translation>
    </message>
    <message>
        <source>Three ways</source>
        <translation>De trois sortes</translation>
    </message>
    <message>
        <source>A road through the middle, holes in the rows and posts.</source>
        <translation>Une route au milieu, des trous dans les rangées et des piliers.</translation>
    </message>
    <message>
        <source>Both ways</source>
        <translation>Dans les deux sens</translation>
    </message>
    <message>
        <source>Rows lie flat on the left and stand upright on the right.</source>
        <translation>Les rangées sont couchées à gauche et debout à droite.</translation>
    </message>
    <message>
        <source>Thick rows</source>
        <translation>Rangées épaisses</translation>
    </message>
    <message>
        <source>Rows three crates deep are heavy to dig through, but hold a cat well.</source>
        <translation>Les rangées de trois caisses de profondeur sont dures à percer, mais retiennent bien un chat.</translation>
    </message>
    <message>
        <source>Posts</source>
        <translation>Piliers</translation>
    </message>
    <message>
        <source>Walls stand among the crates: a row pushed against a post stops there.</source>
        <translation>Des murs se dressent parmi les caisses : une rangée poussée contre un pilier s’y arrête.</translation>
    </message>
    <message>
        <source>Open ends</source>
        <translation>Bouts ouverts</translation>
    </message>
    <message>
        <source>The field stops short of the walls: the lanes open onto the floor at their ends, and the cats can come out.</source>
        <translation>Le champ s’arrête avant les murs : les couloirs débouchent à leurs bouts sur l’espace dégagé, et les chats peuvent en sortir.</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>Côte à côte</translation>
    </message>
    <message>
        <source>Fields to the left and right of a road that runs down the middle.</source>
        <translation>Des champs à gauche et à droite d’une route qui descend par le milieu.</translation>
    </message>
    <message>
        <source>Fenced and cut</source>
        <translation>Clôturé et coupé</translation>
    </message>
    <message>
        <source>Cheese fences and walls across the lanes together.</source>
        <translation>Des clôtures de fromage et des murs en travers des couloirs, les deux à la fois.</translation>
    </message>
    <message>
        <source>The corner</source>
        <translation>Le coin</translation>
    </message>
    <message>
        <source>Two fields meet at a corner, one lying and one standing.</source>
        <translation>Deux champs se rejoignent dans un coin, l’un aux rangées couchées, l’autre aux rangées debout.</translation>
    </message>
    <message>
        <source>Upright and holed</source>
        <translation>Debout et troué</translation>
    </message>
    <message>
        <source>Standing rows full of holes.</source>
        <translation>Des rangées debout criblées de trous.</translation>
    </message>
    <message>
        <source>Posts and fences</source>
        <translation>Piliers et clôtures</translation>
    </message>
    <message>
        <source>Posts in the rows, cheese in the lanes.</source>
        <translation>Des piliers dans les rangées, du fromage dans les couloirs.</translation>
    </message>
    <message>
        <source>Three in the field</source>
        <translation>Trois dans le champ</translation>
    </message>
    <message>
        <source>Three cats: keep the ones you are not chasing shut in.</source>
        <translation>Trois chats : gardez enfermés ceux que vous ne poursuivez pas.</translation>
    </message>
    <message>
        <source>Narrow floor</source>
        <translation>Espace étroit</translation>
    </message>
    <message>
        <source>Only two rows of open floor to stand on.</source>
        <translation>Seulement deux lignes d’espace dégagé où se tenir.</translation>
    </message>
    <message>
        <source>Thick and cut</source>
        <translation>Épais et coupé</translation>
    </message>
    <message>
        <source>Deep rows, and a wall across the lanes.</source>
        <translation>Des rangées profondes, et un mur en travers des couloirs.</translation>
    </message>
    <message>
        <source>Gaps in the rows</source>
        <translation>Brèches dans les rangées</translation>
    </message>
    <message>
        <source>Holes in the rows let the cats change lanes: close the holes near them first.</source>
        <translation>Des trous dans les rangées permettent aux chats de changer de couloir : bouchez d’abord les trous proches d’eux.</translation>
    </message>
    <message>
        <source>Middle road</source>
        <translation>Route du milieu</translation>
    </message>
    <message>
        <source>The mouse starts on a road through the middle, with fields above and below.</source>
        <translation>La souris part d’une route qui traverse le milieu, avec des champs au-dessus et en dessous.</translation>
    </message>
    <message>
        <source>Bait on both sides</source>
        <translation>Appâts des deux côtés</translation>
    </message>
    <message>
        <source>Cheese in the lanes of a field split down the middle.</source>
        <translation>Du fromage dans les couloirs d’un champ coupé en deux par le milieu.</translation>
    </message>
    <message>
        <source>Four cats</source>
        <translation>Quatre chats</translation>
    </message>
    <message>
        <source>Four cats in flat rows.</source>
        <translation>Quatre chats dans des rangées couchées.</translation>
    </message>
    <message>
        <source>Wide lanes</source>
        <translation>Couloirs larges</translation>
    </message>
    <message>
        <source>Some lanes are two cells wide: a cat there needs two crates beside it.</source>
        <translation>Certains couloirs font deux cases de large : un chat qui s’y trouve a besoin de deux caisses à côté de lui.</translation>
    </message>
    <message>
        <source>Mixed field</source>
        <translation>Champ mixte</translation>
    </message>
    <message>
        <source>Rows lying and standing, two and three deep.</source>
        <translation>Des rangées couchées et debout, de deux et trois caisses de profondeur.</translation>
    </message>
    <message>
        <source>Wide and holed</source>
        <translation>Large et troué</translation>
    </message>
    <message>
        <source>Wide lanes and holes: the cats have room to run.</source>
        <translation>Des couloirs larges et des trous : les chats ont de la place pour courir.</translation>
    </message>
    <message>
        <source>Five in the lanes</source>
        <translation>Cinq dans les couloirs</translation>
    </message>
    <message>
        <source>Five cats in lanes that lie flat on the left and stand upright on the right.</source>
        <translation>Cinq chats dans des couloirs couchés à gauche et debout à droite.</translation>
    </message>
    <message>
        <source>Crossroads</source>
        <translation>Carrefour</translation>
    </message>
    <message>
        <source>Flat and standing rows meeting at the corner, with holes.</source>
        <translation>Des rangées couchées et debout qui se rejoignent dans le coin, avec des trous.</translation>
    </message>
    <message>
        <source>Four standing</source>
        <translation>Quatre debout</translation>
    </message>
    <message>
        <source>Four cats in standing rows.</source>
        <translation>Quatre chats dans des rangées debout.</translation>
    </message>
    <message>
        <source>Split and fenced</source>
        <translation>Partagé et clôturé</translation>
    </message>
    <message>
        <source>Fields above and below, cheese fences in every field.</source>
        <translation>Des champs en haut et en bas, des clôtures de fromage dans chaque champ.</translation>
    </message>
    <message>
        <source>Six cats</source>
        <translation>Six chats</translation>
    </message>
    <message>
        <source>Six cats where two fields meet, with holes and posts.</source>
        <translation>Six chats là où deux champs se rejoignent, avec des trous et des piliers.</translation>
    </message>
    <message>
        <source>Four on the road</source>
        <translation>Quatre sur la route</translation>
    </message>
    <message>
        <source>Four cats on both sides of the middle road.</source>
        <translation>Quatre chats de part et d’autre de la route du milieu.</translation>
    </message>
    <message>
        <source>Five cats</source>
        <translation>Cinq chats</translation>
    </message>
    <message>
        <source>Five cats in a field with a few holes.</source>
        <translation>Cinq chats dans un champ percé de quelques trous.</translation>
    </message>
    <message>
        <source>Five standing</source>
        <translation>Cinq debout</translation>
    </message>
    <message>
        <source>Five cats in standing rows.</source>
        <translation>Cinq chats dans des rangées debout.</translation>
    </message>
    <message>
        <source>Deep field</source>
        <translation>Champ profond</translation>
    </message>
    <message>
        <source>Five cats among deep rows, a wide lane and posts.</source>
        <translation>Cinq chats parmi des rangées profondes, un couloir large et des piliers.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Arrow keys, W A S D, keypad 8 4 6 2</source>
        <translation>Flèches, W A S D, pavé numérique 8 4 6 2</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Configuration</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Restart level</source>
        <translation>&amp;Recommencer le niveau</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Practice a &amp;level…</source>
        <translation>S’entraîner sur un ni&amp;veau…</translation>
    </message>
    <message>
        <source>&amp;High scores</source>
        <translation>&amp;Meilleurs scores</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Actual size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>Show &amp;menu bar</source>
        <translation>Afficher la barre de &amp;menus</translation>
    </message>
    <message>
        <source>&amp;How to play</source>
        <translation>&amp;Comment jouer</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Touches</translation>
    </message>
    <message>
        <source>&amp;About Whiskerdash</source>
        <translation>À &amp;propos de Whiskerdash</translation>
    </message>
    <message>
        <source>&amp;Watch last game</source>
        <translation>&amp;Regarder la dernière partie</translation>
    </message>
    <message>
        <source>Re&amp;wind two seconds</source>
        <translation>Re&amp;culer de deux secondes</translation>
    </message>
    <message>
        <source>&amp;Continue the game left last time</source>
        <translation>&amp;Continuer la partie quittée la dernière fois</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <comment>where a command without keys is found</comment>
        <translation>menu %1</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Statistiques</translation>
    </message>
    <message>
        <source>In a replay</source>
        <translation>Dans un rejeu</translation>
    </message>
    <message>
        <source>P pause, + and - speed, → a tick, Esc leave</source>
        <translation>P pause, + et - vitesse, → un pas, Échap quitter</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>Enter your name:</source>
        <translation>Entrez votre nom :</translation>
    </message>
    <message>
        <source>Your score of %1 takes %2 place in the table.
Enter your name:</source>
        <translation>Votre score de %1 prend la %2 place du tableau.
Entrez votre nom :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Ordinal</name>
    <message>
        <source>%1th</source>
        <translation>%1e</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1re</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1e</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1e</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>%1 s</source>
        <comment>seconds</comment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Most cheese %1 · Fastest clear %2</source>
        <translation>Plus de fromage %1 · Plus rapide %2</translation>
    </message>
    <message>
        <source>New record: most cheese, %1 (was %2)</source>
        <translation>Nouveau record : le plus de fromage, %1 (avant %2)</translation>
    </message>
    <message>
        <source>New record: fastest clear, %1 (was %2)</source>
        <translation>Nouveau record : le plus rapide, %1 (avant %2)</translation>
    </message>
</context>
<context>
    <name>StatisticsBox</name>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Games played:</source>
        <translation>Parties jouées :</translation>
    </message>
    <message>
        <source>Levels cleared:</source>
        <translation>Niveaux terminés :</translation>
    </message>
    <message>
        <source>Cats caught:</source>
        <translation>Chats attrapés :</translation>
    </message>
    <message>
        <source>Cheese eaten:</source>
        <translation>Fromage mangé :</translation>
    </message>
    <message>
        <source>Time played:</source>
        <translation>Temps de jeu :</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Niveaux</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Essais</translation>
    </message>
    <message>
        <source>Clears</source>
        <translation>Réussis</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <comment>level number and name</comment>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Earlier games are not counted here: %1</source>
        <translation>Les parties précédentes ne sont pas comptées ici : %1</translation>
    </message>
</context>
<context>
    <name>StatusStrip</name>
    <message>
        <source>Paused · press P to play</source>
        <translation>Pause · P pour jouer</translation>
    </message>
    <message>
        <source>Paused · P</source>
        <translation>Pause · P</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>All levels cleared</source>
        <translation>Tous les niveaux réussis</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Réussi</translation>
    </message>
    <message numerus="yes">
        <source>%1 · Cats left %n</source>
        <comment>the level&apos;s file name</comment>
        <translation>
            <numerusform>%1 · %n chat restant</numerusform>
            <numerusform>%1 · %n chats restants</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 · Cats %n</source>
        <comment>the level&apos;s file name</comment>
        <translation>
            <numerusform>%1 · %n chat</numerusform>
            <numerusform>%1 · %n chats</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cats %n</source>
        <translation>
            <numerusform>%n chat</numerusform>
            <numerusform>%n chats</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Level %1 · Cats left %n</source>
        <translation>
            <numerusform>Niveau %1 · %n chat restant</numerusform>
            <numerusform>Niveau %1 · %n chats restants</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Level %1 · Cats %n</source>
        <translation>
            <numerusform>Niveau %1 · %n chat</numerusform>
            <numerusform>Niveau %1 · %n chats</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>L%1 · C%n</source>
        <comment>shortest: level and cats</comment>
        <translation>
            <numerusform>N%1 · C%n</numerusform>
            <numerusform>N%1 · C%n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Practice · Level %1 · Cats left %n</source>
        <translation>
            <numerusform>Entraînement · Niveau %1 · %n chat restant</numerusform>
            <numerusform>Entraînement · Niveau %1 · %n chats restants</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Practice · L%1 · C%n</source>
        <comment>shortest: level and cats</comment>
        <translation>
            <numerusform>E · N%1 · C%n</numerusform>
            <numerusform>E · N%1 · C%n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Replay %1 · Level %2 · Cats %n</source>
        <comment>speed, level</comment>
        <translation>
            <numerusform>Rejeu %1 · Niveau %2 · Chat %n</numerusform>
            <numerusform>Rejeu %1 · Niveau %2 · Chats %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Replay %1</source>
        <comment>speed</comment>
        <translation>Rejeu %1</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Rejeu</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>WHISKERDASH - THE BRAVEST MICE</source>
        <translation>WHISKERDASH - LES SOURIS LES PLUS BRAVES</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
</context>
<context>
    <name>wd::GameSession</name>
    <message>
        <source>Level %1 · %2</source>
        <comment>number and name</comment>
        <translation>Niveau %1 · %2</translation>
    </message>
    <message>
        <source>level %1</source>
        <comment>where a game ended</comment>
        <translation>le niveau %1</translation>
    </message>
    <message>
        <source>that game had ended</source>
        <translation>cette partie était terminée</translation>
    </message>
</context>
<context>
    <name>wd::MainWidget</name>
    <message>
        <source>Whiskerdash</source>
        <translation>Whiskerdash</translation>
    </message>
    <message>
        <source>Game board</source>
        <translation>Plateau de jeu</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Niveau %1</translation>
    </message>
    <message>
        <source>practice</source>
        <translation>entraînement</translation>
    </message>
    <message>
        <source>score %1</source>
        <translation>score %1</translation>
    </message>
    <message numerus="yes">
        <source>cats left %n</source>
        <translation>
            <numerusform>%n chat restant</numerusform>
            <numerusform>%n chats restants</numerusform>
        </translation>
    </message>
    <message>
        <source>paused</source>
        <translation>en pause</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message numerus="yes">
        <source>Abandon this game with %n points and start a new one?</source>
        <translation>
            <numerusform>Abandonner cette partie à %n point et en commencer une nouvelle ?</numerusform>
            <numerusform>Abandonner cette partie à %n points et en commencer une nouvelle ?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Keep playing</source>
        <translation>&amp;Continuer à jouer</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>%1: cannot play this recording: %2</source>
        <translation>%1 : impossible de rejouer cet enregistrement : %2</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Regarder</translation>
    </message>
    <message>
        <source>%1, paused</source>
        <comment>the replay&apos;s speed</comment>
        <translation>%1, en pause</translation>
    </message>
    <message>
        <source>%1: not a game that can be continued: %2</source>
        <translation>%1 : pas une partie qui puisse continuer : %2</translation>
    </message>
    <message>
        <source>%1: the game left last time cannot go on: %2</source>
        <translation>%1 : la partie quittée la dernière fois ne peut pas continuer : %2</translation>
    </message>
    <message numerus="yes">
        <source>Quit now? At the next start you can continue level %1 with the %n points it began with.</source>
        <translation>
            <numerusform>Quitter maintenant ? Au prochain lancement, vous pourrez reprendre le niveau %1 avec le %n point de son début.</numerusform>
            <numerusform>Quitter maintenant ? Au prochain lancement, vous pourrez reprendre le niveau %1 avec les %n points de son début.</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit now? At the next start you can continue level %1 from its beginning.</source>
        <translation>Quitter maintenant ? Au prochain lancement, vous pourrez reprendre le niveau %1 depuis son début.</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Entraînement</translation>
    </message>
    <message numerus="yes">
        <source>Abandon this game with %n points and practise level %1?</source>
        <translation>
            <numerusform>Abandonner cette partie à %n point et s’entraîner sur le niveau %1 ?</numerusform>
            <numerusform>Abandonner cette partie à %n points et s’entraîner sur le niveau %1 ?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Practise</source>
        <translation>&amp;S’entraîner</translation>
    </message>
    <message>
        <source>ended, Esc leaves</source>
        <comment>the replay at its end</comment>
        <translation>terminé, Échap pour quitter</translation>
    </message>
</context>
<context>
    <name>wd::PracticeDialog</name>
    <message>
        <source>Practice a level</source>
        <translation>S’entraîner sur un niveau</translation>
    </message>
    <message>
        <source>Practice any level you have reached. A practice game is never ranked.</source>
        <translation>Entraînez-vous sur tout niveau atteint. Une partie d’entraînement n’est jamais classée.</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Niveaux</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <comment>level number and name</comment>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>%1 · locked</source>
        <comment>a level not reached yet</comment>
        <translation>%1 · verrouillé</translation>
    </message>
    <message>
        <source>Reach this level in a game to practise it</source>
        <translation>Atteignez ce niveau dans une partie pour vous y entraîner</translation>
    </message>
    <message>
        <source>Practise</source>
        <translation>S’entraîner</translation>
    </message>
    <message>
        <source>%1 · unavailable</source>
        <comment>a level whose file cannot be read or played</comment>
        <translation>%1 · indisponible</translation>
    </message>
    <message>
        <source>Watch most cheese</source>
        <translation>Voir le plus de fromage</translation>
    </message>
    <message>
        <source>Watch fastest clear</source>
        <translation>Voir le plus rapide</translation>
    </message>
    <message>
        <source>No records yet for this level</source>
        <translation>Pas encore de record pour ce niveau</translation>
    </message>
</context>
<context>
    <name>whiskerdash</name>
    <message>
        <source>Whiskerdash: cannot start</source>
        <translation>Whiskerdash : démarrage impossible</translation>
    </message>
</context>
</TS>
