<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>drawn by you</source>
        <translation>door jou getrokken</translation>
    </message>
    <message>
        <source>drawn by me</source>
        <translation>door mij getrokken</translation>
    </message>
    <message>
        <source>drawn</source>
        <translation>getrokken</translation>
    </message>
    <message>
        <source>yours</source>
        <translation>van jou</translation>
    </message>
    <message>
        <source>mine</source>
        <translation>van mij</translation>
    </message>
    <message>
        <source>nobody&apos;s yet</source>
        <translation>nog van niemand</translation>
    </message>
    <message>
        <source>Row %1, between dots %2 and %3</source>
        <translation>Rij %1, tussen stip %2 en %3</translation>
    </message>
    <message>
        <source>Column %1, between dots %2 and %3</source>
        <translation>Kolom %1, tussen stip %2 en %3</translation>
    </message>
    <message>
        <source>free</source>
        <translation>vrij</translation>
    </message>
    <message>
        <source>Box in row %1, column %2</source>
        <translation>Vak in rij %1, kolom %2</translation>
    </message>
</context>
<context>
    <name>Level</name>
    <message>
        <source>Easy</source>
        <translation>Makkelijk</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Gemiddeld</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Moeilijk</translation>
    </message>
    <message>
        <source>Genius</source>
        <translation>Genie</translation>
    </message>
    <message>
        <source>E&amp;xpert</source>
        <translation>E&amp;xpert</translation>
    </message>
</context>
<context>
    <name>LinkFailure</name>
    <message>
        <source>No program to open web addresses could be started</source>
        <translation>Er kon geen programma worden gestart om webadressen te openen</translation>
    </message>
    <message>
        <source>Not a web address</source>
        <translation>Geen webadres</translation>
    </message>
</context>
<context>
    <name>Speed</name>
    <message>
        <source>Slow</source>
        <translation>Langzaam</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Gemiddeld</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Snel</translation>
    </message>
</context>
<context>
    <name>pennix::AboutDialog</name>
    <message>
        <source>This is the simple game of pennix that I used to play as a little kid in school. Every time I learn a new language, I write this game first. Hope you enjoy the game.</source>
        <translation>Dit is het eenvoudige spelletje pennix dat ik als kind op school speelde. Elke keer dat ik een nieuwe taal leer, schrijf ik eerst dit spel. Veel plezier ermee!</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Over %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versie %1.%2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeeminfo...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeeminformatie is op dit moment niet beschikbaar</translation>
    </message>
</context>
<context>
    <name>pennix::AuthorDialog</name>
    <message>
        <source>I was 26 when I wrote this game, and I have been playing and working with computers since I was ten.</source>
        <translation>Ik was 26 toen ik dit spel schreef, en ik speel en werk met computers sinds mijn tiende.</translation>
    </message>
    <message>
        <source>I write software for a living. Whenever I learn a new programming language, this game is the first thing I write in it; this time it taught me C++ and Qt.</source>
        <translation>Ik schrijf software voor mijn brood. Bij elke nieuwe programmeertaal schrijf ik eerst dit spel; deze keer leerde het me C++ en Qt.</translation>
    </message>
    <message>
        <source>The picture to the left is me on a skydiving jump, just after my canopy opened. If you ever get the chance, try it: there is nothing quite like it!</source>
        <translation>Op de foto links zie je mij bij een parachutesprong, net nadat mijn scherm openging. Krijg je ooit de kans, probeer het: er gaat niets boven!</translation>
    </message>
    <message>
        <source>About me</source>
        <translation>Over mij</translation>
    </message>
    <message>
        <source>Me skydiving</source>
        <translation>Ik aan het parachutespringen</translation>
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
        <translation>Speelbord</translation>
    </message>
</context>
<context>
    <name>pennix::HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Hulp bij %1</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Terug</translation>
    </message>
</context>
<context>
    <name>pennix::LinkLabel</name>
    <message>
        <source>Unable to load &apos;%1&apos; : %2 (Error %3)</source>
        <translation>Kan &apos;%1&apos; niet laden: %2 (fout %3)</translation>
    </message>
    <message>
        <source>Go to my personal home page</source>
        <translation>Naar mijn persoonlijke homepage</translation>
    </message>
