<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Limbora</source>
        <translation>Acerca de Limbora</translation>
    </message>
    <message>
        <source>The Limbora team</source>
        <extracomment>Who made the program; follows &quot;Created by&quot;.</extracomment>
        <translation>el equipo Limbora</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>The floor game&apos;s name and trademarks belong to their owners. Limbora is not connected with them.</source>
        <translation>El nombre y las marcas del juego pertenecen a sus dueños. Limbora no tiene relación con ellos.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number.</extracomment>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Tanglemat Random Generator</source>
        <extracomment>The program&apos;s long name, under its title.</extracomment>
        <translation>Generador aleatorio Tanglemat</translation>
    </message>
    <message>
        <source>January 2004</source>
        <extracomment>The month the program was made.</extracomment>
        <translation>enero de 2004</translation>
    </message>
    <message>
        <source>Click on Help--&gt;Contents or see the Readme.doc file for help, documentation, and other info.</source>
        <extracomment>Help--&gt;Contents names the menu items as translated in the main window.</extracomment>
        <translation>Haz clic en Ayuda--&gt;Contenido o lee el archivo Readme.doc para ayuda y documentación.</translation>
    </message>
    <message>
        <source>Created by</source>
        <translation>Creado por</translation>
    </message>
</context>
<context>
    <name>ConfigureDialog</name>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Configure Limbora</source>
        <translation>Configurar Limbora</translation>
    </message>
    <message>
        <source>&amp;Pause after each call:</source>
        <translation>&amp;Pausa tras cada jugada:</translation>
    </message>
    <message>
        <source>Cou&amp;ntdown before the first call:</source>
        <translation>Cuenta &amp;atrás antes de la primera jugada:</translation>
    </message>
    <message>
        <source>Limbs called</source>
        <translation>Extremidades en juego</translation>
    </message>
    <message>
        <source>&amp;Left hand</source>
        <translation>Mano &amp;izquierda</translation>
    </message>
    <message>
        <source>&amp;Right hand</source>
        <translation>Mano d&amp;erecha</translation>
    </message>
    <message>
        <source>Left &amp;foot</source>
        <translation>Pie i&amp;zquierdo</translation>
    </message>
    <message>
        <source>Ri&amp;ght foot</source>
        <translation>Pie derec&amp;ho</translation>
    </message>
    <message>
        <source>Colours called</source>
        <translation>Colores en juego</translation>
    </message>
    <message>
        <source>Gr&amp;een</source>
        <translation>&amp;Verde</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>A&amp;marillo</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>Az&amp;ul</translation>
    </message>
    <message>
        <source>Re&amp;d</source>
        <translation>&amp;Rojo</translation>
    </message>
    <message>
        <source>At least one limb and one colour must stay chosen.</source>
        <translation>Debe quedar elegida al menos una extremidad y un color.</translation>
    </message>
    <message>
        <source>&amp;Speak the calls</source>
        <translation>&amp;Decir las jugadas en voz alta</translation>
    </message>
    <message>
        <source>&amp;Allow the same call twice in a row</source>
        <translation>Permitir la misma jugada dos veces &amp;seguidas</translation>
    </message>
    <message>
        <source>Start in f&amp;ull screen</source>
        <translation>Iniciar en pantalla &amp;completa</translation>
    </message>
    <message>
        <source>Volume</source>
        <extracomment>For screen readers: the slider that sets how loud the calls and chimes are.</extracomment>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>The volume, in per cent.</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>&amp;Volume of the calls:</source>
        <translation>V&amp;olumen de las jugadas:</translation>
    </message>
    <message>
        <source>Game s&amp;ounds: countdown ticks, start and stop chimes</source>
        <extracomment>A tick for each of the countdown&apos;s last three seconds, a chime as a game starts and stops.</extracomment>
        <translation>Sonidos del &amp;juego: tictac de la cuenta atrás, campanilla al empezar y al parar</translation>
    </message>
    <message>
        <source>&amp;Wait for Next</source>
        <extracomment>No pause runs after a call: the next call comes when the host asks for it (N, the Next button in full screen, a remote&apos;s Next), like a spinner that waits to be spun.</extracomment>
        <translation>Esperar a «Siguien&amp;te»</translation>
    </message>
    <message>
        <source>Up to nine names. With two or more, full screen lists them: a tap puts a player out, and the last one in wins.</source>
        <extracomment>Greyed in the empty list of players in Configure.</extracomment>
        <translation>Hasta nueve nombres. Con dos o más, la pantalla completa los muestra: un toque en un nombre elimina a ese jugador, y el último que queda gana.</translation>
    </message>
    <message>
        <source>W&amp;ho plays (one name a line):</source>
        <extracomment>Configure: the list of players&apos; names, which full screen shows during a game.</extracomment>
        <translation>¿&amp;Quién juega? (un nombre por línea):</translation>
    </message>
