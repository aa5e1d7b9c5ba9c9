<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>drawn by you</source>
        <translation>tracciata da te</translation>
    </message>
    <message>
        <source>drawn by me</source>
        <translation>tracciata da me</translation>
    </message>
    <message>
        <source>drawn</source>
        <translation>tracciata</translation>
    </message>
    <message>
        <source>yours</source>
        <translation>tua</translation>
    </message>
    <message>
        <source>mine</source>
        <translation>mia</translation>
    </message>
    <message>
        <source>nobody&apos;s yet</source>
        <translation>ancora di nessuno</translation>
    </message>
    <message>
        <source>Row %1, between dots %2 and %3</source>
        <translation>Riga %1, tra i punti %2 e %3</translation>
    </message>
    <message>
        <source>Column %1, between dots %2 and %3</source>
        <translation>Colonna %1, tra i punti %2 e %3</translation>
    </message>
    <message>
        <source>free</source>
        <translation>libera</translation>
    </message>
    <message>
        <source>Box in row %1, column %2</source>
        <translation>Casella nella riga %1, colonna %2</translation>
    </message>
</context>
<context>
    <name>Level</name>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Genius</source>
        <translation>Genio</translation>
    </message>
    <message>
        <source>E&amp;xpert</source>
        <translation>E&amp;sperto</translation>
    </message>
</context>
<context>
    <name>LinkFailure</name>
    <message>
        <source>No program to open web addresses could be started</source>
        <translation>Non è stato possibile avviare un programma per aprire gli indirizzi web</translation>
    </message>
    <message>
        <source>Not a web address</source>
        <translation>Non è un indirizzo web</translation>
    </message>
</context>
<context>
    <name>Speed</name>
    <message>
        <source>Slow</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Veloce</translation>
    </message>
</context>
<context>
    <name>pennix::AboutDialog</name>
    <message>
        <source>This is the simple game of pennix that I used to play as a little kid in school. Every time I learn a new language, I write this game first. Hope you enjoy the game.</source>
        <translation>Questo è il semplice gioco del pennix a cui giocavo da bambino a scuola. Ogni volta che imparo un nuovo linguaggio, scrivo per primo questo gioco. Buon divertimento!</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versione %1.%2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info &amp;sistema...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Le informazioni di sistema non sono disponibili al momento</translation>
    </message>
</context>
<context>
    <name>pennix::AuthorDialog</name>
    <message>
        <source>I was 26 when I wrote this game, and I have been playing and working with computers since I was ten.</source>
        <translation>Avevo 26 anni quando ho scritto questo gioco, e gioco e lavoro con i computer da quando ne avevo dieci.</translation>
    </message>
    <message>
        <source>I write software for a living. Whenever I learn a new programming language, this game is the first thing I write in it; this time it taught me C++ and Qt.</source>
        <translation>Scrivo software per vivere. Ogni volta che imparo un nuovo linguaggio, questo gioco è la prima cosa che scrivo; stavolta mi ha insegnato C++ e Qt.</translation>
    </message>
    <message>
        <source>The picture to the left is me on a skydiving jump, just after my canopy opened. If you ever get the chance, try it: there is nothing quite like it!</source>
        <translation>Nella foto a sinistra sono io durante un lancio col paracadute, appena aperta la vela. Se ne hai l&apos;occasione, provalo: non c&apos;è niente di simile!</translation>
    </message>
    <message>
        <source>About me</source>
        <translation>Su di me</translation>
    </message>
    <message>
        <source>Me skydiving</source>
        <translation>Io col paracadute</translation>
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
        <translation>Tabellone</translation>
    </message>
</context>
<context>
    <name>pennix::HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Guida di %1</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>Indie&amp;tro</translation>
    </message>
</context>
<context>
    <name>pennix::LinkLabel</name>
    <message>
        <source>Unable to load &apos;%1&apos; : %2 (Error %3)</source>
        <translation>Impossibile caricare &apos;%1&apos;: %2 (errore %3)</translation>
    </message>
    <message>
        <source>Go to my personal home page</source>
        <translation>Vai alla mia pagina personale</translation>
    </message>
