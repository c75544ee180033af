<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>About</name>
    <message>
        <source>&lt;h3&gt;Whiskerdash %1&lt;/h3&gt;&lt;p&gt;An arcade puzzle game: push rows of crates to trap the cats before they catch the mouse.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Whiskerdash %1&lt;/h3&gt;&lt;p&gt;Un juego de puzles arcade: empuja filas de cajas para atrapar a los gatos antes de que atrapen al ratón.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Free software under the MIT licence.</source>
        <translation>Software libre bajo la licencia MIT.</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Whiskerdash developers.</source>
        <translation>Copyright © 2026 Los desarrolladores de Whiskerdash.</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Game, levels, sprites and sounds: the Whiskerdash developers.</source>
        <translation>Juego, niveles, imágenes y sonidos: los desarrolladores de Whiskerdash.</translation>
    </message>
    <message>
        <source>translator-credits</source>
        <translation>Los desarrolladores de Whiskerdash</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Traducción</translation>
    </message>
    <message>
        <source>Home page: %1</source>
        <translation>Página web: %1</translation>
    </message>
    <message>
        <source>Report bugs at %1</source>
        <translation>Informa de errores en %1</translation>
    </message>
    <message>
        <source>About Whiskerdash</source>
        <translation>Acerca de Whiskerdash</translation>
    </message>
</context>
<context>
    <name>Cards</name>
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
        <source>No way left to catch every cat — F5 restarts the level</source>
        <translation>Ya no hay forma de atrapar a todos los gatos: F5 reinicia el nivel</translation>
    </message>
    <message>
        <source>No way left to catch every cat — F5 restarts the level, Backspace goes back</source>
        <translation>Ya no se pueden atrapar todos los gatos — F5 reinicia el nivel, Retroceso vuelve atrás</translation>
    </message>
    <message numerus="yes">
        <source>or C to continue level %1 with %n points</source>
        <comment>the game left last time</comment>
        <translation>
            <numerusform>o C para seguir en el nivel %1 con %n punto</numerusform>
            <numerusform>o C para seguir en el nivel %1 con %n puntos</numerusform>
        </translation>
    </message>
</context>
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
    <message>
        <source>Play the recorded game in FILE in the window.</source>
        <translation>Reproducir en la ventana la partida grabada en ARCHIVO.</translation>
    </message>
    <message>
        <source>With --replay: play it without a window, as fast as it goes, print its trace lines and exit 0 when it comes to the recorded end and score, 1 when not, 2 when it cannot be played.</source>
        <translation>Con --replay: reproducirla sin ventana, tan rápido como se pueda, imprimir sus líneas de traza y salir con 0 si llega al final y la puntuación grabados, 1 si no, 2 si no se puede reproducir.</translation>
    </message>
    <message>
        <source>--check goes with --replay FILE</source>
        <translation>--check va con --replay ARCHIVO</translation>
    </message>
    <message>
        <source>a recording plays its own levels: no level file goes with --replay</source>
        <translation>una grabación juega sus propios niveles: ningún archivo de nivel va con --replay</translation>
    </message>
    <message>
        <source>Files: installed, the game keeps hsc.dat in $XDG_DATA_HOME/org.whiskerdash.Whiskerdash
(~/.local/share/org.whiskerdash.Whiskerdash by default); levels, sprites and sounds put
there replace the installed ones. Started in a folder that holds level000.lvx, or
with --play-here, it plays in that folder and keeps hsc.dat there. Recordings of games
(the last one, one for each entry of the table, and a game left to continue) are kept
in recordings/ beside hsc.dat.
</source>
        <translation>Archivos: instalado, el juego guarda hsc.dat en $XDG_DATA_HOME/org.whiskerdash.Whiskerdash
(~/.local/share/org.whiskerdash.Whiskerdash por omisión); los niveles, imágenes y sonidos
que se pongan allí sustituyen a los instalados. Iniciado en una carpeta con level000.lvx,
o con --play-here, juega en esa carpeta y guarda allí hsc.dat.
Las grabaciones de las partidas (la última, una por cada entrada de la tabla y una partida
dejada para continuar) se guardan en recordings/ junto a hsc.dat.
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
        <translation>Jugar otra vez</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>(unverified)</source>
        <translation>(sin verificar)</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Caught!</source>
        <translation>¡Te atraparon!</translation>
    </message>
    <message numerus="yes">
        <source>Caught on %1 with %n points.</source>
        <comment>%1 is &quot;level 5&quot; or a file name</comment>
        <translation>
            <numerusform>Atrapado en %1 con %n punto.</numerusform>
            <numerusform>Atrapado en %1 con %n puntos.</numerusform>
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
            <numerusform>Hasta %1 con %n punto.</numerusform>
            <numerusform>Hasta %1 con %n puntos.</numerusform>
        </translation>
    </message>
    <message>
        <source>A practice game is not ranked.</source>
        <translation>Una partida de práctica no entra en la clasificación.</translation>
    </message>