</context>
<context>
    <name>FullScreenHint</name>
    <message>
        <source>Esc leaves full screen</source>
        <extracomment>Shown for a few seconds on entering full screen and when the mouse moves there. Esc is the Escape key as its cap reads on your keyboards.</extracomment>
        <translation>Esc para salir de la pantalla completa</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>The game will start</source>
        <extracomment>Status while the countdown before the first call runs.</extracomment>
        <translation>La partida va a empezar</translation>
    </message>
    <message>
        <source>(Game in progress)</source>
        <extracomment>Status while calls are being made.</extracomment>
        <translation>(Partida en curso)</translation>
    </message>
    <message>
        <source>(Game stopped)</source>
        <extracomment>Status once Stop was pressed.</extracomment>
        <translation>(Partida detenida)</translation>
    </message>
    <message numerus="yes">
        <source>in %n seconds...</source>
        <extracomment>Seconds left before the first call. The English text keeps &quot;in 1 seconds...&quot; on purpose; translations use their correct singular and plural.</extracomment>
        <translation>
            <numerusform>en %n segundo...</numerusform>
            <numerusform>en %n segundos...</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A whole call to the players: %1 is the limb, %2 the colour, as in &quot;LEFT HAND GREEN&quot;. Join and order them as a caller in your language says it, e.g. &quot;%1 SUR LE %2&quot;. All four colours and limbs fill the same text. In full screen a long call goes over two lines, broken where the limb ends.</extracomment>
        <translation>%1 AL %2</translation>
    </message>
    <message>
        <source>LEFT HAND</source>
        <extracomment>A limb the players must move, called out in the game.</extracomment>
        <translation>MANO IZQUIERDA</translation>
    </message>
    <message>
        <source>RIGHT HAND</source>
        <extracomment>A limb the players must move, called out in the game.</extracomment>
        <translation>MANO DERECHA</translation>
    </message>
    <message>
        <source>LEFT FOOT</source>
        <extracomment>A limb the players must move, called out in the game.</extracomment>
        <translation>PIE IZQUIERDO</translation>
    </message>
    <message>
        <source>RIGHT FOOT</source>
        <extracomment>A limb the players must move, called out in the game.</extracomment>
        <translation>PIE DERECHO</translation>
    </message>
    <message>
        <source>GREEN</source>
        <extracomment>A colour of the spots on the mat, called out in the game.</extracomment>
        <translation>VERDE</translation>
    </message>
    <message>
        <source>YELLOW</source>
        <extracomment>A colour of the spots on the mat, called out in the game.</extracomment>
        <translation>AMARILLO</translation>
    </message>
    <message>
        <source>BLUE</source>
        <extracomment>A colour of the spots on the mat, called out in the game.</extracomment>
        <translation>AZUL</translation>
    </message>
    <message>
        <source>RED</source>
        <extracomment>A colour of the spots on the mat, called out in the game.</extracomment>
        <translation>ROJO</translation>
    </message>
    <message>
        <source>%1 </source>
        <extracomment>The limb alone (%1), shown and spoken before its colour joins it. The English keeps a blank at the end, where the colour will follow.</extracomment>
        <translation>%1 </translation>
    </message>
    <message>
        <source>(Game paused)</source>
        <extracomment>Status while the host holds the game (Game &gt; Pause, or P).</extracomment>
        <translation>(Partida en pausa)</translation>
    </message>
    <message>
        <source>%1 wins!</source>
        <extracomment>Large on the stage and as a remote&apos;s title when one player is left: %1 is the name.</extracomment>
        <translation>¡Gana %1!</translation>
    </message>
