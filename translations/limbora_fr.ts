<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Limbora</source>
        <translation>À propos de Limbora</translation>
    </message>
    <message>
        <source>The Limbora team</source>
        <extracomment>Who made the program; follows &quot;Created by&quot;.</extracomment>
        <translation>l’équipe Limbora</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>The floor game&apos;s name and trademarks belong to their owners. Limbora is not connected with them.</source>
        <translation>Le nom et les marques du jeu appartiennent à leurs propriétaires. Limbora n’a aucun lien avec eux.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number.</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Tanglemat Random Generator</source>
        <extracomment>The program&apos;s long name, under its title.</extracomment>
        <translation>Générateur aléatoire Tanglemat</translation>
    </message>
    <message>
        <source>January 2004</source>
        <extracomment>The month the program was made.</extracomment>
        <translation>janvier 2004</translation>
    </message>
    <message>
        <source>Click on Help--&gt;Contents or see the Readme.doc file for help, documentation, and other info.</source>
        <extracomment>Help--&gt;Contents names the menu items as translated in the main window.</extracomment>
        <translation>Cliquez sur Aide--&gt;Sommaire ou lisez le fichier Readme.doc pour l’aide et la documentation.</translation>
    </message>
    <message>
        <source>Created by</source>
        <translation>Créé par</translation>
    </message>
</context>
<context>
    <name>ConfigureDialog</name>
    <message>
        <source> s</source>
        <translation>&#xa0;s</translation>
    </message>
    <message>
        <source>Configure Limbora</source>
        <translation>Configurer Limbora</translation>
    </message>
    <message>
        <source>&amp;Pause after each call:</source>
        <translation>&amp;Pause après chaque annonce&#xa0;:</translation>
    </message>
    <message>
        <source>Cou&amp;ntdown before the first call:</source>
        <translation>&amp;Compte à rebours avant la première annonce&#xa0;:</translation>
    </message>
    <message>
        <source>Limbs called</source>
        <translation>Membres annoncés</translation>
    </message>
    <message>
        <source>&amp;Left hand</source>
        <translation>Main &amp;gauche</translation>
    </message>
    <message>
        <source>&amp;Right hand</source>
        <translation>Main &amp;droite</translation>
    </message>
    <message>
        <source>Left &amp;foot</source>
        <translation>P&amp;ied gauche</translation>
    </message>
    <message>
        <source>Ri&amp;ght foot</source>
        <translation>Pied dr&amp;oit</translation>
    </message>
    <message>
        <source>Colours called</source>
        <translation>Couleurs annoncées</translation>
    </message>
    <message>
        <source>Gr&amp;een</source>
        <translation>&amp;Vert</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>&amp;Jaune</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>&amp;Bleu</translation>
    </message>
    <message>
        <source>Re&amp;d</source>
        <translation>&amp;Rouge</translation>
    </message>
    <message>
        <source>At least one limb and one colour must stay chosen.</source>
        <translation>Au moins un membre et une couleur doivent rester cochés.</translation>
    </message>
    <message>
        <source>&amp;Speak the calls</source>
        <translation>Dire les annonces à &amp;haute voix</translation>
    </message>
    <message>
        <source>&amp;Allow the same call twice in a row</source>
        <translation>&amp;Autoriser la même annonce deux fois de suite</translation>
    </message>
    <message>
        <source>Start in f&amp;ull screen</source>
        <translation>Démarrer en &amp;mode plein écran</translation>
    </message>
    <message>
        <source>Volume</source>
        <extracomment>For screen readers: the slider that sets how loud the calls and chimes are.</extracomment>
        <translation>Volume</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>The volume, in per cent.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>&amp;Volume of the calls:</source>
        <translation>Vo&amp;lume des annonces&#xa0;:</translation>
    </message>
    <message>
        <source>Game s&amp;ounds: countdown ticks, start and stop chimes</source>
        <extracomment>A tick for each of the countdown&apos;s last three seconds, a chime as a game starts and stops.</extracomment>
        <translation>&amp;Sons du jeu&#xa0;: tic-tac du compte à rebours, carillon au départ et à l’arrêt</translation>
    </message>
    <message>
        <source>&amp;Wait for Next</source>
        <extracomment>No pause runs after a call: the next call comes when the host asks for it (N, the Next button in full screen, a remote&apos;s Next), like a spinner that waits to be spun.</extracomment>
        <translation>A&amp;ttendre «&#xa0;Suivante&#xa0;»</translation>
    </message>
    <message>
        <source>Up to nine names. With two or more, full screen lists them: a tap puts a player out, and the last one in wins.</source>
        <extracomment>Greyed in the empty list of players in Configure.</extracomment>
        <translation>Jusqu’à neuf noms. À partir de deux, le plein écran les affiche&#xa0;: un appui sur un nom élimine le joueur, et le dernier en lice gagne.</translation>
    </message>
    <message>
        <source>W&amp;ho plays (one name a line):</source>
        <extracomment>Configure: the list of players&apos; names, which full screen shows during a game.</extracomment>
        <translation>&amp;Qui joue (un nom par ligne)&#xa0;:</translation>
    </message>
