<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Limbora</source>
        <translation>Over Limbora</translation>
    </message>
    <message>
        <source>The Limbora team</source>
        <extracomment>Who made the program; follows &quot;Created by&quot;.</extracomment>
        <translation>het Limbora-team</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>The floor game&apos;s name and trademarks belong to their owners. Limbora is not connected with them.</source>
        <translation>De naam en merken van het spel zijn van hun eigenaars. Limbora heeft er niets mee te maken.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number.</extracomment>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>Tanglemat Random Generator</source>
        <extracomment>The program&apos;s long name, under its title.</extracomment>
        <translation>Tanglemat-toevalsgenerator</translation>
    </message>
    <message>
        <source>January 2004</source>
        <extracomment>The month the program was made.</extracomment>
        <translation>januari 2004</translation>
    </message>
    <message>
        <source>Click on Help--&gt;Contents or see the Readme.doc file for help, documentation, and other info.</source>
        <extracomment>Help--&gt;Contents names the menu items as translated in the main window.</extracomment>
        <translation>Klik op Help--&gt;Inhoud of lees het bestand Readme.doc voor hulp, documentatie en meer.</translation>
    </message>
    <message>
        <source>Created by</source>
        <translation>Gemaakt door</translation>
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
        <translation>Limbora configureren</translation>
    </message>
    <message>
        <source>&amp;Pause after each call:</source>
        <translation>&amp;Pauze na elke oproep:</translation>
    </message>
    <message>
        <source>Cou&amp;ntdown before the first call:</source>
        <translation>&amp;Aftellen tot de eerste oproep:</translation>
    </message>
    <message>
        <source>Limbs called</source>
        <translation>Opgeroepen ledematen</translation>
    </message>
    <message>
        <source>&amp;Left hand</source>
        <translation>&amp;Linkerhand</translation>
    </message>
    <message>
        <source>&amp;Right hand</source>
        <translation>&amp;Rechterhand</translation>
    </message>
    <message>
        <source>Left &amp;foot</source>
        <translation>Linker&amp;voet</translation>
    </message>
    <message>
        <source>Ri&amp;ght foot</source>
        <translation>Re&amp;chtervoet</translation>
    </message>
    <message>
        <source>Colours called</source>
        <translation>Opgeroepen kleuren</translation>
    </message>
    <message>
        <source>Gr&amp;een</source>
        <translation>&amp;Groen</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>G&amp;eel</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>&amp;Blauw</translation>
    </message>
    <message>
        <source>Re&amp;d</source>
        <translation>R&amp;ood</translation>
    </message>
    <message>
        <source>At least one limb and one colour must stay chosen.</source>
        <translation>Er moeten minstens één ledemaat en één kleur gekozen blijven.</translation>
    </message>
    <message>
        <source>&amp;Speak the calls</source>
        <translation>Oproepen &amp;uitspreken</translation>
    </message>
    <message>
        <source>&amp;Allow the same call twice in a row</source>
        <translation>Dezelfde oproep twee keer achter elkaar &amp;toestaan</translation>
    </message>
    <message>
        <source>Start in f&amp;ull screen</source>
        <translation>In volledig scherm &amp;starten</translation>
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
        <translation>Volu&amp;me van de oproepen:</translation>
    </message>
    <message>
        <source>Game s&amp;ounds: countdown ticks, start and stop chimes</source>
        <extracomment>A tick for each of the countdown&apos;s last three seconds, a chime as a game starts and stops.</extracomment>
        <translation>Spelgelui&amp;den: tikken bij het aftellen, belletje bij start en stop</translation>
    </message>
    <message>
        <source>&amp;Wait for Next</source>
        <extracomment>No pause runs after a call: the next call comes when the host asks for it (N, the Next button in full screen, a remote&apos;s Next), like a spinner that waits to be spun.</extracomment>
        <translation>Op ‘Volgende’ wac&amp;hten</translation>
    </message>
    <message>
        <source>Up to nine names. With two or more, full screen lists them: a tap puts a player out, and the last one in wins.</source>
        <extracomment>Greyed in the empty list of players in Configure.</extracomment>
        <translation>Tot negen namen. Vanaf twee toont het volledige scherm ze: een tik op een naam zet die speler uit het spel, en wie als laatste overblijft, wint.</translation>
    </message>
    <message>
        <source>W&amp;ho plays (one name a line):</source>
        <extracomment>Configure: the list of players&apos; names, which full screen shows during a game.</extracomment>
        <translation>&amp;Wie speelt er (één naam per regel):</translation>
    </message>
