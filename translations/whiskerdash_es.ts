<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>Whiskerdash: steer the mouse with the arrow keys, push crates onto the cats and eat the cheese.</source>
        <translation>Whiskerdash: guía al ratón con las flechas, empuja cajas sobre los gatos y cómete el queso.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <source>Start with sound off for this run.</source>
        <translation>Empezar sin sonido esta vez.</translation>
    </message>
    <message>
        <source>Start every level at once, without waiting for a key (for scripts).</source>
        <translation>Empezar cada nivel enseguida, sin esperar una tecla (para scripts).</translation>
    </message>
    <message>
        <source>A level file to play first.</source>
        <translation>Un archivo de nivel para jugar primero.</translation>
    </message>
    <message>
        <source>Usage: whiskerdash [options] [LEVEL.lvx]</source>
        <translation>Uso: whiskerdash [opciones] [LEVEL.lvx]</translation>
    </message>
    <message>
        <source>only one level file can be given, not %1</source>
        <translation>solo se admite un archivo de nivel, no %1</translation>
    </message>
    <message>
        <source>Play in the current folder: its levels, sprites and hsc.dat first (the default when it holds level000.lvx). Otherwise the scores are kept in the player&apos;s data folder.</source>
        <translation>Jugar en la carpeta actual: primero sus niveles, sprites y hsc.dat (así es por defecto si contiene level000.lvx). Si no, las puntuaciones se guardan en la carpeta de datos del jugador.</translation>
    </message>
    <message>
        <source>Also show a level that cannot be played in a message box (the desktop entry passes this).</source>
        <translation>Mostrar también en un cuadro de mensaje un nivel que no se puede jugar (el lanzador del escritorio pasa esta opción).</translation>
    </message>
    <message>
        <source>Try &apos;whiskerdash --help&apos; for more information.</source>
        <translation>Pruebe «whiskerdash --help» para más información.</translation>
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
        <translation>Jugar otra vez</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
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
        <translation>Eres el ratón. Atrapa a todos los gatos para superar un nivel.

Las flechas, W A S D o el 8 4 6 2 del teclado numérico mueven al ratón.
Camina contra una fila de cajas para empujarla, salvo que un muro de
piedra la frene. El queso vale 10 puntos. Los gatos no pueden pisar
ni el queso ni las cajas. Empuja una caja sobre un gato: escapa a una
casilla libre de al lado, o queda atrapado si no tiene ninguna. Si un
gato te alcanza, se acaba la partida.
Así que tiende trampas: espera a que un gato quede rodeado de cajas,
muros o queso, y empuja la última caja sobre él. Los gatos te siguen:
atráelos a un rincón antes de cerrarlo.
Cada nivel empieza cuando pulsas una flecha.

