<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>drawn by you</source>
        <translation>trazada por ti</translation>
    </message>
    <message>
        <source>drawn by me</source>
        <translation>trazada por mí</translation>
    </message>
    <message>
        <source>drawn</source>
        <translation>trazada</translation>
    </message>
    <message>
        <source>yours</source>
        <translation>tuya</translation>
    </message>
    <message>
        <source>mine</source>
        <translation>mía</translation>
    </message>
    <message>
        <source>nobody&apos;s yet</source>
        <translation>de nadie todavía</translation>
    </message>
    <message>
        <source>Row %1, between dots %2 and %3</source>
        <translation>Fila %1, entre los puntos %2 y %3</translation>
    </message>
    <message>
        <source>Column %1, between dots %2 and %3</source>
        <translation>Columna %1, entre los puntos %2 y %3</translation>
    </message>
    <message>
        <source>free</source>
        <translation>libre</translation>
    </message>
    <message>
        <source>Box in row %1, column %2</source>
        <translation>Casilla en la fila %1, columna %2</translation>
    </message>
</context>
<context>
    <name>Level</name>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Genius</source>
        <translation>Genio</translation>
    </message>
    <message>
        <source>E&amp;xpert</source>
        <translation>E&amp;xperto</translation>
    </message>
</context>
<context>
    <name>LinkFailure</name>
    <message>
        <source>No program to open web addresses could be started</source>
        <translation>No se pudo iniciar ningún programa para abrir direcciones web</translation>
    </message>
    <message>
        <source>Not a web address</source>
        <translation>No es una dirección web</translation>
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
        <translation>Rápida</translation>
    </message>
</context>
<context>
    <name>pennix::AboutDialog</name>
    <message>
        <source>This is the simple game of pennix that I used to play as a little kid in school. Every time I learn a new language, I write this game first. Hope you enjoy the game.</source>
        <translation>Este es el sencillo juego de pennix al que jugaba de pequeño en el colegio. Cada vez que aprendo un lenguaje, escribo primero este juego. ¡Que lo disfrutes!</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versión %1.%2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info &amp;sistema...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
</context>
<context>
    <name>pennix::AuthorDialog</name>
    <message>
        <source>I was 26 when I wrote this game, and I have been playing and working with computers since I was ten.</source>
        <translation>Tenía 26 años cuando escribí este juego, y juego y trabajo con ordenadores desde los diez.</translation>
    </message>
    <message>
        <source>I write software for a living. Whenever I learn a new programming language, this game is the first thing I write in it; this time it taught me C++ and Qt.</source>
        <translation>Me gano la vida escribiendo software. Con cada lenguaje nuevo que aprendo, este juego es lo primero que escribo; esta vez me enseñó C++ y Qt.</translation>
    </message>
    <message>
        <source>The picture to the left is me on a skydiving jump, just after my canopy opened. If you ever get the chance, try it: there is nothing quite like it!</source>
        <translation>La foto de la izquierda soy yo en un salto en paracaídas, justo después de abrirse la vela. Si alguna vez tienes ocasión, pruébalo: ¡no hay nada igual!</translation>
    </message>
    <message>
        <source>About me</source>
        <translation>Sobre mí</translation>
    </message>
    <message>
        <source>Me skydiving</source>
        <translation>Yo en paracaídas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>pennix::BoardView</name>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
</context>
<context>
    <name>pennix::HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Ayuda de %1</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
</context>
<context>
    <name>pennix::LinkLabel</name>
    <message>
        <source>Unable to load &apos;%1&apos; : %2 (Error %3)</source>
        <translation>No se puede cargar &apos;%1&apos;: %2 (error %3)</translation>
    </message>
    <message>
        <source>Go to my personal home page</source>
        <translation>Ir a mi página personal</translation>
    </message>
</context>
<context>
    <name>pennix::MainWindow</name>
    <message>
        <source>I drew one wall</source>
        <translation>Tracé una línea</translation>
    </message>
    <message>
        <source>I drew %1 walls</source>
        <translation>Tracé %1 líneas</translation>
    </message>
    <message>
        <source> and took no box.</source>
        <translation> y no me llevé ninguna casilla.</translation>
    </message>
    <message>
        <source> and took one box.</source>
        <translation> y me llevé una casilla.</translation>
    </message>
    <message>
        <source> and took %1 boxes.</source>
        <translation> y me llevé %1 casillas.</translation>
    </message>
    <message>
        <source>The game of Pennix</source>
        <translation>El juego de Pennix</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>You 0 - Me 0</source>
        <translation>Tú 0 - Yo 0</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Separador</translation>
    </message>
    <message>
        <source>Rnd</source>
        <translation>Ale</translation>
    </message>
    <message>
        <source>Make a random move</source>
        <translation>Hacer una jugada al azar</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>¿Estás seguro?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the scores?</source>
        <translation>¿Seguro que quieres poner a cero los marcadores?</translation>
    </message>
    <message>
        <source>You are on your own</source>
        <translation>Ahora estás solo</translation>
    </message>
    <message>
        <source>No safe random moves are left.</source>
        <translation>No quedan jugadas seguras al azar.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Mark my last turn</source>
        <translation>&amp;Marcar mi último turno</translation>
    </message>
    <message>
        <source>Reset scores ...</source>
        <translation>Poner a cero los marcadores ...</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Help index</source>
        <translation>Índice de la ayuda</translation>
    </message>
    <message>
        <source>About the game</source>
        <translation>Acerca del juego</translation>
    </message>
    <message>
        <source>About the author</source>
        <translation>Acerca del autor</translation>
    </message>
    <message>
        <source>Score board</source>
        <translation>Marcador</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registrarse</translation>
    </message>
    <message>
        <source>You %1 Me %2</source>
        <translation>Tú %1 Yo %2</translation>
    </message>
    <message>
        <source>Game over. I win! (%1-%2)</source>
        <translation>Fin de la partida. ¡Gano yo! (%1-%2)</translation>
    </message>
    <message>
        <source>Game over. It&apos;s a draw! (%1-%2)</source>
        <translation>Fin de la partida. ¡Empate! (%1-%2)</translation>
    </message>
    <message>
        <source>Game over. You win! (%1-%2)</source>
        <translation>Fin de la partida. ¡Ganas tú! (%1-%2)</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barra de menús</translation>
    </message>
</context>
<context>
    <name>pennix::RegisterDialog</name>
    <message>
        <source>Register? Naaa, Just send me a note!</source>
        <translation>¿Registrarse? Naaa, ¡solo mándame una nota!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>All that I ask, is that if you enjoy this game, please just send me an e-mail telling me. Please send any comments you may have to:</source>
        <translation>Solo te pido que, si te gusta este juego, me lo cuentes en un correo. Envía tus comentarios a:</translation>
    </message>
    <message>
        <source>Send me your comments!</source>
        <translation>¡Mándame tus comentarios!</translation>
    </message>
    <message>
        <source>You can also visit me on the world wide web by clicking the link below. The link below should automatically start your default web browser. If it doesn&apos;t sorry. I&apos;m still working out the bugs!</source>
        <translation>También puedes visitarme en la web con el enlace de abajo, que debería abrir tu navegador. Si no, lo siento: ¡aún estoy corrigiendo errores!</translation>
    </message>
</context>
<context>
    <name>pennix::ScoreDialog</name>
    <message>
        <source>You %1 - Me %2</source>
        <translation>Tú %1 - Yo %2</translation>
    </message>
    <message>
        <source>The history of our matches</source>
        <translation>El historial de nuestras partidas</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
</context>
</TS>
