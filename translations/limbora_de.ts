<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Limbora</source>
        <translation>Über Limbora</translation>
    </message>
    <message>
        <source>The Limbora team</source>
        <extracomment>Who made the program; follows &quot;Created by&quot;.</extracomment>
        <translation>Limbora-Team</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>The floor game&apos;s name and trademarks belong to their owners. Limbora is not connected with them.</source>
        <translation>Name und Marken des Spiels gehören ihren Inhabern. Limbora hat nichts mit ihnen zu tun.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number.</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Tanglemat Random Generator</source>
        <extracomment>The program&apos;s long name, under its title.</extracomment>
        <translation>Tanglemat-Zufallsgenerator</translation>
    </message>
    <message>
        <source>January 2004</source>
        <extracomment>The month the program was made.</extracomment>
        <translation>Januar 2004</translation>
    </message>
    <message>
        <source>Click on Help--&gt;Contents or see the Readme.doc file for help, documentation, and other info.</source>
        <extracomment>Help--&gt;Contents names the menu items as translated in the main window.</extracomment>
        <translation>Klick auf Hilfe--&gt;Inhalt oder lies die Datei Readme.doc für Hilfe, Dokumentation und mehr.</translation>
    </message>
    <message>
        <source>Created by</source>
        <translation>Erstellt vom</translation>
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
        <translation>Limbora einrichten</translation>
    </message>
    <message>
        <source>&amp;Pause after each call:</source>
        <translation>&amp;Pause nach jeder Ansage:</translation>
    </message>
    <message>
        <source>Cou&amp;ntdown before the first call:</source>
        <translation>&amp;Countdown vor der ersten Ansage:</translation>
    </message>
    <message>
        <source>Limbs called</source>
        <translation>Angesagte Hände und Füße</translation>
    </message>
    <message>
        <source>&amp;Left hand</source>
        <translation>&amp;Linke Hand</translation>
    </message>
    <message>
        <source>&amp;Right hand</source>
        <translation>&amp;Rechte Hand</translation>
    </message>
    <message>
        <source>Left &amp;foot</source>
        <translation>Linker &amp;Fuß</translation>
    </message>
    <message>
        <source>Ri&amp;ght foot</source>
        <translation>Rechter F&amp;uß</translation>
    </message>
    <message>
        <source>Colours called</source>
        <translation>Angesagte Farben</translation>
    </message>
    <message>
        <source>Gr&amp;een</source>
        <translation>&amp;Grün</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>G&amp;elb</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>&amp;Blau</translation>
    </message>
    <message>
        <source>Re&amp;d</source>
        <translation>R&amp;ot</translation>
    </message>
    <message>
        <source>At least one limb and one colour must stay chosen.</source>
        <translation>Mindestens eine Hand oder ein Fuß und eine Farbe müssen ausgewählt bleiben.</translation>
    </message>
    <message>
        <source>&amp;Speak the calls</source>
        <translation>Ansagen &amp;sprechen</translation>
    </message>
    <message>
        <source>&amp;Allow the same call twice in a row</source>
        <translation>Dieselbe Ansage &amp;zweimal hintereinander erlauben</translation>
    </message>
    <message>
        <source>Start in f&amp;ull screen</source>
        <translation>Im &amp;Vollbildmodus starten</translation>
    </message>
    <message>
        <source>Volume</source>
        <extracomment>For screen readers: the slider that sets how loud the calls and chimes are.</extracomment>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>The volume, in per cent.</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>&amp;Volume of the calls:</source>
        <translation>Lau&amp;tstärke der Ansagen:</translation>
    </message>
    <message>
        <source>Game s&amp;ounds: countdown ticks, start and stop chimes</source>
        <extracomment>A tick for each of the countdown&apos;s last three seconds, a chime as a game starts and stops.</extracomment>
        <translation>Spiel&amp;klänge: Ticken beim Countdown, Gong bei Start und Stopp</translation>
    </message>
    <message>
        <source>&amp;Wait for Next</source>
        <extracomment>No pause runs after a call: the next call comes when the host asks for it (N, the Next button in full screen, a remote&apos;s Next), like a spinner that waits to be spun.</extracomment>
        <translation>&amp;Auf „Weiter“ warten</translation>
    </message>
    <message>
        <source>Up to nine names. With two or more, full screen lists them: a tap puts a player out, and the last one in wins.</source>
        <extracomment>Greyed in the empty list of players in Configure.</extracomment>
        <translation>Bis zu neun Namen. Ab zwei zeigt der Vollbildmodus sie an: Ein Tipp auf einen Namen nimmt den Spieler raus, und wer als Letzter übrig bleibt, gewinnt.</translation>
    </message>
    <message>
        <source>W&amp;ho plays (one name a line):</source>
        <extracomment>Configure: the list of players&apos; names, which full screen shows during a game.</extracomment>
        <translation>&amp;Wer spielt (ein Name pro Zeile):</translation>
    </message>
