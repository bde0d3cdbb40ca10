<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Limbora</source>
        <translation>Informazioni su Limbora</translation>
    </message>
    <message>
        <source>The Limbora team</source>
        <extracomment>Who made the program; follows &quot;Created by&quot;.</extracomment>
        <translation>team Limbora</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>The floor game&apos;s name and trademarks belong to their owners. Limbora is not connected with them.</source>
        <translation>Il nome e i marchi del gioco appartengono ai loro proprietari. Limbora non ha legami con loro.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number.</extracomment>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Tanglemat Random Generator</source>
        <extracomment>The program&apos;s long name, under its title.</extracomment>
        <translation>Generatore casuale Tanglemat</translation>
    </message>
    <message>
        <source>January 2004</source>
        <extracomment>The month the program was made.</extracomment>
        <translation>gennaio 2004</translation>
    </message>
    <message>
        <source>Click on Help--&gt;Contents or see the Readme.doc file for help, documentation, and other info.</source>
        <extracomment>Help--&gt;Contents names the menu items as translated in the main window.</extracomment>
        <translation>Fai clic su Aiuto--&gt;Sommario o leggi il file Readme.doc per aiuto, documentazione e altro.</translation>
    </message>
    <message>
        <source>Created by</source>
        <translation>Creato dal</translation>
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
        <translation>Configura Limbora</translation>
    </message>
    <message>
        <source>&amp;Pause after each call:</source>
        <translation>&amp;Pausa dopo ogni chiamata:</translation>
    </message>
    <message>
        <source>Cou&amp;ntdown before the first call:</source>
        <translation>&amp;Conto alla rovescia iniziale:</translation>
    </message>
    <message>
        <source>Limbs called</source>
        <translation>Arti chiamati</translation>
    </message>
    <message>
        <source>&amp;Left hand</source>
        <translation>Mano &amp;sinistra</translation>
    </message>
    <message>
        <source>&amp;Right hand</source>
        <translation>Mano &amp;destra</translation>
    </message>
    <message>
        <source>Left &amp;foot</source>
        <translation>Piede si&amp;nistro</translation>
    </message>
    <message>
        <source>Ri&amp;ght foot</source>
        <translation>Piede des&amp;tro</translation>
    </message>
    <message>
        <source>Colours called</source>
        <translation>Colori chiamati</translation>
    </message>
    <message>
        <source>Gr&amp;een</source>
        <translation>&amp;Verde</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>&amp;Giallo</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>&amp;Blu</translation>
    </message>
    <message>
        <source>Re&amp;d</source>
        <translation>&amp;Rosso</translation>
    </message>
    <message>
        <source>At least one limb and one colour must stay chosen.</source>
        <translation>Devono restare scelti almeno un arto e un colore.</translation>
    </message>
    <message>
        <source>&amp;Speak the calls</source>
        <translation>Pronuncia le chiamate ad &amp;alta voce</translation>
    </message>
    <message>
        <source>&amp;Allow the same call twice in a row</source>
        <translation>Consenti la stessa chiamata due volte di seg&amp;uito</translation>
    </message>
    <message>
        <source>Start in f&amp;ull screen</source>
        <translation>Avvia a sch&amp;ermo intero</translation>
    </message>
    <message>
        <source>Volume</source>
        <extracomment>For screen readers: the slider that sets how loud the calls and chimes are.</extracomment>
        <translation>Volume</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>The volume, in per cent.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>&amp;Volume of the calls:</source>
        <translation>V&amp;olume delle chiamate:</translation>
    </message>
    <message>
        <source>Game s&amp;ounds: countdown ticks, start and stop chimes</source>
        <extracomment>A tick for each of the countdown&apos;s last three seconds, a chime as a game starts and stops.</extracomment>
        <translation>Suoni de&amp;l gioco: tic del conto alla rovescia, rintocco all’avvio e all’arresto</translation>
    </message>
    <message>
        <source>&amp;Wait for Next</source>
        <extracomment>No pause runs after a call: the next call comes when the host asks for it (N, the Next button in full screen, a remote&apos;s Next), like a spinner that waits to be spun.</extracomment>
        <translation>Sen&amp;za pausa: prossima chiamata su richiesta</translation>
    </message>
    <message>
        <source>Up to nine names. With two or more, full screen lists them: a tap puts a player out, and the last one in wins.</source>
        <extracomment>Greyed in the empty list of players in Configure.</extracomment>
        <translation>Fino a nove nomi. Con due o più, lo schermo intero li mostra: un tocco su un nome elimina quel giocatore, e l’ultimo rimasto vince.</translation>
    </message>
    <message>
        <source>W&amp;ho plays (one name a line):</source>
        <extracomment>Configure: the list of players&apos; names, which full screen shows during a game.</extracomment>
        <translation>C&amp;hi gioca (un nome per riga):</translation>
    </message>
