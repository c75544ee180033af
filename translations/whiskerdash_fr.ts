<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
</context>
<context>
    <name>HelpBox</name>
    <message>
        <source>You are the mouse. Catch every cat to clear a level.

Arrow keys, W A S D or the keypad&apos;s 8 4 6 2 move the mouse.
Walk into a row of crates to push it, unless a stone wall stops it.
Cheese is worth 10 points. Cats cannot step on cheese or crates.
Push a crate onto a cat: it escapes to a free cell next to it,
or is caught when it has none. If a cat reaches you, the game is over.
So trap cats: wait until one stands where crates, walls or cheese
surround it, then push the last crate onto it. Cats follow you,
which lets you lure them into a pocket before you close it.
Each level starts when you press an arrow key.

P, Pause or Escape   pause and resume
F2 or Ctrl+N         new game
F5                   restart this level
Ctrl+H               high scores
M                    sound on or off
F11                  full screen
Ctrl++ Ctrl+- Ctrl+0 zoom in, out, back to 1x
Ctrl+Q               quit
</source>
        <translation>Vous êtes la souris. Attrapez tous les chats pour finir un niveau.

Les flèches, W A S D ou 8 4 6 2 du pavé numérique déplacent la souris.
Avancez contre une rangée de caisses pour la pousser, sauf si un mur
de pierre l&apos;arrête. Le fromage vaut 10 points. Les chats ne peuvent
marcher ni sur le fromage ni sur les caisses. Poussez une caisse sur
un chat : il s&apos;échappe vers une case libre voisine, ou il est attrapé
s&apos;il n&apos;en a aucune. Si un chat vous rejoint, la partie est finie.
Alors tendez des pièges : attendez qu&apos;un chat soit entouré de caisses,
de murs ou de fromage, puis poussez la dernière caisse sur lui. Les
chats vous suivent : attirez-les dans un recoin avant de le fermer.
Chaque niveau commence quand vous appuyez sur une flèche.

