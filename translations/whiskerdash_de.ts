<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>About</name>
    <message>
        <source>&lt;h3&gt;Whiskerdash %1&lt;/h3&gt;&lt;p&gt;An arcade puzzle game: push rows of crates to trap the cats before they catch the mouse.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Whiskerdash %1&lt;/h3&gt;&lt;p&gt;Ein Arcade-Denkspiel: Schiebe Reihen von Kisten, um die Katzen einzusperren, bevor sie die Maus fangen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Free software under the MIT licence.</source>
        <translation>Freie Software unter der MIT-Lizenz.</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Whiskerdash developers.</source>
        <translation>Copyright © 2026 Die Whiskerdash-Entwickler.</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Mitwirkende</translation>
    </message>
    <message>
        <source>Game, levels, sprites and sounds: the Whiskerdash developers.</source>
        <translation>Spiel, Level, Bilder und Klänge: die Whiskerdash-Entwickler.</translation>
    </message>
    <message>
        <source>translator-credits</source>
        <translation>Die Whiskerdash-Entwickler</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Übersetzung</translation>
    </message>
    <message>
        <source>Home page: %1</source>
        <translation>Webseite: %1</translation>
    </message>
    <message>
        <source>Report bugs at %1</source>
        <translation>Fehler melden: %1</translation>
    </message>
    <message>
        <source>About Whiskerdash</source>
        <translation>Über Whiskerdash</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>Press an arrow key to start</source>
        <translation>Drück eine Pfeiltaste, um loszulegen</translation>
    </message>
    <message>
        <source>Level %1 cleared</source>
        <translation>Level %1 geschafft</translation>
    </message>
    <message>
        <source>%1 cleared</source>
        <comment>a level&apos;s file name</comment>
        <translation>%1 geschafft</translation>
    </message>
    <message>
        <source>Cheese %1 of %2 · Score %3</source>
        <translation>Käse %1 von %2 · Punkte %3</translation>
    </message>
    <message>
        <source>No way left to catch every cat — F5 restarts the level</source>
        <translation>Es gibt keinen Weg mehr, alle Katzen zu fangen – F5 startet das Level neu</translation>
    </message>
    <message>
        <source>No way left to catch every cat — F5 restarts the level, Backspace goes back</source>
        <translation>Nicht mehr alle Katzen zu fangen — F5 startet das Level neu, Rücktaste geht zurück</translation>
    </message>
    <message numerus="yes">
        <source>or C to continue level %1 with %n points</source>
        <comment>the game left last time</comment>
        <translation>
            <numerusform>oder C, um Level %1 mit %n Punkt fortzusetzen</numerusform>
            <numerusform>oder C, um Level %1 mit %n Punkten fortzusetzen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Whiskerdash: steer the mouse with the arrow keys, push crates onto the cats and eat the cheese.</source>
        <translation>Whiskerdash: Steuere die Maus mit den Pfeiltasten, schiebe Kisten auf die Katzen und friss den Käse.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>Start with sound off for this run.</source>
        <translation>Diesmal ohne Ton starten.</translation>
    </message>
    <message>
        <source>Start every level at once, without waiting for a key (for scripts).</source>
        <translation>Jedes Level sofort starten, ohne auf eine Taste zu warten (für Skripte).</translation>
    </message>
    <message>
        <source>A level file to play first.</source>
        <translation>Eine Level-Datei, die zuerst gespielt wird.</translation>
    </message>
    <message>
        <source>Usage: whiskerdash [options] [LEVEL.lvx]</source>
        <translation>Aufruf: whiskerdash [Optionen] [LEVEL.lvx]</translation>
    </message>
    <message>
        <source>only one level file can be given, not %1</source>
        <translation>nur eine Level-Datei ist möglich, nicht %1</translation>
    </message>
    <message>
        <source>Play in the current folder: its levels, sprites and hsc.dat first (the default when it holds level000.lvx). Otherwise the scores are kept in the player&apos;s data folder.</source>
        <translation>Im aktuellen Ordner spielen: zuerst seine Level, Sprites und hsc.dat (so ist es, wenn er level000.lvx enthält). Sonst werden die Punkte im Datenordner des Spielers aufbewahrt.</translation>
    </message>
    <message>
        <source>Also show a level that cannot be played in a message box (the desktop entry passes this).</source>
        <translation>Ein Level, das sich nicht spielen lässt, zusätzlich in einem Meldungsfenster zeigen (der Starter der Arbeitsumgebung übergibt dies).</translation>
    </message>
    <message>
        <source>Try &apos;whiskerdash --help&apos; for more information.</source>
        <translation>»whiskerdash --help« zeigt mehr.</translation>
    </message>
    <message>
        <source>Play the recorded game in FILE in the window.</source>
        <translation>Das aufgezeichnete Spiel aus DATEI im Fenster abspielen.</translation>
    </message>
    <message>
        <source>With --replay: play it without a window, as fast as it goes, print its trace lines and exit 0 when it comes to the recorded end and score, 1 when not, 2 when it cannot be played.</source>
        <translation>Mit --replay: ohne Fenster so schnell wie möglich abspielen, die Ablaufzeilen ausgeben und mit 0 enden, wenn Ende und Punktzahl wie aufgezeichnet herauskommen, mit 1, wenn nicht, mit 2, wenn es sich nicht abspielen lässt.</translation>
    </message>
    <message>
        <source>--check goes with --replay FILE</source>
        <translation>--check gehört zu --replay DATEI</translation>
    </message>
    <message>
        <source>a recording plays its own levels: no level file goes with --replay</source>
        <translation>eine Aufzeichnung spielt ihre eigenen Level: zu --replay gehört keine Leveldatei</translation>
    </message>
    <message>
        <source>Files: installed, the game keeps hsc.dat in $XDG_DATA_HOME/org.whiskerdash.Whiskerdash
(~/.local/share/org.whiskerdash.Whiskerdash by default); levels, sprites and sounds put
there replace the installed ones. Started in a folder that holds level000.lvx, or
with --play-here, it plays in that folder and keeps hsc.dat there. Recordings of games
(the last one, one for each entry of the table, and a game left to continue) are kept
in recordings/ beside hsc.dat.
</source>
        <translation>Dateien: Installiert legt das Spiel hsc.dat in $XDG_DATA_HOME/org.whiskerdash.Whiskerdash ab