P, Pausa o Esc       pausar y seguir
F2 o Ctrl+N          partida nueva
F5                   reiniciar este nivel
Ctrl+H               mejores puntuaciones
M                    sonido sí o no
F11                  pantalla completa
Ctrl++ Ctrl+- Ctrl+0 acercar, alejar, volver a 1x
Ctrl+Q               salir
</translation>
    </message>
    <message>
        <source>Whiskerdash high scores</source>
        <translation>Whiskerdash: mejores puntuaciones</translation>
    </message>
    <message>
        <source>Whiskerdash help</source>
        <translation>Whiskerdash: ayuda</translation>
    </message>
    <message>
        <source>Whiskerdash keys</source>
        <translation>Teclas de Whiskerdash</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>First steps</source>
        <translation>Primeros pasos</translation>
    </message>
    <message>
        <source>Walk, eat the cheese, and push the crate into the pen until the cat has no room left.</source>
        <translation>Camina, cómete el queso y empuja la caja dentro del corral hasta que el gato no tenga sitio.</translation>
    </message>
    <message>
        <source>A row of crates</source>
        <translation>Una fila de cajas</translation>
    </message>
    <message>
        <source>A whole row moves when the mouse pushes its end.</source>
        <translation>Una fila entera se mueve cuando el ratón empuja su extremo.</translation>
    </message>
    <message>
        <source>Nowhere to go</source>
        <translation>Sin salida</translation>
    </message>
    <message>
        <source>Three cats boxed in by crates, each caught by the first push onto it.</source>
        <translation>Tres gatos encerrados entre cajas: cada uno queda atrapado al primer empujón contra él.</translation>
    </message>
    <message>
        <source>Come and get me</source>
        <translation>Ven a por mí</translation>
    </message>
    <message>
        <source>A cat walks towards the mouse: wait under a crate and it walks into the pocket above.</source>
        <translation>Un gato camina hacia el ratón: espera bajo una caja y se meterá en el hueco de arriba.</translation>
    </message>
    <message>
        <source>Two at the door</source>
        <translation>Dos en la puerta</translation>
    </message>
    <message>
        <source>Two cats, and a door on the right where they can come round to the mouse.</source>
        <translation>Dos gatos y una puerta a la derecha por donde pueden dar la vuelta hasta el ratón.</translation>
    </message>
    <message>
        <source>Herding</source>
        <translation>Pastoreo</translation>
    </message>
    <message>
        <source>Two cats shut in pens run ahead of the crates, always to the first free cell; two more walk about.</source>
        <translation>Dos gatos encerrados en corrales huyen delante de las cajas, siempre hacia la primera casilla libre; otros dos andan sueltos.</translation>
    </message>
    <message>
        <source>Rings</source>
        <translation>Anillos</translation>
    </message>
    <message>
        <source>Two cats boxed in rings of crates, two roaming.</source>
        <translation>Dos gatos encerrados en anillos de cajas y dos sueltos.</translation>
    </message>
    <message>
        <source>Crates in the yard</source>
        <translation>Cajas en el patio</translation>
    </message>
    <message>
        <source>Three cats among crates; the door on the right lets them round.</source>
        <translation>Tres gatos entre cajas; la puerta de la derecha les deja dar la vuelta.</translation>
    </message>
    <message>
        <source>Rings and pockets</source>
        <translation>Anillos y huecos</translation>
    </message>
    <message>
        <source>Two cats boxed in rings, three walking about.</source>
        <translation>Dos gatos encerrados en anillos y tres paseando.</translation>
    </message>
    <message>
        <source>Both doors open</source>
        <translation>Dos puertas abiertas</translation>
    </message>
    <message>
        <source>Three cats and a door at each end of the wall.</source>
        <translation>Tres gatos y una puerta en cada extremo del muro.</translation>
    </message>
    <message>
        <source>Two rooms</source>
        <translation>Dos salas</translation>
    </message>
    <message>
        <source>The cats start in two walled rooms with a door each.</source>
        <translation>Los gatos empiezan en dos salas rodeadas de muros, cada una con su puerta.</translation>
    </message>
    <message>
        <source>Little maze</source>
        <translation>Pequeño laberinto</translation>
    </message>
    <message>
        <source>The cats find the passage through a maze of walls.</source>
        <translation>Los gatos encuentran el paso a través de un laberinto de muros.</translation>
    </message>
    <message>
        <source>Cheese fence</source>
        <translation>Valla de queso</translation>
    </message>
    <message>
        <source>Cats cannot step on cheese: the fence holds them until the mouse eats a way through.</source>
        <translation>Los gatos no pueden pisar el queso: la valla los retiene hasta que el ratón se abre paso comiendo.</translation>
    </message>
    <message>
        <source>Released one by one</source>
        <translation>Liberados uno a uno</translation>
    </message>
    <message>
        <source>Four cats wait in pens shut by cheese; eat a fence to let one out.</source>
        <translation>Cuatro gatos esperan en corrales cerrados con queso; cómete una valla para soltar a uno.</translation>
    </message>
    <message>
        <source>Cheese trail</source>
        <translation>Rastro de queso</translation>
    </message>
    <message>
        <source>A trail of cheese leads out of the doors, where the cats come round.</source>
        <translation>Un rastro de queso sale por las puertas, justo por donde dan la vuelta los gatos.</translation>
    </message>
    <message>
        <source>Side gate</source>
        <translation>Puerta lateral</translation>
    </message>
    <message>
        <source>The wall leaves a gap on the right; cheese waits in a den.</source>
        <translation>El muro deja una abertura a la derecha; el queso espera en una guarida.</translation>
    </message>
    <message>
        <source>Four and four</source>
        <translation>Cuatro y cuatro</translation>
    </message>
    <message>
        <source>Four cats, four pockets, both doors open.</source>
        <translation>Cuatro gatos, cuatro huecos y las dos puertas abiertas.</translation>
    </message>
    <message>
        <source>Crate field</source>
        <translation>Campo de cajas</translation>
    </message>
    <message>
        <source>The cats that come round meet a field of crates: pin them in the open.</source>
        <translation>Los gatos que dan la vuelta se topan con un campo de cajas: atrápalos a campo abierto.</translation>
    </message>
    <message>
        <source>Five at the wall</source>
        <translation>Cinco junto al muro</translation>
    </message>
    <message>
        <source>Five cats, five pockets, a door at each end.</source>
        <translation>Cinco gatos, cinco huecos y una puerta en cada extremo.</translation>
    </message>
    <message>
        <source>Fences of cheese</source>
        <translation>Vallas de queso</translation>
    </message>
    <message>
        <source>The cats are fenced off by cheese; every bite opens a gap.</source>
        <translation>Los gatos están cercados por queso; cada bocado abre una brecha.</translation>
    </message>
    <message>
        <source>Pens in a row</source>
        <translation>Corrales en fila</translation>
    </message>
    <message>
        <source>Six cats behind cheese; let them out one at a time.</source>
        <translation>Seis gatos tras el queso; suéltalos de uno en uno.</translation>
    </message>
    <message>
        <source>Seven and two boxes</source>
        <translation>Siete y dos encierros</translation>
    </message>
    <message>
        <source>Seven cats: five walk about, two are boxed in by crates.</source>
        <translation>Siete gatos: cinco andan sueltos y dos están encerrados entre cajas.</translation>
    </message>
    <message>
        <source>One door</source>
        <translation>Una sola puerta</translation>
    </message>
    <message>
        <source>Six cats and a single door on the right.</source>
        <translation>Seis gatos y una sola puerta a la derecha.</translation>
    </message>
    <message>
        <source>Maze and five</source>
        <translation>Cinco en el laberinto</translation>
    </message>
    <message>
        <source>Five cats find their way through a maze.</source>
        <translation>Cinco gatos encuentran su camino por un laberinto.</translation>
    </message>
    <message>
        <source>Middle door</source>
        <translation>Puerta central</translation>
    </message>
    <message>
        <source>A third door in the middle of the wall.</source>
        <translation>Una tercera puerta en mitad del muro.</translation>
    </message>
    <message>
        <source>Islands</source>
        <translation>Islas</translation>
    </message>
    <message>
        <source>Pockets stand alone in an open field: the cats can come at the mouse from every side.</source>
        <translation>Los huecos están aislados en campo abierto: los gatos pueden llegar al ratón por todos lados.</translation>
    </message>
    <message>
        <source>Crowded field</source>
        <translation>Campo abarrotado</translation>
    </message>
    <message>
        <source>Seven cats, a field of crates where they come round.</source>
        <translation>Siete gatos y un campo de cajas justo donde dan la vuelta.</translation>
    </message>
    <message>
        <source>Cheese run</source>
        <translation>Carrera del queso</translation>
    </message>
    <message>
        <source>Seven cats and cheese laid out right by the doors.</source>
        <translation>Siete gatos y queso repartido justo junto a las puertas.</translation>
    </message>
    <message>
        <source>Maze of rooms</source>
        <translation>Laberinto de salas</translation>
    </message>
    <message>
        <source>Five cats in a maze of small rooms.</source>
        <translation>Cinco gatos en un laberinto de salas pequeñas.</translation>
    </message>
    <message>
        <source>Seven cats</source>
        <translation>Siete gatos</translation>
    </message>
    <message>
        <source>Seven cats and seven pockets.</source>
        <translation>Siete gatos y siete huecos.</translation>
    </message>
    <message>
        <source>Short wall</source>
        <translation>Muro corto</translation>
    </message>
    <message>
        <source>A shorter wall and a wider passage: the cats come round sooner.</source>
        <translation>Un muro más corto y un paso más ancho: los gatos dan la vuelta antes.</translation>
    </message>
    <message>
        <source>Wide open</source>
        <translation>De par en par</translation>
    </message>
    <message>
        <source>Doors everywhere: the wall is only half a wall.</source>
        <translation>Puertas por todas partes: el muro es solo medio muro.</translation>
    </message>
    <message>
        <source>Last stand</source>
        <translation>Última resistencia</translation>
    </message>
    <message>
        <source>Six cats, every door open, cheese by the doors.</source>
        <translation>Seis gatos, todas las puertas abiertas y queso junto a ellas.</translation>
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
        <translation>Pulsa una flecha para empezar</translation>
    </message>
    <message>
        <source>Level %1 cleared</source>
        <translation>Nivel %1 superado</translation>
    </message>
    <message>
        <source>%1 cleared</source>
        <comment>a level&apos;s file name</comment>
        <translation>%1 superado</translation>
    </message>
    <message>
        <source>Cheese %1 of %2 · Score %3</source>
        <translation>Queso %1 de %2 · Puntos %3</translation>
    </message>
    <message>
        <source>Caught!</source>
        <translation>¡Te atraparon!</translation>
    </message>
    <message numerus="yes">
        <source>Caught on %1 with %n points.</source>
        <comment>%1 is &quot;level 5&quot; or a file name</comment>
        <translation>
            <numerusform>Atrapado en el %1 con %n punto.</numerusform>
            <numerusform>Atrapado en el %1 con %n puntos.</numerusform>
        </translation>
    </message>
    <message>
        <source>All levels cleared!</source>
        <translation>¡Todos los niveles superados!</translation>
    </message>
    <message numerus="yes">
        <source>You cleared every level with %n points.</source>
        <translation>
            <numerusform>Superaste todos los niveles con %n punto.</numerusform>
            <numerusform>Superaste todos los niveles con %n puntos.</numerusform>
        </translation>
    </message>
    <message>
        <source>The next level could not be loaded.</source>
        <translation>No se pudo cargar el siguiente nivel.</translation>
    </message>
    <message numerus="yes">
        <source>Reached %1 with %n points.</source>
        <comment>%1 is &quot;level 5&quot; or a file name</comment>
        <translation>
            <numerusform>Llegaste al %1 con %n punto.</numerusform>
            <numerusform>Llegaste al %1 con %n puntos.</numerusform>
        </translation>
    </message>
    <message>
        <source>No way left to catch every cat — F5 restarts the level</source>
        <translation>Ya no hay forma de atrapar a todos los gatos: F5 reinicia el nivel</translation>
    </message>
    <message>
        <source>Game board</source>
        <translation>Tablero de juego</translation>
    </message>
    <message>
        <source>About Whiskerdash</source>
        <translation>Acerca de Whiskerdash</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Whiskerdash %1&lt;/h3&gt;&lt;p&gt;An arcade puzzle game: push rows of crates to trap the cats before they catch the mouse.&lt;/p&gt;&lt;p&gt;Free software under the MIT licence.&lt;br&gt;Copyright © 2026 The Whiskerdash developers.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Whiskerdash %1&lt;/h3&gt;&lt;p&gt;Un juego de puzles arcade: empuja filas de cajas para atrapar a los gatos antes de que atrapen al ratón.&lt;/p&gt;&lt;p&gt;Software libre bajo la licencia MIT.&lt;br&gt;Copyright © 2026 Los desarrolladores de Whiskerdash.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Nivel %1</translation>
    </message>
    <message>
        <source>practice</source>
        <translation>práctica</translation>
    </message>
    <message>
        <source>score %1</source>
        <translation>puntuación %1</translation>
    </message>
    <message numerus="yes">
        <source>cats left %n</source>
        <translation>
            <numerusform>queda %n gato</numerusform>
            <numerusform>quedan %n gatos</numerusform>
        </translation>
    </message>
    <message>
        <source>paused</source>
        <translation>en pausa</translation>
    </message>
    <message>
        <source>A practice game is not ranked.</source>
        <translation>Una partida de práctica no entra en la clasificación.</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nueva partida</translation>
    </message>
    <message numerus="yes">
        <source>Abandon this game with %n points and start a new one?</source>
        <translation>
            <numerusform>¿Abandonar esta partida con %n punto y empezar otra?</numerusform>
            <numerusform>¿Abandonar esta partida con %n puntos y empezar otra?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Keep playing</source>
        <translation>&amp;Seguir jugando</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Arrow keys, W A S D, keypad 8 4 6 2</source>
        <translation>Flechas, W A S D, teclado numérico 8 4 6 2</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Preferencias</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Restart level</source>
        <translation>&amp;Reiniciar nivel</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>Practice a &amp;level…</source>
        <translation>Pr&amp;acticar un nivel…</translation>
    </message>
    <message>
        <source>&amp;High scores</source>
        <translation>&amp;Mejores puntuaciones</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>&amp;Actual size</source>
        <translation>&amp;Tamaño real</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>Show &amp;menu bar</source>
        <translation>Mostrar barra de &amp;menús</translation>
    </message>
    <message>
        <source>&amp;How to play</source>
        <translation>&amp;Cómo jugar</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Teclas</translation>
    </message>
    <message>
        <source>&amp;About Whiskerdash</source>
        <translation>&amp;Acerca de Whiskerdash</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>Enter your name:</source>
        <translation>Escribe tu nombre:</translation>
    </message>
    <message>
        <source>Your score of %1 takes %2 place in the table.