</context>
<context>
    <name>HelpBox</name>
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
    <message>
        <source>The rules</source>
        <translation>Las reglas</translation>
    </message>
    <message>
        <source>You are the mouse. Catch every cat to clear a level. Each level starts when you press an arrow key.</source>
        <translation>Eres el ratón. Atrapa a todos los gatos para superar un nivel. Cada nivel empieza cuando pulsas una flecha.</translation>
    </message>
    <message>
        <source>Walk into a row of crates to push it, unless a stone wall stops it.</source>
        <translation>Camina contra una fila de cajas para empujarla, salvo que un muro de piedra la frene.</translation>
    </message>
    <message>
        <source>Stone walls never move.</source>
        <translation>Los muros de piedra nunca se mueven.</translation>
    </message>
    <message>
        <source>Cheese is worth 10 points. Cats cannot step on cheese or crates.</source>
        <translation>El queso vale 10 puntos. Los gatos no pueden pisar ni el queso ni las cajas.</translation>
    </message>
    <message>
        <source>Push a crate onto a cat: it escapes to a free cell next to it, or is caught when it has none. If a cat reaches you, the game is over.</source>
        <translation>Empuja una caja sobre un gato: escapa a una casilla libre de al lado, o queda atrapado si no tiene ninguna. Si un gato te alcanza, se acaba la partida.</translation>
    </message>
    <message>
        <source>So trap cats: wait until one stands where crates, walls or cheese surround it, then push the last crate onto it. Cats follow you, which lets you lure them into a pocket before you close it.</source>
        <translation>Así que tiende trampas: espera a que un gato quede rodeado de cajas, muros o queso, y empuja la última caja sobre él. Los gatos te siguen: atráelos a un rincón antes de cerrarlo.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Your own levels</source>
        <translation>Tus propios niveles</translation>
    </message>
    <message>
        <source>Game &gt; Edit levels draws levels of your own: choose a kind with its key (Space or . floor, H wall, B crate, K cheese, C cat, M mouse, the letters of the level files) and draw with the arrow keys or the mouse. F5 test-plays the level and Escape comes back to the drawing. A level is proved when a game that clears it is kept with it: clear it yourself in test-play, or let the bot prove it (Ctrl+P), which also says in how many of its games the bot cleared it. Ctrl+S saves it into a pack of yours; Game &gt; Play a pack plays packs, and exports and imports them as one file.</source>
        <translation>Juego &gt; Editar niveles dibuja niveles propios: elige un tipo de casilla con su tecla (Espacio o . suelo, H muro, B caja, K queso, C gato, M ratón, las letras de los archivos de nivel) y dibuja con las flechas o el ratón. F5 juega una partida de prueba y Esc vuelve al dibujo. Un nivel está demostrado cuando se guarda con él una partida que lo supera: supéralo tú en la prueba, o deja que el bot lo demuestre (Ctrl+P), que también dice en cuántas de sus partidas lo superó. Ctrl+S lo guarda en un paquete tuyo; Juego &gt; Jugar un paquete juega paquetes, y los exporta e importa como un solo archivo.</translation>
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
        <source>Cheese fence</source>
        <translation>Valla de queso</translation>
    </message>
    <message>
        <source>Dead ends</source>
        <translation>Callejones sin salida</translation>
    </message>
    <message>
        <source>Cheese bait</source>
        <translation>Cebo de queso</translation>
    </message>
    <message>
        <source>Three ways</source>
        <translation>De tres clases</translation>
    </message>
    <message>
        <source>Crossroads</source>
        <translation>Cruce</translation>
    </message>
    <message>
        <source>Each cat waits in a lane between rows of crates: push a crate into the lane on each side of it, then one onto it.</source>
        <translation>Cada gato espera en un pasillo entre filas de cajas: empuja una caja al pasillo a cada lado de él y luego otra sobre él.</translation>
    </message>
    <message>
        <source>Against the wall</source>
        <translation>Contra el muro</translation>
    </message>
    <message>
        <source>A wall closes one side: a cat between the wall and a thick row of crates is half shut in; push crates in beside it, then one onto it.</source>
        <translation>Un muro cierra un lado: un gato entre el muro y una fila gruesa de cajas está medio encerrado; empuja cajas junto a él y luego otra sobre él.</translation>
    </message>
    <message>
        <source>Cheese door</source>
        <translation>Puerta de queso</translation>
    </message>
    <message>
        <source>Cheese in a doorway is a door you can eat: eat it, then push the crates behind it on after the cat.</source>
        <translation>El queso en una entrada es una puerta que te puedes comer: cómetelo y luego empuja hacia dentro las cajas que hay detrás, tras el gato.</translation>
    </message>
    <message>
        <source>Spiral</source>
        <translation>Espiral</translation>
    </message>
    <message>
        <source>Catch the cat in the wall lane first; then walk the spiral, one long corridor, in to the crate at its heart and push the cat there into the dead end.</source>
        <translation>Atrapa primero al gato del pasillo junto al muro; luego recorre la espiral, un solo corredor largo, hasta la caja de su centro y empuja al gato que hay allí al callejón sin salida.</translation>
    </message>
    <message>
        <source>Cheese trail</source>
        <translation>Rastro de queso</translation>
    </message>
    <message>
        <source>Rooms and doors</source>
        <translation>Cuartos y puertas</translation>
    </message>
    <message>
        <source>A crate in a doorway shuts a cat in its room: push it in, then on, and the cat has nowhere to go; the cat in the hall is caught against the wall.</source>
        <translation>Una caja en una entrada encierra a un gato en su cuarto: empújala dentro y luego más allá, y el gato ya no tiene adónde ir; al gato del vestíbulo, atrápalo contra el muro.</translation>
    </message>
    <message>
        <source>The rows lie flat on the left and stand upright on the right: close a standing lane by pushing crates in from the side.</source>
        <translation>A la izquierda las filas están tumbadas, y a la derecha, en pie: cierra un pasillo en pie metiendo cajas desde un lado.</translation>
    </message>
    <message>
        <source>Open arena</source>
        <translation>Arena abierta</translation>
    </message>
    <message>
        <source>Cats never step on cheese: the cheese at the ends of the stall holds the cat in; push crates in beside it and eat the fence last.</source>
        <translation>Los gatos nunca pisan el queso: el queso en los extremos del compartimento retiene dentro al gato; empuja cajas junto a él y cómete la valla al final.</translation>
    </message>
    <message>
        <source>Into the corner</source>
        <translation>A la esquina</translation>
    </message>
    <message>
        <source>The block</source>
        <translation>El bloque</translation>
    </message>
    <message>
        <source>You are the bait</source>
        <translation>Tú eres el cebo</translation>
    </message>
    <message>
        <source>Islands</source>
        <translation>Islas</translation>
    </message>
    <message>
        <source>Crates lie in islands on open floor: catch a cat in a narrow channel between two islands, or between an island and the wall.</source>
        <translation>Las cajas forman islas en el suelo libre: atrapa a un gato en un canal estrecho entre dos islas, o entre una isla y el muro.</translation>
    </message>
    <message>
        <source>Bridge</source>
        <translation>Puente</translation>
    </message>
    <message>
        <source>Stone keep</source>
        <translation>Torreón de piedra</translation>
    </message>
    <message>
        <source>Cats walk the road between the stone keep and its crate moat: push moat crates in beside a cat, then one onto it.</source>
        <translation>Los gatos andan por el camino entre el torreón de piedra y su foso de cajas: empuja cajas del foso junto a un gato y luego otra sobre él.</translation>
    </message>
    <message>
        <source>Cheese garden</source>
        <translation>Jardín de queso</translation>
    </message>
    <message>
        <source>Cats never cross cheese beds: a cat between a bed and the crates is in a lane, so push crates in on it, and eat that bed last.</source>
        <translation>Los gatos nunca cruzan los bancales de queso: un gato entre un bancal y las cajas está en un pasillo, así que empuja cajas sobre él y cómete ese bancal al final.</translation>
    </message>
    <message>
        <source>Four rooms</source>
        <translation>Cuatro cuartos</translation>
    </message>
    <message>
        <source>River</source>
        <translation>Río</translation>
    </message>
    <message>
        <source>Docks</source>
        <translation>Muelles</translation>
    </message>
    <message>
        <source>Cats walk the quays along the walls: from a bay between the piers push quay crates in beside a cat, then one onto it.</source>
        <translation>Los gatos recorren los muelles junto a los muros: desde una dársena entre los espigones, empuja cajas del muelle junto a un gato y luego otra sobre él.</translation>
    </message>
    <message>
        <source>Horseshoe</source>
        <translation>Herradura</translation>
    </message>
    <message>
        <source>Cats run round the horseshoe between its stone and its crate lining: from inside, push the lining out onto them.</source>
        <translation>Los gatos corren por la herradura, entre su piedra y su revestimiento de cajas: desde dentro, empuja el revestimiento hacia fuera, sobre ellos.</translation>
    </message>
    <message>
        <source>Citadel</source>
        <translation>Ciudadela</translation>
    </message>
    <message>
        <source>Market day</source>
        <translation>Día de mercado</translation>
    </message>
    <message>
        <source>Stone maze</source>
        <translation>Laberinto de piedra</translation>
    </message>
    <message>
        <source>Cats prowl the lanes by the side walls; the stone maze between is full of dead ends and cheese: go in only when no cat is near.</source>
        <translation>Los gatos merodean por los pasillos junto a los muros laterales; el laberinto de piedra que hay en medio está lleno de callejones sin salida y de queso: entra solo cuando no haya ningún gato cerca.</translation>
    </message>
    <message>
        <source>Pen and larder</source>
        <translation>Corral y despensa</translation>
    </message>
    <message>
        <source>Storm</source>
        <translation>Tormenta</translation>
    </message>
    <message>
        <source>Loose crates and posts give a cat no corner: lead it out of the storm to the thick bars by the walls.</source>
        <translation>Entre cajas sueltas y pilares no hay ninguna esquina donde acorralar a un gato: sácalo de la tormenta y llévalo hasta las barras gruesas de cajas junto a los muros.</translation>
    </message>
    <message>
        <source>Zigzag</source>
        <translation>Zigzag</translation>
    </message>
    <message>
        <source>The zigzag corridor has stone on one side and thick crates on the other: push crates in from outside beside the cat, then onto it.</source>
        <translation>El corredor en zigzag tiene piedra a un lado y una fila gruesa de cajas al otro: empuja cajas desde fuera junto al gato y luego otra sobre él.</translation>
    </message>
    <message>
        <source>Wall pockets</source>
        <translation>Rincones del muro</translation>
    </message>
    <message>
        <source>Cats slip corner-wise into the pockets along the walls, where you cannot follow: push crates into the pocket beside a cat, then one onto it.</source>
        <translation>Los gatos se cuelan en diagonal en los rincones junto a los muros, adonde no puedes seguirlos: empuja cajas al rincón junto a un gato y luego otra sobre él.</translation>
    </message>
    <message>
        <source>Stone hourglass</source>
        <translation>Reloj de arena</translation>
    </message>
    <message>
        <source>One door</source>
        <translation>Una sola puerta</translation>
    </message>
    <message>
        <source>Crate pinwheel</source>
        <translation>Molinillo de cajas</translation>
    </message>
    <message>
        <source>Four crate arms turn round the middle: each ends one step off the wall, a lane where a cat is caught.</source>
        <translation>Cuatro brazos de cajas giran en torno al centro: cada uno acaba a un paso del muro y deja un pasillo donde atrapar a un gato.</translation>
    </message>
    <message>
        <source>Stone posts</source>
        <translation>Pilares de piedra</translation>
    </message>
    <message>
        <source>Cheese maze</source>
        <translation>Laberinto de queso</translation>
    </message>
    <message>
        <source>Stone rings with cheese in some gaps: cats go round to the open gaps, you can eat straight through.</source>
        <translation>Anillos de piedra con queso en algunas brechas: los gatos dan la vuelta hasta las brechas abiertas; tú puedes atravesarlas en línea recta comiendo.</translation>
    </message>
    <message>
        <source>Great block</source>
        <translation>Gran bloque</translation>
    </message>
    <message>
        <source>Four cats circle the great block: catch them in the lanes above and below it, the block on one side and stone on the other.</source>
        <translation>Cuatro gatos dan vueltas alrededor del gran bloque: atrápalos en los pasillos de encima y de debajo, con el bloque a un lado y la piedra al otro.</translation>
    </message>
    <message>
        <source>Crate staircase</source>
        <translation>Escalera de cajas</translation>
    </message>
    <message>
        <source>A staircase of crates splits the room: cats come round by its foot and its head, where a thick step and the wall make a lane.</source>
        <translation>Una escalera de cajas divide el cuarto: los gatos la rodean por el pie y por lo alto, donde un escalón grueso y el muro forman un pasillo.</translation>
    </message>
    <message>
        <source>Everything at once: the block on the left, one door in the wall, stone posts on the right, and cheese to pull you through.</source>
        <translation>Todo a la vez: el bloque a la izquierda, una puerta en el muro, pilares de piedra a la derecha y queso que tira de ti hasta el final.</translation>
    </message>
    <message>
        <source>Each corner holds an L-shaped lane between the wall and a bend of crates: shut the lane on both sides of the cat from outside, then push the last crate onto it.</source>
        <translation>Cada esquina guarda un pasillo en L entre el muro y un recodo de cajas: cierra el pasillo a ambos lados del gato desde fuera y luego empuja la última caja sobre él.</translation>
    </message>
    <message>
        <source>A cat that wanders into a pocket of crates is nearly caught: shut the pocket with a crate from the side, then push one up into it; stand below a pocket to draw the cat towards it.</source>
        <translation>Un gato que se mete en un rincón de cajas está casi atrapado: cierra el rincón con una caja desde un lado y luego empuja una hacia dentro desde abajo; ponte debajo de un rincón para atraer al gato hacia él.</translation>
    </message>
    <message>
        <source>Four rooms round a hall: a cat in the lane along a room&apos;s wall is caught by pushing the room&apos;s crates in on it; wait for the hall cat to wander into one.</source>
        <translation>Cuatro cuartos alrededor de un vestíbulo: a un gato en el pasillo junto al muro de un cuarto lo atrapas empujando sobre él las cajas de ese cuarto; espera a que el gato del vestíbulo se meta en uno.</translation>
    </message>
    <message>
        <source>Inside the town wall the streets run between stone and crates: catch the cats there, then eat the keep&apos;s cheese door and push its crates in.</source>
        <translation>Dentro de la muralla, las calles corren entre piedra y cajas: atrapa allí a los gatos, luego cómete la puerta de queso del torreón y empuja sus cajas hacia dentro.</translation>
    </message>
    <message>
        <source>Catch a cat in the aisle between two stalls: eat a counter&apos;s cheese to push its stall&apos;s crates down or up into the aisle.</source>
        <translation>Atrapa a un gato en el pasillo entre dos puestos: cómete el queso de un mostrador para empujar las cajas de su puesto hacia abajo o hacia arriba, dentro del pasillo.</translation>
    </message>
    <message>
        <source>Two pens open when you eat their cheese doors: empty the larder on the right before the last catch ends the level; the left pen holds a cat, so eat its door and push the plug in after it.</source>
        <translation>Dos corrales se abren cuando te comes sus puertas de queso: vacía la despensa de la derecha antes de que la última captura termine el nivel; el corral de la izquierda encierra a un gato, así que cómete su puerta y empuja el tapón tras él.</translation>
    </message>
    <message>
        <source>Two chambers meet at a narrow waist, the only way between them: catch the cats in the lanes by the side walls, and mind the one that follows you through the waist.</source>
        <translation>Dos cámaras se unen por un cuello estrecho, el único paso entre ellas: atrapa a los gatos en los pasillos junto a los muros laterales y cuidado con el que te siga por el cuello.</translation>
    </message>
    <message>
        <source>A stone wall splits the board, with one door: the cats on your side hunt you while the others queue at the door; catch them against the bars by the walls.</source>
        <translation>Un muro de piedra divide el tablero, con una sola puerta: los gatos de tu lado te persiguen mientras los otros esperan en la puerta; atrápalos contra las barras de cajas junto a los muros.</translation>
    </message>
    <message>
        <source>A grid of stone posts gives a cat many ways out: lead it to the crate bars in the corners, where wall and bar make a lane, and catch it there.</source>
        <translation>Una cuadrícula de pilares de piedra le da al gato muchas salidas: llévalo hasta las barras de cajas de las esquinas, donde el muro y la barra forman un pasillo, y atrápalo allí.</translation>
    </message>
    <message>
        <source>Both cats start in wall lanes, behind the top bar and the right one: shut them in there before they come out, and eat the trail before the last catch, which ends the level.</source>
        <translation>Los dos gatos empiezan en pasillos junto al muro, tras la barra de cajas de arriba y la de la derecha: enciérralos allí antes de que salgan, y cómete el rastro de queso antes de la última captura, que termina el nivel.</translation>
    </message>
    <message>
        <source>One cat roams the open floor, the other starts in the one-cell lane between the bottom bars and the wall: catch both in that lane, luring the roaming one in.</source>
        <translation>Un gato ronda por el suelo libre y el otro empieza en el pasillo de una casilla entre las barras de cajas de abajo y el muro: atrapa a los dos en ese pasillo, atrayendo hacia él al que ronda.</translation>
    </message>
    <message>
        <source>Cheese waits deep in the lanes, where the cats are: push a column down to cut a cat&apos;s lane on each side of it, then close in; the cheese is worth the walk if the way back is open.</source>
        <translation>El queso espera al fondo de los pasillos, donde están los gatos: empuja una columna hacia abajo para cortar el pasillo de un gato a cada lado, y luego cierra el cerco; el queso merece la pena si el camino de vuelta está libre.</translation>
    </message>
    <message>
        <source>The cat starts in a dead-end corridor behind its crate: push the crate in after it, and keep pushing until the cat runs out of corridor.</source>
        <translation>El gato empieza en un corredor sin salida detrás de su caja: empuja la caja tras él y sigue empujando hasta que al gato se le acabe el corredor.</translation>
    </message>
    <message>
        <source>The block leaves one-cell lanes along the walls, and the cheese at its foot closes the bottom one to cats: leave that cheese, draw a cat into a lane, then push the block&apos;s crates in beside it and onto it.</source>
        <translation>El bloque deja junto a los muros pasillos de una casilla, y el queso a su pie cierra a los gatos el de abajo: deja ese queso, atrae a un gato a un pasillo y luego empuja las cajas del bloque a su lado y sobre él.</translation>
    </message>
    <message>
        <source>Two halves joined by one bridge: one cat starts in a lane beside the stone wall, the other roams the far half and can cross the bridge to you; catch each in such a lane, pushing the bars&apos; crates in from the side.</source>
        <translation>Dos mitades unidas por un único puente: un gato empieza en un pasillo junto al muro de piedra, el otro ronda la otra mitad y puede cruzar el puente hasta ti; atrapa a cada uno en un pasillo así, metiendo desde un lado las cajas de las barras.</translation>
    </message>
    <message>
        <source>The river of crates splits the board: cross at a ford, push the river in on both sides of a cat walking the towpath on the far bank, then onto it.</source>
        <translation>El río de cajas divide el tablero: cruza por un vado, empuja el río a ambos lados de un gato que vaya por el camino de la otra orilla, y luego sobre él.</translation>
    </message>
    <message>
        <source>All at once</source>
        <translation>Todo a la vez</translation>
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
    <message>
        <source>&amp;Watch last game</source>
        <translation>&amp;Ver la última partida</translation>
    </message>
    <message>
        <source>Re&amp;wind two seconds</source>
        <translation>Re&amp;troceder dos segundos</translation>
    </message>
    <message>
        <source>&amp;Continue the game left last time</source>
        <translation>&amp;Continuar la partida que dejaste</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <comment>where a command without keys is found</comment>
        <translation>menú %1</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>E&amp;stadísticas</translation>
    </message>
    <message>
        <source>In a replay</source>
        <translation>En una repetición</translation>
    </message>
    <message>
        <source>P pause, + and - speed, → a tick, Esc leave</source>
        <translation>P pausa, + y - velocidad, → un paso, Esc salir</translation>
    </message>
    <message>
        <source>Play a p&amp;ack…</source>
        <translation>&amp;Jugar un paquete…</translation>
    </message>
    <message>
        <source>&amp;Edit levels…</source>
        <translation>&amp;Editar niveles…</translation>
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
    <name>Records</name>
    <message>
        <source>%1 s</source>
        <comment>seconds</comment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Most cheese %1 · Fastest clear %2</source>
        <translation>Más queso %1 · Más rápido %2</translation>
    </message>
    <message>
        <source>New record: most cheese, %1 (was %2)</source>
        <translation>Nuevo récord: más queso, %1 (antes %2)</translation>
    </message>
    <message>
        <source>New record: fastest clear, %1 (was %2)</source>
        <translation>Nuevo récord: el más rápido, %1 (antes %2)</translation>
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
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Games played:</source>
        <translation>Partidas jugadas:</translation>
    </message>
    <message>
        <source>Levels cleared:</source>
        <translation>Niveles superados:</translation>
    </message>
    <message>
        <source>Cats caught:</source>
        <translation>Gatos atrapados:</translation>
    </message>
    <message>
        <source>Cheese eaten:</source>
        <translation>Queso comido:</translation>
    </message>
    <message>
        <source>Time played:</source>
        <translation>Tiempo de juego:</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Niveles</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Intentos</translation>
    </message>
    <message>
        <source>Clears</source>
        <translation>Superados</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <comment>level number and name</comment>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Earlier games are not counted here: %1</source>
        <translation>Las partidas anteriores no se cuentan aquí: %1</translation>
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
            <numerusform>%1 · %n gato</numerusform>
            <numerusform>%1 · %n gatos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cats %n</source>
        <translation>
            <numerusform>%n gato</numerusform>
            <numerusform>%n gatos</numerusform>
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
            <numerusform>Nivel %1 · %n gato</numerusform>
            <numerusform>Nivel %1 · %n gatos</numerusform>
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
    <message numerus="yes">
        <source>Replay %1 · Level %2 · Cats %n</source>
        <comment>speed, level</comment>
        <translation>
            <numerusform>Repetición %1 · Nivel %2 · Gato %n</numerusform>
            <numerusform>Repetición %1 · Nivel %2 · Gatos %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Replay %1</source>
        <comment>speed</comment>
        <translation>Repetición %1</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Repetición</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>WHISKERDASH - THE BRAVEST MICE</source>
        <translation>WHISKERDASH - LOS RATONES MÁS VALIENTES</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