</context>
<context>
    <name>FullScreenHint</name>
    <message>
        <source>Esc leaves full screen</source>
        <extracomment>Shown for a few seconds on entering full screen and when the mouse moves there. Esc is the Escape key as its cap reads on your keyboards.</extracomment>
        <translation>Esc beendet den Vollbildmodus</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>The game will start</source>
        <extracomment>Status while the countdown before the first call runs.</extracomment>
        <translation>Das Spiel beginnt gleich</translation>
    </message>
    <message>
        <source>(Game in progress)</source>
        <extracomment>Status while calls are being made.</extracomment>
        <translation>(Spiel läuft)</translation>
    </message>
    <message>
        <source>(Game stopped)</source>
        <extracomment>Status once Stop was pressed.</extracomment>
        <translation>(Spiel beendet)</translation>
    </message>
    <message numerus="yes">
        <source>in %n seconds...</source>
        <extracomment>Seconds left before the first call. The English text keeps &quot;in 1 seconds...&quot; on purpose; translations use their correct singular and plural.</extracomment>
        <translation>
            <numerusform>in %n Sekunde...</numerusform>
            <numerusform>in %n Sekunden...</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A whole call to the players: %1 is the limb, %2 the colour, as in &quot;LEFT HAND GREEN&quot;. Join and order them as a caller in your language says it, e.g. &quot;%1 SUR LE %2&quot;. All four colours and limbs fill the same text. In full screen a long call goes over two lines, broken where the limb ends.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>LEFT HAND</source>
        <extracomment>A limb the players must move, called out in the game.</extracomment>
        <translation>LINKE HAND</translation>
    </message>
    <message>
        <source>RIGHT HAND</source>
        <extracomment>A limb the players must move, called out in the game.</extracomment>
        <translation>RECHTE HAND</translation>
    </message>
    <message>
        <source>LEFT FOOT</source>
        <extracomment>A limb the players must move, called out in the game.</extracomment>
        <translation>LINKER FUSS</translation>
    </message>
    <message>
        <source>RIGHT FOOT</source>
        <extracomment>A limb the players must move, called out in the game.</extracomment>
        <translation>RECHTER FUSS</translation>
    </message>
    <message>
        <source>GREEN</source>
        <extracomment>A colour of the spots on the mat, called out in the game.</extracomment>
        <translation>GRÜN</translation>
    </message>
    <message>
        <source>YELLOW</source>
        <extracomment>A colour of the spots on the mat, called out in the game.</extracomment>
        <translation>GELB</translation>
    </message>
    <message>
        <source>BLUE</source>
        <extracomment>A colour of the spots on the mat, called out in the game.</extracomment>
        <translation>BLAU</translation>
    </message>
    <message>
        <source>RED</source>
        <extracomment>A colour of the spots on the mat, called out in the game.</extracomment>
        <translation>ROT</translation>
    </message>
    <message>
        <source>%1 </source>
        <extracomment>The limb alone (%1), shown and spoken before its colour joins it. The English keeps a blank at the end, where the colour will follow.</extracomment>
        <translation>%1 </translation>
    </message>
    <message>
        <source>(Game paused)</source>
        <extracomment>Status while the host holds the game (Game &gt; Pause, or P).</extracomment>
        <translation>(Spiel pausiert)</translation>
    </message>
    <message>
        <source>%1 wins!</source>
        <extracomment>Large on the stage and as a remote&apos;s title when one player is left: %1 is the name.</extracomment>
        <translation>%1 gewinnt!</translation>
    </message>