Enter your name:</source>
        <translation>Tus %1 puntos ocupan el %2 puesto de la tabla.
Escribe tu nombre:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Ordinal</name>
    <message>
        <source>%1th</source>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1.º</translation>
    </message>
</context>
<context>
    <name>StatusStrip</name>
    <message>
        <source>Paused · press P to play</source>
        <translation>En pausa · pulsa P para jugar</translation>
    </message>
    <message>
        <source>Paused · P</source>
        <translation>En pausa · P</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>All levels cleared</source>
        <translation>Todos los niveles superados</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Superado</translation>
    </message>
    <message numerus="yes">
        <source>%1 · Cats left %n</source>
        <comment>the level&apos;s file name</comment>
        <translation>
            <numerusform>%1 · Queda %n gato</numerusform>
            <numerusform>%1 · Quedan %n gatos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 · Cats %n</source>
        <comment>the level&apos;s file name</comment>
        <translation>
            <numerusform>%1 · Gatos %n</numerusform>
            <numerusform>%1 · Gatos %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cats %n</source>
        <translation>
            <numerusform>Gatos %n</numerusform>
            <numerusform>Gatos %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Level %1 · Cats left %n</source>
        <translation>
            <numerusform>Nivel %1 · Queda %n gato</numerusform>
            <numerusform>Nivel %1 · Quedan %n gatos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Level %1 · Cats %n</source>
        <translation>
            <numerusform>Nivel %1 · Gatos %n</numerusform>
            <numerusform>Nivel %1 · Gatos %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>L%1 · C%n</source>
        <comment>shortest: level and cats</comment>
        <translation>
            <numerusform>N%1 · G%n</numerusform>
            <numerusform>N%1 · G%n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Practice · Level %1 · Cats left %n</source>
        <translation>
            <numerusform>Práctica · Nivel %1 · Queda %n gato</numerusform>
            <numerusform>Práctica · Nivel %1 · Quedan %n gatos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Practice · L%1 · C%n</source>
        <comment>shortest: level and cats</comment>
        <translation>
            <numerusform>P · N%1 · G%n</numerusform>
            <numerusform>P · N%1 · G%n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>wd::GameSession</name>
    <message>
        <source>Level %1 · %2</source>
        <comment>number and name</comment>
        <translation>Nivel %1 · %2</translation>
    </message>
    <message>
        <source>level %1</source>
        <comment>where a game ended</comment>
        <translation>nivel %1</translation>
    </message>
</context>
<context>
    <name>wd::PracticeDialog</name>
    <message>
        <source>Practice a level</source>
        <translation>Practicar un nivel</translation>
    </message>
    <message>
        <source>Practice any level you have reached. A practice game is never ranked.</source>
        <translation>Practica cualquier nivel que hayas alcanzado. Una partida de práctica nunca entra en la clasificación.</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Niveles</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <comment>level number and name</comment>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>%1 · locked</source>
        <comment>a level not reached yet</comment>
        <translation>%1 · bloqueado</translation>
    </message>
    <message>
        <source>Reach this level in a game to practise it</source>
        <translation>Alcanza este nivel en una partida para practicarlo</translation>
    </message>
    <message>
        <source>Practise</source>
        <translation>Practicar</translation>
    </message>
</context>
<context>
    <name>whiskerdash</name>
    <message>
        <source>Whiskerdash: cannot start</source>
        <translation>Whiskerdash: no se puede iniciar</translation>
    </message>
</context>
</TS>