(vorgegeben ~/.local/share/org.whiskerdash.Whiskerdash); Level, Bilder und Klänge dort
ersetzen die installierten. In einem Ordner mit level000.lvx gestartet oder mit
--play-here spielt es in diesem Ordner und legt hsc.dat dort ab.
Aufzeichnungen von Spielen (das letzte, eines zu jedem Eintrag der Bestenliste und ein
verlassenes zum Fortsetzen) liegen in recordings/ neben hsc.dat.
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
        <translation>Noch einmal</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>(unverified)</source>
        <translation>(nicht bestätigt)</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Ansehen</translation>
    </message>
    <message>
        <source>Caught!</source>
        <translation>Erwischt!</translation>
    </message>
    <message numerus="yes">
        <source>Caught on %1 with %n points.</source>
        <comment>%1 is &quot;level 5&quot; or a file name</comment>
        <translation>
            <numerusform>Erwischt auf %1 mit %n Punkt.</numerusform>
            <numerusform>Erwischt auf %1 mit %n Punkten.</numerusform>
        </translation>
    </message>
    <message>
        <source>All levels cleared!</source>
        <translation>Alle Level geschafft!</translation>
    </message>
    <message numerus="yes">
        <source>You cleared every level with %n points.</source>
        <translation>
            <numerusform>Du hast jedes Level geschafft, mit %n Punkt.</numerusform>
            <numerusform>Du hast jedes Level geschafft, mit %n Punkten.</numerusform>
        </translation>
    </message>
    <message>
        <source>The next level could not be loaded.</source>
        <translation>Das nächste Level ließ sich nicht laden.</translation>
    </message>
    <message numerus="yes">
        <source>Reached %1 with %n points.</source>
        <comment>%1 is &quot;level 5&quot; or a file name</comment>
        <translation>
            <numerusform>Bis %1 gekommen, mit %n Punkt.</numerusform>
            <numerusform>Bis %1 gekommen, mit %n Punkten.</numerusform>
        </translation>
    </message>
    <message>
        <source>A practice game is not ranked.</source>
        <translation>Ein Übungsspiel kommt nicht in die Bestenliste.</translation>
    </message>