</context>
<context>
    <name>GamePresenter</name>
    <message>
        <source>Game status</source>
        <extracomment>For screen readers: the status label while it is empty.</extracomment>
        <translation>Spielstatus</translation>
    </message>
    <message>
        <source>Call</source>
        <extracomment>For screen readers: the call label while it is empty.</extracomment>
        <translation>Ansage</translation>
    </message>
    <message>
        <source>The current call: a limb, then its colour</source>
        <extracomment>For screen readers: what the call label shows.</extracomment>
        <translation>Die aktuelle Ansage: eine Hand oder ein Fuß, dann die Farbe</translation>
    </message>
    <message>
        <source>Where the game stands</source>
        <extracomment>For screen readers: what the status label shows.</extracomment>
        <translation>Wie das Spiel steht</translation>
    </message>
    <message>
        <source>Stop the game</source>
        <extracomment>For screen readers: what the Stop button does.</extracomment>
        <translation>Das Spiel stoppen</translation>
    </message>
    <message numerus="yes">
        <source>Start a game: calls begin after %n seconds</source>
        <extracomment>For screen readers: what the Start button does; %n is the countdown in seconds.</extracomment>
        <translation>
            <numerusform>Ein Spiel starten: Die Ansagen beginnen nach %n Sekunde</numerusform>
            <numerusform>Ein Spiel starten: Die Ansagen beginnen nach %n Sekunden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HiddenWindow</name>
    <message>
        <source>Hidden Window!</source>
        <translation>Verstecktes Fenster!</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Limbora, by the Limbora team</source>
        <translation>Limbora, vom Limbora-Team</translation>
    </message>
    <message>
        <source>Drawn by us</source>
        <extracomment>Credit for the portrait beside it.</extracomment>
        <translation>Von uns gemalt</translation>
    </message>
    <message>
        <source>Thank you for playing, and for every tangle you laughed your way out of!</source>
        <translation>Danke fürs Mitspielen und für jeden Knoten, aus dem ihr euch lachend befreit habt!</translation>
    </message>
</context>
<context>
    <name>IdleInhibitor</name>
    <message>
        <source>A game is running</source>
        <extracomment>Told to the desktop, which may show it, while Limbora keeps the screen awake.</extracomment>
        <translation>Ein Spiel läuft</translation>
    </message>