</context>
<context>
    <name>wd::EditorRoom</name>
    <message>
        <source>easy</source>
        <translation>fácil</translation>
    </message>
    <message>
        <source>fair</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>hard</source>
        <translation>difícil</translation>
    </message>
    <message>
        <source>very hard</source>
        <translation>muy difícil</translation>
    </message>
    <message>
        <source>not cleared by the bot</source>
        <translation>no superado por el bot</translation>
    </message>
    <message>
        <source>Play a pack</source>
        <translation>Jugar un paquete</translation>
    </message>
    <message>
        <source>Edit levels</source>
        <translation>Editar niveles</translation>
    </message>
    <message>
        <source>Save the changes to this level?</source>
        <translation>¿Guardar los cambios de este nivel?</translation>
    </message>
    <message>
        <source>Test-play</source>
        <translation>Probar</translation>
    </message>
    <message>
        <source>Cleared: your game proves this level. Save keeps the proof with it.</source>
        <translation>Superado: tu partida demuestra este nivel. «Guardar» conserva la demostración con él.</translation>
    </message>
    <message>
        <source>A new pack…</source>
        <translation>Un paquete nuevo…</translation>
    </message>
    <message>
        <source>Save level</source>
        <translation>Guardar nivel</translation>
    </message>
    <message>
        <source>Save into the pack:</source>
        <translation>Guardar en el paquete:</translation>
    </message>
    <message numerus="yes">
        <source>The bot plays the level over %n games…</source>
        <translation>
            <numerusform>El bot juega el nivel en %n partida…</numerusform>
            <numerusform>El bot juega el nivel en %n partidas…</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Prove</source>
        <translation>Demostrar</translation>
    </message>
    <message>
        <source>The bot&apos;s win proves the level; Save keeps it.</source>
        <translation>La victoria del bot demuestra el nivel; «Guardar» conserva la demostración.</translation>
    </message>
    <message>
        <source>No proof yet: clear it yourself in test-play (F5).</source>
        <translation>Aún no hay demostración: supéralo tú en una partida de prueba (F5).</translation>
    </message>
    <message>
        <source>Saved as level %1 of “%2”, proved.</source>
        <translation>Guardado como nivel %1 de «%2», demostrado.</translation>
    </message>
    <message>
        <source>Saved as level %1 of “%2”, not proved yet: clear it in test-play (F5), or let the bot prove it (Ctrl+P).</source>
        <translation>Guardado como nivel %1 de «%2», aún sin demostrar: supéralo en la partida de prueba (F5) o deja que el bot lo demuestre (Ctrl+P).</translation>
    </message>
    <message>
        <source>The bot cleared the level in %1 of %2 games — %3.</source>
        <translation>El bot superó el nivel en %1 de %2 partidas — %3.</translation>
    </message>