</context>
<context>
    <name>FullScreenHint</name>
    <message>
        <source>Esc leaves full screen</source>
        <extracomment>Shown for a few seconds on entering full screen and when the mouse moves there. Esc is the Escape key as its cap reads on your keyboards.</extracomment>
        <translation>Esc per uscire dallo schermo intero</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>The game will start</source>
        <extracomment>Status while the countdown before the first call runs.</extracomment>
        <translation>La partita sta per iniziare</translation>
    </message>
    <message>
        <source>(Game in progress)</source>
        <extracomment>Status while calls are being made.</extracomment>
        <translation>(Partita in corso)</translation>
    </message>
    <message>
        <source>(Game stopped)</source>
        <extracomment>Status once Stop was pressed.</extracomment>
        <translation>(Partita fermata)</translation>
    </message>
    <message numerus="yes">
        <source>in %n seconds...</source>
        <extracomment>Seconds left before the first call. The English text keeps &quot;in 1 seconds...&quot; on purpose; translations use their correct singular and plural.</extracomment>
        <translation>
            <numerusform>tra %n secondo...</numerusform>
            <numerusform>tra %n secondi...</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A whole call to the players: %1 is the limb, %2 the colour, as in &quot;LEFT HAND GREEN&quot;. Join and order them as a caller in your language says it, e.g. &quot;%1 SUR LE %2&quot;. All four colours and limbs fill the same text. In full screen a long call goes over two lines, broken where the limb ends.</extracomment>
        <translation>%1 SUL %2</translation>
    </message>
    <message>
        <source>LEFT HAND</source>
        <extracomment>A limb the players must move, called out in the game.</extracomment>
        <translation>MANO SINISTRA</translation>
    </message>
    <message>
        <source>RIGHT HAND</source>
        <extracomment>A limb the players must move, called out in the game.</extracomment>
        <translation>MANO DESTRA</translation>
    </message>
    <message>
        <source>LEFT FOOT</source>
        <extracomment>A limb the players must move, called out in the game.</extracomment>
        <translation>PIEDE SINISTRO</translation>
    </message>
    <message>
        <source>RIGHT FOOT</source>
        <extracomment>A limb the players must move, called out in the game.</extracomment>
        <translation>PIEDE DESTRO</translation>
    </message>
    <message>
        <source>GREEN</source>
        <extracomment>A colour of the spots on the mat, called out in the game.</extracomment>
        <translation>VERDE</translation>
    </message>
    <message>
        <source>YELLOW</source>
        <extracomment>A colour of the spots on the mat, called out in the game.</extracomment>
        <translation>GIALLO</translation>
    </message>
    <message>
        <source>BLUE</source>
        <extracomment>A colour of the spots on the mat, called out in the game.</extracomment>
        <translation>BLU</translation>
    </message>
    <message>
        <source>RED</source>
        <extracomment>A colour of the spots on the mat, called out in the game.</extracomment>
        <translation>ROSSO</translation>
    </message>
    <message>
        <source>%1 </source>
        <extracomment>The limb alone (%1), shown and spoken before its colour joins it. The English keeps a blank at the end, where the colour will follow.</extracomment>
        <translation>%1 </translation>
    </message>
    <message>
        <source>(Game paused)</source>
        <extracomment>Status while the host holds the game (Game &gt; Pause, or P).</extracomment>
        <translation>(Partita in pausa)</translation>
    </message>
    <message>
        <source>%1 wins!</source>
        <extracomment>Large on the stage and as a remote&apos;s title when one player is left: %1 is the name.</extracomment>
        <translation>Vince %1!</translation>
    </message>
</context>
<context>
    <name>GamePresenter</name>
    <message>
        <source>Game status</source>
        <extracomment>For screen readers: the status label while it is empty.</extracomment>
        <translation>Stato della partita</translation>
    </message>
    <message>
        <source>Call</source>
        <extracomment>For screen readers: the call label while it is empty.</extracomment>
        <translation>Chiamata</translation>
    </message>
    <message>
        <source>The current call: a limb, then its colour</source>
        <extracomment>For screen readers: what the call label shows.</extracomment>
        <translation>La chiamata attuale: una mano o un piede, poi il suo colore</translation>
    </message>
    <message>
        <source>Where the game stands</source>
        <extracomment>For screen readers: what the status label shows.</extracomment>
        <translation>A che punto è la partita</translation>
    </message>
    <message>
        <source>Stop the game</source>
        <extracomment>For screen readers: what the Stop button does.</extracomment>
        <translation>Ferma la partita</translation>
    </message>
    <message numerus="yes">
        <source>Start a game: calls begin after %n seconds</source>
        <extracomment>For screen readers: what the Start button does; %n is the countdown in seconds.</extracomment>
        <translation>
            <numerusform>Inizia una partita: le chiamate partono dopo %n secondo</numerusform>
            <numerusform>Inizia una partita: le chiamate partono dopo %n secondi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HiddenWindow</name>
    <message>
        <source>Hidden Window!</source>
        <translation>Finestra nascosta!</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Limbora, by the Limbora team</source>
        <translation>Limbora, dal team Limbora</translation>
    </message>
    <message>
        <source>Drawn by us</source>
        <extracomment>Credit for the portrait beside it.</extracomment>
        <translation>Disegnato da noi</translation>
    </message>
    <message>
        <source>Thank you for playing, and for every tangle you laughed your way out of!</source>
        <translation>Grazie per aver giocato, e per ogni groviglio da cui siete usciti ridendo!</translation>
    </message>