</context>
<context>
    <name>LimbSpot</name>
    <message>
        <source>Picture of the call</source>
        <extracomment>For screen readers: the picture of the call in full screen, while no call stands.</extracomment>
        <translation>Bild der Ansage</translation>
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
        <translation>&amp;START</translation>
    </message>
    <message>
        <source>&amp;STOP!</source>
        <extracomment>Stops the game. See the comment on &quot;&amp;START&quot; for the access key.</extracomment>
        <translation>&amp;STOPP!</translation>
    </message>
    <message>
        <source>Game board</source>
        <extracomment>For screen readers: the picture behind the buttons.</extracomment>
        <translation>Spielmatte</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>Opens the help page. The About box names this item as Help--&gt;Contents.</extracomment>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About Limbora</source>
        <translation>Ü&amp;ber Limbora</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>S&amp;piel</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>Spiel &amp;starten</translation>
    </message>
    <message>
        <source>S&amp;top Game</source>
        <translation>Spiel s&amp;toppen</translation>
    </message>
    <message>
        <source>&amp;Repeat Call</source>
        <translation>Ansage &amp;wiederholen</translation>
    </message>
    <message>
        <source>Se&amp;ttings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Full Screen Mode</source>
        <translation>&amp;Vollbildmodus</translation>
    </message>
    <message>
        <source>&amp;Configure Limbora…</source>
        <translation>Limbora &amp;einrichten…</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <extracomment>Holds the game where it stands until chosen again (also P or the Pause key).</extracomment>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Your options could not be saved. They apply until Limbora is closed.</source>
        <extracomment>After Configure&apos;s OK, where the settings file can&apos;t be written.</extracomment>
        <translation>Deine Einstellungen konnten nicht gespeichert werden. Sie gelten, bis du Limbora beendest.</translation>
    </message>
    <message>
        <source>&amp;Next Call</source>
        <extracomment>Makes the next call at once, ending the countdown or the pause (also N).</extracomment>
        <translation>&amp;Nächste Ansage</translation>
    </message>
</context>
<context>
    <name>NextCallRing</name>
    <message>
        <source>Time to the next call</source>
        <extracomment>For screen readers: the ring in full screen that empties until the next call.</extracomment>
        <translation>Zeit bis zur nächsten Ansage</translation>
    </message>
</context>
<context>
    <name>PausedVeil</name>
    <message>
        <source>Paused</source>
        <extracomment>Large, over the whole screen while a game is paused in full screen.</extracomment>
        <translation>Pausiert</translation>
    </message>
    <message>
        <source>Seconds left: %1</source>
        <extracomment>Under &quot;Paused&quot;: how long the countdown or the pause had left when the game was paused.</extracomment>
        <translation>Verbleibende Sekunden: %1</translation>
    </message>
</context>
<context>
    <name>PlayerList</name>
    <message>
        <source>Players</source>
        <extracomment>For screen readers: the players&apos; names shown in full screen.</extracomment>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>%1, out</source>
        <extracomment>For screen readers: a player&apos;s name on the stage once that player is out.</extracomment>
        <translation>%1, ausgeschieden</translation>
    </message>
