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
    <message>
        <source>Your own levels</source>
        <translation>Vos propres niveaux</translation>
    </message>
    <message>
        <source>Game &gt; Edit levels draws levels of your own: choose a kind with its key (Space or . floor, H wall, B crate, K cheese, C cat, M mouse, the letters of the level files) and draw with the arrow keys or the mouse. F5 test-plays the level and Escape comes back to the drawing. A level is proved when a game that clears it is kept with it: clear it yourself in test-play, or let the bot prove it (Ctrl+P), which also says in how many of its games the bot cleared it. Ctrl+S saves it into a pack of yours; Game &gt; Play a pack plays packs, and exports and imports them as one file.</source>
        <translation>Jeu &gt; Modifier des niveaux dessine vos propres niveaux : choisissez un type de case avec sa touche (Espace ou . sol, H mur, B caisse, K fromage, C chat, M souris, les lettres des fichiers de niveau) et dessinez avec les flèches ou la souris. F5 lance une partie de test et Échap revient au dessin. Un niveau est prouvé quand une partie qui le réussit est gardée avec lui : réussissez-le vous-même en test, ou laissez le bot le prouver (Ctrl+P), qui dit aussi dans combien de ses parties il l&apos;a réussi. Ctrl+S l&apos;enregistre dans un de vos packs ; Jeu &gt; Jouer un pack joue les packs, et les exporte et importe en un seul fichier.</translation>
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
        <source>Dead ends</source>
        <translation>Culs-de-sac</translation>
    </message>
    <message>
        <source>Cheese bait</source>
        <translation>Appât de fromage</translation>
    </message>
    <message>
        <source>Three ways</source>
        <translation>De trois sortes</translation>
    </message>
    <message>
        <source>Crossroads</source>
        <translation>Carrefour</translation>
    </message>
    <message>
        <source>Each cat waits in a lane between rows of crates: push a crate into the lane on each side of it, then one onto it.</source>
        <translation>Chaque chat attend dans un couloir entre des rangées de caisses : poussez une caisse dans le couloir de chaque côté de lui, puis une autre sur lui.</translation>
    </message>
    <message>
        <source>Against the wall</source>
        <translation>Contre le mur</translation>
    </message>
    <message>
        <source>A wall closes one side: a cat between the wall and a thick row of crates is half shut in; push crates in beside it, then one onto it.</source>
        <translation>Un mur ferme un côté : un chat entre le mur et une épaisse rangée de caisses est à moitié enfermé ; poussez des caisses à côté de lui, puis une autre sur lui.</translation>
    </message>
    <message>
        <source>Cheese door</source>
        <translation>Porte de fromage</translation>
    </message>
    <message>
        <source>Cheese in a doorway is a door you can eat: eat it, then push the crates behind it on after the cat.</source>
        <translation>Une porte en fromage, ça se mange : mangez-la, puis poussez plus loin les caisses qui sont derrière, à la poursuite du chat.</translation>
    </message>
    <message>
        <source>Spiral</source>
        <translation>Spirale</translation>
    </message>
    <message>
        <source>Catch the cat in the wall lane first; then walk the spiral, one long corridor, in to the crate at its heart and push the cat there into the dead end.</source>
        <translation>Attrapez d’abord le chat du couloir le long du mur ; puis suivez la spirale, un seul long couloir, jusqu’à la caisse en son cœur et poussez le chat qui s’y trouve dans le cul-de-sac.</translation>
    </message>
    <message>
        <source>Cheese trail</source>
        <translation>Piste de fromage</translation>
    </message>
    <message>
        <source>Rooms and doors</source>
        <translation>Pièces et portes</translation>
    </message>
    <message>
        <source>A crate in a doorway shuts a cat in its room: push it in, then on, and the cat has nowhere to go; the cat in the hall is caught against the wall.</source>
        <translation>Une caisse dans l’ouverture d’une porte enferme un chat dans sa pièce : poussez-la dedans, puis plus loin, et le chat n’a plus nulle part où aller ; le chat du hall, attrapez-le contre le mur.</translation>
    </message>
    <message>
        <source>The rows lie flat on the left and stand upright on the right: close a standing lane by pushing crates in from the side.</source>
        <translation>Les rangées sont couchées à gauche et debout à droite : fermez un couloir debout en y poussant des caisses par le côté.</translation>
    </message>
    <message>
        <source>Open arena</source>
        <translation>Arène ouverte</translation>
    </message>
    <message>
        <source>Cats never step on cheese: the cheese at the ends of the stall holds the cat in; push crates in beside it and eat the fence last.</source>
        <translation>Les chats ne marchent jamais sur le fromage : le fromage aux bouts de la stalle y retient le chat ; poussez des caisses à côté de lui et mangez la clôture en dernier.</translation>
    </message>
    <message>
        <source>Into the corner</source>
        <translation>Dans le coin</translation>
    </message>
    <message>
        <source>The block</source>
        <translation>Le bloc</translation>
    </message>
    <message>
        <source>You are the bait</source>
        <translation>Vous êtes l’appât</translation>
    </message>
    <message>
        <source>Islands</source>
        <translation>Îles</translation>
    </message>
    <message>
        <source>Crates lie in islands on open floor: catch a cat in a narrow channel between two islands, or between an island and the wall.</source>
        <translation>Les caisses forment des îles sur l’espace dégagé : attrapez un chat dans un chenal étroit entre deux îles, ou entre une île et le mur.</translation>
    </message>
    <message>
        <source>Bridge</source>
        <translation>Pont</translation>
    </message>
    <message>
        <source>Stone keep</source>
        <translation>Donjon de pierre</translation>
    </message>
    <message>
        <source>Cats walk the road between the stone keep and its crate moat: push moat crates in beside a cat, then one onto it.</source>
        <translation>Les chats circulent sur la route entre le donjon de pierre et ses douves de caisses : poussez des caisses des douves à côté d’un chat, puis une autre sur lui.</translation>
    </message>
    <message>
        <source>Cheese garden</source>
        <translation>Jardin de fromage</translation>
    </message>
    <message>
        <source>Cats never cross cheese beds: a cat between a bed and the crates is in a lane, so push crates in on it, and eat that bed last.</source>
        <translation>Les chats ne traversent jamais les parterres de fromage : un chat entre un parterre et les caisses est dans un couloir, alors poussez des caisses sur lui et mangez ce parterre en dernier.</translation>
    </message>
    <message>
        <source>Four rooms</source>
        <translation>Quatre pièces</translation>
    </message>
    <message>
        <source>River</source>
        <translation>Rivière</translation>
    </message>
    <message>
        <source>Docks</source>
        <translation>Docks</translation>
    </message>
    <message>
        <source>Cats walk the quays along the walls: from a bay between the piers push quay crates in beside a cat, then one onto it.</source>
        <translation>Les chats longent les quais au pied des murs : depuis un bassin entre les jetées, poussez des caisses du quai à côté d’un chat, puis une autre sur lui.</translation>
    </message>
    <message>
        <source>Horseshoe</source>
        <translation>Fer à cheval</translation>
    </message>
    <message>
        <source>Cats run round the horseshoe between its stone and its crate lining: from inside, push the lining out onto them.</source>
        <translation>Les chats tournent dans le fer à cheval, entre sa pierre et son revêtement de caisses : depuis l’intérieur, poussez le revêtement vers l’extérieur sur eux.</translation>
    </message>
    <message>
        <source>Citadel</source>
        <translation>Citadelle</translation>
    </message>
    <message>
        <source>Market day</source>
        <translation>Jour de marché</translation>
    </message>
    <message>
        <source>Stone maze</source>
        <translation>Labyrinthe de pierre</translation>
    </message>
    <message>
        <source>Cats prowl the lanes by the side walls; the stone maze between is full of dead ends and cheese: go in only when no cat is near.</source>
        <translation>Les chats rôdent dans les couloirs le long des murs latéraux ; le labyrinthe de pierre entre les deux est plein de culs-de-sac et de fromage : n’y entrez que si aucun chat n’est proche.</translation>
    </message>
    <message>
        <source>Pen and larder</source>
        <translation>Enclos et garde-manger</translation>
    </message>
    <message>
        <source>Storm</source>
        <translation>Tempête</translation>
    </message>
    <message>
        <source>Loose crates and posts give a cat no corner: lead it out of the storm to the thick bars by the walls.</source>
        <translation>Les caisses éparses et les piliers n’offrent aucun coin où coincer un chat : attirez-le hors de la tempête jusqu’aux épaisses barres de caisses le long des murs.</translation>
    </message>
    <message>
        <source>Zigzag</source>
        <translation>Zigzag</translation>
    </message>
    <message>
        <source>The zigzag corridor has stone on one side and thick crates on the other: push crates in from outside beside the cat, then onto it.</source>
        <translation>Le couloir en zigzag est bordé de pierre d’un côté et d’une épaisse rangée de caisses de l’autre : poussez des caisses depuis l’extérieur à côté du chat, puis une autre sur lui.</translation>
    </message>
    <message>
        <source>Wall pockets</source>
        <translation>Recoins muraux</translation>
    </message>
    <message>
        <source>Cats slip corner-wise into the pockets along the walls, where you cannot follow: push crates into the pocket beside a cat, then one onto it.</source>
        <translation>Les chats se faufilent en diagonale dans les recoins le long des murs, où vous ne pouvez pas les suivre : poussez des caisses dans le recoin à côté d’un chat, puis une autre sur lui.</translation>
    </message>
    <message>
        <source>Stone hourglass</source>
        <translation>Sablier de pierre</translation>
    </message>
    <message>
        <source>One door</source>
        <translation>Une seule porte</translation>
    </message>
    <message>
        <source>Crate pinwheel</source>
        <translation>Moulinet de caisses</translation>
    </message>
    <message>
        <source>Four crate arms turn round the middle: each ends one step off the wall, a lane where a cat is caught.</source>
        <translation>Quatre bras de caisses tournent autour du centre : chacun s’arrête à un pas du mur, laissant un couloir où attraper un chat.</translation>
    </message>
    <message>
        <source>Stone posts</source>
        <translation>Piliers de pierre</translation>
    </message>
    <message>
        <source>Cheese maze</source>
        <translation>Labyrinthe de fromage</translation>
    </message>
    <message>
        <source>Stone rings with cheese in some gaps: cats go round to the open gaps, you can eat straight through.</source>
        <translation>Des anneaux de pierre avec du fromage dans certaines brèches : les chats font le tour jusqu’aux brèches ouvertes, vous pouvez passer tout droit en mangeant.</translation>
    </message>
    <message>
        <source>Great block</source>
        <translation>Grand bloc</translation>
    </message>
    <message>
        <source>Four cats circle the great block: catch them in the lanes above and below it, the block on one side and stone on the other.</source>
        <translation>Quatre chats tournent autour du grand bloc : attrapez-les dans les couloirs au-dessus et en dessous, entre le bloc d’un côté et la pierre de l’autre.</translation>
    </message>
    <message>
        <source>Crate staircase</source>
        <translation>Escalier de caisses</translation>
    </message>
    <message>
        <source>A staircase of crates splits the room: cats come round by its foot and its head, where a thick step and the wall make a lane.</source>
        <translation>Un escalier de caisses coupe la pièce en deux : les chats le contournent par le bas et par le haut, où une marche épaisse et le mur forment un couloir.</translation>
    </message>
    <message>
        <source>Everything at once: the block on the left, one door in the wall, stone posts on the right, and cheese to pull you through.</source>
        <translation>Tout à la fois : le bloc à gauche, une porte dans le mur, des piliers de pierre à droite, et du fromage pour vous faire avancer.</translation>
    </message>
    <message>
        <source>Each corner holds an L-shaped lane between the wall and a bend of crates: shut the lane on both sides of the cat from outside, then push the last crate onto it.</source>
        <translation>Chaque coin cache un couloir en L entre le mur et un coude de caisses : fermez le couloir des deux côtés du chat depuis l’extérieur, puis poussez la dernière caisse sur lui.</translation>
    </message>
    <message>
        <source>A cat that wanders into a pocket of crates is nearly caught: shut the pocket with a crate from the side, then push one up into it; stand below a pocket to draw the cat towards it.</source>
        <translation>Un chat qui s’aventure dans un recoin de caisses est presque pris : fermez le recoin avec une caisse par le côté, puis poussez-en une dedans par le bas ; placez-vous sous un recoin pour y attirer le chat.</translation>
    </message>
    <message>
        <source>Four rooms round a hall: a cat in the lane along a room&apos;s wall is caught by pushing the room&apos;s crates in on it; wait for the hall cat to wander into one.</source>
        <translation>Quatre pièces autour d’un hall : un chat dans le couloir le long du mur d’une pièce se prend en poussant sur lui les caisses de cette pièce ; attendez que le chat du hall s’aventure dans l’un de ces couloirs.</translation>
    </message>
    <message>
        <source>Inside the town wall the streets run between stone and crates: catch the cats there, then eat the keep&apos;s cheese door and push its crates in.</source>
        <translation>À l’intérieur des remparts, les rues passent entre la pierre et les caisses : attrapez-y les chats, puis mangez la porte de fromage du donjon et poussez ses caisses à l’intérieur.</translation>
    </message>
    <message>
        <source>Catch a cat in the aisle between two stalls: eat a counter&apos;s cheese to push its stall&apos;s crates down or up into the aisle.</source>
        <translation>Attrapez un chat dans l’allée entre deux étals : mangez le fromage d’un comptoir pour pousser les caisses de son étal vers le bas ou vers le haut dans l’allée.</translation>
    </message>
    <message>
        <source>Two pens open when you eat their cheese doors: empty the larder on the right before the last catch ends the level; the left pen holds a cat, so eat its door and push the plug in after it.</source>
        <translation>Deux enclos s’ouvrent quand vous mangez leur porte de fromage : videz le garde-manger de droite avant que la dernière prise ne termine le niveau ; l’enclos de gauche retient un chat, alors mangez sa porte et poussez le bouchon à sa suite.</translation>
    </message>
    <message>
        <source>Two chambers meet at a narrow waist, the only way between them: catch the cats in the lanes by the side walls, and mind the one that follows you through the waist.</source>
        <translation>Deux chambres se rejoignent par un goulet étroit, seul passage entre elles : attrapez les chats dans les couloirs le long des murs latéraux, et méfiez-vous de celui qui vous suit par le goulet.</translation>
    </message>
    <message>
        <source>A stone wall splits the board, with one door: the cats on your side hunt you while the others queue at the door; catch them against the bars by the walls.</source>
        <translation>Un mur de pierre coupe le plateau, percé d’une seule porte : les chats de votre côté vous chassent pendant que les autres attendent à la porte ; attrapez-les contre les barres de caisses le long des murs.</translation>
    </message>
    <message>
        <source>A grid of stone posts gives a cat many ways out: lead it to the crate bars in the corners, where wall and bar make a lane, and catch it there.</source>
        <translation>Une grille de piliers de pierre offre au chat bien des sorties : attirez-le vers les barres de caisses dans les coins, où le mur et la barre forment un couloir, et attrapez-le là.</translation>
    </message>
    <message>
        <source>Both cats start in wall lanes, behind the top bar and the right one: shut them in there before they come out, and eat the trail before the last catch, which ends the level.</source>
        <translation>Les deux chats partent de couloirs le long du mur, derrière la barre de caisses du haut et celle de droite : enfermez-les là avant qu’ils n’en sortent, et mangez la piste de fromage avant la dernière capture, qui termine le niveau.</translation>
    </message>
    <message>
        <source>One cat roams the open floor, the other starts in the one-cell lane between the bottom bars and the wall: catch both in that lane, luring the roaming one in.</source>
        <translation>Un chat rôde sur l’espace dégagé, l’autre part du couloir d’une case entre les barres de caisses du bas et le mur : attrapez-les tous deux dans ce couloir, en y attirant celui qui rôde.</translation>
    </message>
    <message>
        <source>Cheese waits deep in the lanes, where the cats are: push a column down to cut a cat&apos;s lane on each side of it, then close in; the cheese is worth the walk if the way back is open.</source>
        <translation>Du fromage attend au fond des couloirs, là où sont les chats : poussez une colonne vers le bas pour couper le couloir d’un chat de chaque côté, puis resserrez ; le fromage vaut le détour si le chemin du retour est libre.</translation>
    </message>
    <message>
        <source>The cat starts in a dead-end corridor behind its crate: push the crate in after it, and keep pushing until the cat runs out of corridor.</source>
        <translation>Le chat commence dans un cul-de-sac derrière sa caisse : poussez la caisse derrière lui, et continuez jusqu’à ce qu’il se retrouve à court de couloir.</translation>
    </message>
    <message>
        <source>The block leaves one-cell lanes along the walls, and the cheese at its foot closes the bottom one to cats: leave that cheese, draw a cat into a lane, then push the block&apos;s crates in beside it and onto it.</source>
        <translation>Le bloc laisse le long des murs des couloirs d’une case, et le fromage à son pied ferme celui du bas aux chats : laissez ce fromage, attirez un chat dans un couloir, puis poussez les caisses du bloc à côté de lui et sur lui.</translation>
    </message>
    <message>
        <source>Two halves joined by one bridge: one cat starts in a lane beside the stone wall, the other roams the far half and can cross the bridge to you; catch each in such a lane, pushing the bars&apos; crates in from the side.</source>
        <translation>Deux moitiés reliées par un seul pont : un chat commence dans un couloir le long du mur de pierre, l’autre rôde dans l’autre moitié et peut traverser le pont jusqu’à vous ; attrapez chacun dans un tel couloir, en y poussant par le côté les caisses des barres.</translation>
    </message>
    <message>
        <source>The river of crates splits the board: cross at a ford, push the river in on both sides of a cat walking the towpath on the far bank, then onto it.</source>
        <translation>La rivière de caisses coupe le plateau en deux : traversez à un gué, poussez la rivière de part et d’autre d’un chat qui suit le chemin de halage sur l’autre rive, puis sur lui.</translation>
    </message>
    <message>
        <source>All at once</source>
        <translation>Tout à la fois</translation>
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
    <message>
        <source>Play a p&amp;ack…</source>
        <translation>&amp;Jouer un pack…</translation>
    </message>
    <message>
        <source>&amp;Edit levels…</source>
        <translation>Mo&amp;difier des niveaux…</translation>
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
    <name>wd::EditorRoom</name>
    <message>
        <source>easy</source>
        <translation>facile</translation>
    </message>
    <message>
        <source>fair</source>
        <translation>moyen</translation>
    </message>
    <message>
        <source>hard</source>
        <translation>difficile</translation>
    </message>
    <message>
        <source>very hard</source>
        <translation>très difficile</translation>
    </message>
    <message>
        <source>not cleared by the bot</source>
        <translation>non réussi par le bot</translation>
    </message>
    <message>
        <source>Play a pack</source>
        <translation>Jouer un pack</translation>
    </message>
    <message>
        <source>Edit levels</source>
        <translation>Modifier des niveaux</translation>
    </message>
    <message>
        <source>Save the changes to this level?</source>
        <translation>Enregistrer les modifications de ce niveau ?</translation>
    </message>
    <message>
        <source>Test-play</source>
        <translation>Tester</translation>
    </message>
    <message>
        <source>Cleared: your game proves this level. Save keeps the proof with it.</source>
        <translation>Réussi : votre partie prouve ce niveau. « Enregistrer » garde la preuve avec lui.</translation>
    </message>
    <message>
        <source>A new pack…</source>
        <translation>Un nouveau pack…</translation>
    </message>
    <message>
        <source>Save level</source>
        <translation>Enregistrer le niveau</translation>
    </message>
    <message>
        <source>Save into the pack:</source>
        <translation>Enregistrer dans le pack :</translation>
    </message>
    <message numerus="yes">
        <source>The bot plays the level over %n games…</source>
        <translation>
            <numerusform>Le bot joue le niveau sur %n partie…</numerusform>
            <numerusform>Le bot joue le niveau sur %n parties…</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Prove</source>
        <translation>Prouver</translation>
    </message>
    <message>
        <source>The bot&apos;s win proves the level; Save keeps it.</source>
        <translation>La victoire du bot prouve le niveau ; « Enregistrer » garde la preuve.</translation>
    </message>
    <message>
        <source>No proof yet: clear it yourself in test-play (F5).</source>
        <translation>Pas encore de preuve : réussissez-le vous-même en partie de test (F5).</translation>
    </message>
    <message>
        <source>Saved as level %1 of “%2”, proved.</source>
        <translation>Enregistré comme niveau %1 de « %2 », prouvé.</translation>
    </message>
    <message>
        <source>Saved as level %1 of “%2”, not proved yet: clear it in test-play (F5), or let the bot prove it (Ctrl+P).</source>
        <translation>Enregistré comme niveau %1 de « %2 », pas encore prouvé : réussissez-le en test (F5), ou laissez le bot le prouver (Ctrl+P).</translation>
    </message>
    <message>
        <source>The bot cleared the level in %1 of %2 games — %3.</source>
        <translation>Le bot a réussi le niveau dans %1 parties sur %2 — %3.</translation>
    </message>