</context>
<context>
    <name>FullScreenHint</name>
    <message>
        <source>Esc leaves full screen</source>
        <extracomment>Shown for a few seconds on entering full screen and when the mouse moves there. Esc is the Escape key as its cap reads on your keyboards.</extracomment>
        <translation>Met Esc verlaat je volledig scherm</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>The game will start</source>
        <extracomment>Status while the countdown before the first call runs.</extracomment>
        <translation>Het spel begint zo</translation>
    </message>
    <message>
        <source>(Game in progress)</source>
        <extracomment>Status while calls are being made.</extracomment>
        <translation>(Spel is bezig)</translation>
    </message>
    <message>
        <source>(Game stopped)</source>
        <extracomment>Status once Stop was pressed.</extracomment>
        <translation>(Spel gestopt)</translation>
    </message>
    <message numerus="yes">
        <source>in %n seconds...</source>
        <extracomment>Seconds left before the first call. The English text keeps &quot;in 1 seconds...&quot; on purpose; translations use their correct singular and plural.</extracomment>
        <translation>
            <numerusform>over %n seconde...</numerusform>
            <numerusform>over %n seconden...</numerusform>
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
        <translation>LINKERHAND</translation>
    </message>
    <message>
        <source>RIGHT HAND</source>
        <extracomment>A limb the players must move, called out in the game.</extracomment>
        <translation>RECHTERHAND</translation>
    </message>
    <message>
        <source>LEFT FOOT</source>
        <extracomment>A limb the players must move, called out in the game.</extracomment>
        <translation>LINKERVOET</translation>
    </message>
    <message>
        <source>RIGHT FOOT</source>
        <extracomment>A limb the players must move, called out in the game.</extracomment>
        <translation>RECHTERVOET</translation>
    </message>
    <message>
        <source>GREEN</source>
        <extracomment>A colour of the spots on the mat, called out in the game.</extracomment>
        <translation>GROEN</translation>
    </message>
    <message>
        <source>YELLOW</source>
        <extracomment>A colour of the spots on the mat, called out in the game.</extracomment>
        <translation>GEEL</translation>
    </message>
    <message>
        <source>BLUE</source>
        <extracomment>A colour of the spots on the mat, called out in the game.</extracomment>
        <translation>BLAUW</translation>
    </message>
    <message>
        <source>RED</source>
        <extracomment>A colour of the spots on the mat, called out in the game.</extracomment>
        <translation>ROOD</translation>
    </message>
    <message>
        <source>%1 </source>
        <extracomment>The limb alone (%1), shown and spoken before its colour joins it. The English keeps a blank at the end, where the colour will follow.</extracomment>
        <translation>%1 </translation>
    </message>
    <message>
        <source>(Game paused)</source>
        <extracomment>Status while the host holds the game (Game &gt; Pause, or P).</extracomment>
        <translation>(Spel gepauzeerd)</translation>
    </message>
    <message>
        <source>%1 wins!</source>
        <extracomment>Large on the stage and as a remote&apos;s title when one player is left: %1 is the name.</extracomment>
        <translation>%1 wint!</translation>
    </message>
</context>
<context>
    <name>GamePresenter</name>
    <message>
        <source>Game status</source>
        <extracomment>For screen readers: the status label while it is empty.</extracomment>
        <translation>Spelstatus</translation>
    </message>
    <message>
        <source>Call</source>
        <extracomment>For screen readers: the call label while it is empty.</extracomment>
        <translation>Oproep</translation>
    </message>
    <message>
        <source>The current call: a limb, then its colour</source>
        <extracomment>For screen readers: what the call label shows.</extracomment>
        <translation>De huidige oproep: een hand of voet, dan de kleur</translation>
    </message>
    <message>
        <source>Where the game stands</source>
        <extracomment>For screen readers: what the status label shows.</extracomment>
        <translation>Hoe het spel ervoor staat</translation>
    </message>
    <message>
        <source>Stop the game</source>
        <extracomment>For screen readers: what the Stop button does.</extracomment>
        <translation>Het spel stoppen</translation>
    </message>
    <message numerus="yes">
        <source>Start a game: calls begin after %n seconds</source>
        <extracomment>For screen readers: what the Start button does; %n is the countdown in seconds.</extracomment>
        <translation>
            <numerusform>Een spel starten: de oproepen beginnen na %n seconde</numerusform>
            <numerusform>Een spel starten: de oproepen beginnen na %n seconden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HiddenWindow</name>
    <message>
        <source>Hidden Window!</source>
        <translation>Verborgen venster!</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Limbora, by the Limbora team</source>
        <translation>Limbora, door het Limbora-team</translation>
    </message>
    <message>
        <source>Drawn by us</source>
        <extracomment>Credit for the portrait beside it.</extracomment>
        <translation>Door ons getekend</translation>
    </message>
    <message>
        <source>Thank you for playing, and for every tangle you laughed your way out of!</source>
        <translation>Bedankt voor het spelen, en voor elke knoop waar jullie je lachend uit hebben gewerkt!</translation>
    </message>