</context>
<context>
    <name>StageControls</name>
    <message>
        <source>Game controls</source>
        <extracomment>For screen readers: the row of large buttons shown in full screen.</extracomment>
        <translation>Spielsteuerung</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>A large button in full screen: starts a game.</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>Repeat Call</source>
        <extracomment>A large button in full screen: says the current call again.</extracomment>
        <translation>Ansage wiederholen</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>A large button in full screen: stops the game.</extracomment>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Resume</source>
        <extracomment>A large button in full screen, in place of Pause while the game holds: goes on with it.</extracomment>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Pause</source>
        <extracomment>A large button in full screen: holds the game.</extracomment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>A large button in full screen: makes the next call at once.</extracomment>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>VoiceRecorder</name>
    <message>
        <source>Voice</source>
        <translation>Stimme</translation>
    </message>
    <message>
        <source>Bu&amp;ilt-in voice</source>
        <translation>E&amp;ingebaute Stimme</translation>
    </message>
    <message>
        <source>&amp;My voice</source>
        <translation>&amp;Meine Stimme</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Record %1</source>
        <extracomment>%1 is a call word as the window shows it, e.g. LEFT HAND; for screen readers</extracomment>
        <translation>%1 aufnehmen</translation>
    </message>
    <message>
        <source>Play %1</source>
        <extracomment>%1 is a call word, for screen readers</extracomment>
        <translation>%1 abspielen</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <extracomment>%1 is a call word, for screen readers</extracomment>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>Recorder</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>A word you don&apos;t record is spoken by the built-in voice.</source>
        <translation>Ein Wort, das du nicht aufnimmst, spricht die eingebaute Stimme.</translation>
    </message>
    <message>
        <source>Speak now: %1</source>
        <extracomment>%1 is the call word to say, e.g. LEFT HAND</extracomment>
        <translation>Sprich jetzt: %1</translation>
    </message>
    <message>
        <source>Waiting for the microphone…</source>
        <translation>Warten auf das Mikrofon…</translation>
    </message>
    <message>
        <source>Removed %1: the built-in voice says it.</source>
        <extracomment>%1 is a call word</extracomment>
        <translation>Aufnahme von %1 entfernt: Die eingebaute Stimme spricht das Wort.</translation>
    </message>
    <message>
        <source>%1 could not be removed.</source>
        <translation>Die Aufnahme von %1 ließ sich nicht entfernen.</translation>
    </message>
    <message>
        <source>Nothing was heard: check the microphone, then record again.</source>
        <translation>Es war nichts zu hören: Prüf das Mikrofon und nimm noch einmal auf.</translation>
    </message>
    <message>
        <source>The recording could not be saved in %1.</source>
        <translation>Die Aufnahme ließ sich nicht in %1 speichern.</translation>
    </message>
    <message>
        <source>%1 is recorded, but it was too loud and sounds distorted: record it again a little farther from the microphone.</source>
        <translation>%1 ist aufgenommen, war aber zu laut und klingt verzerrt: Nimm das Wort etwas weiter weg vom Mikrofon noch einmal auf.</translation>
    </message>
    <message>
        <source>%1 is recorded.</source>
        <translation>%1 ist aufgenommen.</translation>
    </message>
    <message>
        <source>No sound server is running: nothing was recorded.</source>
        <translation>Es läuft kein Soundserver: Es wurde nichts aufgenommen.</translation>
    </message>
    <message>
        <source>No microphone answers: nothing was recorded.</source>
        <translation>Kein Mikrofon reagiert: Es wurde nichts aufgenommen.</translation>
    </message>
    <message>
        <source>Limbora may not use the microphone: nothing was recorded.</source>
        <translation>Limbora darf das Mikrofon nicht benutzen: Es wurde nichts aufgenommen.</translation>
    </message>
    <message>
        <source>The sound server went away while recording: nothing was recorded.</source>
        <translation>Der Soundserver ist während der Aufnahme verschwunden: Es wurde nichts aufgenommen.</translation>
    </message>
    <message>
        <source>recording…</source>
        <translation>Aufnahme läuft…</translation>
    </message>
    <message>
        <source>my voice</source>
        <translation>meine Stimme</translation>
    </message>
    <message>
        <source>built-in</source>
        <translation>eingebaut</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Speak this language for this run: %1.</source>
        <extracomment>Help for --language; %1 lists the language codes.</extracomment>
        <translation>Diese Sprache für diesen Start verwenden: %1.</translation>
    </message>
    <message>
        <source>code</source>
        <extracomment>The value of --language, in --help.</extracomment>
        <translation>Code</translation>
    </message>
    <message>
        <source>no language &quot;%1&quot;; speaking English</source>
        <translation>keine Sprache „%1“, es bleibt bei Englisch</translation>
    </message>
    <message>
        <source>Calls a random hand or foot and colour for a floor party game.</source>
        <translation>Ruft für ein Partyspiel auf der Matte zufällig eine Hand oder einen Fuß und eine Farbe aus.</translation>
    </message>
    <message>
        <source>no display to show the window on (DISPLAY is not set, or names no display that answers)</source>
        <extracomment>Printed when there is no display, or the one named doesn&apos;t answer; DISPLAY is the name of an environment variable, not to be translated.</extracomment>
        <translation>kein Bildschirm, auf dem das Fenster erscheinen kann (DISPLAY ist nicht gesetzt oder nennt keinen Bildschirm, der antwortet)</translation>
    </message>
</context>
</TS>
