<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <translation>Du bist die Maus. Fange alle Katzen, um ein Level zu schaffen.

Pfeiltasten, W A S D oder 8 4 6 2 am Ziffernblock bewegen die Maus.
Lauf gegen eine Reihe Kisten, um sie zu schieben – außer eine
Steinmauer hält sie auf. Käse bringt 10 Punkte. Katzen können weder
auf Käse noch auf Kisten treten. Schiebst du eine Kiste auf eine Katze,
flieht sie auf ein freies Feld daneben – oder sie ist gefangen, wenn
es keines gibt. Erwischt dich eine Katze, ist das Spiel vorbei.
Also stell den Katzen Fallen: Warte, bis eine von Kisten, Mauern oder
Käse umgeben ist, dann schieb die letzte Kiste auf sie. Katzen laufen
dir nach – so lockst du sie in eine Nische, bevor du sie schließt.
Jedes Level beginnt, sobald du eine Pfeiltaste drückst.

P, Pause oder Esc    Pause und weiter
F2 oder Strg+N       neues Spiel
F5                   dieses Level neu beginnen
Strg+H               Bestenliste
M                    Ton an oder aus
F11                  Vollbild
Strg++ Strg+- Strg+0 vergrößern, verkleinern, zurück auf 1x
Strg+Q               beenden
</translation>
    </message>
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
        <source>Come and get me</source>
        <translation>Hol mich doch</translation>
    </message>
    <message>
        <source>A cat walks towards the mouse: wait under a crate and it walks into the pocket above.</source>
        <translation>Eine Katze läuft auf die Maus zu: Warte unter einer Kiste, dann läuft sie in die Nische darüber.</translation>
    </message>
    <message>
        <source>Two at the door</source>
        <translation>Zwei an der Tür</translation>
    </message>
    <message>
        <source>Two cats, and a door on the right where they can come round to the mouse.</source>
        <translation>Zwei Katzen und rechts eine Tür, durch die sie zur Maus herumkommen können.</translation>
    </message>
    <message>
        <source>Herding</source>
        <translation>Katzen hüten</translation>
    </message>
    <message>
        <source>Two cats shut in pens run ahead of the crates, always to the first free cell; two more walk about.</source>
        <translation>Zwei Katzen in Pferchen laufen vor den Kisten her, immer zum ersten freien Feld; zwei weitere streifen umher.</translation>
    </message>
    <message>
        <source>Rings</source>
        <translation>Ringe</translation>
    </message>
    <message>
        <source>Two cats boxed in rings of crates, two roaming.</source>
        <translation>Zwei Katzen in Kistenringen eingeschlossen, zwei streifen frei umher.</translation>
    </message>
    <message>
        <source>Crates in the yard</source>
        <translation>Kisten im Hof</translation>
    </message>
    <message>
        <source>Three cats among crates; the door on the right lets them round.</source>
        <translation>Drei Katzen zwischen Kisten; durch die Tür rechts kommen sie herum.</translation>
    </message>
    <message>
        <source>Rings and pockets</source>
        <translation>Ringe und Nischen</translation>
    </message>
    <message>
        <source>Two cats boxed in rings, three walking about.</source>
        <translation>Zwei Katzen in Ringen eingeschlossen, drei streifen umher.</translation>
    </message>
    <message>
        <source>Both doors open</source>
        <translation>Beide Türen offen</translation>
    </message>
    <message>
        <source>Three cats and a door at each end of the wall.</source>
        <translation>Drei Katzen und an jedem Ende der Mauer eine Tür.</translation>
    </message>
    <message>
        <source>Two rooms</source>
        <translation>Zwei Räume</translation>
    </message>
    <message>
        <source>The cats start in two walled rooms with a door each.</source>
        <translation>Die Katzen starten in zwei ummauerten Räumen mit je einer Tür.</translation>
    </message>
    <message>
        <source>Little maze</source>
        <translation>Kleines Labyrinth</translation>
    </message>
    <message>
        <source>The cats find the passage through a maze of walls.</source>
        <translation>Die Katzen finden den Durchgang durch ein Labyrinth aus Mauern.</translation>
    </message>
    <message>
        <source>Cheese fence</source>
        <translation>Käsezaun</translation>
    </message>
    <message>
        <source>Cats cannot step on cheese: the fence holds them until the mouse eats a way through.</source>
        <translation>Katzen können nicht auf Käse treten: Der Zaun hält sie auf, bis sich die Maus einen Weg hindurchfrisst.</translation>
    </message>
    <message>
        <source>Released one by one</source>
        <translation>Eine nach der anderen</translation>
    </message>
    <message>
        <source>Four cats wait in pens shut by cheese; eat a fence to let one out.</source>
        <translation>Vier Katzen warten in Pferchen, die Käse verschließt; friss einen Zaun weg, um eine herauszulassen.</translation>
    </message>
    <message>
        <source>Cheese trail</source>
        <translation>Käsespur</translation>
    </message>
    <message>
        <source>A trail of cheese leads out of the doors, where the cats come round.</source>
        <translation>Eine Käsespur führt zu den Türen hinaus, wo die Katzen herumkommen.</translation>
    </message>
    <message>
        <source>Side gate</source>
        <translation>Seitentor</translation>
    </message>
    <message>
        <source>The wall leaves a gap on the right; cheese waits in a den.</source>
        <translation>Die Mauer lässt rechts eine Lücke; in einer Höhle wartet Käse.</translation>
    </message>
    <message>
        <source>Four and four</source>
        <translation>Vier und vier</translation>
    </message>
    <message>
        <source>Four cats, four pockets, both doors open.</source>
        <translation>Vier Katzen, vier Nischen, beide Türen offen.</translation>
    </message>
    <message>
        <source>Crate field</source>
        <translation>Kistenfeld</translation>
    </message>
    <message>
        <source>The cats that come round meet a field of crates: pin them in the open.</source>
        <translation>Die Katzen, die herumkommen, treffen auf ein Feld voller Kisten: Klemm sie im Freien fest.</translation>
    </message>
    <message>
        <source>Five at the wall</source>
        <translation>Fünf an der Mauer</translation>
    </message>
    <message>
        <source>Five cats, five pockets, a door at each end.</source>
        <translation>Fünf Katzen, fünf Nischen, an jedem Ende eine Tür.</translation>
    </message>
    <message>
        <source>Fences of cheese</source>
        <translation>Zäune aus Käse</translation>
    </message>
    <message>
        <source>The cats are fenced off by cheese; every bite opens a gap.</source>
        <translation>Die Katzen sind mit Käse eingezäunt; jeder Bissen öffnet eine Lücke.</translation>
    </message>
    <message>
        <source>Pens in a row</source>
        <translation>Pferche in Reihe</translation>
    </message>
    <message>
        <source>Six cats behind cheese; let them out one at a time.</source>
        <translation>Sechs Katzen hinter Käse; lass sie eine nach der anderen heraus.</translation>
    </message>
    <message>
        <source>Seven and two boxes</source>
        <translation>Sieben und zwei Verschläge</translation>
    </message>
    <message>
        <source>Seven cats: five walk about, two are boxed in by crates.</source>
        <translation>Sieben Katzen: Fünf streifen umher, zwei sind von Kisten eingeschlossen.</translation>
    </message>
    <message>
        <source>One door</source>
        <translation>Eine Tür</translation>
    </message>
    <message>
        <source>Six cats and a single door on the right.</source>
        <translation>Sechs Katzen und eine einzige Tür rechts.</translation>
    </message>
    <message>
        <source>Maze and five</source>
        <translation>Fünf im Labyrinth</translation>
    </message>
    <message>
        <source>Five cats find their way through a maze.</source>
        <translation>Fünf Katzen finden ihren Weg durch ein Labyrinth.</translation>
    </message>
    <message>
        <source>Middle door</source>
        <translation>Mitteltür</translation>
    </message>
    <message>
        <source>A third door in the middle of the wall.</source>
        <translation>Eine dritte Tür mitten in der Mauer.</translation>
    </message>
    <message>
        <source>Islands</source>
        <translation>Inseln</translation>
    </message>
    <message>
        <source>Pockets stand alone in an open field: the cats can come at the mouse from every side.</source>
        <translation>Die Nischen stehen einzeln auf freiem Feld: Die Katzen können von allen Seiten auf die Maus losgehen.</translation>
    </message>
    <message>
        <source>Crowded field</source>
        <translation>Volles Feld</translation>
    </message>
    <message>
        <source>Seven cats, a field of crates where they come round.</source>
        <translation>Sieben Katzen und ein Kistenfeld genau dort, wo sie herumkommen.</translation>
    </message>
    <message>
        <source>Cheese run</source>
        <translation>Käselauf</translation>
    </message>
    <message>
        <source>Seven cats and cheese laid out right by the doors.</source>
        <translation>Sieben Katzen und Käse direkt an den Türen.</translation>
    </message>
    <message>
        <source>Maze of rooms</source>
        <translation>Raumlabyrinth</translation>
    </message>
    <message>
        <source>Five cats in a maze of small rooms.</source>
        <translation>Fünf Katzen in einem Labyrinth aus kleinen Räumen.</translation>
    </message>
    <message>
        <source>Seven cats</source>
        <translation>Sieben Katzen</translation>
    </message>
    <message>
        <source>Seven cats and seven pockets.</source>
        <translation>Sieben Katzen und sieben Nischen.</translation>
    </message>
    <message>
        <source>Short wall</source>
        <translation>Kurze Mauer</translation>
    </message>
    <message>
        <source>A shorter wall and a wider passage: the cats come round sooner.</source>
        <translation>Eine kürzere Mauer und ein breiterer Durchgang: Die Katzen kommen früher herum.</translation>
    </message>
    <message>
        <source>Wide open</source>
        <translation>Weit offen</translation>
    </message>
    <message>
        <source>Doors everywhere: the wall is only half a wall.</source>
        <translation>Überall Türen: Die Mauer ist nur noch eine halbe Mauer.</translation>
    </message>
    <message>
        <source>Last stand</source>
        <translation>Letztes Gefecht</translation>
    </message>
    <message>
        <source>Six cats, every door open, cheese by the doors.</source>
        <translation>Sechs Katzen, alle Türen offen, Käse an den Türen.</translation>
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
        <source>No way left to catch every cat — F5 restarts the level</source>
        <translation>Keine Katze lässt sich mehr fangen – F5 startet das Level neu</translation>
    </message>
    <message>
        <source>Game board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>About Whiskerdash</source>
        <translation>Über Whiskerdash</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Whiskerdash %1&lt;/h3&gt;&lt;p&gt;An arcade puzzle game: push rows of crates to trap the cats before they catch the mouse.&lt;/p&gt;&lt;p&gt;Free software under the MIT licence.&lt;br&gt;Copyright © 2026 The Whiskerdash developers.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Whiskerdash %1&lt;/h3&gt;&lt;p&gt;Ein Arcade-Denkspiel: Schiebe Reihen von Kisten, um die Katzen einzusperren, bevor sie die Maus fangen.&lt;/p&gt;&lt;p&gt;Freie Software unter der MIT-Lizenz.&lt;br&gt;Copyright © 2026 Die Whiskerdash-Entwickler.&lt;/p&gt;</translation>
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
        <source>A practice game is not ranked.</source>
        <translation>Ein Übungsspiel kommt nicht in die Bestenliste.</translation>
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
            <numerusform>%1 · Katzen %n</numerusform>
            <numerusform>%1 · Katzen %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cats %n</source>
        <translation>
            <numerusform>Katzen %n</numerusform>
            <numerusform>Katzen %n</numerusform>
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
            <numerusform>Level %1 · Katzen %n</numerusform>
            <numerusform>Level %1 · Katzen %n</numerusform>
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
</context>
<context>
    <name>whiskerdash</name>
    <message>
        <source>Whiskerdash: cannot start</source>
        <translation>Whiskerdash: Start nicht möglich</translation>
    </message>
</context>
</TS>
