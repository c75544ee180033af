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
        <source>One lane</source>
        <translation>Eine Gasse</translation>
    </message>
    <message>
        <source>A cat in a lane between rows of crates: push a crate into the lane beside it, then one onto it.</source>
        <translation>Eine Katze in einer Gasse zwischen Kistenreihen: Schieb eine Kiste neben sie in die Gasse, dann eine auf sie.</translation>
    </message>
    <message>
        <source>From below</source>
        <translation>Von unten</translation>
    </message>
    <message>
        <source>The open floor is at the bottom this time; the lanes run over it.</source>
        <translation>Der freie Boden liegt diesmal unten; die Gassen verlaufen darüber.</translation>
    </message>
    <message>
        <source>Standing rows</source>
        <translation>Stehende Reihen</translation>
    </message>
    <message>
        <source>Rows of crates that stand upright: the lanes run up and down.</source>
        <translation>Kistenreihen, die aufrecht stehen: Die Gassen verlaufen von oben nach unten.</translation>
    </message>
    <message>
        <source>Two lanes</source>
        <translation>Zwei Gassen</translation>
    </message>
    <message>
        <source>Two cats in two lanes: close one lane without opening the other.</source>
        <translation>Zwei Katzen in zwei Gassen: Schließ eine Gasse, ohne die andere zu öffnen.</translation>
    </message>
    <message>
        <source>A cat cannot step onto cheese: cheese in a lane fences a cat in, so eat it last.</source>
        <translation>Eine Katze kann nicht auf Käse treten: Käse in einer Gasse zäunt eine Katze ein, also friss ihn zuletzt.</translation>
    </message>
    <message>
        <source>Dead ends</source>
        <translation>Sackgassen</translation>
    </message>
    <message>
        <source>Walls cut the lanes: drive a cat to the end of its lane and close it in.</source>
        <translation>Mauern unterbrechen die Gassen: Treib eine Katze ans Ende ihrer Gasse und sperr sie ein.</translation>
    </message>
    <message>
        <source>Three lanes</source>
        <translation>Drei Gassen</translation>
    </message>
    <message>
        <source>Three cats in three lanes: catch them one by one, nearest first.</source>
        <translation>Drei Katzen in drei Gassen: Fang sie eine nach der anderen, die nächste zuerst.</translation>
    </message>
    <message>
        <source>Cheese bait</source>
        <translation>Käseköder</translation>
    </message>
    <message>
        <source>Cheese waits deep in the lanes, where the cats are: worth the walk, if the way back is open.</source>
        <translation>Käse wartet tief in den Gassen, wo die Katzen sind: Der Weg lohnt sich, wenn der Rückweg frei ist.</translation>
    </message>
    <message>
        <source>Three ways</source>
        <translation>Dreierlei</translation>
    </message>
    <message>
        <source>A road through the middle, holes in the rows and posts.</source>
        <translation>Ein Weg durch die Mitte, Löcher in den Reihen und Pfeiler.</translation>
    </message>
    <message>
        <source>Both ways</source>
        <translation>In beide Richtungen</translation>
    </message>
    <message>
        <source>Rows lie flat on the left and stand upright on the right.</source>
        <translation>Links liegen die Reihen flach, rechts stehen sie aufrecht.</translation>
    </message>
    <message>
        <source>Thick rows</source>
        <translation>Dicke Reihen</translation>
    </message>
    <message>
        <source>Rows three crates deep are heavy to dig through, but hold a cat well.</source>
        <translation>Reihen, die drei Kisten tief sind, sind mühsam zu durchgraben, halten eine Katze aber gut fest.</translation>
    </message>
    <message>
        <source>Posts</source>
        <translation>Pfeiler</translation>
    </message>
    <message>
        <source>Walls stand among the crates: a row pushed against a post stops there.</source>
        <translation>Zwischen den Kisten stehen Mauerstücke: Eine Reihe, die gegen einen Pfeiler geschoben wird, bleibt dort stehen.</translation>
    </message>
    <message>
        <source>Open ends</source>
        <translation>Offene Enden</translation>
    </message>
    <message>
        <source>The field stops short of the walls: the lanes open onto the floor at their ends, and the cats can come out.</source>
        <translation>Das Feld reicht nicht bis an die Mauern: Die Gassen münden an ihren Enden auf den freien Boden, und die Katzen können herauskommen.</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>Seite an Seite</translation>
    </message>
    <message>
        <source>Fields to the left and right of a road that runs down the middle.</source>
        <translation>Felder links und rechts von einem Weg, der senkrecht durch die Mitte führt.</translation>
    </message>
    <message>
        <source>Fenced and cut</source>
        <translation>Eingezäunt und unterbrochen</translation>
    </message>
    <message>
        <source>Cheese fences and walls across the lanes together.</source>
        <translation>Käsezäune und Mauern quer durch die Gassen – beides zusammen.</translation>
    </message>
    <message>
        <source>The corner</source>
        <translation>Die Ecke</translation>
    </message>
    <message>
        <source>Two fields meet at a corner, one lying and one standing.</source>
        <translation>Zwei Felder treffen sich an einer Ecke, eines mit liegenden, eines mit stehenden Reihen.</translation>
    </message>
    <message>
        <source>Upright and holed</source>
        <translation>Stehend und durchlöchert</translation>
    </message>
    <message>
        <source>Standing rows full of holes.</source>
        <translation>Stehende Reihen voller Löcher.</translation>
    </message>
    <message>
        <source>Posts and fences</source>
        <translation>Pfeiler und Zäune</translation>
    </message>
    <message>
        <source>Posts in the rows, cheese in the lanes.</source>
        <translation>Pfeiler in den Reihen, Käse in den Gassen.</translation>
    </message>
    <message>
        <source>Three in the field</source>
        <translation>Drei im Feld</translation>
    </message>
    <message>
        <source>Three cats: keep the ones you are not chasing shut in.</source>
        <translation>Drei Katzen: Halte die, die du gerade nicht jagst, eingesperrt.</translation>
    </message>
    <message>
        <source>Narrow floor</source>
        <translation>Schmaler Boden</translation>
    </message>
    <message>
        <source>Only two rows of open floor to stand on.</source>
        <translation>Nur zwei Reihen freien Bodens zum Stehen.</translation>
    </message>
    <message>
        <source>Thick and cut</source>
        <translation>Dick und unterbrochen</translation>
    </message>
    <message>
        <source>Deep rows, and a wall across the lanes.</source>
        <translation>Tiefe Reihen und eine Mauer quer durch die Gassen.</translation>
    </message>
    <message>
        <source>Gaps in the rows</source>
        <translation>Lücken in den Reihen</translation>
    </message>
    <message>
        <source>Holes in the rows let the cats change lanes: close the holes near them first.</source>
        <translation>Durch Löcher in den Reihen können die Katzen die Gasse wechseln: Schließ zuerst die Löcher in ihrer Nähe.</translation>
    </message>
    <message>
        <source>Middle road</source>
        <translation>Mittelweg</translation>
    </message>
    <message>
        <source>The mouse starts on a road through the middle, with fields above and below.</source>
        <translation>Die Maus startet auf einem Weg durch die Mitte, mit Feldern darüber und darunter.</translation>
    </message>
    <message>
        <source>Bait on both sides</source>
        <translation>Köder auf beiden Seiten</translation>
    </message>
    <message>
        <source>Cheese in the lanes of a field split down the middle.</source>
        <translation>Käse in den Gassen eines Felds, das in der Mitte geteilt ist.</translation>
    </message>
    <message>
        <source>Four cats</source>
        <translation>Vier Katzen</translation>
    </message>
    <message>
        <source>Four cats in flat rows.</source>
        <translation>Vier Katzen in liegenden Reihen.</translation>
    </message>
    <message>
        <source>Wide lanes</source>
        <translation>Breite Gassen</translation>
    </message>
    <message>
        <source>Some lanes are two cells wide: a cat there needs two crates beside it.</source>
        <translation>Manche Gassen sind zwei Felder breit: Eine Katze dort braucht zwei Kisten neben sich.</translation>
    </message>
    <message>
        <source>Mixed field</source>
        <translation>Gemischtes Feld</translation>
    </message>
    <message>
        <source>Rows lying and standing, two and three deep.</source>
        <translation>Liegende und stehende Reihen, zwei und drei Kisten tief.</translation>
    </message>
    <message>
        <source>Wide and holed</source>
        <translation>Breit und durchlöchert</translation>
    </message>
    <message>
        <source>Wide lanes and holes: the cats have room to run.</source>
        <translation>Breite Gassen und Löcher: Die Katzen haben Platz zum Laufen.</translation>
    </message>
    <message>
        <source>Five in the lanes</source>
        <translation>Fünf in den Gassen</translation>
    </message>
    <message>
        <source>Five cats in lanes that lie flat on the left and stand upright on the right.</source>
        <translation>Fünf Katzen in Gassen, die links flach liegen und rechts aufrecht stehen.</translation>
    </message>
    <message>
        <source>Crossroads</source>
        <translation>Kreuzung</translation>
    </message>
    <message>
        <source>Flat and standing rows meeting at the corner, with holes.</source>
        <translation>Liegende und stehende Reihen, die sich an der Ecke treffen, mit Löchern.</translation>
    </message>
    <message>
        <source>Four standing</source>
        <translation>Vier hochkant</translation>
    </message>
    <message>
        <source>Four cats in standing rows.</source>
        <translation>Vier Katzen in stehenden Reihen.</translation>
    </message>
    <message>
        <source>Split and fenced</source>
        <translation>Geteilt und eingezäunt</translation>
    </message>
    <message>
        <source>Fields above and below, cheese fences in every field.</source>
        <translation>Felder oben und unten, Käsezäune in jedem Feld.</translation>
    </message>
    <message>
        <source>Six cats</source>
        <translation>Sechs Katzen</translation>
    </message>
    <message>
        <source>Six cats where two fields meet, with holes and posts.</source>
        <translation>Sechs Katzen, wo zwei Felder sich treffen, mit Löchern und Pfeilern.</translation>
    </message>
    <message>
        <source>Four on the road</source>
        <translation>Vier am Weg</translation>
    </message>
    <message>
        <source>Four cats on both sides of the middle road.</source>
        <translation>Vier Katzen zu beiden Seiten des Mittelwegs.</translation>
    </message>
    <message>
        <source>Five cats</source>
        <translation>Fünf Katzen</translation>
    </message>
    <message>
        <source>Five cats in a field with a few holes.</source>
        <translation>Fünf Katzen in einem Feld mit ein paar Löchern.</translation>
    </message>
    <message>
        <source>Five standing</source>
        <translation>Fünf hochkant</translation>
    </message>
    <message>
        <source>Five cats in standing rows.</source>
        <translation>Fünf Katzen in stehenden Reihen.</translation>
    </message>
    <message>
        <source>Deep field</source>
        <translation>Tiefes Feld</translation>
    </message>
    <message>
        <source>Five cats among deep rows, a wide lane and posts.</source>
        <translation>Fünf Katzen zwischen tiefen Reihen, einer breiten Gasse und Pfeilern.</translation>
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