</context>
<context>
    <name>GamePresenter</name>
    <message>
        <source>Game status</source>
        <extracomment>For screen readers: the status label while it is empty.</extracomment>
        <translation>Estado de la partida</translation>
    </message>
    <message>
        <source>Call</source>
        <extracomment>For screen readers: the call label while it is empty.</extracomment>
        <translation>Jugada</translation>
    </message>
    <message>
        <source>The current call: a limb, then its colour</source>
        <extracomment>For screen readers: what the call label shows.</extracomment>
        <translation>La jugada actual: una mano o un pie y luego su color</translation>
    </message>
    <message>
        <source>Where the game stands</source>
        <extracomment>For screen readers: what the status label shows.</extracomment>
        <translation>Cómo va la partida</translation>
    </message>
    <message>
        <source>Stop the game</source>
        <extracomment>For screen readers: what the Stop button does.</extracomment>
        <translation>Detener la partida</translation>
    </message>
    <message numerus="yes">
        <source>Start a game: calls begin after %n seconds</source>
        <extracomment>For screen readers: what the Start button does; %n is the countdown in seconds.</extracomment>
        <translation>
            <numerusform>Empezar una partida: las jugadas empiezan al cabo de %n segundo</numerusform>
            <numerusform>Empezar una partida: las jugadas empiezan a los %n segundos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HiddenWindow</name>
    <message>
        <source>Hidden Window!</source>
        <translation>¡Ventana oculta!</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Limbora, by the Limbora team</source>
        <translation>Limbora, del equipo Limbora</translation>
    </message>
    <message>
        <source>Drawn by us</source>
        <extracomment>Credit for the portrait beside it.</extracomment>
        <translation>Dibujo propio</translation>
    </message>
    <message>
        <source>Thank you for playing, and for every tangle you laughed your way out of!</source>
        <translation>¡Gracias por jugar y por cada enredo del que salisteis riendo!</translation>
    </message>
</context>
<context>
    <name>IdleInhibitor</name>
    <message>
        <source>A game is running</source>
        <extracomment>Told to the desktop, which may show it, while Limbora keeps the screen awake.</extracomment>
        <translation>Hay una partida en marcha</translation>
    </message>