</context>
<context>
    <name>HelpBox</name>
    <message>
        <source>Whiskerdash high scores</source>
        <translation>Whiskerdash – Bestenliste</translation>
    </message>
    <message>
        <source>Whiskerdash help</source>
        <translation>Whiskerdash – Hilfe</translation>
    </message>
    <message>
        <source>Whiskerdash keys</source>
        <translation>Whiskerdash-Tasten</translation>
    </message>
    <message>
        <source>The rules</source>
        <translation>Die Regeln</translation>
    </message>
    <message>
        <source>You are the mouse. Catch every cat to clear a level. Each level starts when you press an arrow key.</source>
        <translation>Du bist die Maus. Fange alle Katzen, um ein Level zu schaffen. Jedes Level beginnt, sobald du eine Pfeiltaste drückst.</translation>
    </message>
    <message>
        <source>Walk into a row of crates to push it, unless a stone wall stops it.</source>
        <translation>Lauf gegen eine Reihe Kisten, um sie zu schieben – außer eine Steinmauer hält sie auf.</translation>
    </message>
    <message>
        <source>Stone walls never move.</source>
        <translation>Steinmauern bewegen sich nie.</translation>
    </message>
    <message>
        <source>Cheese is worth 10 points. Cats cannot step on cheese or crates.</source>
        <translation>Käse bringt 10 Punkte. Katzen können weder auf Käse noch auf Kisten treten.</translation>
    </message>
    <message>
        <source>Push a crate onto a cat: it escapes to a free cell next to it, or is caught when it has none. If a cat reaches you, the game is over.</source>
        <translation>Schiebst du eine Kiste auf eine Katze, flieht sie auf ein freies Feld daneben – oder sie ist gefangen, wenn es keines gibt. Erwischt dich eine Katze, ist das Spiel vorbei.</translation>
    </message>
    <message>
        <source>So trap cats: wait until one stands where crates, walls or cheese surround it, then push the last crate onto it. Cats follow you, which lets you lure them into a pocket before you close it.</source>
        <translation>Also stell den Katzen Fallen: Warte, bis eine von Kisten, Mauern oder Käse umgeben ist, dann schieb die letzte Kiste auf sie. Katzen laufen dir nach – so lockst du sie in eine Nische, bevor du sie schließt.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Your own levels</source>
        <translation>Eigene Level</translation>
    </message>
    <message>
        <source>Game &gt; Edit levels draws levels of your own: choose a kind with its key (Space or . floor, H wall, B crate, K cheese, C cat, M mouse, the letters of the level files) and draw with the arrow keys or the mouse. F5 test-plays the level and Escape comes back to the drawing. A level is proved when a game that clears it is kept with it: clear it yourself in test-play, or let the bot prove it (Ctrl+P), which also says in how many of its games the bot cleared it. Ctrl+S saves it into a pack of yours; Game &gt; Play a pack plays packs, and exports and imports them as one file.</source>
        <translation>Spiel &gt; Level bearbeiten zeichnet eigene Level: Wähle eine Feldart mit ihrer Taste (Leertaste oder . Boden, H Mauer, B Kiste, K Käse, C Katze, M Maus, die Buchstaben der Level-Dateien) und zeichne mit den Pfeiltasten oder der Maus. F5 spielt das Level zur Probe, Esc kehrt zur Zeichnung zurück. Ein Level ist bewiesen, wenn ein Spiel, das es schafft, mit ihm aufbewahrt wird: Schaffe es selbst im Probespiel oder lass den Bot es beweisen (Strg+P); er sagt auch, in wie vielen seiner Spiele er es geschafft hat. Strg+S speichert es in ein eigenes Paket; Spiel &gt; Paket spielen spielt Pakete und exportiert und importiert sie als eine Datei.</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>First steps</source>
        <translation>Erste Schritte</translation>
    </message>
    <message>
        <source>Walk, eat the cheese, and push the crate into the pen until the cat has no room left.</source>
        <translation>Lauf los, friss den Käse und schieb die Kiste in den Pferch, bis die Katze keinen Platz mehr hat.</translation>
    </message>
    <message>
        <source>A row of crates</source>
        <translation>Eine Reihe Kisten</translation>
    </message>
    <message>
        <source>A whole row moves when the mouse pushes its end.</source>
        <translation>Eine ganze Reihe bewegt sich, wenn die Maus gegen ihr Ende schiebt.</translation>
    </message>
    <message>
        <source>Nowhere to go</source>
        <translation>Kein Ausweg</translation>
    </message>
    <message>
        <source>Three cats boxed in by crates, each caught by the first push onto it.</source>
        <translation>Drei Katzen, von Kisten eingeschlossen: Jede sitzt schon nach dem ersten Schub gegen sie fest.</translation>
    </message>
    <message>
        <source>Cheese fence</source>
        <translation>Käsezaun</translation>
    </message>
    <message>
        <source>Dead ends</source>
        <translation>Sackgassen</translation>
    </message>
    <message>
        <source>Cheese bait</source>
        <translation>Käseköder</translation>
    </message>
    <message>
        <source>Three ways</source>
        <translation>Dreierlei</translation>
    </message>
    <message>
        <source>Crossroads</source>
        <translation>Kreuzung</translation>
    </message>
    <message>
        <source>Each cat waits in a lane between rows of crates: push a crate into the lane on each side of it, then one onto it.</source>
        <translation>Jede Katze wartet in einer Gasse zwischen Kistenreihen: Schieb auf beiden Seiten eine Kiste neben sie in die Gasse, dann eine auf sie.</translation>
    </message>
    <message>
        <source>Against the wall</source>
        <translation>An der Mauer</translation>
    </message>
    <message>
        <source>A wall closes one side: a cat between the wall and a thick row of crates is half shut in; push crates in beside it, then one onto it.</source>
        <translation>Eine Mauer schließt eine Seite: Eine Katze zwischen der Mauer und einer dicken Kistenreihe ist halb eingesperrt; schieb Kisten neben sie, dann eine auf sie.</translation>
    </message>
    <message>
        <source>Cheese door</source>
        <translation>Käsetür</translation>
    </message>
    <message>
        <source>Cheese in a doorway is a door you can eat: eat it, then push the crates behind it on after the cat.</source>
        <translation>Käse in einer Türöffnung ist eine Tür, die du fressen kannst: Friss ihn, dann schieb die Kisten dahinter der Katze hinterher.</translation>
    </message>
    <message>
        <source>Spiral</source>
        <translation>Spirale</translation>
    </message>
    <message>
        <source>Catch the cat in the wall lane first; then walk the spiral, one long corridor, in to the crate at its heart and push the cat there into the dead end.</source>
        <translation>Fang zuerst die Katze in der Gasse an der Mauer; dann folge der Spirale, einem einzigen langen Gang, bis zur Kiste in ihrer Mitte und schieb die Katze dort in die Sackgasse.</translation>
    </message>
    <message>
        <source>Cheese trail</source>
        <translation>Käsespur</translation>
    </message>
    <message>
        <source>Rooms and doors</source>
        <translation>Räume und Türen</translation>
    </message>
    <message>
        <source>A crate in a doorway shuts a cat in its room: push it in, then on, and the cat has nowhere to go; the cat in the hall is caught against the wall.</source>
        <translation>Eine Kiste in der Türöffnung sperrt eine Katze in ihrem Raum ein: Schieb sie hinein, dann weiter, und die Katze kann nirgends mehr hin; die Katze in der Halle fängst du an der Mauer.</translation>
    </message>
    <message>
        <source>The rows lie flat on the left and stand upright on the right: close a standing lane by pushing crates in from the side.</source>
        <translation>Links liegen die Reihen flach, rechts stehen sie aufrecht: Schließ eine stehende Gasse, indem du Kisten von der Seite hineinschiebst.</translation>
    </message>
    <message>
        <source>Open arena</source>
        <translation>Offene Arena</translation>
    </message>
    <message>
        <source>Cats never step on cheese: the cheese at the ends of the stall holds the cat in; push crates in beside it and eat the fence last.</source>
        <translation>Katzen treten nie auf Käse: Der Käse an den Enden des Verschlags hält die Katze drin; schieb Kisten neben sie und friss den Zaun zuletzt.</translation>
    </message>
    <message>
        <source>Into the corner</source>
        <translation>In die Ecke</translation>
    </message>
    <message>
        <source>The block</source>
        <translation>Der Block</translation>
    </message>
    <message>
        <source>You are the bait</source>
        <translation>Du bist der Köder</translation>
    </message>
    <message>
        <source>Islands</source>
        <translation>Inseln</translation>
    </message>
    <message>
        <source>Crates lie in islands on open floor: catch a cat in a narrow channel between two islands, or between an island and the wall.</source>
        <translation>Kisten liegen als Inseln auf freiem Boden: Fang eine Katze in einem schmalen Kanal zwischen zwei Inseln oder zwischen einer Insel und der Mauer.</translation>
    </message>
    <message>
        <source>Bridge</source>
        <translation>Brücke</translation>
    </message>
    <message>
        <source>Stone keep</source>
        <translation>Steinerner Bergfried</translation>
    </message>
    <message>
        <source>Cats walk the road between the stone keep and its crate moat: push moat crates in beside a cat, then one onto it.</source>
        <translation>Katzen laufen auf dem Weg zwischen dem steinernen Bergfried und seinem Kistengraben: Schieb Kisten aus dem Graben neben eine Katze, dann eine auf sie.</translation>
    </message>
    <message>
        <source>Cheese garden</source>
        <translation>Käsegarten</translation>
    </message>
    <message>
        <source>Cats never cross cheese beds: a cat between a bed and the crates is in a lane, so push crates in on it, and eat that bed last.</source>
        <translation>Katzen überqueren nie ein Käsebeet: Eine Katze zwischen einem Beet und den Kisten steckt in einer Gasse, also schieb Kisten zu ihr hinein und friss dieses Beet zuletzt.</translation>
    </message>
    <message>
        <source>Four rooms</source>
        <translation>Vier Räume</translation>
    </message>
    <message>
        <source>River</source>
        <translation>Fluss</translation>
    </message>
    <message>
        <source>Docks</source>
        <translation>Hafen</translation>
    </message>
    <message>
        <source>Cats walk the quays along the walls: from a bay between the piers push quay crates in beside a cat, then one onto it.</source>
        <translation>Katzen laufen auf den Kais an den Mauern entlang: Schieb von einem Becken zwischen den Stegen aus Kisten des Kais neben eine Katze, dann eine auf sie.</translation>
    </message>
    <message>
        <source>Horseshoe</source>
        <translation>Hufeisen</translation>
    </message>
    <message>
        <source>Cats run round the horseshoe between its stone and its crate lining: from inside, push the lining out onto them.</source>
        <translation>Katzen laufen im Hufeisen rundherum, zwischen seinem Stein und seiner Auskleidung aus Kisten: Schieb die Auskleidung von innen nach außen auf sie.</translation>
    </message>
    <message>
        <source>Citadel</source>
        <translation>Zitadelle</translation>
    </message>
    <message>
        <source>Market day</source>
        <translation>Markttag</translation>
    </message>
    <message>
        <source>Stone maze</source>
        <translation>Steinlabyrinth</translation>
    </message>
    <message>
        <source>Cats prowl the lanes by the side walls; the stone maze between is full of dead ends and cheese: go in only when no cat is near.</source>
        <translation>Katzen streifen durch die Gassen an den Seitenmauern; das Steinlabyrinth dazwischen ist voller Sackgassen und Käse: Geh nur hinein, wenn keine Katze in der Nähe ist.</translation>
    </message>
    <message>
        <source>Pen and larder</source>
        <translation>Pferch und Vorratskammer</translation>
    </message>
    <message>
        <source>Storm</source>
        <translation>Sturm</translation>
    </message>
    <message>
        <source>Loose crates and posts give a cat no corner: lead it out of the storm to the thick bars by the walls.</source>
        <translation>Zwischen losen Kisten und Pfeilern findet sich keine Ecke für eine Katze: Lock sie aus dem Sturm heraus zu den dicken Kistenbalken an den Mauern.</translation>
    </message>
    <message>
        <source>Zigzag</source>
        <translation>Zickzack</translation>
    </message>
    <message>
        <source>The zigzag corridor has stone on one side and thick crates on the other: push crates in from outside beside the cat, then onto it.</source>
        <translation>Der Zickzack-Gang hat auf einer Seite Stein und auf der anderen eine dicke Kistenreihe: Schieb von außen Kisten neben die Katze, dann eine auf sie.</translation>
    </message>
    <message>
        <source>Wall pockets</source>
        <translation>Mauernischen</translation>
    </message>
    <message>
        <source>Cats slip corner-wise into the pockets along the walls, where you cannot follow: push crates into the pocket beside a cat, then one onto it.</source>
        <translation>Katzen schlüpfen übers Eck in die Nischen an den Mauern, wohin du ihnen nicht folgen kannst: Schieb Kisten neben eine Katze in die Nische, dann eine auf sie.</translation>
    </message>
    <message>
        <source>Stone hourglass</source>
        <translation>Steinerne Sanduhr</translation>
    </message>
    <message>
        <source>One door</source>
        <translation>Eine Tür</translation>
    </message>
    <message>
        <source>Crate pinwheel</source>
        <translation>Kistenwindrad</translation>
    </message>
    <message>
        <source>Four crate arms turn round the middle: each ends one step off the wall, a lane where a cat is caught.</source>
        <translation>Vier Kistenarme drehen sich um die Mitte: Jeder endet einen Schritt vor der Mauer – eine Gasse, in der du eine Katze fängst.</translation>
    </message>
    <message>
        <source>Stone posts</source>
        <translation>Steinpfeiler</translation>
    </message>
    <message>
        <source>Cheese maze</source>
        <translation>Käselabyrinth</translation>
    </message>
    <message>
        <source>Stone rings with cheese in some gaps: cats go round to the open gaps, you can eat straight through.</source>
        <translation>Steinringe mit Käse in manchen Lücken: Katzen müssen außen herum zu den offenen Lücken, du kannst dich geradewegs hindurchfressen.</translation>
    </message>
    <message>
        <source>Great block</source>
        <translation>Großer Block</translation>
    </message>
    <message>
        <source>Four cats circle the great block: catch them in the lanes above and below it, the block on one side and stone on the other.</source>
        <translation>Vier Katzen kreisen um den großen Block: Fang sie in den Gassen über und unter ihm, mit dem Block auf der einen Seite und Stein auf der anderen.</translation>
    </message>
    <message>
        <source>Crate staircase</source>
        <translation>Kistentreppe</translation>
    </message>
    <message>
        <source>A staircase of crates splits the room: cats come round by its foot and its head, where a thick step and the wall make a lane.</source>
        <translation>Eine Treppe aus Kisten teilt den Raum: Katzen kommen an ihrem Fuß und an ihrem oberen Ende herum, wo eine dicke Stufe und die Mauer eine Gasse bilden.</translation>
    </message>
    <message>
        <source>Everything at once: the block on the left, one door in the wall, stone posts on the right, and cheese to pull you through.</source>
        <translation>Alles auf einmal: der Block links, eine Tür in der Mauer, Steinpfeiler rechts und Käse, der dich hindurchlockt.</translation>
    </message>
    <message>
        <source>Each corner holds an L-shaped lane between the wall and a bend of crates: shut the lane on both sides of the cat from outside, then push the last crate onto it.</source>
        <translation>Jede Ecke birgt eine L-förmige Gasse zwischen der Mauer und einem Knick aus Kisten: Schließ die Gasse von außen auf beiden Seiten der Katze, dann schieb die letzte Kiste auf sie.</translation>
    </message>
    <message>
        <source>A cat that wanders into a pocket of crates is nearly caught: shut the pocket with a crate from the side, then push one up into it; stand below a pocket to draw the cat towards it.</source>
        <translation>Eine Katze, die in eine Kistennische läuft, ist fast gefangen: Schließ die Nische mit einer Kiste von der Seite, dann schieb eine von unten hinein; stell dich unter eine Nische, um die Katze dorthin zu locken.</translation>
    </message>
    <message>
        <source>Four rooms round a hall: a cat in the lane along a room&apos;s wall is caught by pushing the room&apos;s crates in on it; wait for the hall cat to wander into one.</source>
        <translation>Vier Räume um eine Halle: Eine Katze in der Gasse an der Mauer eines Raums fängst du, indem du die Kisten dieses Raums zu ihr hineinschiebst; warte, bis die Katze aus der Halle in eine solche Gasse läuft.</translation>
    </message>
    <message>
        <source>Inside the town wall the streets run between stone and crates: catch the cats there, then eat the keep&apos;s cheese door and push its crates in.</source>
        <translation>Innerhalb der Stadtmauer verlaufen die Straßen zwischen Stein und Kisten: Fang dort die Katzen, dann friss die Käsetür des Bergfrieds und schieb seine Kisten hinein.</translation>
    </message>
    <message>
        <source>Catch a cat in the aisle between two stalls: eat a counter&apos;s cheese to push its stall&apos;s crates down or up into the aisle.</source>
        <translation>Fang eine Katze im Gang zwischen zwei Marktständen: Friss den Käse einer Theke, um die Kisten ihres Stands nach unten oder oben in den Gang zu schieben.</translation>
    </message>
    <message>
        <source>Two pens open when you eat their cheese doors: empty the larder on the right before the last catch ends the level; the left pen holds a cat, so eat its door and push the plug in after it.</source>
        <translation>Zwei Pferche öffnen sich, wenn du ihre Käsetüren frisst: Leere die Vorratskammer rechts, bevor der letzte Fang das Level beendet; im linken Pferch sitzt eine Katze, also friss seine Tür und schieb ihr den Pfropfen hinterher.</translation>
    </message>
    <message>
        <source>Two chambers meet at a narrow waist, the only way between them: catch the cats in the lanes by the side walls, and mind the one that follows you through the waist.</source>
        <translation>Zwei Kammern treffen sich an einer schmalen Engstelle, dem einzigen Weg zwischen ihnen: Fang die Katzen in den Gassen an den Seitenmauern und hüte dich vor der, die dir durch die Engstelle folgt.</translation>
    </message>
    <message>
        <source>A stone wall splits the board, with one door: the cats on your side hunt you while the others queue at the door; catch them against the bars by the walls.</source>
        <translation>Eine Steinmauer teilt das Spielfeld, mit einer einzigen Tür: Die Katzen auf deiner Seite jagen dich, während die anderen an der Tür warten; fang sie an den Kistenbalken bei den Mauern.</translation>
    </message>
    <message>
        <source>A grid of stone posts gives a cat many ways out: lead it to the crate bars in the corners, where wall and bar make a lane, and catch it there.</source>
        <translation>Ein Raster aus Steinpfeilern lässt einer Katze viele Auswege: Lock sie zu den Kistenbalken in den Ecken, wo Mauer und Balken eine Gasse bilden, und fang sie dort.</translation>
    </message>
    <message>
        <source>Both cats start in wall lanes, behind the top bar and the right one: shut them in there before they come out, and eat the trail before the last catch, which ends the level.</source>
        <translation>Beide Katzen beginnen in Gassen an der Mauer, hinter dem oberen und dem rechten Kistenbalken: Sperr sie dort ein, bevor sie herauskommen, und friss die Käsespur vor dem letzten Fang, denn der beendet die Ebene.</translation>
    </message>
    <message>
        <source>One cat roams the open floor, the other starts in the one-cell lane between the bottom bars and the wall: catch both in that lane, luring the roaming one in.</source>
        <translation>Eine Katze streift über den freien Boden, die andere beginnt in der einfeldbreiten Gasse zwischen den unteren Kistenbalken und der Mauer: Fang beide in dieser Gasse und lock die streunende hinein.</translation>
    </message>
    <message>
        <source>Cheese waits deep in the lanes, where the cats are: push a column down to cut a cat&apos;s lane on each side of it, then close in; the cheese is worth the walk if the way back is open.</source>
        <translation>Käse wartet tief in den Gassen, wo die Katzen sind: Schieb eine Spalte hinunter, um die Gasse einer Katze auf beiden Seiten abzuschneiden, dann rück näher; der Käse lohnt den Weg, wenn der Rückweg frei ist.</translation>
    </message>
    <message>
        <source>The cat starts in a dead-end corridor behind its crate: push the crate in after it, and keep pushing until the cat runs out of corridor.</source>
        <translation>Die Katze beginnt in einer Sackgasse hinter ihrer Kiste: Schieb die Kiste hinterher, und schieb weiter, bis der Katze der Gang ausgeht.</translation>
    </message>
    <message>
        <source>The block leaves one-cell lanes along the walls, and the cheese at its foot closes the bottom one to cats: leave that cheese, draw a cat into a lane, then push the block&apos;s crates in beside it and onto it.</source>
        <translation>Der Block lässt an den Mauern Gassen von einem Feld Breite frei, und der Käse an seinem Fuß sperrt die untere für Katzen: Lass diesen Käse liegen, lock eine Katze in eine Gasse, dann schieb die Kisten des Blocks neben sie und auf sie.</translation>
    </message>
    <message>
        <source>Two halves joined by one bridge: one cat starts in a lane beside the stone wall, the other roams the far half and can cross the bridge to you; catch each in such a lane, pushing the bars&apos; crates in from the side.</source>
        <translation>Zwei Hälften, verbunden durch eine einzige Brücke: Eine Katze beginnt in einer Gasse neben der Steinmauer, die andere streift durch die andere Hälfte und kann über die Brücke zu dir kommen; fang jede in so einer Gasse, indem du die Kisten der Balken von der Seite hineinschiebst.</translation>
    </message>
    <message>
        <source>The river of crates splits the board: cross at a ford, push the river in on both sides of a cat walking the towpath on the far bank, then onto it.</source>
        <translation>Der Kistenfluss teilt das Spielfeld: Überquere ihn an einer Furt, schieb den Fluss zu beiden Seiten einer Katze auf den Treidelpfad am anderen Ufer, dann auf sie.</translation>
    </message>
    <message>
        <source>All at once</source>
        <translation>Alles auf einmal</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Move</source>
        <translation>Bewegen</translation>
    </message>
    <message>
        <source>Arrow keys, W A S D, keypad 8 4 6 2</source>
        <translation>Pfeiltasten, W A S D, Ziffernblock 8 4 6 2</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Restart level</source>
        <translation>Level neu &amp;starten</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Practice a &amp;level…</source>
        <translation>&amp;Level üben …</translation>
    </message>
    <message>
        <source>&amp;High scores</source>
        <translation>Beste&amp;nliste</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Vollbildmodus</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Ton</translation>
    </message>
    <message>
        <source>Show &amp;menu bar</source>
        <translation>&amp;Menüleiste anzeigen</translation>
    </message>
    <message>
        <source>&amp;How to play</source>
        <translation>&amp;Spielanleitung</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Tasten</translation>
    </message>
    <message>
        <source>&amp;About Whiskerdash</source>
        <translation>Ü&amp;ber Whiskerdash</translation>
    </message>
    <message>
        <source>&amp;Watch last game</source>
        <translation>Letztes Spiel &amp;ansehen</translation>
    </message>
    <message>
        <source>Re&amp;wind two seconds</source>
        <translation>&amp;Zwei Sekunden zurück</translation>
    </message>
    <message>
        <source>&amp;Continue the game left last time</source>
        <translation>Zuletzt verlassenes Spiel &amp;fortsetzen</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <comment>where a command without keys is found</comment>
        <translation>Menü %1</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>Statis&amp;tik</translation>
    </message>
    <message>
        <source>In a replay</source>
        <translation>In einer Wiedergabe</translation>
    </message>
    <message>
        <source>P pause, + and - speed, → a tick, Esc leave</source>
        <translation>P Pause, + und - Tempo, → ein Takt, Esc verlassen</translation>
    </message>
    <message>
        <source>Play a p&amp;ack…</source>
        <translation>Pa&amp;ket spielen …</translation>
    </message>
    <message>
        <source>&amp;Edit levels…</source>
        <translation>Level b&amp;earbeiten …</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>Enter your name:</source>
        <translation>Dein Name:</translation>
    </message>
    <message>
        <source>Your score of %1 takes %2 place in the table.