</context>
<context>
    <name>wd::EditorView</name>
    <message>
        <source>Resize</source>
        <translation>Cambiar tamaño</translation>
    </message>
    <message>
        <source>Level drawing</source>
        <translation>Dibujo del nivel</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Rellenar</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Dibujar</translation>
    </message>
    <message>
        <source>Line %1, column %2: %3</source>
        <translation>Línea %1, columna %2: %3</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>This cat can never be caught from the start.</source>
        <translation>Este gato no se puede atrapar nunca desde el inicio.</translation>
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
        <translation>el nivel %1</translation>
    </message>
    <message>
        <source>that game had ended</source>
        <translation>esa partida ya había terminado</translation>
    </message>
</context>
<context>
    <name>wd::LevelEditor</name>
    <message>
        <source>Level editor</source>
        <translation>Editor de niveles</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Floor</source>
        <translation>Suelo</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Muro</translation>
    </message>
    <message>
        <source>Crate</source>
        <translation>Caja</translation>
    </message>
    <message>
        <source>Cheese</source>
        <translation>Queso</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Gato</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>Más pequeño</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>Más grande</translation>
    </message>
    <message>
        <source>Test-play</source>
        <translation>Probar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Prove</source>
        <translation>Demostrar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>The level&apos;s name on its card</source>
        <translation>El nombre del nivel en su pantalla de título</translation>
    </message>
    <message>
        <source>A hint for the player</source>
        <translation>Una pista para el jugador</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>H&amp;int:</source>
        <translation>&amp;Pista:</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>&amp;Resize</source>
        <translation>Cambiar &amp;tamaño</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Problems:</source>
        <translation>Problemas:</translation>
    </message>
    <message>
        <source>Cats:</source>
        <translation>Gatos:</translation>
    </message>
    <message>
        <source>Arrows move the cursor; Space . H B K C M choose a kind and draw it there; Delete erases; R marks a corner and R again fills to the cursor.