</context>
<context>
    <name>LimbSpot</name>
    <message>
        <source>Picture of the call</source>
        <extracomment>For screen readers: the picture of the call in full screen, while no call stands.</extracomment>
        <translation>Imagen de la jugada</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Limbora</source>
        <extracomment>The program&apos;s name, in the title bar.</extracomment>
        <translation>Limbora</translation>
    </message>
    <message>
        <source>&amp;START</source>
        <extracomment>Starts a game. Start and Stop share their access key (&amp;) in English, so that one key starts and stops; keep one letter for both where your language allows.</extracomment>
        <translation>EM&amp;PEZAR</translation>
    </message>
    <message>
        <source>&amp;STOP!</source>
        <extracomment>Stops the game. See the comment on &quot;&amp;START&quot; for the access key.</extracomment>
        <translation>¡&amp;PARAR!</translation>
    </message>
    <message>
        <source>Game board</source>
        <extracomment>For screen readers: the picture behind the buttons.</extracomment>
        <translation>Alfombra de juego</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>Opens the help page. The About box names this item as Help--&gt;Contents.</extracomment>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;About Limbora</source>
        <translation>&amp;Acerca de Limbora</translation>
    </message>
    <message>
        <source></source>
        <translation></translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Empezar partida</translation>
    </message>
    <message>
        <source>S&amp;top Game</source>
        <translation>&amp;Parar partida</translation>
    </message>
    <message>
        <source>&amp;Repeat Call</source>
        <translation>&amp;Repetir jugada</translation>
    </message>
    <message>
        <source>Se&amp;ttings</source>
        <translation>P&amp;referencias</translation>
    </message>
    <message>
        <source>&amp;Full Screen Mode</source>
        <translation>&amp;Modo de pantalla completa</translation>
    </message>
    <message>
        <source>&amp;Configure Limbora…</source>
        <translation>&amp;Configurar Limbora…</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <extracomment>Holds the game where it stands until chosen again (also P or the Pause key).</extracomment>
        <translation>Pa&amp;usa</translation>
    </message>
    <message>
        <source>Your options could not be saved. They apply until Limbora is closed.</source>
        <extracomment>After Configure&apos;s OK, where the settings file can&apos;t be written.</extracomment>
        <translation>No se pudieron guardar tus opciones. Se aplican hasta que cierres Limbora.</translation>
    </message>
    <message>
        <source>&amp;Next Call</source>
        <extracomment>Makes the next call at once, ending the countdown or the pause (also N).</extracomment>
        <translation>&amp;Siguiente jugada</translation>
    </message>
</context>
<context>
    <name>NextCallRing</name>
    <message>
        <source>Time to the next call</source>
        <extracomment>For screen readers: the ring in full screen that empties until the next call.</extracomment>
        <translation>Tiempo hasta la próxima jugada</translation>
    </message>
</context>
<context>
    <name>PausedVeil</name>
    <message>
        <source>Paused</source>
        <extracomment>Large, over the whole screen while a game is paused in full screen.</extracomment>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Seconds left: %1</source>
        <extracomment>Under &quot;Paused&quot;: how long the countdown or the pause had left when the game was paused.</extracomment>
        <translation>Segundos restantes: %1</translation>
    </message>
</context>
<context>
    <name>PlayerList</name>
    <message>
        <source>Players</source>
        <extracomment>For screen readers: the players&apos; names shown in full screen.</extracomment>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>%1, out</source>
        <extracomment>For screen readers: a player&apos;s name on the stage once that player is out.</extracomment>
        <translation>%1, fuera</translation>
    </message>
</context>
<context>
    <name>StageControls</name>
    <message>
        <source>Game controls</source>
        <extracomment>For screen readers: the row of large buttons shown in full screen.</extracomment>
        <translation>Controles del juego</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>A large button in full screen: starts a game.</extracomment>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Repeat Call</source>
        <extracomment>A large button in full screen: says the current call again.</extracomment>
        <translation>Repetir jugada</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>A large button in full screen: stops the game.</extracomment>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Resume</source>
        <extracomment>A large button in full screen, in place of Pause while the game holds: goes on with it.</extracomment>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Pause</source>
        <extracomment>A large button in full screen: holds the game.</extracomment>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>A large button in full screen: makes the next call at once.</extracomment>
        <translation>Siguiente</translation>
    </message>