Enter your name:</source>
        <translation>Mit %1 Punkten kommst du auf den %2 Platz der Bestenliste.
Dein Name:</translation>
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
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1.</translation>
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
        <translation>Am meisten Käse %1 · Am schnellsten %2</translation>
    </message>
    <message>
        <source>New record: most cheese, %1 (was %2)</source>
        <translation>Neuer Rekord: am meisten Käse, %1 (vorher %2)</translation>
    </message>
    <message>
        <source>New record: fastest clear, %1 (was %2)</source>
        <translation>Neuer Rekord: am schnellsten geschafft, %1 (vorher %2)</translation>
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
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Games played:</source>
        <translation>Gespielte Spiele:</translation>
    </message>
    <message>
        <source>Levels cleared:</source>
        <translation>Geschaffte Level:</translation>
    </message>
    <message>
        <source>Cats caught:</source>
        <translation>Gefangene Katzen:</translation>
    </message>
    <message>
        <source>Cheese eaten:</source>
        <translation>Gefressener Käse:</translation>
    </message>
    <message>
        <source>Time played:</source>
        <translation>Gespielte Zeit:</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Versuche</translation>
    </message>
    <message>
        <source>Clears</source>
        <translation>Geschafft</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <comment>level number and name</comment>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Earlier games are not counted here: %1</source>
        <translation>Frühere Spiele fehlen hier: %1</translation>
    </message>