</context>
<context>
    <name>wd::EditorView</name>
    <message>
        <source>Resize</source>
        <translation>Redimensionner</translation>
    </message>
    <message>
        <source>Level drawing</source>
        <translation>Dessin du niveau</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Remplir</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Dessiner</translation>
    </message>
    <message>
        <source>Line %1, column %2: %3</source>
        <translation>Ligne %1, colonne %2 : %3</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>This cat can never be caught from the start.</source>
        <translation>Ce chat ne peut jamais être attrapé depuis le départ.</translation>
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
    <name>wd::LevelEditor</name>
    <message>
        <source>Level editor</source>
        <translation>Éditeur de niveaux</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Floor</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Mur</translation>
    </message>
    <message>
        <source>Crate</source>
        <translation>Caisse</translation>
    </message>
    <message>
        <source>Cheese</source>
        <translation>Fromage</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>Plus petit</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>Plus grand</translation>
    </message>
    <message>
        <source>Test-play</source>
        <translation>Tester</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Prove</source>
        <translation>Prouver</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>The level&apos;s name on its card</source>
        <translation>Le nom du niveau sur son écran de titre</translation>
    </message>
    <message>
        <source>A hint for the player</source>
        <translation>Un indice pour le joueur</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>H&amp;int:</source>
        <translation>&amp;Indice :</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>&amp;Resize</source>
        <translation>&amp;Redimensionner</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>Problems:</source>
        <translation>Problèmes :</translation>
    </message>
    <message>
        <source>Cats:</source>
        <translation>Chats :</translation>
    </message>
    <message>
        <source>Arrows move the cursor; Space . H B K C M choose a kind and draw it there; Delete erases; R marks a corner and R again fills to the cursor.