</context>
<context>
    <name>FullScreenHint</name>
    <message>
        <source>Esc leaves full screen</source>
        <extracomment>Shown for a few seconds on entering full screen and when the mouse moves there. Esc is the Escape key as its cap reads on your keyboards.</extracomment>
        <translation>Échap pour quitter le plein écran</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>The game will start</source>
        <extracomment>Status while the countdown before the first call runs.</extracomment>
        <translation>La partie va commencer</translation>
    </message>
    <message>
        <source>(Game in progress)</source>
        <extracomment>Status while calls are being made.</extracomment>
        <translation>(Partie en cours)</translation>
    </message>
    <message>
        <source>(Game stopped)</source>
        <extracomment>Status once Stop was pressed.</extracomment>
        <translation>(Partie arrêtée)</translation>
    </message>
    <message numerus="yes">
        <source>in %n seconds...</source>
        <extracomment>Seconds left before the first call. The English text keeps &quot;in 1 seconds...&quot; on purpose; translations use their correct singular and plural.</extracomment>
        <translation>
            <numerusform>dans %n seconde...</numerusform>
            <numerusform>dans %n secondes...</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A whole call to the players: %1 is the limb, %2 the colour, as in &quot;LEFT HAND GREEN&quot;. Join and order them as a caller in your language says it, e.g. &quot;%1 SUR LE %2&quot;. All four colours and limbs fill the same text. In full screen a long call goes over two lines, broken where the limb ends.</extracomment>
        <translation>%1 SUR LE %2</translation>
    </message>
    <message>
        <source>LEFT HAND</source>
        <extracomment>A limb the players must move, called out in the game.</extracomment>
        <translation>MAIN GAUCHE</translation>
    </message>
    <message>
        <source>RIGHT HAND</source>
        <extracomment>A limb the players must move, called out in the game.</extracomment>
        <translation>MAIN DROITE</translation>
    </message>
    <message>
        <source>LEFT FOOT</source>
        <extracomment>A limb the players must move, called out in the game.</extracomment>
        <translation>PIED GAUCHE</translation>
    </message>
    <message>
        <source>RIGHT FOOT</source>
        <extracomment>A limb the players must move, called out in the game.</extracomment>
        <translation>PIED DROIT</translation>
    </message>
    <message>
        <source>GREEN</source>
        <extracomment>A colour of the spots on the mat, called out in the game.</extracomment>
        <translation>VERT</translation>
    </message>
    <message>
        <source>YELLOW</source>
        <extracomment>A colour of the spots on the mat, called out in the game.</extracomment>
        <translation>JAUNE</translation>
    </message>
    <message>
        <source>BLUE</source>
        <extracomment>A colour of the spots on the mat, called out in the game.</extracomment>
        <translation>BLEU</translation>
    </message>
    <message>
        <source>RED</source>
        <extracomment>A colour of the spots on the mat, called out in the game.</extracomment>
        <translation>ROUGE</translation>
    </message>
    <message>
        <source>%1 </source>
        <extracomment>The limb alone (%1), shown and spoken before its colour joins it. The English keeps a blank at the end, where the colour will follow.</extracomment>
        <translation>%1 </translation>
    </message>
    <message>
        <source>(Game paused)</source>
        <extracomment>Status while the host holds the game (Game &gt; Pause, or P).</extracomment>
        <translation>(Partie en pause)</translation>
    </message>
    <message>
        <source>%1 wins!</source>
        <extracomment>Large on the stage and as a remote&apos;s title when one player is left: %1 is the name.</extracomment>
        <translation>%1 a gagné&#xa0;!</translation>
    </message>