The left button draws, the right button erases, Shift with a drag fills a rectangle.</source>
        <translation>Las flechas mueven el cursor; Espacio . H B K C M eligen un tipo de casilla y lo dibujan ahí; Supr borra; R marca una esquina y otra R rellena hasta el cursor.
El botón izquierdo dibuja, el derecho borra, arrastrar con Mayús rellena un rectángulo.</translation>
    </message>
    <message>
        <source>None: the level can be played.</source>
        <translation>Ninguno: el nivel se puede jugar.</translation>
    </message>
    <message>
        <source>Judged once the game could load the level.</source>
        <translation>Se evaluará cuando el juego pueda cargar el nivel.</translation>
    </message>
    <message>
        <source>No cats yet.</source>
        <translation>Aún no hay gatos.</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>línea %1, columna %2</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>The cat at %1 can never be caught from the start.</source>
        <translation>El gato en %1 no se puede atrapar nunca desde el inicio.</translation>
    </message>
    <message>
        <source>%1 cats can never be caught from the start: %2.</source>
        <translation>%1 gatos no se pueden atrapar nunca desde el inicio: %2.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>The quick check finds no cat that can never be caught; Prove or a test-play tells for sure.</source>
        <translation>La comprobación rápida no encuentra ningún gato imposible de atrapar; Demostrar o una partida de prueba lo dicen con seguridad.</translation>
    </message>
    <message>
        <source>A ring of walls moves with the edges; inside it, cells that no longer fit are dropped and new ones are floor. Undo brings them back.</source>
        <translation>Un anillo de muros se mueve con los bordes; dentro, las casillas que ya no caben se descartan y las nuevas son suelo. «Deshacer» las recupera.</translation>
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
        <translation>Tablero de juego</translation>
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
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>%1: cannot play this recording: %2</source>
        <translation>%1: no se puede reproducir esta grabación: %2</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>%1, paused</source>
        <comment>the replay&apos;s speed</comment>
        <translation>%1, en pausa</translation>
    </message>
    <message>
        <source>%1: not a game that can be continued: %2</source>
        <translation>%1: no es una partida que se pueda continuar: %2</translation>
    </message>
    <message>
        <source>%1: the game left last time cannot go on: %2</source>
        <translation>%1: la partida que dejaste la última vez no puede seguir: %2</translation>
    </message>
    <message numerus="yes">
        <source>Quit now? At the next start you can continue level %1 with the %n points it began with.</source>
        <translation>
            <numerusform>¿Salir ahora? La próxima vez podrás continuar el nivel %1 con el %n punto con que empezó.</numerusform>
            <numerusform>¿Salir ahora? La próxima vez podrás continuar el nivel %1 con los %n puntos con que empezó.</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit now? At the next start you can continue level %1 from its beginning.</source>
        <translation>¿Salir ahora? La próxima vez podrás continuar el nivel %1 desde el principio.</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Práctica</translation>
    </message>
    <message numerus="yes">
        <source>Abandon this game with %n points and practise level %1?</source>
        <translation>
            <numerusform>¿Abandonar esta partida con %n punto y practicar el nivel %1?</numerusform>
            <numerusform>¿Abandonar esta partida con %n puntos y practicar el nivel %1?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Practise</source>
        <translation>&amp;Practicar</translation>
    </message>
    <message>
        <source>ended, Esc leaves</source>
        <comment>the replay at its end</comment>
        <translation>terminada, Esc para salir</translation>
    </message>
    <message>
        <source>Play a pack</source>
        <translation>Jugar un paquete</translation>
    </message>
    <message numerus="yes">
        <source>Abandon this game with %n points?</source>
        <translation>
            <numerusform>¿Abandonar esta partida con %n punto?</numerusform>
            <numerusform>¿Abandonar esta partida con %n puntos?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Leave it</source>
        <translation>&amp;Abandonar</translation>
    </message>
    <message>
        <source>Test-play, Esc returns</source>
        <translation>Partida de prueba, Esc para volver</translation>
    </message>