</context>
<context>
    <name>StatusStrip</name>
    <message>
        <source>Paused · press P to play</source>
        <translation>Pause · P drücken zum Weiterspielen</translation>
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
        <translation>Alle Level geschafft</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Geschafft</translation>
    </message>
    <message numerus="yes">
        <source>%1 · Cats left %n</source>
        <comment>the level&apos;s file name</comment>
        <translation>
            <numerusform>%1 · Noch %n Katze</numerusform>
            <numerusform>%1 · Noch %n Katzen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 · Cats %n</source>
        <comment>the level&apos;s file name</comment>
        <translation>
            <numerusform>%1 · %n Katze</numerusform>
            <numerusform>%1 · %n Katzen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cats %n</source>
        <translation>
            <numerusform>%n Katze</numerusform>
            <numerusform>%n Katzen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Level %1 · Cats left %n</source>
        <translation>
            <numerusform>Level %1 · Noch %n Katze</numerusform>
            <numerusform>Level %1 · Noch %n Katzen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Level %1 · Cats %n</source>
        <translation>
            <numerusform>Level %1 · %n Katze</numerusform>
            <numerusform>Level %1 · %n Katzen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>L%1 · C%n</source>
        <comment>shortest: level and cats</comment>
        <translation>
            <numerusform>L%1 · K%n</numerusform>
            <numerusform>L%1 · K%n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Practice · Level %1 · Cats left %n</source>
        <translation>
            <numerusform>Übung · Level %1 · Noch %n Katze</numerusform>
            <numerusform>Übung · Level %1 · Noch %n Katzen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Practice · L%1 · C%n</source>
        <comment>shortest: level and cats</comment>
        <translation>
            <numerusform>Ü · L%1 · K%n</numerusform>
            <numerusform>Ü · L%1 · K%n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Replay %1 · Level %2 · Cats %n</source>
        <comment>speed, level</comment>
        <translation>
            <numerusform>Wiedergabe %1 · Level %2 · Katze %n</numerusform>
            <numerusform>Wiedergabe %1 · Level %2 · Katzen %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Replay %1</source>
        <comment>speed</comment>
        <translation>Wiedergabe %1</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Wiedergabe</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>WHISKERDASH - THE BRAVEST MICE</source>
        <translation>WHISKERDASH - DIE MUTIGSTEN MÄUSE</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