</context>
<context>
    <name>GamePresenter</name>
    <message>
        <source>Game status</source>
        <extracomment>For screen readers: the status label while it is empty.</extracomment>
        <translation>État de la partie</translation>
    </message>
    <message>
        <source>Call</source>
        <extracomment>For screen readers: the call label while it is empty.</extracomment>
        <translation>Annonce</translation>
    </message>
    <message>
        <source>The current call: a limb, then its colour</source>
        <extracomment>For screen readers: what the call label shows.</extracomment>
        <translation>L’annonce en cours&#xa0;: une main ou un pied, puis sa couleur</translation>
    </message>
    <message>
        <source>Where the game stands</source>
        <extracomment>For screen readers: what the status label shows.</extracomment>
        <translation>Où en est la partie</translation>
    </message>
    <message>
        <source>Stop the game</source>
        <extracomment>For screen readers: what the Stop button does.</extracomment>
        <translation>Arrêter la partie</translation>
    </message>
    <message numerus="yes">
        <source>Start a game: calls begin after %n seconds</source>
        <extracomment>For screen readers: what the Start button does; %n is the countdown in seconds.</extracomment>
        <translation>
            <numerusform>Lancer une partie&#xa0;: les annonces commencent après %n seconde</numerusform>
            <numerusform>Lancer une partie&#xa0;: les annonces commencent après %n secondes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HiddenWindow</name>
    <message>
        <source>Hidden Window!</source>
        <translation>Fenêtre cachée&#xa0;!</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Limbora, by the Limbora team</source>
        <translation>Limbora, par l’équipe Limbora</translation>
    </message>
    <message>
        <source>Drawn by us</source>
        <extracomment>Credit for the portrait beside it.</extracomment>
        <translation>Dessiné par nous</translation>
    </message>
    <message>
        <source>Thank you for playing, and for every tangle you laughed your way out of!</source>
        <translation>Merci d’avoir joué, et pour chaque nœud dont vous vous êtes sortis en riant&#xa0;!</translation>
    </message>
</context>
<context>
    <name>IdleInhibitor</name>
    <message>
        <source>A game is running</source>
        <extracomment>Told to the desktop, which may show it, while Limbora keeps the screen awake.</extracomment>
        <translation>Une partie est en cours</translation>
    </message>