The left button draws, the right button erases, Shift with a drag fills a rectangle.</source>
        <translation>Les flèches déplacent le curseur ; Espace . H B K C M choisissent un type de case et le dessinent là ; Suppr efface ; R marque un coin et un second R remplit jusqu’au curseur.
Le bouton gauche dessine, le bouton droit efface, un glissé avec Maj remplit un rectangle.</translation>
    </message>
    <message>
        <source>None: the level can be played.</source>
        <translation>Aucun : le niveau peut être joué.</translation>
    </message>
    <message>
        <source>Judged once the game could load the level.</source>
        <translation>Évalué dès que le jeu pourra charger le niveau.</translation>
    </message>
    <message>
        <source>No cats yet.</source>
        <translation>Pas encore de chat.</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 autres</translation>
    </message>
    <message>
        <source>The cat at %1 can never be caught from the start.</source>
        <translation>Le chat en %1 ne peut jamais être attrapé depuis le départ.</translation>
    </message>
    <message>
        <source>%1 cats can never be caught from the start: %2.</source>
        <translation>%1 chats ne peuvent jamais être attrapés depuis le départ : %2.</translation>
    </message>
    <message>
        <source>; </source>
        <translation> ; </translation>
    </message>
    <message>
        <source>The quick check finds no cat that can never be caught; Prove or a test-play tells for sure.</source>
        <translation>La vérification rapide ne trouve aucun chat impossible à attraper ; Prouver ou une partie de test le disent à coup sûr.</translation>
    </message>
    <message>
        <source>A ring of walls moves with the edges; inside it, cells that no longer fit are dropped and new ones are floor. Undo brings them back.</source>
        <translation>Un anneau de murs suit les bords ; à l&apos;intérieur, les cases qui ne tiennent plus sont supprimées et les nouvelles sont du sol. « Annuler » les rétablit.</translation>
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
    <message>
        <source>Play a pack</source>
        <translation>Jouer un pack</translation>
    </message>
    <message numerus="yes">
        <source>Abandon this game with %n points?</source>
        <translation>
            <numerusform>Abandonner cette partie à %n point ?</numerusform>
            <numerusform>Abandonner cette partie à %n points ?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Leave it</source>
        <translation>&amp;Abandonner</translation>
    </message>
    <message>
        <source>Test-play, Esc returns</source>
        <translation>Partie de test, Échap pour revenir</translation>
    </message>