</context>
<context>
    <name>wd::EditorRoom</name>
    <message>
        <source>easy</source>
        <translation>leicht</translation>
    </message>
    <message>
        <source>fair</source>
        <translation>mittel</translation>
    </message>
    <message>
        <source>hard</source>
        <translation>schwer</translation>
    </message>
    <message>
        <source>very hard</source>
        <translation>sehr schwer</translation>
    </message>
    <message>
        <source>not cleared by the bot</source>
        <translation>vom Bot nicht geschafft</translation>
    </message>
    <message>
        <source>Play a pack</source>
        <translation>Ein Paket spielen</translation>
    </message>
    <message>
        <source>Edit levels</source>
        <translation>Level bearbeiten</translation>
    </message>
    <message>
        <source>Save the changes to this level?</source>
        <translation>Die Änderungen an diesem Level speichern?</translation>
    </message>
    <message>
        <source>Test-play</source>
        <translation>Probespielen</translation>
    </message>
    <message>
        <source>Cleared: your game proves this level. Save keeps the proof with it.</source>
        <translation>Geschafft: Dein Spiel beweist dieses Level. „Speichern“ speichert den Beweis mit.</translation>
    </message>
    <message>
        <source>A new pack…</source>
        <translation>Ein neues Paket …</translation>
    </message>
    <message>
        <source>Save level</source>
        <translation>Level speichern</translation>
    </message>
    <message>
        <source>Save into the pack:</source>
        <translation>In das Paket speichern:</translation>
    </message>
    <message numerus="yes">
        <source>The bot plays the level over %n games…</source>
        <translation>
            <numerusform>Der Bot spielt das Level in %n Spiel …</numerusform>
            <numerusform>Der Bot spielt das Level in %n Spielen …</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Prove</source>
        <translation>Beweisen</translation>
    </message>
    <message>
        <source>The bot&apos;s win proves the level; Save keeps it.</source>
        <translation>Der Sieg des Bots beweist das Level; „Speichern“ speichert den Beweis mit.</translation>
    </message>
    <message>
        <source>No proof yet: clear it yourself in test-play (F5).</source>
        <translation>Noch kein Beweis: Schaff es selbst im Probespiel (F5).</translation>
    </message>
    <message>
        <source>Saved as level %1 of “%2”, proved.</source>
        <translation>Als Level %1 von „%2“ gespeichert, bewiesen.</translation>
    </message>
    <message>
        <source>Saved as level %1 of “%2”, not proved yet: clear it in test-play (F5), or let the bot prove it (Ctrl+P).</source>
        <translation>Als Level %1 von „%2“ gespeichert, noch nicht bewiesen: Schaffe es im Probespiel (F5) oder lass den Bot es beweisen (Strg+P).</translation>
    </message>
    <message>
        <source>The bot cleared the level in %1 of %2 games — %3.</source>
        <translation>Der Bot hat das Level in %1 von %2 Spielen geschafft – %3.</translation>
    </message>