</context>
<context>
    <name>VoiceRecorder</name>
    <message>
        <source>Voice</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>Bu&amp;ilt-in voice</source>
        <translation>Voz i&amp;ntegrada</translation>
    </message>
    <message>
        <source>&amp;My voice</source>
        <translation>Mi voz &amp;grabada</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Record %1</source>
        <extracomment>%1 is a call word as the window shows it, e.g. LEFT HAND; for screen readers</extracomment>
        <translation>Grabar %1</translation>
    </message>
    <message>
        <source>Play %1</source>
        <extracomment>%1 is a call word, for screen readers</extracomment>
        <translation>Reproducir %1</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <extracomment>%1 is a call word, for screen readers</extracomment>
        <translation>Quitar %1</translation>
    </message>
    <message>
        <source>Recorder</source>
        <translation>Grabadora</translation>
    </message>
    <message>
        <source>A word you don&apos;t record is spoken by the built-in voice.</source>
        <translation>Una palabra que no grabes la dice la voz integrada.</translation>
    </message>
    <message>
        <source>Speak now: %1</source>
        <extracomment>%1 is the call word to say, e.g. LEFT HAND</extracomment>
        <translation>Habla ahora: %1</translation>
    </message>
    <message>
        <source>Waiting for the microphone…</source>
        <translation>Esperando al micrófono…</translation>
    </message>
    <message>
        <source>Removed %1: the built-in voice says it.</source>
        <extracomment>%1 is a call word</extracomment>
        <translation>Grabación de %1 quitada: la palabra la dice la voz integrada.</translation>
    </message>
    <message>
        <source>%1 could not be removed.</source>
        <translation>No se pudo quitar la grabación de %1.</translation>
    </message>
    <message>
        <source>Nothing was heard: check the microphone, then record again.</source>
        <translation>No se oyó nada: revisa el micrófono y vuelve a grabar.</translation>
    </message>
    <message>
        <source>The recording could not be saved in %1.</source>
        <translation>No se pudo guardar la grabación en %1.</translation>
    </message>
    <message>
        <source>%1 is recorded, but it was too loud and sounds distorted: record it again a little farther from the microphone.</source>
        <translation>%1: grabado, pero demasiado fuerte y suena distorsionado. Vuelve a grabar un poco más lejos del micrófono.</translation>
    </message>
    <message>
        <source>%1 is recorded.</source>
        <translation>%1: grabado.</translation>
    </message>
    <message>
        <source>No sound server is running: nothing was recorded.</source>
        <translation>No hay ningún servidor de sonido en marcha: no se grabó nada.</translation>
    </message>
    <message>
        <source>No microphone answers: nothing was recorded.</source>
        <translation>Ningún micrófono responde: no se grabó nada.</translation>
    </message>
    <message>
        <source>Limbora may not use the microphone: nothing was recorded.</source>
        <translation>Limbora no tiene permiso para usar el micrófono: no se grabó nada.</translation>
    </message>
    <message>
        <source>The sound server went away while recording: nothing was recorded.</source>
        <translation>El servidor de sonido desapareció durante la grabación: no se grabó nada.</translation>
    </message>
    <message>
        <source>recording…</source>
        <translation>grabando…</translation>
    </message>
    <message>
        <source>my voice</source>
        <translation>mi voz</translation>
    </message>
    <message>
        <source>built-in</source>
        <translation>integrada</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Speak this language for this run: %1.</source>
        <extracomment>Help for --language; %1 lists the language codes.</extracomment>
        <translation>Usar este idioma en esta ejecución: %1.</translation>
    </message>
    <message>
        <source>code</source>
        <extracomment>The value of --language, in --help.</extracomment>
        <translation>código</translation>
    </message>
    <message>
        <source>no language &quot;%1&quot;; speaking English</source>
        <translation>no existe el idioma «%1», se usará el inglés</translation>
    </message>
    <message>
        <source>Calls a random hand or foot and colour for a floor party game.</source>
        <translation>Canta al azar una mano o un pie y un color en un juego para fiestas sobre una alfombra.</translation>
    </message>
    <message>
        <source>no display to show the window on (DISPLAY is not set, or names no display that answers)</source>
        <extracomment>Printed when there is no display, or the one named doesn&apos;t answer; DISPLAY is the name of an environment variable, not to be translated.</extracomment>
        <translation>no hay pantalla donde mostrar la ventana (DISPLAY no está definida o nombra una pantalla que no responde)</translation>
    </message>
</context>
</TS>