</context>
<context>
    <name>wd::PacksDialog</name>
    <message>
        <source>proved</source>
        <translation>prouvé</translation>
    </message>
    <message>
        <source>not proved: %1</source>
        <translation>non prouvé : %1</translation>
    </message>
    <message>
        <source>Edit levels</source>
        <translation>Modifier des niveaux</translation>
    </message>
    <message>
        <source>Play a pack</source>
        <translation>Jouer un pack</translation>
    </message>
    <message>
        <source>&amp;Play this pack</source>
        <translation>&amp;Jouer ce pack</translation>
    </message>
    <message>
        <source>&amp;Edit level</source>
        <translation>&amp;Modifier le niveau</translation>
    </message>
    <message>
        <source>New &amp;level</source>
        <translation>Nouveau &amp;niveau</translation>
    </message>
    <message>
        <source>New pac&amp;k…</source>
        <translation>Nouveau pac&amp;k…</translation>
    </message>
    <message>
        <source>&amp;Delete level</source>
        <translation>&amp;Supprimer le niveau</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importer…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>E&amp;xporter…</translation>
    </message>
    <message>
        <source>The game&apos;s own levels</source>
        <translation>Les niveaux du jeu</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>The game&apos;s own levels can be opened in the editor and saved into a pack of yours.</source>
        <translation>Les niveaux du jeu peuvent être ouverts dans l’éditeur et enregistrés dans un de vos packs.</translation>
    </message>
    <message>
        <source>This pack has no levels yet: New level draws one.</source>
        <translation>Ce pack n’a encore aucun niveau : « Nouveau niveau » en dessine un.</translation>
    </message>
    <message>
        <source>New pack</source>
        <translation>Nouveau pack</translation>
    </message>
    <message>
        <source>The pack&apos;s name:</source>
        <translation>Nom du pack :</translation>
    </message>
    <message>
        <source>My levels</source>
        <translation>Mes niveaux</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>%1: not imported: %2</source>
        <translation>%1 : non importé : %2</translation>
    </message>
    <message>
        <source>Imported “%1”.</source>
        <translation>« %1 » importé.</translation>
    </message>
    <message>
        <source>Not proved: %1</source>
        <translation>Non prouvé : %1</translation>
    </message>
    <message>
        <source>Import a pack</source>
        <translation>Importer un pack</translation>
    </message>
    <message>
        <source>Whiskerdash packs (*.wdpack)</source>
        <translation>Packs Whiskerdash (*.wdpack)</translation>
    </message>
    <message>
        <source>Export a pack</source>
        <translation>Exporter un pack</translation>
    </message>
    <message>
        <source>Exported to %1.</source>
        <translation>Exporté vers %1.</translation>
    </message>
    <message>
        <source>%1: not exported: %2</source>
        <translation>%1 : non exporté : %2</translation>
    </message>
    <message>
        <source>Delete level</source>
        <translation>Supprimer le niveau</translation>
    </message>
    <message>
        <source>Delete level %1 of this pack? The levels after it move up.</source>
        <translation>Supprimer le niveau %1 de ce pack ? Les niveaux suivants remontent d’un rang.</translation>
    </message>
    <message>
        <source>&amp;Watch proof</source>
        <translation>&amp;Voir la preuve</translation>
    </message>
    <message>
        <source>%1 · one level</source>
        <translation>%1 · un niveau</translation>
    </message>
    <message numerus="yes">
        <source>%1 · %n levels</source>
        <translation>
            <numerusform>%1 · %n niveau</numerusform>
            <numerusform>%1 · %n niveaux</numerusform>
        </translation>
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
