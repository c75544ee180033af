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
        <source>One lane</source>
        <translation>Un pasillo</translation>
    </message>
    <message>
        <source>A cat in a lane between rows of crates: push a crate into the lane beside it, then one onto it.</source>
        <translation>Un gato en un pasillo entre filas de cajas: empuja una caja al pasillo junto a él y luego otra sobre él.</translation>
    </message>
    <message>
        <source>From below</source>
        <translation>Desde abajo</translation>
    </message>
    <message>
        <source>The open floor is at the bottom this time; the lanes run over it.</source>
        <translation>Esta vez el suelo libre está abajo; los pasillos van por encima.</translation>
    </message>
    <message>
        <source>Standing rows</source>
        <translation>Filas en pie</translation>
    </message>
    <message>
        <source>Rows of crates that stand upright: the lanes run up and down.</source>
        <translation>Filas de cajas puestas en pie: los pasillos van de arriba abajo.</translation>
    </message>
    <message>
        <source>Two lanes</source>
        <translation>Dos pasillos</translation>
    </message>
    <message>
        <source>Two cats in two lanes: close one lane without opening the other.</source>
        <translation>Dos gatos en dos pasillos: cierra un pasillo sin abrir el otro.</translation>
    </message>
    <message>
        <source>A cat cannot step onto cheese: cheese in a lane fences a cat in, so eat it last.</source>
        <translation>Un gato no puede pisar el queso: el queso en un pasillo deja cercado a un gato, así que cómetelo al final.</translation>
    </message>
    <message>
        <source>Dead ends</source>
        <translation>Callejones sin salida</translation>
    </message>
    <message>
        <source>Walls cut the lanes: drive a cat to the end of its lane and close it in.</source>
        <translation>Los muros cortan los pasillos: acorrala a un gato al fondo de su pasillo y enciérralo.</translation>
    </message>
    <message>
        <source>Three lanes</source>
        <translation>Tres pasillos</translation>
    </message>
    <message>
        <source>Three cats in three lanes: catch them one by one, nearest first.</source>
        <translation>Tres gatos en tres pasillos: atrápalos uno a uno, primero el más cercano.</translation>
    </message>
    <message>
        <source>Cheese bait</source>
        <translation>Cebo de queso</translation>
    </message>
    <message>
        <source>Cheese waits deep in the lanes, where the cats are: worth the walk, if the way back is open.</source>
        <translation>El queso espera al fondo de los pasillos, donde están los gatos: merece la pena ir, si el camino de vuelta está libre.</translation>
    </message>
    <message>
        <source>Three ways</source>
        <translation>De tres clases</translation>
    </message>
    <message>
        <source>A road through the middle, holes in the rows and posts.</source>
        <translation>Un camino por el centro, agujeros en las filas y pilares.</translation>
    </message>
    <message>
        <source>Both ways</source>
        <translation>En ambos sentidos</translation>
    </message>
    <message>
        <source>Rows lie flat on the left and stand upright on the right.</source>
        <translation>A la izquierda las filas están tumbadas, y a la derecha, en pie.</translation>
    </message>
    <message>
        <source>Thick rows</source>
        <translation>Filas gruesas</translation>
    </message>
    <message>
        <source>Rows three crates deep are heavy to dig through, but hold a cat well.</source>
        <translation>Cuesta abrirse paso por filas de tres cajas de fondo, pero retienen bien a un gato.</translation>
    </message>
    <message>
        <source>Posts</source>
        <translation>Pilares</translation>
    </message>
    <message>
        <source>Walls stand among the crates: a row pushed against a post stops there.</source>
        <translation>Hay muros entre las cajas: una fila empujada contra un pilar se detiene ahí.</translation>
    </message>
    <message>
        <source>Open ends</source>
        <translation>Extremos abiertos</translation>
    </message>
    <message>
        <source>The field stops short of the walls: the lanes open onto the floor at their ends, and the cats can come out.</source>
        <translation>El campo no llega hasta los muros: los pasillos dan al suelo libre por sus extremos, y los gatos pueden salir.</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>Lado a lado</translation>
    </message>
    <message>
        <source>Fields to the left and right of a road that runs down the middle.</source>
        <translation>Campos a izquierda y derecha de un camino que baja por el centro.</translation>
    </message>
    <message>
        <source>Fenced and cut</source>
        <translation>Cercado y cortado</translation>
    </message>
    <message>
        <source>Cheese fences and walls across the lanes together.</source>
        <translation>Vallas de queso y muros que cruzan los pasillos, todo a la vez.</translation>
    </message>
    <message>
        <source>The corner</source>
        <translation>La esquina</translation>
    </message>
    <message>
        <source>Two fields meet at a corner, one lying and one standing.</source>
        <translation>Dos campos se unen en una esquina, uno de filas tumbadas y otro de filas en pie.</translation>
    </message>
    <message>
        <source>Upright and holed</source>
        <translation>En pie y agujereado</translation>
    </message>
    <message>
        <source>Standing rows full of holes.</source>
        <translation>Filas en pie llenas de agujeros.</translation>
    </message>
    <message>
        <source>Posts and fences</source>
        <translation>Pilares y vallas</translation>
    </message>
    <message>
        <source>Posts in the rows, cheese in the lanes.</source>
        <translation>Pilares en las filas y queso en los pasillos.</translation>
    </message>
    <message>
        <source>Three in the field</source>
        <translation>Tres en el campo</translation>
    </message>
    <message>
        <source>Three cats: keep the ones you are not chasing shut in.</source>
        <translation>Tres gatos: mantén encerrados a los que no estés persiguiendo.</translation>
    </message>
    <message>
        <source>Narrow floor</source>
        <translation>Suelo estrecho</translation>
    </message>
    <message>
        <source>Only two rows of open floor to stand on.</source>
        <translation>Solo dos filas de suelo libre donde pisar.</translation>
    </message>
    <message>
        <source>Thick and cut</source>
        <translation>Grueso y cortado</translation>
    </message>
    <message>
        <source>Deep rows, and a wall across the lanes.</source>
        <translation>Filas profundas y un muro que cruza los pasillos.</translation>
    </message>
    <message>
        <source>Gaps in the rows</source>
        <translation>Brechas en las filas</translation>
    </message>
    <message>
        <source>Holes in the rows let the cats change lanes: close the holes near them first.</source>
        <translation>Los agujeros de las filas dejan a los gatos cambiar de pasillo: cierra primero los que tengan cerca.</translation>
    </message>
    <message>
        <source>Middle road</source>
        <translation>Camino central</translation>
    </message>
    <message>
        <source>The mouse starts on a road through the middle, with fields above and below.</source>
        <translation>El ratón empieza en un camino por el centro, con campos arriba y abajo.</translation>
    </message>
    <message>
        <source>Bait on both sides</source>
        <translation>Cebo a ambos lados</translation>
    </message>
    <message>
        <source>Cheese in the lanes of a field split down the middle.</source>
        <translation>Queso en los pasillos de un campo partido por la mitad.</translation>
    </message>
    <message>
        <source>Four cats</source>
        <translation>Cuatro gatos</translation>
    </message>
    <message>
        <source>Four cats in flat rows.</source>
        <translation>Cuatro gatos en filas tumbadas.</translation>
    </message>
    <message>
        <source>Wide lanes</source>
        <translation>Pasillos anchos</translation>
    </message>
    <message>
        <source>Some lanes are two cells wide: a cat there needs two crates beside it.</source>
        <translation>Algunos pasillos tienen dos casillas de ancho: un gato ahí necesita dos cajas a su lado.</translation>
    </message>
    <message>
        <source>Mixed field</source>
        <translation>Campo mixto</translation>
    </message>
    <message>
        <source>Rows lying and standing, two and three deep.</source>
        <translation>Filas tumbadas y en pie, de dos y tres cajas de fondo.</translation>
    </message>
    <message>
        <source>Wide and holed</source>
        <translation>Ancho y agujereado</translation>
    </message>
    <message>
        <source>Wide lanes and holes: the cats have room to run.</source>
        <translation>Pasillos anchos y agujeros: los gatos tienen sitio para correr.</translation>
    </message>
    <message>
        <source>Five in the lanes</source>
        <translation>Cinco en los pasillos</translation>
    </message>
    <message>
        <source>Five cats in lanes that lie flat on the left and stand upright on the right.</source>
        <translation>Cinco gatos en pasillos tumbados a la izquierda y en pie a la derecha.</translation>
    </message>
    <message>
        <source>Crossroads</source>
        <translation>Cruce</translation>
    </message>
    <message>
        <source>Flat and standing rows meeting at the corner, with holes.</source>
        <translation>Filas tumbadas y en pie que se unen en la esquina, con agujeros.</translation>
    </message>
    <message>
        <source>Four standing</source>
        <translation>Cuatro en pie</translation>
    </message>
    <message>
        <source>Four cats in standing rows.</source>
        <translation>Cuatro gatos en filas en pie.</translation>
    </message>
    <message>
        <source>Split and fenced</source>
        <translation>Dividido y cercado</translation>
    </message>
    <message>
        <source>Fields above and below, cheese fences in every field.</source>
        <translation>Campos arriba y abajo, con vallas de queso en cada campo.</translation>
    </message>
    <message>
        <source>Six cats</source>
        <translation>Seis gatos</translation>
    </message>
    <message>
        <source>Six cats where two fields meet, with holes and posts.</source>
        <translation>Seis gatos donde se unen dos campos, con agujeros y pilares.</translation>
    </message>
    <message>
        <source>Four on the road</source>
        <translation>Cuatro en el camino</translation>
    </message>
    <message>
        <source>Four cats on both sides of the middle road.</source>
        <translation>Cuatro gatos a ambos lados del camino central.</translation>
    </message>
    <message>
        <source>Five cats</source>
        <translation>Cinco gatos</translation>
    </message>
    <message>
        <source>Five cats in a field with a few holes.</source>
        <translation>Cinco gatos en un campo con unos pocos agujeros.</translation>
    </message>
    <message>
        <source>Five standing</source>
        <translation>Cinco en pie</translation>
    </message>
    <message>
        <source>Five cats in standing rows.</source>
        <translation>Cinco gatos en filas en pie.</translation>
    </message>
    <message>
        <source>Deep field</source>
        <translation>Campo profundo</translation>
    </message>
    <message>
        <source>Five cats among deep rows, a wide lane and posts.</source>
        <translation>Cinco gatos entre filas profundas, un pasillo ancho y pilares.</translation>
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