</context>
<context>
    <name>IdleInhibitor</name>
    <message>
        <source>A game is running</source>
        <extracomment>Told to the desktop, which may show it, while Limbora keeps the screen awake.</extracomment>
        <translation>È in corso una partita</translation>
    </message>
</context>
<context>
    <name>LimbSpot</name>
    <message>
        <source>Picture of the call</source>
        <extracomment>For screen readers: the picture of the call in full screen, while no call stands.</extracomment>
        <translation>Immagine della chiamata</translation>
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
        <translation>&amp;INIZIA</translation>
    </message>
    <message>
        <source>&amp;STOP!</source>
        <extracomment>Stops the game. See the comment on &quot;&amp;START&quot; for the access key.</extracomment>
        <translation>FE&amp;RMA!</translation>
    </message>
    <message>
        <source>Game board</source>
        <extracomment>For screen readers: the picture behind the buttons.</extracomment>
        <translation>Tappeto di gioco</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>Opens the help page. The About box names this item as Help--&gt;Contents.</extracomment>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;About Limbora</source>
        <translation>&amp;Informazioni su Limbora</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gioco</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Inizia partita</translation>
    </message>
    <message>
        <source>S&amp;top Game</source>
        <translation>&amp;Ferma partita</translation>
    </message>
    <message>
        <source>&amp;Repeat Call</source>
        <translation>&amp;Ripeti chiamata</translation>
    </message>
    <message>
        <source>Se&amp;ttings</source>
        <translation>I&amp;mpostazioni</translation>
    </message>
    <message>
        <source>&amp;Full Screen Mode</source>
        <translation>Modalità a &amp;schermo intero</translation>
    </message>
    <message>
        <source>&amp;Configure Limbora…</source>
        <translation>&amp;Configura Limbora…</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <extracomment>Holds the game where it stands until chosen again (also P or the Pause key).</extracomment>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>Your options could not be saved. They apply until Limbora is closed.</source>
        <extracomment>After Configure&apos;s OK, where the settings file can&apos;t be written.</extracomment>
        <translation>Non è stato possibile salvare le tue opzioni. Valgono fino alla chiusura di Limbora.</translation>
    </message>
    <message>
        <source>&amp;Next Call</source>
        <extracomment>Makes the next call at once, ending the countdown or the pause (also N).</extracomment>
        <translation>Chiamata s&amp;uccessiva</translation>
    </message>
</context>
<context>
    <name>NextCallRing</name>
    <message>
        <source>Time to the next call</source>
        <extracomment>For screen readers: the ring in full screen that empties until the next call.</extracomment>
        <translation>Tempo alla prossima chiamata</translation>
    </message>
</context>
<context>
    <name>PausedVeil</name>
    <message>
        <source>Paused</source>
        <extracomment>Large, over the whole screen while a game is paused in full screen.</extracomment>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>Seconds left: %1</source>
        <extracomment>Under &quot;Paused&quot;: how long the countdown or the pause had left when the game was paused.</extracomment>
        <translation>Secondi rimanenti: %1</translation>
    </message>
</context>
<context>
    <name>PlayerList</name>
    <message>
        <source>Players</source>
        <extracomment>For screen readers: the players&apos; names shown in full screen.</extracomment>
        <translation>Giocatori</translation>
    </message>
    <message>
        <source>%1, out</source>
        <extracomment>For screen readers: a player&apos;s name on the stage once that player is out.</extracomment>
        <translation>%1, fuori</translation>
    </message>
</context>
<context>
    <name>StageControls</name>
    <message>
        <source>Game controls</source>
        <extracomment>For screen readers: the row of large buttons shown in full screen.</extracomment>
        <translation>Comandi del gioco</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>A large button in full screen: starts a game.</extracomment>
        <translation>Inizia</translation>
    </message>
    <message>
        <source>Repeat Call</source>
        <extracomment>A large button in full screen: says the current call again.</extracomment>
        <translation>Ripeti chiamata</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>A large button in full screen: stops the game.</extracomment>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Resume</source>
        <extracomment>A large button in full screen, in place of Pause while the game holds: goes on with it.</extracomment>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Pause</source>
        <extracomment>A large button in full screen: holds the game.</extracomment>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>A large button in full screen: makes the next call at once.</extracomment>
        <translation>Avanti</translation>
    </message>