</context>
<context>
    <name>wd::PacksDialog</name>
    <message>
        <source>proved</source>
        <translation>demostrado</translation>
    </message>
    <message>
        <source>not proved: %1</source>
        <translation>sin demostrar: %1</translation>
    </message>
    <message>
        <source>Edit levels</source>
        <translation>Editar niveles</translation>
    </message>
    <message>
        <source>Play a pack</source>
        <translation>Jugar un paquete</translation>
    </message>
    <message>
        <source>&amp;Play this pack</source>
        <translation>&amp;Jugar este paquete</translation>
    </message>
    <message>
        <source>&amp;Edit level</source>
        <translation>&amp;Editar nivel</translation>
    </message>
    <message>
        <source>New &amp;level</source>
        <translation>Nuevo &amp;nivel</translation>
    </message>
    <message>
        <source>New pac&amp;k…</source>
        <translation>Nuevo pa&amp;quete…</translation>
    </message>
    <message>
        <source>&amp;Delete level</source>
        <translation>E&amp;liminar nivel</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importar…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>E&amp;xportar…</translation>
    </message>
    <message>
        <source>The game&apos;s own levels</source>
        <translation>Los niveles del juego</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>The game&apos;s own levels can be opened in the editor and saved into a pack of yours.</source>
        <translation>Los niveles del juego se pueden abrir en el editor y guardar en un paquete tuyo.</translation>
    </message>
    <message>
        <source>This pack has no levels yet: New level draws one.</source>
        <translation>Este paquete aún no tiene niveles: «Nuevo nivel» dibuja uno.</translation>
    </message>
    <message>
        <source>New pack</source>
        <translation>Nuevo paquete</translation>
    </message>
    <message>
        <source>The pack&apos;s name:</source>
        <translation>Nombre del paquete:</translation>
    </message>
    <message>
        <source>My levels</source>
        <translation>Mis niveles</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>%1: not imported: %2</source>
        <translation>%1: no importado: %2</translation>
    </message>
    <message>
        <source>Imported “%1”.</source>
        <translation>Se ha importado «%1».</translation>
    </message>
    <message>
        <source>Not proved: %1</source>
        <translation>Sin demostrar: %1</translation>
    </message>
    <message>
        <source>Import a pack</source>
        <translation>Importar un paquete</translation>
    </message>
    <message>
        <source>Whiskerdash packs (*.wdpack)</source>
        <translation>Paquetes de Whiskerdash (*.wdpack)</translation>
    </message>
    <message>
        <source>Export a pack</source>
        <translation>Exportar un paquete</translation>
    </message>
    <message>
        <source>Exported to %1.</source>
        <translation>Exportado a %1.</translation>
    </message>
    <message>
        <source>%1: not exported: %2</source>
        <translation>%1: no exportado: %2</translation>
    </message>
    <message>
        <source>Delete level</source>
        <translation>Eliminar nivel</translation>
    </message>
    <message>
        <source>Delete level %1 of this pack? The levels after it move up.</source>
        <translation>¿Eliminar el nivel %1 de este paquete? Los niveles siguientes suben un puesto.</translation>
    </message>
    <message>
        <source>&amp;Watch proof</source>
        <translation>&amp;Ver la demostración</translation>
    </message>
    <message>
        <source>%1 · one level</source>
        <translation>%1 · un nivel</translation>
    </message>
    <message numerus="yes">
        <source>%1 · %n levels</source>
        <translation>
            <numerusform>%1 · %n nivel</numerusform>
            <numerusform>%1 · %n niveles</numerusform>
        </translation>
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
    <message>
        <source>%1 · unavailable</source>
        <comment>a level whose file cannot be read or played</comment>
        <translation>%1 · no disponible</translation>
    </message>
    <message>
        <source>Watch most cheese</source>
        <translation>Ver más queso</translation>
    </message>
    <message>
        <source>Watch fastest clear</source>
        <translation>Ver el más rápido</translation>
    </message>
    <message>
        <source>No records yet for this level</source>
        <translation>Aún no hay récords en este nivel</translation>
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