P, Pause ou Échap    pause et reprise
F2 ou Ctrl+N         nouvelle partie
F5                   recommencer ce niveau
Ctrl+H               meilleurs scores
M                    son activé ou coupé
F11                  plein écran
Ctrl++ Ctrl+- Ctrl+0 zoom avant, arrière, retour à 1x
Ctrl+Q               quitter
</translation>
    </message>
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
        <source>Come and get me</source>
        <translation>Viens me chercher</translation>
    </message>
    <message>
        <source>A cat walks towards the mouse: wait under a crate and it walks into the pocket above.</source>
        <translation>Un chat marche vers la souris : attendez sous une caisse et il entrera dans la niche au-dessus.</translation>
    </message>
    <message>
        <source>Two at the door</source>
        <translation>Deux à la porte</translation>
    </message>
    <message>
        <source>Two cats, and a door on the right where they can come round to the mouse.</source>
        <translation>Deux chats, et une porte à droite par où ils peuvent faire le tour jusqu’à la souris.</translation>
    </message>
    <message>
        <source>Herding</source>
        <translation>Rabattage</translation>
    </message>
    <message>
        <source>Two cats shut in pens run ahead of the crates, always to the first free cell; two more walk about.</source>
        <translation>Deux chats enfermés dans des enclos fuient devant les caisses, toujours vers la première case libre ; deux autres se promènent.</translation>
    </message>
    <message>
        <source>Rings</source>
        <translation>Anneaux</translation>
    </message>
    <message>
        <source>Two cats boxed in rings of crates, two roaming.</source>
        <translation>Deux chats enfermés dans des anneaux de caisses, deux en liberté.</translation>
    </message>
    <message>
        <source>Crates in the yard</source>
        <translation>Caisses dans la cour</translation>
    </message>
    <message>
        <source>Three cats among crates; the door on the right lets them round.</source>
        <translation>Trois chats parmi les caisses ; la porte de droite leur permet de faire le tour.</translation>
    </message>
    <message>
        <source>Rings and pockets</source>
        <translation>Anneaux et niches</translation>
    </message>
    <message>
        <source>Two cats boxed in rings, three walking about.</source>
        <translation>Deux chats enfermés dans des anneaux, trois qui se promènent.</translation>
    </message>
    <message>
        <source>Both doors open</source>
        <translation>Deux portes ouvertes</translation>
    </message>
    <message>
        <source>Three cats and a door at each end of the wall.</source>
        <translation>Trois chats et une porte à chaque bout du mur.</translation>
    </message>
    <message>
        <source>Two rooms</source>
        <translation>Deux pièces</translation>
    </message>
    <message>
        <source>The cats start in two walled rooms with a door each.</source>
        <translation>Les chats partent de deux pièces entourées de murs, chacune avec sa porte.</translation>
    </message>
    <message>
        <source>Little maze</source>
        <translation>Petit labyrinthe</translation>
    </message>
    <message>
        <source>The cats find the passage through a maze of walls.</source>
        <translation>Les chats trouvent le passage à travers un labyrinthe de murs.</translation>
    </message>
    <message>
        <source>Cheese fence</source>
        <translation>Clôture de fromage</translation>
    </message>
    <message>
        <source>Cats cannot step on cheese: the fence holds them until the mouse eats a way through.</source>
        <translation>Les chats ne peuvent pas marcher sur le fromage : la clôture les retient jusqu’à ce que la souris s’ouvre un passage en mangeant.</translation>
    </message>
    <message>
        <source>Released one by one</source>
        <translation>Libérés un par un</translation>
    </message>
    <message>
        <source>Four cats wait in pens shut by cheese; eat a fence to let one out.</source>
        <translation>Quatre chats attendent dans des enclos fermés par du fromage ; mangez une clôture pour en libérer un.</translation>
    </message>
    <message>
        <source>Cheese trail</source>
        <translation>Piste de fromage</translation>
    </message>
    <message>
        <source>A trail of cheese leads out of the doors, where the cats come round.</source>
        <translation>Une piste de fromage sort par les portes, là où les chats font le tour.</translation>
    </message>
    <message>
        <source>Side gate</source>
        <translation>Portillon</translation>
    </message>
    <message>
        <source>The wall leaves a gap on the right; cheese waits in a den.</source>
        <translation>Le mur laisse une brèche à droite ; du fromage attend dans une tanière.</translation>
    </message>
    <message>
        <source>Four and four</source>
        <translation>Quatre et quatre</translation>
    </message>
    <message>
        <source>Four cats, four pockets, both doors open.</source>
        <translation>Quatre chats, quatre niches, les deux portes ouvertes.</translation>
    </message>
    <message>
        <source>Crate field</source>
        <translation>Champ de caisses</translation>
    </message>
    <message>
        <source>The cats that come round meet a field of crates: pin them in the open.</source>
        <translation>Les chats qui font le tour tombent sur un champ de caisses : coincez-les en terrain découvert.</translation>
    </message>
    <message>
        <source>Five at the wall</source>
        <translation>Cinq au pied du mur</translation>
    </message>
    <message>
        <source>Five cats, five pockets, a door at each end.</source>
        <translation>Cinq chats, cinq niches, une porte à chaque bout.</translation>
    </message>
    <message>
        <source>Fences of cheese</source>
        <translation>Clôtures de fromage</translation>
    </message>
    <message>
        <source>The cats are fenced off by cheese; every bite opens a gap.</source>
        <translation>Les chats sont enfermés derrière du fromage ; chaque bouchée ouvre une brèche.</translation>
    </message>
    <message>
        <source>Pens in a row</source>
        <translation>Enclos alignés</translation>
    </message>
    <message>
        <source>Six cats behind cheese; let them out one at a time.</source>
        <translation>Six chats derrière du fromage ; libérez-les un par un.</translation>
    </message>
    <message>
        <source>Seven and two boxes</source>
        <translation>Sept et deux boîtes</translation>
    </message>
    <message>
        <source>Seven cats: five walk about, two are boxed in by crates.</source>
        <translation>Sept chats : cinq se promènent, deux sont enfermés par des caisses.</translation>
    </message>
    <message>
        <source>One door</source>
        <translation>Une seule porte</translation>
    </message>
    <message>
        <source>Six cats and a single door on the right.</source>
        <translation>Six chats et une seule porte, à droite.</translation>
    </message>
    <message>
        <source>Maze and five</source>
        <translation>Cinq dans le labyrinthe</translation>
    </message>
    <message>
        <source>Five cats find their way through a maze.</source>
        <translation>Cinq chats trouvent leur chemin dans un labyrinthe.</translation>
    </message>
    <message>
        <source>Middle door</source>
        <translation>Porte du milieu</translation>
    </message>
    <message>
        <source>A third door in the middle of the wall.</source>
        <translation>Une troisième porte au milieu du mur.</translation>
    </message>
    <message>
        <source>Islands</source>
        <translation>Îles</translation>
    </message>
    <message>
        <source>Pockets stand alone in an open field: the cats can come at the mouse from every side.</source>
        <translation>Les niches sont isolées en terrain découvert : les chats peuvent fondre sur la souris de tous les côtés.</translation>
    </message>
    <message>
        <source>Crowded field</source>
        <translation>Champ bondé</translation>
    </message>
    <message>
        <source>Seven cats, a field of crates where they come round.</source>
        <translation>Sept chats, et un champ de caisses là où ils font le tour.</translation>
    </message>
    <message>
        <source>Cheese run</source>
        <translation>Course au fromage</translation>
    </message>
    <message>
        <source>Seven cats and cheese laid out right by the doors.</source>
        <translation>Sept chats et du fromage disposé juste devant les portes.</translation>
    </message>
    <message>
        <source>Maze of rooms</source>
        <translation>Labyrinthe de pièces</translation>
    </message>
    <message>
        <source>Five cats in a maze of small rooms.</source>
        <translation>Cinq chats dans un labyrinthe de petites pièces.</translation>
    </message>
    <message>
        <source>Seven cats</source>
        <translation>Sept chats</translation>
    </message>
    <message>
        <source>Seven cats and seven pockets.</source>
        <translation>Sept chats et sept niches.</translation>
    </message>
    <message>
        <source>Short wall</source>
        <translation>Mur court</translation>
    </message>
    <message>
        <source>A shorter wall and a wider passage: the cats come round sooner.</source>
        <translation>Un mur plus court et un passage plus large : les chats font le tour plus tôt.</translation>
    </message>
    <message>
        <source>Wide open</source>
        <translation>Grand ouvert</translation>
    </message>
    <message>
        <source>Doors everywhere: the wall is only half a wall.</source>
        <translation>Des portes partout : ce mur n’est plus qu’un demi-mur.</translation>
    </message>
    <message>
        <source>Last stand</source>
        <translation>Dernier combat</translation>
    </message>
    <message>
        <source>Six cats, every door open, cheese by the doors.</source>
        <translation>Six chats, toutes les portes ouvertes, du fromage près des portes.</translation>
    </message>