</context>
<context>
    <name>VoiceRecorder</name>
    <message>
        <source>Voice</source>
        <translation>Voce</translation>
    </message>
    <message>
        <source>Bu&amp;ilt-in voice</source>
        <translation>Voce &amp;integrata</translation>
    </message>
    <message>
        <source>&amp;My voice</source>
        <translation>La &amp;mia voce</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registra</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Record %1</source>
        <extracomment>%1 is a call word as the window shows it, e.g. LEFT HAND; for screen readers</extracomment>
        <translation>Registra %1</translation>
    </message>
    <message>
        <source>Play %1</source>
        <extracomment>%1 is a call word, for screen readers</extracomment>
        <translation>Riproduci %1</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <extracomment>%1 is a call word, for screen readers</extracomment>
        <translation>Rimuovi %1</translation>
    </message>
    <message>
        <source>Recorder</source>
        <translation>Registratore</translation>
    </message>
    <message>
        <source>A word you don&apos;t record is spoken by the built-in voice.</source>
        <translation>Una parola che non registri viene detta dalla voce integrata.</translation>
    </message>
    <message>
        <source>Speak now: %1</source>
        <extracomment>%1 is the call word to say, e.g. LEFT HAND</extracomment>
        <translation>Parla ora: %1</translation>
    </message>
    <message>
        <source>Waiting for the microphone…</source>
        <translation>In attesa del microfono…</translation>
    </message>
    <message>
        <source>Removed %1: the built-in voice says it.</source>
        <extracomment>%1 is a call word</extracomment>
        <translation>Registrazione di %1 rimossa: la parola la dice la voce integrata.</translation>
    </message>
    <message>
        <source>%1 could not be removed.</source>
        <translation>Non è stato possibile rimuovere la registrazione di %1.</translation>
    </message>
    <message>
        <source>Nothing was heard: check the microphone, then record again.</source>
        <translation>Non si è sentito nulla: controlla il microfono e registra di nuovo.</translation>
    </message>
    <message>
        <source>The recording could not be saved in %1.</source>
        <translation>Non è stato possibile salvare la registrazione in %1.</translation>
    </message>
    <message>
        <source>%1 is recorded, but it was too loud and sounds distorted: record it again a little farther from the microphone.</source>
        <translation>%1: registrato, ma troppo forte e distorto. Registra di nuovo un po’ più lontano dal microfono.</translation>
    </message>
    <message>
        <source>%1 is recorded.</source>
        <translation>%1: registrato.</translation>
    </message>
    <message>
        <source>No sound server is running: nothing was recorded.</source>
        <translation>Nessun server audio è attivo: non è stato registrato nulla.</translation>
    </message>
    <message>
        <source>No microphone answers: nothing was recorded.</source>
        <translation>Nessun microfono risponde: non è stato registrato nulla.</translation>
    </message>
    <message>
        <source>Limbora may not use the microphone: nothing was recorded.</source>
        <translation>Limbora non ha il permesso di usare il microfono: non è stato registrato nulla.</translation>
    </message>
    <message>
        <source>The sound server went away while recording: nothing was recorded.</source>
        <translation>Il server audio è scomparso durante la registrazione: non è stato registrato nulla.</translation>
    </message>
    <message>
        <source>recording…</source>
        <translation>registrazione…</translation>
    </message>
    <message>
        <source>my voice</source>
        <translation>la mia voce</translation>
    </message>
    <message>
        <source>built-in</source>
        <translation>integrata</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Speak this language for this run: %1.</source>
        <extracomment>Help for --language; %1 lists the language codes.</extracomment>
        <translation>Usa questa lingua per questo avvio: %1.</translation>
    </message>
    <message>
        <source>code</source>
        <extracomment>The value of --language, in --help.</extracomment>
        <translation>codice</translation>
    </message>
    <message>
        <source>no language &quot;%1&quot;; speaking English</source>
        <translation>nessuna lingua «%1», si usa l’inglese</translation>
    </message>
    <message>
        <source>Calls a random hand or foot and colour for a floor party game.</source>
        <translation>Chiama a caso una mano o un piede e un colore per un gioco di società sul tappeto.</translation>
    </message>
    <message>
        <source>no display to show the window on (DISPLAY is not set, or names no display that answers)</source>
        <extracomment>Printed when there is no display, or the one named doesn&apos;t answer; DISPLAY is the name of an environment variable, not to be translated.</extracomment>
        <translation>nessuno schermo su cui mostrare la finestra (DISPLAY non è impostata o indica uno schermo che non risponde)</translation>
    </message>
</context>
</TS>