</context>
<context>
    <name>LimbSpot</name>
    <message>
        <source>Picture of the call</source>
        <extracomment>For screen readers: the picture of the call in full screen, while no call stands.</extracomment>
        <translation>Image de l’annonce</translation>
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
        <translation>DÉMA&amp;RRER</translation>
    </message>
    <message>
        <source>&amp;STOP!</source>
        <extracomment>Stops the game. See the comment on &quot;&amp;START&quot; for the access key.</extracomment>
        <translation>A&amp;RRÊTER&#xa0;!</translation>
    </message>
    <message>
        <source>Game board</source>
        <extracomment>For screen readers: the picture behind the buttons.</extracomment>
        <translation>Tapis de jeu</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>Opens the help page. The About box names this item as Help--&gt;Contents.</extracomment>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;About Limbora</source>
        <translation>À &amp;propos de Limbora</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Lancer la partie</translation>
    </message>
    <message>
        <source>S&amp;top Game</source>
        <translation>&amp;Arrêter la partie</translation>
    </message>
    <message>
        <source>&amp;Repeat Call</source>
        <translation>&amp;Répéter l’annonce</translation>
    </message>
    <message>
        <source>Se&amp;ttings</source>
        <translation>&amp;Configuration</translation>
    </message>
    <message>
        <source>&amp;Full Screen Mode</source>
        <translation>&amp;Mode plein écran</translation>
    </message>
    <message>
        <source>&amp;Configure Limbora…</source>
        <translation>&amp;Configurer Limbora…</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <extracomment>Holds the game where it stands until chosen again (also P or the Pause key).</extracomment>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Your options could not be saved. They apply until Limbora is closed.</source>
        <extracomment>After Configure&apos;s OK, where the settings file can&apos;t be written.</extracomment>
        <translation>Vos réglages n’ont pas pu être sauvegardés. Ils s’appliquent jusqu’à la fermeture de Limbora.</translation>
    </message>
    <message>
        <source>&amp;Next Call</source>
        <extracomment>Makes the next call at once, ending the countdown or the pause (also N).</extracomment>
        <translation>Annonce &amp;suivante</translation>
    </message>
</context>
<context>
    <name>NextCallRing</name>
    <message>
        <source>Time to the next call</source>
        <extracomment>For screen readers: the ring in full screen that empties until the next call.</extracomment>
        <translation>Temps jusqu’à la prochaine annonce</translation>
    </message>
</context>
<context>
    <name>PausedVeil</name>
    <message>
        <source>Paused</source>
        <extracomment>Large, over the whole screen while a game is paused in full screen.</extracomment>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Seconds left: %1</source>
        <extracomment>Under &quot;Paused&quot;: how long the countdown or the pause had left when the game was paused.</extracomment>
        <translation>Secondes restantes&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>PlayerList</name>
    <message>
        <source>Players</source>
        <extracomment>For screen readers: the players&apos; names shown in full screen.</extracomment>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>%1, out</source>
        <extracomment>For screen readers: a player&apos;s name on the stage once that player is out.</extracomment>
        <translation>%1, hors jeu</translation>
    </message>
</context>
<context>
    <name>StageControls</name>
    <message>
        <source>Game controls</source>
        <extracomment>For screen readers: the row of large buttons shown in full screen.</extracomment>
        <translation>Commandes du jeu</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>A large button in full screen: starts a game.</extracomment>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Repeat Call</source>
        <extracomment>A large button in full screen: says the current call again.</extracomment>
        <translation>Répéter l’annonce</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>A large button in full screen: stops the game.</extracomment>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Resume</source>
        <extracomment>A large button in full screen, in place of Pause while the game holds: goes on with it.</extracomment>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Pause</source>
        <extracomment>A large button in full screen: holds the game.</extracomment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>A large button in full screen: makes the next call at once.</extracomment>
        <translation>Suivante</translation>
    </message>
