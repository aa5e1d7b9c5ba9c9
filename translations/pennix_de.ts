<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>drawn by you</source>
        <translation>von dir gezogen</translation>
    </message>
    <message>
        <source>drawn by me</source>
        <translation>von mir gezogen</translation>
    </message>
    <message>
        <source>drawn</source>
        <translation>gezogen</translation>
    </message>
    <message>
        <source>yours</source>
        <translation>deins</translation>
    </message>
    <message>
        <source>mine</source>
        <translation>meins</translation>
    </message>
    <message>
        <source>nobody&apos;s yet</source>
        <translation>noch niemandes</translation>
    </message>
    <message>
        <source>Row %1, between dots %2 and %3</source>
        <translation>Reihe %1, zwischen Punkt %2 und %3</translation>
    </message>
    <message>
        <source>Column %1, between dots %2 and %3</source>
        <translation>Spalte %1, zwischen Punkt %2 und %3</translation>
    </message>
    <message>
        <source>free</source>
        <translation>frei</translation>
    </message>
    <message>
        <source>Box in row %1, column %2</source>
        <translation>Kästchen in Reihe %1, Spalte %2</translation>
    </message>
</context>
<context>
    <name>Level</name>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Genius</source>
        <translation>Genie</translation>
    </message>
    <message>
        <source>E&amp;xpert</source>
        <translation>E&amp;xperte</translation>
    </message>
</context>
<context>
    <name>LinkFailure</name>
    <message>
        <source>No program to open web addresses could be started</source>
        <translation>Es konnte kein Programm zum Öffnen von Webadressen gestartet werden</translation>
    </message>
    <message>
        <source>Not a web address</source>
        <translation>Keine Webadresse</translation>
    </message>
</context>
<context>
    <name>Speed</name>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
</context>
<context>
    <name>pennix::AboutDialog</name>
    <message>
        <source>This is the simple game of pennix that I used to play as a little kid in school. Every time I learn a new language, I write this game first. Hope you enjoy the game.</source>
        <translation>Das ist das einfache Spiel Pennix, das ich als Kind in der Schule gespielt habe. Mit jeder neuen Sprache, die ich lerne, schreibe ich zuerst dieses Spiel. Viel Spaß!</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Version %1.%2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Die Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>pennix::AuthorDialog</name>
    <message>
        <source>I was 26 when I wrote this game, and I have been playing and working with computers since I was ten.</source>
        <translation>Ich war 26, als ich dieses Spiel schrieb, und ich spiele und arbeite mit Computern, seit ich zehn bin.</translation>
    </message>
    <message>
        <source>I write software for a living. Whenever I learn a new programming language, this game is the first thing I write in it; this time it taught me C++ and Qt.</source>
        <translation>Ich schreibe beruflich Software. Lerne ich eine neue Programmiersprache, schreibe ich darin zuerst dieses Spiel; diesmal lernte ich so C++ und Qt.</translation>
    </message>
    <message>
        <source>The picture to the left is me on a skydiving jump, just after my canopy opened. If you ever get the chance, try it: there is nothing quite like it!</source>
        <translation>Das Bild links zeigt mich bei einem Fallschirmsprung, kurz nachdem sich mein Schirm geöffnet hat. Wenn du die Gelegenheit hast, probier es: Es gibt nichts Vergleichbares!</translation>
    </message>
    <message>
        <source>About me</source>
        <translation>Über mich</translation>
    </message>
    <message>
        <source>Me skydiving</source>
        <translation>Ich beim Fallschirmspringen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>pennix::BoardView</name>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
</context>
<context>
    <name>pennix::HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>%1-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
</context>
<context>
    <name>pennix::LinkLabel</name>
    <message>
        <source>Unable to load &apos;%1&apos; : %2 (Error %3)</source>
        <translation>&apos;%1&apos; kann nicht geladen werden: %2 (Fehler %3)</translation>
    </message>
    <message>
        <source>Go to my personal home page</source>
        <translation>Zu meiner persönlichen Homepage</translation>
    </message>