</context>
<context>
    <name>wd::EditorView</name>
    <message>
        <source>Resize</source>
        <translation>Größe ändern</translation>
    </message>
    <message>
        <source>Level drawing</source>
        <translation>Level-Zeichnung</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Zeichnen</translation>
    </message>
    <message>
        <source>Line %1, column %2: %3</source>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>This cat can never be caught from the start.</source>
        <translation>Diese Katze kann vom Start aus nie gefangen werden.</translation>
    </message>
</context>
<context>
    <name>wd::GameSession</name>
    <message>
        <source>Level %1 · %2</source>
        <comment>number and name</comment>
        <translation>Level %1 · %2</translation>
    </message>
    <message>
        <source>level %1</source>
        <comment>where a game ended</comment>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>that game had ended</source>
        <translation>dieses Spiel war schon zu Ende</translation>
    </message>
</context>
<context>
    <name>wd::LevelEditor</name>
    <message>
        <source>Level editor</source>
        <translation>Level-Editor</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Floor</source>
        <translation>Boden</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Mauer</translation>
    </message>
    <message>
        <source>Crate</source>
        <translation>Kiste</translation>
    </message>
    <message>
        <source>Cheese</source>
        <translation>Käse</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Katze</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>Kleiner</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>Größer</translation>
    </message>
    <message>
        <source>Test-play</source>
        <translation>Probespielen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Prove</source>
        <translation>Beweisen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>The level&apos;s name on its card</source>
        <translation>Der Name des Levels auf seiner Titelkarte</translation>
    </message>
    <message>
        <source>A hint for the player</source>
        <translation>Ein Tipp für den Spieler</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>H&amp;int:</source>
        <translation>&amp;Tipp:</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>&amp;Resize</source>
        <translation>&amp;Größe ändern</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Problems:</source>
        <translation>Probleme:</translation>
    </message>
    <message>
        <source>Cats:</source>
        <translation>Katzen:</translation>
    </message>
    <message>
        <source>Arrows move the cursor; Space . H B K C M choose a kind and draw it there; Delete erases; R marks a corner and R again fills to the cursor.
The left button draws, the right button erases, Shift with a drag fills a rectangle.</source>
        <translation>Pfeiltasten bewegen den Cursor; Leertaste . H B K C M wählen eine Feldart und zeichnen sie dort; Entf löscht; R markiert eine Ecke, ein zweites R füllt bis zum Cursor.
Die linke Maustaste zeichnet, die rechte löscht, Ziehen mit Umschalt füllt ein Rechteck.</translation>
    </message>
    <message>
        <source>None: the level can be played.</source>
        <translation>Keine: Das Level ist spielbar.</translation>
    </message>
    <message>
        <source>Judged once the game could load the level.</source>
        <translation>Wird beurteilt, sobald das Spiel das Level laden kann.</translation>
    </message>
    <message>
        <source>No cats yet.</source>
        <translation>Noch keine Katzen.</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>The cat at %1 can never be caught from the start.</source>
        <translation>Die Katze in %1 kann vom Start aus nie gefangen werden.</translation>
    </message>
    <message>
        <source>%1 cats can never be caught from the start: %2.</source>
        <translation>%1 Katzen können vom Start aus nie gefangen werden: %2.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>The quick check finds no cat that can never be caught; Prove or a test-play tells for sure.</source>
        <translation>Die schnelle Prüfung findet keine Katze, die sich nie fangen lässt; Sicherheit geben Beweisen oder ein Probespiel.</translation>
    </message>
    <message>
        <source>A ring of walls moves with the edges; inside it, cells that no longer fit are dropped and new ones are floor. Undo brings them back.</source>
        <translation>Ein Mauerring wandert mit den Rändern; darin fallen Felder, die nicht mehr passen, weg, und neue werden Boden. „Rückgängig“ holt sie zurück.</translation>
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
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>practice</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>score %1</source>
        <translation>Punkte %1</translation>
    </message>
    <message numerus="yes">
        <source>cats left %n</source>
        <translation>
            <numerusform>noch %n Katze</numerusform>
            <numerusform>noch %n Katzen</numerusform>
        </translation>
    </message>
    <message>
        <source>paused</source>
        <translation>pausiert</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message numerus="yes">
        <source>Abandon this game with %n points and start a new one?</source>
        <translation>
            <numerusform>Dieses Spiel mit %n Punkt aufgeben und ein neues beginnen?</numerusform>
            <numerusform>Dieses Spiel mit %n Punkten aufgeben und ein neues beginnen?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Keep playing</source>
        <translation>&amp;Weiterspielen</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>%1: cannot play this recording: %2</source>
        <translation>%1: diese Aufzeichnung lässt sich nicht abspielen: %2</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Ansehen</translation>
    </message>
    <message>
        <source>%1, paused</source>
        <comment>the replay&apos;s speed</comment>
        <translation>%1, angehalten</translation>
    </message>
    <message>
        <source>%1: not a game that can be continued: %2</source>
        <translation>%1: kein Spiel, das sich fortsetzen lässt: %2</translation>
    </message>
    <message>
        <source>%1: the game left last time cannot go on: %2</source>
        <translation>%1: das zuletzt verlassene Spiel kann nicht weitergehen: %2</translation>
    </message>
    <message numerus="yes">
        <source>Quit now? At the next start you can continue level %1 with the %n points it began with.</source>
        <translation>
            <numerusform>Jetzt beenden? Beim nächsten Start kannst du Level %1 mit dem %n Punkt fortsetzen, mit dem es begann.</numerusform>
            <numerusform>Jetzt beenden? Beim nächsten Start kannst du Level %1 mit den %n Punkten fortsetzen, mit denen es begann.</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit now? At the next start you can continue level %1 from its beginning.</source>
        <translation>Jetzt beenden? Beim nächsten Start kannst du Level %1 von vorn fortsetzen.</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Üben</translation>
    </message>
    <message numerus="yes">
        <source>Abandon this game with %n points and practise level %1?</source>
        <translation>
            <numerusform>Dieses Spiel mit %n Punkt aufgeben und Level %1 üben?</numerusform>
            <numerusform>Dieses Spiel mit %n Punkten aufgeben und Level %1 üben?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Practise</source>
        <translation>&amp;Üben</translation>
    </message>
    <message>
        <source>ended, Esc leaves</source>
        <comment>the replay at its end</comment>
        <translation>zu Ende, Esc verlässt</translation>
    </message>
    <message>
        <source>Play a pack</source>
        <translation>Ein Paket spielen</translation>
    </message>
    <message numerus="yes">
        <source>Abandon this game with %n points?</source>
        <translation>
            <numerusform>Dieses Spiel mit %n Punkt aufgeben?</numerusform>
            <numerusform>Dieses Spiel mit %n Punkten aufgeben?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Leave it</source>
        <translation>&amp;Aufgeben</translation>
    </message>
    <message>
        <source>Test-play, Esc returns</source>
        <translation>Probespiel, Esc kehrt zurück</translation>
    </message>