</context>
<context>
    <name>MainWidget</name>
    <message>
        <source>Whiskerdash</source>
        <translation>Whiskerdash</translation>
    </message>
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
        <source>Caught!</source>
        <translation>Attrapée !</translation>
    </message>
    <message numerus="yes">
        <source>Caught on %1 with %n points.</source>
        <comment>%1 is &quot;level 5&quot; or a file name</comment>
        <translation>
            <numerusform>Attrapée au %1 avec %n point.</numerusform>
            <numerusform>Attrapée au %1 avec %n points.</numerusform>
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
            <numerusform>Arrivée au %1 avec %n point.</numerusform>
            <numerusform>Arrivée au %1 avec %n points.</numerusform>
        </translation>
    </message>
    <message>
        <source>No way left to catch every cat — F5 restarts the level</source>
        <translation>Plus aucun moyen d’attraper tous les chats — F5 recommence le niveau</translation>
    </message>
    <message>
        <source>Game board</source>
        <translation>Plateau de jeu</translation>
    </message>
    <message>
        <source>About Whiskerdash</source>
        <translation>À propos de Whiskerdash</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Whiskerdash %1&lt;/h3&gt;&lt;p&gt;An arcade puzzle game: push rows of crates to trap the cats before they catch the mouse.&lt;/p&gt;&lt;p&gt;Free software under the MIT licence.&lt;br&gt;Copyright © 2026 The Whiskerdash developers.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Whiskerdash %1&lt;/h3&gt;&lt;p&gt;Un jeu de réflexion d’arcade : poussez des rangées de caisses pour piéger les chats avant qu’ils n’attrapent la souris.&lt;/p&gt;&lt;p&gt;Logiciel libre sous licence MIT.&lt;br&gt;Copyright © 2026 Les développeurs de Whiskerdash.&lt;/p&gt;</translation>
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
        <source>A practice game is not ranked.</source>
        <translation>Une partie d’entraînement n’est pas classée.</translation>
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
            <numerusform>%1 · Chats restants %n</numerusform>
            <numerusform>%1 · Chats restants %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 · Cats %n</source>
        <comment>the level&apos;s file name</comment>
        <translation>
            <numerusform>%1 · Chats %n</numerusform>
            <numerusform>%1 · Chats %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cats %n</source>
        <translation>
            <numerusform>Chats %n</numerusform>
            <numerusform>Chats %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Level %1 · Cats left %n</source>
        <translation>
            <numerusform>Niveau %1 · Chats restants %n</numerusform>
            <numerusform>Niveau %1 · Chats restants %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Level %1 · Cats %n</source>
        <translation>
            <numerusform>Niveau %1 · Chats %n</numerusform>
            <numerusform>Niveau %1 · Chats %n</numerusform>
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
            <numerusform>Entraînement · Niveau %1 · Chats restants %n</numerusform>
            <numerusform>Entraînement · Niveau %1 · Chats restants %n</numerusform>
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
        <translation>niveau %1</translation>
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
</context>
<context>
    <name>whiskerdash</name>
    <message>
        <source>Whiskerdash: cannot start</source>
        <translation>Whiskerdash : démarrage impossible</translation>
    </message>
</context>
</TS>