</context>
<context>
    <name>pennix::MainWindow</name>
    <message>
        <source>I drew one wall</source>
        <translation>Ich habe einen Strich gezogen</translation>
    </message>
    <message>
        <source>I drew %1 walls</source>
        <translation>Ich habe %1 Striche gezogen</translation>
    </message>
    <message>
        <source> and took no box.</source>
        <translation> und kein Kästchen genommen.</translation>
    </message>
    <message>
        <source> and took one box.</source>
        <translation> und ein Kästchen genommen.</translation>
    </message>
    <message>
        <source> and took %1 boxes.</source>
        <translation> und %1 Kästchen genommen.</translation>
    </message>
    <message>
        <source>The game of Pennix</source>
        <translation>Das Spiel Pennix</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>You 0 - Me 0</source>
        <translation>Du 0 - Ich 0</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Trennlinie</translation>
    </message>
    <message>
        <source>Rnd</source>
        <translation>Zug</translation>
    </message>
    <message>
        <source>Make a random move</source>
        <translation>Einen zufälligen Zug machen</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Bist du sicher?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the scores?</source>
        <translation>Willst du den Punktestand wirklich zurücksetzen?</translation>
    </message>
    <message>
        <source>You are on your own</source>
        <translation>Jetzt bist du auf dich gestellt</translation>
    </message>
    <message>
        <source>No safe random moves are left.</source>
        <translation>Es gibt keinen sicheren Zufallszug mehr.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Mark my last turn</source>
        <translation>&amp;Meinen letzten Zug markieren</translation>
    </message>
    <message>
        <source>Reset scores ...</source>
        <translation>Punktestand zurücksetzen ...</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Spielstärke</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Help index</source>
        <translation>Hilfe-Index</translation>
    </message>
    <message>
        <source>About the game</source>
        <translation>Über das Spiel</translation>
    </message>
    <message>
        <source>About the author</source>
        <translation>Über den Autor</translation>
    </message>
    <message>
        <source>Score board</source>
        <translation>Punktetafel</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registrieren</translation>
    </message>
    <message>
        <source>You %1 Me %2</source>
        <translation>Du %1 Ich %2</translation>
    </message>
    <message>
        <source>Game over. I win! (%1-%2)</source>
        <translation>Spiel vorbei. Ich gewinne! (%1-%2)</translation>
    </message>
    <message>
        <source>Game over. It&apos;s a draw! (%1-%2)</source>
        <translation>Spiel vorbei. Unentschieden! (%1-%2)</translation>
    </message>
    <message>
        <source>Game over. You win! (%1-%2)</source>
        <translation>Spiel vorbei. Du gewinnst! (%1-%2)</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Menüleiste</translation>
    </message>
</context>
<context>
    <name>pennix::RegisterDialog</name>
    <message>
        <source>Register? Naaa, Just send me a note!</source>
        <translation>Registrieren? Neee, schick mir einfach eine Nachricht!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>All that I ask, is that if you enjoy this game, please just send me an e-mail telling me. Please send any comments you may have to:</source>
        <translation>Ich bitte nur um eines: Wenn dir das Spiel gefällt, schick mir einfach eine E-Mail. Anmerkungen bitte an:</translation>
    </message>
    <message>
        <source>Send me your comments!</source>
        <translation>Schick mir deine Anmerkungen!</translation>
    </message>
    <message>
        <source>You can also visit me on the world wide web by clicking the link below. The link below should automatically start your default web browser. If it doesn&apos;t sorry. I&apos;m still working out the bugs!</source>
        <translation>Du kannst mich auch im Web besuchen: Der Link unten sollte deinen Webbrowser starten. Falls nicht, tut mir leid. Ich arbeite noch an den Fehlern!</translation>
    </message>
</context>
<context>
    <name>pennix::ScoreDialog</name>
    <message>
        <source>You %1 - Me %2</source>
        <translation>Du %1 - Ich %2</translation>
    </message>
    <message>
        <source>The history of our matches</source>
        <translation>Die Geschichte unserer Partien</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
