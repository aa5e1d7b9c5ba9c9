<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>drawn by you</source>
        <translation>traçada por você</translation>
    </message>
    <message>
        <source>drawn by me</source>
        <translation>traçada por mim</translation>
    </message>
    <message>
        <source>drawn</source>
        <translation>traçada</translation>
    </message>
    <message>
        <source>yours</source>
        <translation>sua</translation>
    </message>
    <message>
        <source>mine</source>
        <translation>minha</translation>
    </message>
    <message>
        <source>nobody&apos;s yet</source>
        <translation>de ninguém ainda</translation>
    </message>
    <message>
        <source>Row %1, between dots %2 and %3</source>
        <translation>Fileira %1, entre os pontos %2 e %3</translation>
    </message>
    <message>
        <source>Column %1, between dots %2 and %3</source>
        <translation>Coluna %1, entre os pontos %2 e %3</translation>
    </message>
    <message>
        <source>free</source>
        <translation>livre</translation>
    </message>
    <message>
        <source>Box in row %1, column %2</source>
        <translation>Caixa na fileira %1, coluna %2</translation>
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
        <translation>Médio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Genius</source>
        <translation>Gênio</translation>
    </message>
    <message>
        <source>E&amp;xpert</source>
        <translation>E&amp;specialista</translation>
    </message>
</context>
<context>
    <name>LinkFailure</name>
    <message>
        <source>No program to open web addresses could be started</source>
        <translation>Nenhum programa para abrir endereços da web pôde ser iniciado</translation>
    </message>
    <message>
        <source>Not a web address</source>
        <translation>Não é um endereço da web</translation>
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
        <translation>Média</translation>
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
        <translation>Este é o simples jogo de pennix que eu jogava quando criança na escola. Sempre que aprendo uma nova linguagem, escrevo este jogo primeiro. Espero que goste!</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versão %1.%2</translation>
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
        <translation>As informações do sistema não estão disponíveis no momento</translation>
    </message>
</context>
<context>
    <name>pennix::AuthorDialog</name>
    <message>
        <source>I was 26 when I wrote this game, and I have been playing and working with computers since I was ten.</source>
        <translation>Eu tinha 26 anos quando escrevi este jogo, e jogo e trabalho com computadores desde os dez.</translation>
    </message>
    <message>
        <source>I write software for a living. Whenever I learn a new programming language, this game is the first thing I write in it; this time it taught me C++ and Qt.</source>
        <translation>Escrevo software para viver. Sempre que aprendo uma nova linguagem, este jogo é a primeira coisa que escrevo nela; desta vez ele me ensinou C++ e Qt.</translation>
    </message>
    <message>
        <source>The picture to the left is me on a skydiving jump, just after my canopy opened. If you ever get the chance, try it: there is nothing quite like it!</source>
        <translation>A foto à esquerda sou eu num salto de paraquedas, logo depois de o velame abrir. Se um dia tiver a chance, experimente: não há nada igual!</translation>
    </message>
    <message>
        <source>About me</source>
        <translation>Sobre mim</translation>
    </message>
    <message>
        <source>Me skydiving</source>
        <translation>Eu saltando de paraquedas</translation>
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
        <translation>Tabuleiro</translation>
    </message>
</context>
<context>
    <name>pennix::HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Ajuda do %1</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
</context>
<context>
    <name>pennix::LinkLabel</name>
    <message>
        <source>Unable to load &apos;%1&apos; : %2 (Error %3)</source>
        <translation>Não foi possível carregar &apos;%1&apos;: %2 (erro %3)</translation>
    </message>
    <message>
        <source>Go to my personal home page</source>
        <translation>Ir para minha página pessoal</translation>
    </message>
</context>
<context>
    <name>pennix::MainWindow</name>
    <message>
        <source>I drew one wall</source>
        <translation>Tracei uma linha</translation>
    </message>
    <message>
        <source>I drew %1 walls</source>
        <translation>Tracei %1 linhas</translation>
    </message>
    <message>
        <source> and took no box.</source>
        <translation> e não peguei nenhuma caixa.</translation>
    </message>
    <message>
        <source> and took one box.</source>
        <translation> e peguei uma caixa.</translation>
    </message>
    <message>
        <source> and took %1 boxes.</source>
        <translation> e peguei %1 caixas.</translation>
    </message>
    <message>
        <source>The game of Pennix</source>
        <translation>O jogo de Pennix</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>You 0 - Me 0</source>
        <translation>Você 0 - Eu 0</translation>
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
        <translation>Fazer uma jogada aleatória</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Tem certeza?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the scores?</source>
        <translation>Tem certeza de que deseja zerar os placares?</translation>
    </message>
    <message>
        <source>You are on your own</source>
        <translation>Agora é com você</translation>
    </message>
    <message>
        <source>No safe random moves are left.</source>
        <translation>Não restam jogadas aleatórias seguras.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Mark my last turn</source>
        <translation>&amp;Marcar minha última jogada</translation>
    </message>
    <message>
        <source>Reset scores ...</source>
        <translation>Zerar placares ...</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nível</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Help index</source>
        <translation>Índice da ajuda</translation>
    </message>
    <message>
        <source>About the game</source>
        <translation>Sobre o jogo</translation>
    </message>
    <message>
        <source>About the author</source>
        <translation>Sobre o autor</translation>
    </message>
    <message>
        <source>Score board</source>
        <translation>Placar</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registrar</translation>
    </message>
    <message>
        <source>You %1 Me %2</source>
        <translation>Você %1 Eu %2</translation>
    </message>
    <message>
        <source>Game over. I win! (%1-%2)</source>
        <translation>Fim de jogo. Eu venci! (%1-%2)</translation>
    </message>
    <message>
        <source>Game over. It&apos;s a draw! (%1-%2)</source>
        <translation>Fim de jogo. Empate! (%1-%2)</translation>
    </message>
    <message>
        <source>Game over. You win! (%1-%2)</source>
        <translation>Fim de jogo. Você venceu! (%1-%2)</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barra de menus</translation>
    </message>
</context>
<context>
    <name>pennix::RegisterDialog</name>
    <message>
        <source>Register? Naaa, Just send me a note!</source>
        <translation>Registrar? Nããão, só me mande um recado!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>All that I ask, is that if you enjoy this game, please just send me an e-mail telling me. Please send any comments you may have to:</source>
        <translation>Só peço uma coisa: se você gostar deste jogo, me conte por e-mail. Envie seus comentários para:</translation>
    </message>
    <message>
        <source>Send me your comments!</source>
        <translation>Mande seus comentários!</translation>
    </message>
    <message>
        <source>You can also visit me on the world wide web by clicking the link below. The link below should automatically start your default web browser. If it doesn&apos;t sorry. I&apos;m still working out the bugs!</source>
        <translation>Você também pode me visitar na web pelo link abaixo, que deve abrir seu navegador. Se não abrir, desculpe: ainda estou corrigindo os erros!</translation>
    </message>
</context>
<context>
    <name>pennix::ScoreDialog</name>
    <message>
        <source>You %1 - Me %2</source>
        <translation>Você %1 - Eu %2</translation>
    </message>
    <message>
        <source>The history of our matches</source>
        <translation>O histórico das nossas partidas</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