</context>
<context>
    <name>IdleInhibitor</name>
    <message>
        <source>A game is running</source>
        <extracomment>Told to the desktop, which may show it, while Limbora keeps the screen awake.</extracomment>
        <translation>Er loopt een spel</translation>
    </message>
</context>
<context>
    <name>LimbSpot</name>
    <message>
        <source>Picture of the call</source>
        <extracomment>For screen readers: the picture of the call in full screen, while no call stands.</extracomment>
        <translation>Afbeelding van de oproep</translation>
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
        <translation>&amp;STOP!</translation>
    </message>
    <message>
        <source>Game board</source>
        <extracomment>For screen readers: the picture behind the buttons.</extracomment>
        <translation>Speelmat</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>Opens the help page. The About box names this item as Help--&gt;Contents.</extracomment>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>&amp;About Limbora</source>
        <translation>&amp;Over Limbora</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>S&amp;pel</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>Spel &amp;starten</translation>
    </message>
    <message>
        <source>S&amp;top Game</source>
        <translation>Spel s&amp;toppen</translation>
    </message>
    <message>
        <source>&amp;Repeat Call</source>
        <translation>Oproep &amp;herhalen</translation>
    </message>
    <message>
        <source>Se&amp;ttings</source>
        <translation>&amp;Instellingen</translation>
    </message>
    <message>
        <source>&amp;Full Screen Mode</source>
        <translation>&amp;Volledig scherm</translation>
    </message>
    <message>
        <source>&amp;Configure Limbora…</source>
        <translation>Limbora &amp;configureren…</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <extracomment>Holds the game where it stands until chosen again (also P or the Pause key).</extracomment>
        <translation>&amp;Pauzeren</translation>
    </message>
    <message>
        <source>Your options could not be saved. They apply until Limbora is closed.</source>
        <extracomment>After Configure&apos;s OK, where the settings file can&apos;t be written.</extracomment>
        <translation>Je instellingen konden niet worden opgeslagen. Ze gelden tot je Limbora afsluit.</translation>
    </message>
    <message>
        <source>&amp;Next Call</source>
        <extracomment>Makes the next call at once, ending the countdown or the pause (also N).</extracomment>
        <translation>Vol&amp;gende oproep</translation>
    </message>
</context>
<context>
    <name>NextCallRing</name>
    <message>
        <source>Time to the next call</source>
        <extracomment>For screen readers: the ring in full screen that empties until the next call.</extracomment>
        <translation>Tijd tot de volgende oproep</translation>
    </message>
</context>
<context>
    <name>PausedVeil</name>
    <message>
        <source>Paused</source>
        <extracomment>Large, over the whole screen while a game is paused in full screen.</extracomment>
        <translation>Gepauzeerd</translation>
    </message>
    <message>
        <source>Seconds left: %1</source>
        <extracomment>Under &quot;Paused&quot;: how long the countdown or the pause had left when the game was paused.</extracomment>
        <translation>Resterende seconden: %1</translation>
    </message>
</context>
<context>
    <name>PlayerList</name>
    <message>
        <source>Players</source>
        <extracomment>For screen readers: the players&apos; names shown in full screen.</extracomment>
        <translation>Spelers</translation>
    </message>
    <message>
        <source>%1, out</source>
        <extracomment>For screen readers: a player&apos;s name on the stage once that player is out.</extracomment>
        <translation>%1, uit het spel</translation>
    </message>
</context>
<context>
    <name>StageControls</name>
    <message>
        <source>Game controls</source>
        <extracomment>For screen readers: the row of large buttons shown in full screen.</extracomment>
        <translation>Spelbediening</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>A large button in full screen: starts a game.</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>Repeat Call</source>
        <extracomment>A large button in full screen: says the current call again.</extracomment>
        <translation>Oproep herhalen</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>A large button in full screen: stops the game.</extracomment>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Resume</source>
        <extracomment>A large button in full screen, in place of Pause while the game holds: goes on with it.</extracomment>
        <translation>Hervatten</translation>
    </message>
    <message>
        <source>Pause</source>
        <extracomment>A large button in full screen: holds the game.</extracomment>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>A large button in full screen: makes the next call at once.</extracomment>
        <translation>Volgende</translation>
    </message>