</context>
<context>
    <name>pennix::MainWindow</name>
    <message>
        <source>I drew one wall</source>
        <translation>Ho tracciato una linea</translation>
    </message>
    <message>
        <source>I drew %1 walls</source>
        <translation>Ho tracciato %1 linee</translation>
    </message>
    <message>
        <source> and took no box.</source>
        <translation> e non ho preso nessuna casella.</translation>
    </message>
    <message>
        <source> and took one box.</source>
        <translation> e ho preso una casella.</translation>
    </message>
    <message>
        <source> and took %1 boxes.</source>
        <translation> e ho preso %1 caselle.</translation>
    </message>
    <message>
        <source>The game of Pennix</source>
        <translation>Il gioco del Pennix</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gioco</translation>
    </message>
    <message>
        <source>You 0 - Me 0</source>
        <translation>Tu 0 - Io 0</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Separatore</translation>
    </message>
    <message>
        <source>Rnd</source>
        <translation>Cas</translation>
    </message>
    <message>
        <source>Make a random move</source>
        <translation>Fai una mossa a caso</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Sei sicuro?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the scores?</source>
        <translation>Vuoi davvero azzerare i punteggi?</translation>
    </message>
    <message>
        <source>You are on your own</source>
        <translation>Ora tocca a te</translation>
    </message>
    <message>
        <source>No safe random moves are left.</source>
        <translation>Non restano mosse sicure a caso.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Mark my last turn</source>
        <translation>&amp;Segna il mio ultimo turno</translation>
    </message>
    <message>
        <source>Reset scores ...</source>
        <translation>Azzera i punteggi ...</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Help index</source>
        <translation>Indice della guida</translation>
    </message>
    <message>
        <source>About the game</source>
        <translation>Informazioni sul gioco</translation>
    </message>
    <message>
        <source>About the author</source>
        <translation>Informazioni sull&apos;autore</translation>
    </message>
    <message>
        <source>Score board</source>
        <translation>Tabellone dei punteggi</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registrati</translation>
    </message>
    <message>
        <source>You %1 Me %2</source>
        <translation>Tu %1 Io %2</translation>
    </message>
    <message>
        <source>Game over. I win! (%1-%2)</source>
        <translation>Partita finita. Ho vinto io! (%1-%2)</translation>
    </message>
    <message>
        <source>Game over. It&apos;s a draw! (%1-%2)</source>
        <translation>Partita finita. Pareggio! (%1-%2)</translation>
    </message>
    <message>
        <source>Game over. You win! (%1-%2)</source>
        <translation>Partita finita. Hai vinto tu! (%1-%2)</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barra dei menu</translation>
    </message>
</context>
<context>
    <name>pennix::RegisterDialog</name>
    <message>
        <source>Register? Naaa, Just send me a note!</source>
        <translation>Registrarti? Naaa, mandami solo un messaggio!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>All that I ask, is that if you enjoy this game, please just send me an e-mail telling me. Please send any comments you may have to:</source>
        <translation>Ti chiedo solo una cosa: se il gioco ti piace, dimmelo con un&apos;e-mail. Invia i tuoi commenti a:</translation>
    </message>
    <message>
        <source>Send me your comments!</source>
        <translation>Mandami i tuoi commenti!</translation>
    </message>
    <message>
        <source>You can also visit me on the world wide web by clicking the link below. The link below should automatically start your default web browser. If it doesn&apos;t sorry. I&apos;m still working out the bugs!</source>
        <translation>Puoi anche visitarmi sul web con il collegamento qui sotto, che dovrebbe aprire il tuo browser. Se non lo fa, scusa: sto ancora sistemando i bug!</translation>
    </message>
</context>
<context>
    <name>pennix::ScoreDialog</name>
    <message>
        <source>You %1 - Me %2</source>
        <translation>Tu %1 - Io %2</translation>
    </message>
    <message>
        <source>The history of our matches</source>
        <translation>La storia delle nostre partite</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