</context>
<context>
    <name>VoiceRecorder</name>
    <message>
        <source>Voice</source>
        <translation>Voix</translation>
    </message>
    <message>
        <source>Bu&amp;ilt-in voice</source>
        <translation>Voix i&amp;ntégrée</translation>
    </message>
    <message>
        <source>&amp;My voice</source>
        <translation>Ma voi&amp;x</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Record %1</source>
        <extracomment>%1 is a call word as the window shows it, e.g. LEFT HAND; for screen readers</extracomment>
        <translation>Enregistrer %1</translation>
    </message>
    <message>
        <source>Play %1</source>
        <extracomment>%1 is a call word, for screen readers</extracomment>
        <translation>Écouter %1</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <extracomment>%1 is a call word, for screen readers</extracomment>
        <translation>Supprimer %1</translation>
    </message>
    <message>
        <source>Recorder</source>
        <translation>Enregistreur</translation>
    </message>
    <message>
        <source>A word you don&apos;t record is spoken by the built-in voice.</source>
        <translation>Un mot que vous n’enregistrez pas est dit par la voix intégrée.</translation>
    </message>
    <message>
        <source>Speak now: %1</source>
        <extracomment>%1 is the call word to say, e.g. LEFT HAND</extracomment>
        <translation>Parlez maintenant&#xa0;: %1</translation>
    </message>
    <message>
        <source>Waiting for the microphone…</source>
        <translation>En attente du micro…</translation>
    </message>
    <message>
        <source>Removed %1: the built-in voice says it.</source>
        <extracomment>%1 is a call word</extracomment>
        <translation>Enregistrement de %1 supprimé&#xa0;: la voix intégrée dit le mot.</translation>
    </message>
    <message>
        <source>%1 could not be removed.</source>
        <translation>L’enregistrement de %1 n’a pas pu être supprimé.</translation>
    </message>
    <message>
        <source>Nothing was heard: check the microphone, then record again.</source>
        <translation>Rien n’a été entendu&#xa0;: vérifiez le micro, puis enregistrez à nouveau.</translation>
    </message>
    <message>
        <source>The recording could not be saved in %1.</source>
        <translation>L’enregistrement n’a pas pu être sauvegardé dans %1.</translation>
    </message>
    <message>
        <source>%1 is recorded, but it was too loud and sounds distorted: record it again a little farther from the microphone.</source>
        <translation>%1&#xa0;: enregistré, mais trop fort et saturé. Enregistrez à nouveau un peu plus loin du micro.</translation>
    </message>
    <message>
        <source>%1 is recorded.</source>
        <translation>%1&#xa0;: enregistré.</translation>
    </message>
    <message>
        <source>No sound server is running: nothing was recorded.</source>
        <translation>Aucun serveur de son ne fonctionne&#xa0;: rien n’a été enregistré.</translation>
    </message>
    <message>
        <source>No microphone answers: nothing was recorded.</source>
        <translation>Aucun micro ne répond&#xa0;: rien n’a été enregistré.</translation>
    </message>
    <message>
        <source>Limbora may not use the microphone: nothing was recorded.</source>
        <translation>Limbora n’a pas le droit d’utiliser le micro&#xa0;: rien n’a été enregistré.</translation>
    </message>
    <message>
        <source>The sound server went away while recording: nothing was recorded.</source>
        <translation>Le serveur de son a disparu pendant l’enregistrement&#xa0;: rien n’a été enregistré.</translation>
    </message>
    <message>
        <source>recording…</source>
        <translation>enregistrement…</translation>
    </message>
    <message>
        <source>my voice</source>
        <translation>ma voix</translation>
    </message>
    <message>
        <source>built-in</source>
        <translation>intégrée</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Speak this language for this run: %1.</source>
        <extracomment>Help for --language; %1 lists the language codes.</extracomment>
        <translation>Utiliser cette langue pour ce lancement&#xa0;: %1.</translation>
    </message>
    <message>
        <source>code</source>
        <extracomment>The value of --language, in --help.</extracomment>
        <translation>code</translation>
    </message>
    <message>
        <source>no language &quot;%1&quot;; speaking English</source>
        <translation>pas de langue «&#xa0;%1&#xa0;», l’anglais sera utilisé</translation>
    </message>
    <message>
        <source>Calls a random hand or foot and colour for a floor party game.</source>
        <translation>Annonce au hasard une main ou un pied et une couleur pour un jeu d’ambiance sur tapis.</translation>
    </message>
    <message>
        <source>no display to show the window on (DISPLAY is not set, or names no display that answers)</source>
        <extracomment>Printed when there is no display, or the one named doesn&apos;t answer; DISPLAY is the name of an environment variable, not to be translated.</extracomment>
        <translation>aucun écran où afficher la fenêtre (DISPLAY n’est pas défini, ou désigne un écran qui ne répond pas)</translation>
    </message>
</context>
</TS>