</context>
<context>
    <name>VoiceRecorder</name>
    <message>
        <source>Voice</source>
        <translation>Stem</translation>
    </message>
    <message>
        <source>Bu&amp;ilt-in voice</source>
        <translation>&amp;Ingebouwde stem</translation>
    </message>
    <message>
        <source>&amp;My voice</source>
        <translation>Mij&amp;n stem</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Opnemen</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Afspelen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Record %1</source>
        <extracomment>%1 is a call word as the window shows it, e.g. LEFT HAND; for screen readers</extracomment>
        <translation>%1 opnemen</translation>
    </message>
    <message>
        <source>Play %1</source>
        <extracomment>%1 is a call word, for screen readers</extracomment>
        <translation>%1 afspelen</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <extracomment>%1 is a call word, for screen readers</extracomment>
        <translation>%1 verwijderen</translation>
    </message>
    <message>
        <source>Recorder</source>
        <translation>Recorder</translation>
    </message>
    <message>
        <source>A word you don&apos;t record is spoken by the built-in voice.</source>
        <translation>Een woord dat je niet opneemt, wordt door de ingebouwde stem uitgesproken.</translation>
    </message>
    <message>
        <source>Speak now: %1</source>
        <extracomment>%1 is the call word to say, e.g. LEFT HAND</extracomment>
        <translation>Spreek nu: %1</translation>
    </message>
    <message>
        <source>Waiting for the microphone…</source>
        <translation>Wachten op de microfoon…</translation>
    </message>
    <message>
        <source>Removed %1: the built-in voice says it.</source>
        <extracomment>%1 is a call word</extracomment>
        <translation>Opname van %1 verwijderd: de ingebouwde stem zegt het woord.</translation>
    </message>
    <message>
        <source>%1 could not be removed.</source>
        <translation>De opname van %1 kon niet worden verwijderd.</translation>
    </message>
    <message>
        <source>Nothing was heard: check the microphone, then record again.</source>
        <translation>Er was niets te horen: controleer de microfoon en neem opnieuw op.</translation>
    </message>
    <message>
        <source>The recording could not be saved in %1.</source>
        <translation>De opname kon niet in %1 worden opgeslagen.</translation>
    </message>
    <message>
        <source>%1 is recorded, but it was too loud and sounds distorted: record it again a little farther from the microphone.</source>
        <translation>%1 is opgenomen, maar was te luid en klinkt vervormd: neem het opnieuw op, iets verder van de microfoon.</translation>
    </message>
    <message>
        <source>%1 is recorded.</source>
        <translation>%1 is opgenomen.</translation>
    </message>
    <message>
        <source>No sound server is running: nothing was recorded.</source>
        <translation>Er draait geen geluidsserver: er is niets opgenomen.</translation>
    </message>
    <message>
        <source>No microphone answers: nothing was recorded.</source>
        <translation>Er reageert geen microfoon: er is niets opgenomen.</translation>
    </message>
    <message>
        <source>Limbora may not use the microphone: nothing was recorded.</source>
        <translation>Limbora mag de microfoon niet gebruiken: er is niets opgenomen.</translation>
    </message>
    <message>
        <source>The sound server went away while recording: nothing was recorded.</source>
        <translation>De geluidsserver verdween tijdens het opnemen: er is niets opgenomen.</translation>
    </message>
    <message>
        <source>recording…</source>
        <translation>neemt op…</translation>
    </message>
    <message>
        <source>my voice</source>
        <translation>mijn stem</translation>
    </message>
    <message>
        <source>built-in</source>
        <translation>ingebouwd</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Speak this language for this run: %1.</source>
        <extracomment>Help for --language; %1 lists the language codes.</extracomment>
        <translation>Deze taal gebruiken voor deze keer: %1.</translation>
    </message>
    <message>
        <source>code</source>
        <extracomment>The value of --language, in --help.</extracomment>
        <translation>code</translation>
    </message>
    <message>
        <source>no language &quot;%1&quot;; speaking English</source>
        <translation>geen taal ‘%1’, Engels wordt gebruikt</translation>
    </message>
    <message>
        <source>Calls a random hand or foot and colour for a floor party game.</source>
        <translation>Roept willekeurig een hand of voet en een kleur om voor een feestspel op de mat.</translation>
    </message>
    <message>
        <source>no display to show the window on (DISPLAY is not set, or names no display that answers)</source>
        <extracomment>Printed when there is no display, or the one named doesn&apos;t answer; DISPLAY is the name of an environment variable, not to be translated.</extracomment>
        <translation>geen beeldscherm om het venster op te tonen (DISPLAY is niet ingesteld of noemt een beeldscherm dat niet antwoordt)</translation>
    </message>
</context>
</TS>