</context>
<context>
    <name>pennix::MainWindow</name>
    <message>
        <source>I drew one wall</source>
        <translation>Ik heb één lijn getrokken</translation>
    </message>
    <message>
        <source>I drew %1 walls</source>
        <translation>Ik heb %1 lijnen getrokken</translation>
    </message>
    <message>
        <source> and took no box.</source>
        <translation> en geen vak genomen.</translation>
    </message>
    <message>
        <source> and took one box.</source>
        <translation> en één vak genomen.</translation>
    </message>
    <message>
        <source> and took %1 boxes.</source>
        <translation> en %1 vakken genomen.</translation>
    </message>
    <message>
        <source>The game of Pennix</source>
        <translation>Het spel Pennix</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>You 0 - Me 0</source>
        <translation>Jij 0 - Ik 0</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Scheidingslijn</translation>
    </message>
    <message>
        <source>Rnd</source>
        <translation>Gok</translation>
    </message>
    <message>
        <source>Make a random move</source>
        <translation>Een willekeurige zet doen</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Weet je het zeker?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the scores?</source>
        <translation>Weet je zeker dat je de scores wilt wissen?</translation>
    </message>
    <message>
        <source>You are on your own</source>
        <translation>Je staat er alleen voor</translation>
    </message>
    <message>
        <source>No safe random moves are left.</source>
        <translation>Er zijn geen veilige willekeurige zetten meer.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;Mark my last turn</source>
        <translation>&amp;Mijn laatste beurt markeren</translation>
    </message>
    <message>
        <source>Reset scores ...</source>
        <translation>Scores wissen ...</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Snelheid</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Help index</source>
        <translation>Helpindex</translation>
    </message>
    <message>
        <source>About the game</source>
        <translation>Over het spel</translation>
    </message>
    <message>
        <source>About the author</source>
        <translation>Over de auteur</translation>
    </message>
    <message>
        <source>Score board</source>
        <translation>Scorebord</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registreren</translation>
    </message>
    <message>
        <source>You %1 Me %2</source>
        <translation>Jij %1 Ik %2</translation>
    </message>
    <message>
        <source>Game over. I win! (%1-%2)</source>
        <translation>Spel voorbij. Ik win! (%1-%2)</translation>
    </message>
    <message>
        <source>Game over. It&apos;s a draw! (%1-%2)</source>
        <translation>Spel voorbij. Gelijkspel! (%1-%2)</translation>
    </message>
    <message>
        <source>Game over. You win! (%1-%2)</source>
        <translation>Spel voorbij. Jij wint! (%1-%2)</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Menubalk</translation>
    </message>
</context>
<context>
    <name>pennix::RegisterDialog</name>
    <message>
        <source>Register? Naaa, Just send me a note!</source>
        <translation>Registreren? Neuh, stuur me gewoon een berichtje!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>All that I ask, is that if you enjoy this game, please just send me an e-mail telling me. Please send any comments you may have to:</source>
        <translation>Ik vraag alleen dit: vind je dit spel leuk, stuur me dan even een e-mail. Opmerkingen graag naar:</translation>
    </message>
    <message>
        <source>Send me your comments!</source>
        <translation>Stuur me je opmerkingen!</translation>
    </message>
    <message>
        <source>You can also visit me on the world wide web by clicking the link below. The link below should automatically start your default web browser. If it doesn&apos;t sorry. I&apos;m still working out the bugs!</source>
        <translation>Je kunt me ook op het web bezoeken via de link hieronder; die zou je webbrowser moeten openen. Zo niet, sorry: ik ben de fouten nog aan het oplossen!</translation>
    </message>
</context>
<context>
    <name>pennix::ScoreDialog</name>
    <message>
        <source>You %1 - Me %2</source>
        <translation>Jij %1 - Ik %2</translation>
    </message>
    <message>
        <source>The history of our matches</source>
        <translation>De geschiedenis van onze potjes</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