</context>
<context>
    <name>wd::PacksDialog</name>
    <message>
        <source>proved</source>
        <translation>bewiesen</translation>
    </message>
    <message>
        <source>not proved: %1</source>
        <translation>nicht bewiesen: %1</translation>
    </message>
    <message>
        <source>Edit levels</source>
        <translation>Level bearbeiten</translation>
    </message>
    <message>
        <source>Play a pack</source>
        <translation>Ein Paket spielen</translation>
    </message>
    <message>
        <source>&amp;Play this pack</source>
        <translation>Dieses Paket &amp;spielen</translation>
    </message>
    <message>
        <source>&amp;Edit level</source>
        <translation>Level &amp;bearbeiten</translation>
    </message>
    <message>
        <source>New &amp;level</source>
        <translation>&amp;Neues Level</translation>
    </message>
    <message>
        <source>New pac&amp;k…</source>
        <translation>Neues Pa&amp;ket …</translation>
    </message>
    <message>
        <source>&amp;Delete level</source>
        <translation>Level &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importieren …</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>E&amp;xportieren …</translation>
    </message>
    <message>
        <source>The game&apos;s own levels</source>
        <translation>Die Level des Spiels</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>The game&apos;s own levels can be opened in the editor and saved into a pack of yours.</source>
        <translation>Die Level des Spiels lassen sich im Editor öffnen und in einem eigenen Paket speichern.</translation>
    </message>
    <message>
        <source>This pack has no levels yet: New level draws one.</source>
        <translation>Dieses Paket hat noch keine Level: „Neues Level“ zeichnet eins.</translation>
    </message>
    <message>
        <source>New pack</source>
        <translation>Neues Paket</translation>
    </message>
    <message>
        <source>The pack&apos;s name:</source>
        <translation>Name des Pakets:</translation>
    </message>
    <message>
        <source>My levels</source>
        <translation>Meine Level</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>%1: not imported: %2</source>
        <translation>%1: nicht importiert: %2</translation>
    </message>
    <message>
        <source>Imported “%1”.</source>
        <translation>„%1“ importiert.</translation>
    </message>
    <message>
        <source>Not proved: %1</source>
        <translation>Nicht bewiesen: %1</translation>
    </message>
    <message>
        <source>Import a pack</source>
        <translation>Ein Paket importieren</translation>
    </message>
    <message>
        <source>Whiskerdash packs (*.wdpack)</source>
        <translation>Whiskerdash-Pakete (*.wdpack)</translation>
    </message>
    <message>
        <source>Export a pack</source>
        <translation>Ein Paket exportieren</translation>
    </message>
    <message>
        <source>Exported to %1.</source>
        <translation>Nach %1 exportiert.</translation>
    </message>
    <message>
        <source>%1: not exported: %2</source>
        <translation>%1: nicht exportiert: %2</translation>
    </message>
    <message>
        <source>Delete level</source>
        <translation>Level löschen</translation>
    </message>
    <message>
        <source>Delete level %1 of this pack? The levels after it move up.</source>
        <translation>Level %1 aus diesem Paket löschen? Die folgenden Level rücken nach.</translation>
    </message>
    <message>
        <source>&amp;Watch proof</source>
        <translation>Beweis &amp;ansehen</translation>
    </message>
    <message>
        <source>%1 · one level</source>
        <translation>%1 · ein Level</translation>
    </message>
    <message numerus="yes">
        <source>%1 · %n levels</source>
        <translation>
            <numerusform>%1 · %n Level</numerusform>
            <numerusform>%1 · %n Level</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>wd::PracticeDialog</name>
    <message>
        <source>Practice a level</source>
        <translation>Ein Level üben</translation>
    </message>
    <message>
        <source>Practice any level you have reached. A practice game is never ranked.</source>
        <translation>Übe jedes Level, das du erreicht hast. Ein Übungsspiel kommt nie in die Bestenliste.</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <comment>level number and name</comment>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>%1 · locked</source>
        <comment>a level not reached yet</comment>
        <translation>%1 · gesperrt</translation>
    </message>
    <message>
        <source>Reach this level in a game to practise it</source>
        <translation>Erreiche dieses Level in einem Spiel, um es zu üben</translation>
    </message>
    <message>
        <source>Practise</source>
        <translation>Üben</translation>
    </message>
    <message>
        <source>%1 · unavailable</source>
        <comment>a level whose file cannot be read or played</comment>
        <translation>%1 · nicht verfügbar</translation>
    </message>
    <message>
        <source>Watch most cheese</source>
        <translation>Meisten Käse ansehen</translation>
    </message>
    <message>
        <source>Watch fastest clear</source>
        <translation>Schnellsten Sieg ansehen</translation>
    </message>
    <message>
        <source>No records yet for this level</source>
        <translation>Noch keine Rekorde für dieses Level</translation>
    </message>
</context>
<context>
    <name>whiskerdash</name>
    <message>
        <source>Whiskerdash: cannot start</source>
        <translation>Whiskerdash: Start nicht möglich</translation>
    </message>
</context>
</TS>
